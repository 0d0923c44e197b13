// The rental history of one client or one film.
#pragma once

#include <memory>

#include "reports/ModelArchiwum.h"
#include "reports/OknoZestawienia.h"
#include "store/TQuery.h"

namespace Ui {
class TfArchiwum;
}

class TfArchiwum : public TOknoZestawienia {
    Q_OBJECT
public:
    explicit TfArchiwum(QWidget* parent = nullptr);
    ~TfArchiwum() override;
    // Kind 1: the history of client id; kind 2: the history of film id.
    void UstawArchiwum(int rodzaj, int id);
    int RodzajArchiwum() const { return Rodzaj; }
    int IdArchiwum() const { return Id; }

    // Fills the window from the store for the kind and subject set (at every showing).
    void FormShow() override;

private:
    void Dwuklik(int wiersz) override;
    void Raport() override;
    void UstawSzerokosciKolumn() override;

    std::unique_ptr<Ui::TfArchiwum> ui;
    int Rodzaj = 1;
    int Id = 0;
    TQuery Query1;
    TModelArchiwum Linie;
};

// The window created once at program entry.
extern TfArchiwum* fArchiwum;
