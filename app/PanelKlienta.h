// The desk's client panel: the client chosen by name or by number, shown with the
// subscription and the balance, the client pick list and the controls that need a client.
#pragma once

#include <QDate>
#include <QList>
#include <QObject>

#include "app/ListaWyboru.h"
#include "clients/OdczytPulpitu.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;
class TQuery;

struct TKontrolkiKlienta {
    QComboBox* cbKlient;
    QLineEdit *eKlientNr, *eUpowazniony, *eAbonamentOD, *eAbonamentDO, *eSaldo;
    QCheckBox* cbAbonament;
    QWidget *pKlient, *bKlientDane, *bKlientKonto;
    QAction* miZaleglosci;
    QList<QAction*> akcje;  // the menu items that act on the chosen client
};

class TPanelKlienta : public QObject {
    Q_OBJECT
public:
    TPanelKlienta(const TKontrolkiKlienta& kontrolki, TQuery& query, QObject* rodzic = nullptr);

    // Shows the current client whose number is in eKlientNr; false when there is none.
    bool Wczytaj();
    // Shows the first client of the name chosen in the pick list. False when several
    // have the name and the operator chose to type the number instead.
    bool cbKlientChange();
    // Fills the pick list (emptied by the caller); after a list window, the list left
    // with no choice and read again unless the store is unchanged since it was read.
    void WczytajKlientow();
    void OdswiezKlientow();
    // A client saved by the client dialog: a new entry chosen, or the chosen one renamed.
    void DodajKlienta(const QString& nazwa);
    void ZmienNazwe(const QString& nazwa);
    // The archived client leaves the pick list and the panel.
    void Usun();
    // Nothing chosen, nothing shown (the store was replaced).
    void Wyczysc();
    void WlaczKlienta(bool wlacz);
    void UstawWlaczWYlaczKLIENTA();

    bool Wybrany() const;
    int Id() const { return klient.Id; }
    const TKlientPulpitu& Klient() const { return klient; }
    qint64 Numer() const { return klient.Numer; }
    int Rabat() const { return klient.Rabat; }
    int LicznikAb() const { return klient.LicznikAb; }
    void UstawLicznikAb(int licznik) { klient.LicznikAb = licznik; }
    TKwota Saldo() const { return klient.Saldo; }
    // The returned rentals' unpaid parts, read when the client was loaded.
    TKwota Zaleglosci() const { return zaleglosci; }
    bool Abonament() const;
    void UstawAbonament(bool abonament);
    QDate AbonamentDo() const;
    // The subscriber test of the pricing, on the day.
    bool Abonent(const QDate& dzien) const;

private:
    void PokazKlienta(const TKlientPulpitu& k);
    void Koloruj(bool zadluzony);

    TKontrolkiKlienta ui;
    TQuery& query;
    TKlientPulpitu klient;
    TKwota zaleglosci;
    TStanListy stanKlientow;
};
