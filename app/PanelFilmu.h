// The desk's film panel: the film chosen by title or by number, its rate and shelf
// status, the title pick lists and the controls that need a film.
#pragma once

#include <QList>
#include <QObject>
#include <functional>

#include "app/ListaWyboru.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;
class TQuery;

struct TKontrolkiFilmu {
    QComboBox *cbTytulOrg, *cbTytulPol;
    QLineEdit *eFilmNr, *eCena;
    QLabel* lStatus;
    QWidget *bFilmDane, *bFilmKonto, *bNastepny;
    QAction* miNastepny;
    QList<QAction*> akcje;  // the menu items that act on the shown film
};

class TPanelFilmu : public QObject {
    Q_OBJECT
public:
    // dodawanie: whether the basket takes films now (the desk is not listing open rentals).
    TPanelFilmu(const TKontrolkiFilmu& kontrolki, TQuery& query, std::function<bool()> dodawanie,
                QObject* rodzic = nullptr);

    // Both title lists (emptied by the caller); after a list window, left with no choice
    // and read again unless the store is unchanged since they were read.
    void WczytajTytuly();
    void OdswiezTytuly();
    // The film of the title chosen in either list (the other list follows).
    void cbTytulOrgChange(QComboBox* Sender);
    // Shows the current film whose number is in eFilmNr.
    void WczytajFILM();
    void UstawWlaczWYlaczFILM();
    void WlaczFilm(bool wlacz);
    void WlaczDodawanie(bool wlacz);
    // The rate box follows the setting that allows changing the rate.
    void UstawCene(bool zmianaStawki);
    void eCenaExit();
    // A film saved by the film dialog: a new entry chosen, or the chosen one retitled.
    void DodajTytul(const QString& oryginalny, const QString& polski);
    void ZmienTytul(const QString& oryginalny, const QString& polski);
    // No title chosen, no number and no rate (chosen: every entry and the status go too).
    void Wyczysc(bool wszystko = false);
    // The film's ID by the number shown, the current film first; 0 when none.
    int IdFilmuONumerze() const;
    // The number field focused with its text selected, ready for the next number.
    void ZaznaczNumer();

    bool NaPolce() const;
    bool BezTytulu() const;
    QString Tytul() const;
    QString Numer() const;
    QString Stawka() const;

signals:
    // A film was shown: the list's selection goes.
    void Pokazany();
    // The number of the client who holds the film just shown (empty: none).
    void Wypozyczajacy(const QString& numerKlienta);

private:
    void UstawStatus(bool naPolce);

    TKontrolkiFilmu ui;
    TQuery& query;
    std::function<bool()> dodawanie;
    TStanListy stanTytulow;
};
