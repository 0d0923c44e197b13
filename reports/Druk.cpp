#include "reports/Druk.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <functional>

#include "reports/uPodglad.h"
#include "store/Interakcja.h"
#include "widgets/uEksport.h"

namespace {

QFont Czcionka(const TCzcionka& c) {
    QFont f(c.rodzina);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(c.punkty);
    f.setBold(c.pogrubiona);
    f.setItalic(c.kursywa);
    return f;
}

Qt::Alignment Wyrownanie(TWyrownanie w) {
    switch (w) {
        case TWyrownanie::DoPrawej:
            return Qt::AlignRight;
        case TWyrownanie::DoSrodka:
            return Qt::AlignHCenter;
        case TWyrownanie::DoLewej:
            break;
    }
    return Qt::AlignLeft;
}

QRectF NaUrzadzenie(const QRectF& mm, double skala) {
    return {mm.x() * skala, mm.y() * skala, mm.width() * skala, mm.height() * skala};
}

// The machine's own printer.
class TDrukarkaSystemowa : public TDrukarka {
public:
    bool JestDrukarka() override { return !QPrinterInfo::defaultPrinter().isNull(); }
    bool Drukuj(TRaport& raport) override {
        QPrinter drukarka(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        if (!drukarka.isValid()) return false;
        raport.Wyprodukuj();  // a report placing its own pages may set its paper
        UstawStrone(drukarka, raport.Format);
        drukarka.setDocName(raport.TytulZadania);
        return RysujRaport(drukarka, raport);
    }
};

TDrukarkaSystemowa drukarkaSystemowa;
TDrukarka* drukarkaWToku = nullptr;

}  // namespace

void UstawStroneRaportu(QPagedPaintDevice& urzadzenie) {
    urzadzenie.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(TRaport::Margines, TRaport::Margines, TRaport::Margines, TRaport::Margines),
        QPageLayout::Millimeter));
}

void UstawStrone(QPagedPaintDevice& urzadzenie, const TFormatStrony& format) {
    if (format == TFormatStrony{}) {
        UstawStroneRaportu(urzadzenie);
        return;
    }
    const bool poziomo = format.szerokosc > format.wysokosc;
    const QSizeF rozmiar = poziomo ? QSizeF(format.wysokosc, format.szerokosc)
                                   : QSizeF(format.szerokosc, format.wysokosc);
    const double m = format.margines;
    QPageLayout uklad(QPageSize(rozmiar, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                      poziomo ? QPageLayout::Landscape : QPageLayout::Portrait,
                      QMarginsF(m, m, m, m), QPageLayout::Millimeter);
    if (m <= 0) uklad.setMode(QPageLayout::FullPageMode);
    urzadzenie.setPageLayout(uklad);
}

void RysujStrone(QPainter& painter, const TStrona& strona, double pikseliNaMm) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const QRectF& r : strona.pola) painter.drawRect(NaUrzadzenie(r, pikseliNaMm));
    QPen pioro(Qt::black);
    pioro.setWidthF(0.25 * pikseliNaMm);
    painter.setPen(pioro);
    painter.setBrush(Qt::NoBrush);
    for (const QRectF& r : strona.ramki) painter.drawRect(NaUrzadzenie(r, pikseliNaMm));
    for (const QLineF& l : strona.linie)
        painter.drawLine(QLineF(l.p1() * pikseliNaMm, l.p2() * pikseliNaMm));
    for (const TUlozonyTekst& t : strona.teksty) {
        const QFont f = Czcionka(t.czcionka);
        painter.setFont(f);
        const QRectF r = NaUrzadzenie(t.prostokat, pikseliNaMm);
        // A text longer than its place is cut short with an ellipsis rather than
        // running into the next column.
        const QFontMetricsF miara(painter.font(), painter.device());
        const QString tekst = miara.elidedText(t.tekst, Qt::ElideRight, r.width());
        painter.drawText(r, Wyrownanie(t.wyrownanie) | Qt::AlignVCenter | Qt::TextSingleLine,
                         tekst);
    }
    painter.restore();
}

