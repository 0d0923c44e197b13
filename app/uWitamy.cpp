#include "app/uWitamy.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

#include "store/Interakcja.h"

TfWitamy* fWitamy = nullptr;

TfWitamy::TfWitamy(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TfWitamy"));
    setFixedSize(420, 260);
    setCursor(Qt::PointingHandCursor);
    if (const QScreen* ekran = QGuiApplication::primaryScreen())
        move(ekran->availableGeometry().center() - rect().center());
    tZamknij = new QTimer(this);
    tZamknij->setObjectName(QStringLiteral("tZamknij"));
    tZamknij->setSingleShot(true);
    tZamknij->setInterval(CzasPokazu);
    connect(tZamknij, &QTimer::timeout, this, &QWidget::close);
    tZamknij->start();
}

void TfWitamy::mousePressEvent(QMouseEvent*) {
    close();
}

// A strip of film across a dark blue field, with the program's name.
void TfWitamy::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();

    QLinearGradient tlo(r.topLeft(), r.bottomRight());
    tlo.setColorAt(0, QColor(18, 32, 74));
    tlo.setColorAt(1, QColor(52, 86, 160));
    p.fillRect(r, tlo);

    // The film strip with its sprocket holes and frames.
    const QRectF tasma(0, 150, r.width(), 64);
    p.fillRect(tasma, QColor(20, 20, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 235, 220));
    for (qreal x = 8; x < r.width(); x += 22) {
        p.drawRoundedRect(QRectF(x, tasma.top() + 5, 11, 7), 2, 2);
        p.drawRoundedRect(QRectF(x, tasma.bottom() - 12, 11, 7), 2, 2);
    }
    const QColor klatki[] = {QColor(200, 120, 40), QColor(90, 150, 200), QColor(160, 60, 80),
                             QColor(90, 170, 100), QColor(210, 180, 60)};
    int i = 0;
    for (qreal x = 10; x + 72 < r.width(); x += 82, ++i) {
        p.setBrush(klatki[i % 5]);
        p.drawRect(QRectF(x, tasma.top() + 17, 72, tasma.height() - 34));
    }

    // A play sign and the name.
    QPainterPath znak;
    znak.moveTo(36, 44);
    znak.lineTo(36, 112);
    znak.lineTo(92, 78);
    znak.closeSubpath();
    p.setBrush(QColor(255, 200, 60));
    p.drawPath(znak);

    QFont duza(font());
    duza.setPointSize(34);
    duza.setBold(true);
    p.setFont(duza);
    p.setPen(Qt::white);
    p.drawText(QRectF(108, 36, r.width() - 116, 60), Qt::AlignLeft | Qt::AlignVCenter,
               TytulAplikacji);
    QFont mala(font());
    mala.setPointSize(11);
    p.setFont(mala);
    p.setPen(QColor(220, 228, 245));
    p.drawText(QRectF(110, 94, r.width() - 116, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Wypożyczalnia filmów"));
    p.drawText(QRectF(0, 222, r.width() - 12, 30), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Uruchamianie programu..."));

    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}
