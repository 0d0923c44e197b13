#include "films/uFilm.h"

TfFilm* fFilm = nullptr;

TfFilm::TfFilm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfFilm"));
    setWindowTitle(QStringLiteral("Film"));
}

void TfFilm::UstawFilm(int id) { Id = id; }