namespace {

bool RysujStrony(QPagedPaintDevice& urzadzenie, int liczba,
                 const std::function<TStrona(int)>& strona) {
    QPainter painter;
    if (!painter.begin(&urzadzenie)) return false;
    const double pikseliNaMm = urzadzenie.logicalDpiX() / 25.4;
    for (int i = 0; i < liczba; ++i) {
        if (i > 0 && !urzadzenie.newPage()) return false;
        RysujStrone(painter, strona(i), pikseliNaMm);
    }
    return painter.end();
}

}  // namespace

bool RysujRaport(QPagedPaintDevice& urzadzenie, const std::vector<TStrona>& strony) {
    return RysujStrony(urzadzenie, static_cast<int>(strony.size()),
                       [&](int i) { return strony[static_cast<size_t>(i)]; });
}

bool RysujRaport(QPagedPaintDevice& urzadzenie, TRaport& raport) {
    return RysujStrony(urzadzenie, raport.LiczbaStron(), [&](int i) { return raport.Strona(i); });
}

TDrukarka& Drukarka() {
    return drukarkaWToku ? *drukarkaWToku : drukarkaSystemowa;
}

void UstawDrukarke(TDrukarka* drukarka) {
    drukarkaWToku = drukarka;
}

void TRaport::Pokaz() {
    Wyprodukuj();
    {
        TfPodglad podglad(*this);
        PokazModalnie(podglad);
    }
    if (Pytanie(QStringLiteral("Czy rozpocząć drukowanie?"), true)) Drukuj();
}

void TRaport::Drukuj() {
    TDrukarka& drukarka = Drukarka();
    if (!drukarka.JestDrukarka()) {
        if (Pytanie(QStringLiteral("Na tym komputerze nie ma zainstalowanej drukarki, więc "
                                   "raportu nie można wydrukować.\n"
                                   "Czy zapisać raport w pliku PDF?"),
                    true))
            ZapiszJakoPDF();
        return;
    }
    if (!drukarka.Drukuj(*this))
        Uwaga(
            QStringLiteral("Nie udało się wydrukować raportu.\n"
                           "Sprawdź, czy drukarka jest włączona i gotowa do pracy."));
}

bool TRaport::ZapiszJakoPDF() {
    return ZapiszDoPliku({QStringLiteral("Zapisz raport jako PDF"), QStringLiteral("dZapiszPDF"),
                          NazwaPlikuRaportu(), QStringLiteral("pdf"),
                          QStringLiteral("Dokumenty PDF (*.pdf)"), QStringLiteral("raportu")},
                         [this](const QString& plik) { return ZapiszPDF(plik); });
}

bool TRaport::ZapiszJakoCSV() {
    return ZapiszDoPliku(
        {QStringLiteral("Zapisz raport jako CSV"), QStringLiteral("dZapiszCSV"),
         NazwaPlikuRaportu(), QStringLiteral("csv"), QStringLiteral("Pliki CSV (*.csv)"),
         QStringLiteral("raportu")},
        [this](const QString& plik) { return ZapiszPlikCSV(plik, TekstCSV(WierszeCSV)); });
}

QString TRaport::NazwaPlikuRaportu() const {
    return NazwaDoPliku(TytulZadania.isEmpty() ? QStringLiteral("Raport") : TytulZadania);
}

bool TRaport::ZapiszPDF(const QString& plik) {
    const QFileInfo info(plik);
    if (!info.absoluteDir().exists()) return false;
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName(plik);
    drukarka.setCreator(TytulAplikacji);
    drukarka.setDocName(TytulZadania);
    Wyprodukuj();
    UstawStrone(drukarka, Format);
    return RysujRaport(drukarka, *this) && QFileInfo(plik).size() > 0;
}
