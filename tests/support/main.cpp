#include <gtest/gtest.h>

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocale>

#include "app/Aplikacja.h"
#include "app/uWyglad.h"
#include "store/Tlumacz.h"

namespace {

QString katalogZiaren;

// Every statement the suite runs, one file each, as the translator's fuzzing seeds.
void zapiszZiarno(const QString& polecenie) {
    const QByteArray tekst = polecenie.toUtf8();
    QFile plik(katalogZiaren + '/' +
               QCryptographicHash::hash(tekst, QCryptographicHash::Sha1).toHex());
    if (!plik.exists() && plik.open(QIODevice::WriteOnly)) plik.write(tekst);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    TAplikacja app(argc, argv);  // as the program runs
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    katalogZiaren = qEnvironmentVariable("WIRDOLAN_ZIARNA_SQL");
    if (!katalogZiaren.isEmpty() && QDir().mkpath(katalogZiaren))
        UstawZbieraniePolecen(zapiszZiarno);
    // The program's fonts and icon, so that the windows are measured as they are shown.
    UstawWyglad();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
