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
    // Loads the client whose number is in eKlientNr; lists the open rentals.
    void WczytajKLIENTA();
    // Loads the film whose number is in eFilmNr.
    void WczytajFILM();

private:
    TQuery Query1;
};

// The program's own folder and the tables' folder, each ending in a separator.
extern QString KatalogProgramu;
extern QString KatalogBazy;
// The film shown in the film panel (0 when none) and whether it is on the shelf.
extern int IdFilmu;
extern bool FilmNaPolce;

// The desk, created first at program entry.
extern TfMain* fMain;
