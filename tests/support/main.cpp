#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "app/uWyglad.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    // The program's fonts and icon, so that the windows are measured as they are shown.
    UstawWyglad();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
