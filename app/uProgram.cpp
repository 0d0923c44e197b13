#include "app/uProgram.h"

#include <QApplication>
#include <QLocale>

#include "app/uMain.h"
#include "store/uWspolne.h"

int UruchomProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(TytulAplikacji);
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    TfMain fMain;
    if (!fMain.Start()) return 0;
    fMain.show();
    return QApplication::exec();
}
