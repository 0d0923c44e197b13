// The interaction layer: every message box and every modal showing of the program
// passes through it.
#pragma once

#include <QMessageBox>
#include <QString>

class QDialog;

inline const QString TytulAplikacji = QStringLiteral("Wirdolan");

enum class TIkona { Brak, Informacja, Ostrzezenie, Pytanie, Stop };

struct TKomunikat {
    QString tekst;
    QString tytul;
    TIkona ikona = TIkona::Brak;
    QMessageBox::StandardButtons przyciski = QMessageBox::Ok;
    QMessageBox::StandardButton domyslny = QMessageBox::NoButton;
};

// Every message box and every modal showing goes through the installed interaction.
// The program uses the real boxes; tests install a scripted one.
class TInterakcja {
public:
    virtual ~TInterakcja() = default;
    virtual QMessageBox::StandardButton Pokaz(const TKomunikat& komunikat) = 0;
    virtual int PokazModalnie(QDialog& okno) = 0;
};

// The interaction in force (the real one unless a test installed another).
TInterakcja& Interakcja();
// Installs an interaction; nullptr restores the real one. The caller keeps ownership.
void UstawInterakcje(TInterakcja* interakcja);

// Sets a box's caption, text, icon and buttons (captioned in Polish) from a message.
void UlozKomunikat(QMessageBox& box, const TKomunikat& komunikat);

// The kind under which a message goes to the error log by its icon: the store's errors (no
// icon) and the program's errors (stop icon); empty for the other messages.
QString RodzajWpisu(const TKomunikat& komunikat);

// Logs the message under the kind wpis (empty: by its icon), then shows it through the
// interaction in force.
QMessageBox::StandardButton PokazKomunikat(const TKomunikat& komunikat, const QString& wpis = {});
int PokazModalnie(QDialog& okno);

// Input warning: caption "Ostrzeżenie", exclamation icon, OK.
void Ostrzezenie(const QString& tekst);
// Notice: application title, information icon, OK.
void Informacja(const QString& tekst);
// Notice with the exclamation icon and the application title as caption.
void Uwaga(const QString& tekst);
// Question: application title, question icon, Yes and No; true on Yes.
bool Pytanie(const QString& tekst, bool takDomyslnie);
// A store's error text in a plain box (application title, no icon).
void KomunikatBledu(const QString& tekst);
// The program's general error box (application title, stop icon).
void BladOgolny(const QString& tekst);
