#include "app/uWyglad.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace {

// Requested family and its installed metric twin (fonts-liberation). MS Sans Serif at
// 8 pt has nearly the widths of Arial, whose twin is Liberation Sans.
const char* const Zamienniki[][2] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"Microsoft Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

}  // namespace

// The resources of a static library are registered by hand, outside any namespace.
static void wczytajZasoby() {
    Q_INIT_RESOURCE(wirdolan);
}

void UstawWyglad() {
    for (const auto& [rodzina, zamiennik] : Zamienniki)
        QFont::insertSubstitution(QString::fromLatin1(rodzina), QString::fromLatin1(zamiennik));
    QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    wczytajZasoby();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/wirdolan.svg")));
}
