#include "app/Aplikacja.h"

#include <exception>

#include "store/Interakcja.h"

bool TAplikacja::notify(QObject* odbiorca, QEvent* zdarzenie) {
    try {
        return QApplication::notify(odbiorca, zdarzenie);
    } catch (const std::exception& e) {
        BladOgolny(
            QStringLiteral("Nieoczekiwany błąd programu:\n%1").arg(QString::fromUtf8(e.what())));
    } catch (...) {
        BladOgolny(QStringLiteral("Nieoczekiwany błąd programu."));
    }
    return false;
}
