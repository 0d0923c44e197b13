// Reading barcodes back from a rendered page, as a scanner would: the page painted into
// a PNG file at 300 dpi and decoded by zbarimg.
#pragma once

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include "reports/Druk.h"

// The codes zbarimg finds on the page, each as "CODE-128:<text>"; a paper without
// margins is painted from its corner.
inline QStringList OdczytajKody(const TStrona& strona, const TFormatStrony& format) {
    constexpr double dpi = 300;
    const double pikseliNaMm = dpi / 25.4;
    QImage obraz(qRound(format.szerokosc * pikseliNaMm), qRound(format.wysokosc * pikseliNaMm),
                 QImage::Format_RGB32);
    obraz.fill(Qt::white);
    obraz.setDotsPerMeterX(qRound(dpi / 0.0254));
    obraz.setDotsPerMeterY(qRound(dpi / 0.0254));
    {
        QPainter p(&obraz);
        p.translate(format.margines * pikseliNaMm, format.margines * pikseliNaMm);
        RysujStrone(p, strona, pikseliNaMm);
    }
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("strona.png"));
    obraz.save(plik);
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), plik});
    zbar.waitForFinished(60000);
    QStringList kody =
        QString::fromUtf8(zbar.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    kody.sort();
    return kody;
}
