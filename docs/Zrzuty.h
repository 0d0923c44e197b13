// The pictures of the operator's guide: a window saved as a small PNG, and an interaction
// layer that pictures the dialogs and message boxes the program shows while a script
// drives it, answering from that script.
#pragma once

#include <QFileInfo>
#include <QMap>
#include <QStringList>
#include <deque>
#include <functional>

#include "admin/WyborPliku.h"
#include "store/Interakcja.h"

class QWidget;

// Saves what the window shows as folder/name.png with few colours and full compression.
// False (with the reason in bledy) when it cannot be written.
bool ZapiszZrzut(QWidget& okno, const QString& plik, QStringList& bledy);

class TZrzuty : public TInterakcja, public TWyborPliku {
public:
    using TObsluga = std::function<int(QDialog&)>;
    explicit TZrzuty(QString docelowy);

    // The next showing of the dialog with this objectName is handed to obsluga (which
    // pictures it and presses its buttons); a dialog with no handler is an error.
    void PrzyOknie(const QString& nazwa, TObsluga obsluga);
    // The next question is answered so; an unscripted question is an error.
    void Odpowiedz(QMessageBox::StandardButton odpowiedz) { odpowiedzi.push_back(odpowiedz); }
    // The next message whose text starts with poczatek is pictured under this name.
    void ZrzutKomunikatu(const QString& poczatek, const QString& nazwa);
    // Pictures a window under this name (folder/name.png).
    void Zrzut(QWidget& okno, const QString& nazwa);
    // A condition the picture needs (a filled list, a chosen client).
    void Wymagaj(bool warunek, const QString& opis);
    // Pictured messages show the folder prawdziwa as pokazana: the scratch folders of a
    // run become the same shop-like paths at every run.
    void PokazSciezke(const QString& prawdziwa, const QString& pokazana) {
        sciezki.append({prawdziwa, pokazana});
    }

    QMessageBox::StandardButton Pokaz(const TKomunikat& komunikat) override;
    int PokazModalnie(QDialog& okno) override;

    // The copy goes under the name the program proposes into KatalogKopii, and the
    // restore reads it back from there.
    QString KatalogKopii;
    QString PlikKopii;
    QString DoZapisu(QWidget*, const QString&, const QString& propozycja, const QString&) override {
        PlikKopii = KatalogKopii + QFileInfo(propozycja).fileName();
        return PlikKopii;
    }
    QString DoOdczytu(QWidget*, const QString&, const QString&, const QString&) override {
        return PlikKopii;
    }
    QString Folder(QWidget*, const QString&) override { return {}; }

    QStringList Bledy;     // what went wrong, in order
    QStringList Zrobione;  // the names of the pictures made

private:
    QString folder;
    QMap<QString, std::deque<TObsluga>> obslugi;
    std::deque<QMessageBox::StandardButton> odpowiedzi;
    QList<std::pair<QString, QString>> komunikaty;
    QList<std::pair<QString, QString>> sciezki;
};

// Presses the dialog's button of this objectName and gives the dialog's result.
int Nacisnij(QDialog& okno, const char* przycisk);
