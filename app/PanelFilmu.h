// The desk's film panel: the film chosen by title or by number, its rate and shelf
// status, the title pick lists and the controls that need a film.
#pragma once

#include <QList>
#include <QObject>
#include <functional>
#include <future>
#include <memory>

#include "app/ListaWyboru.h"
#include "money/OdczytPulpitu.h"
#include "store/Tlumacz.h"

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
    ~TPanelFilmu() override;

    // Both title lists (emptied by the caller); after a list window, left with no choice
    // and read again unless the store is unchanged since they were read.
    void WczytajTytuly();
    void OdswiezTytuly();
    // Both empty title lists read while the desk works: on a connection of their own on
    // another thread (the file store), or at their first use (the server store). They are
    // put in when read; their first use (opened, typed into, or a film shown) waits.
    void WczytajTytulyWTle();
    // Waits for the title lists being read and puts them in; nothing when none is.
    void CzekajNaTytuly();
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
    // Puts the titles read into the lists; the mark of the store they were read from.
    void WstawTytuly(std::optional<TTytulyFilmow> tytuly, const TZnacznikBazy& znacznik);
    // A reading of the lists not yet put in is dropped.
    void PorzucOdczyt();

    struct TOdczytTytulow {
        std::optional<TTytulyFilmow> tytuly;
        std::optional<TBladBazy> blad;
    };

    TKontrolkiFilmu ui;
    TQuery& query;
    std::function<bool()> dodawanie;
    TStanListy stanTytulow;
    // The lists' reading on its own connection, and the mark of the store when it began.
    std::unique_ptr<TBaza> polaczenieOdczytu;
    std::future<TOdczytTytulow> odczyt;
    TZnacznikBazy znacznikOdczytu;
    bool przyUzyciu = false;  // the lists are read at their first use
};
