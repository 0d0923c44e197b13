// The rental desk.
#pragma once

#include <QMainWindow>

#include "store/TQuery.h"

class TfMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfMain(QWidget* parent = nullptr);
    // The start-up sequence; false when the program must end.
    bool Start();
    void AktualizujStrukture();

private:
    TQuery Query1;
};

// The program's own folder and the tables' folder, each ending in a separator.
extern QString KatalogProgramu;
extern QString KatalogBazy;
