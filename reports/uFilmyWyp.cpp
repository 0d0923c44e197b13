#include "reports/uFilmyWyp.h"

TfFilmyWyp* fFilmyWyp = nullptr;

TfFilmyWyp::TfFilmyWyp(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfFilmyWyp"));
    setWindowTitle(QStringLiteral("Filmy wypożyczone"));
}

void TfFilmyWyp::WczytajWypozyczone(int rodzaj) {
    Rodzaj = rodzaj;
}
