// The demo shop's operations taken at the desk itself: each one is the operator's own
// path through the desk and its dialogs (the client's number and Enter, the film's number
// and Insert, F2, F3, F5, the payment dialog), with every dialog answered as the plan says
// instead of being shown. Installs itself as the interaction layer for its lifetime.
#pragma once

#include "admin/SklepPrzykladowy.h"
#include "store/Interakcja.h"

class TfMain;
class QDialog;

class TKasaPulpitu : public TKasaSklepu, public TInterakcja {
public:
    explicit TKasaPulpitu(TfMain& okno);
    ~TKasaPulpitu() override;

    void NowyKlient(const TKlientPlanu& klient) override;
    void Abonament(int klient, const QDate& doDnia) override;
    void NowyFilm(const TFilmPlanu& film) override;
    void Wypozycz(int klient, const std::vector<int>& filmy, int dni, TPlacenie placenie) override;
    void Zwroc(int klient, TPlacenie placenie) override;
    void Przedluz(int klient, int dni) override;
    void SplacZaleglosci(int klient) override;
    void ArchiwizujKlienta(int klient) override;
    void WycofajFilm(int film) override;
    QString Blad() const override { return blad; }

    QMessageBox::StandardButton Pokaz(const TKomunikat& komunikat) override;
    int PokazModalnie(QDialog& okno) override;

private:
    void WybierzKlienta(int klient);
    void WybierzFilm(int film);
    void Wykonaj(const char* akcja);
    void Niepowodzenie(const QString& co);

    // Drives the dialog shown as the plan says; its result.
    int Odpowiedz(QDialog& okno);
    int DialogKlienta(QDialog& okno);
    int DialogFilmu(QDialog& okno);
    int DialogWplaty(QDialog& okno);

    TfMain& pulpit;
    TInterakcja* poprzednia;
    QString blad;
    QString ostatniKomunikat;
    // What the next dialogs are to be given.
    const TKlientPlanu* klientDoZapisu = nullptr;
    const TFilmPlanu* filmDoZapisu = nullptr;
    QDate abonamentDo;
    TPlacenie placenie = TPlacenie::Calosc;
    int dniPrzedluzenia = 1;
};
