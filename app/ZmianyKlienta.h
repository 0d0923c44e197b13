// Another counter's change to the client on the desk, seen at the desk's next action: what
// the desk showed when the client was loaded is kept with the store's mark of that moment,
// and read again from the store only once the mark has moved.
#pragma once

#include <QDate>
#include <optional>
#include <vector>

#include "clients/OdczytPulpitu.h"
#include "store/Baza.h"
#include "store/Kwota.h"

class TQuery;
struct TWypozyczenieNaLiscie;

// What other counters' operations change of a client the desk shows: the panel's row, each
// open rental's money and dates, the arrears. (A film's own data, which this desk's film
// window edits, is left out.)
struct TStanKlientaPulpitu {
    struct TWypozyczenie {
        int IdFilmu = 0;
        TKwota Naleznosc, Platnosc;
        QDate DataOD, DataDO;
        std::optional<TKwota> Stawka;
        bool operator==(const TWypozyczenie&) const = default;
    };
    TStanKlientaPulpitu(const TKlientPulpitu& klient,
                        const std::vector<TWypozyczenieNaLiscie>& otwarte, TKwota zaleglosci);
    TKlientPulpitu klient;
    std::vector<TWypozyczenie> otwarte;
    TKwota zaleglosci;
    bool operator==(const TStanKlientaPulpitu&) const = default;
};

class TZmianyKlienta {
public:
    explicit TZmianyKlienta(TQuery& q) : query(q) {}
    // The client just loaded, as the desk shows it.
    void Zapamietaj(const TStanKlientaPulpitu& stan);
    // No client on the desk.
    void Zapomnij() { pokazany.reset(); }
    // True when the store holds the kept client otherwise than the desk shows it (another
    // counter's payment, rental, return or edit; the client gone); false when nothing is
    // kept or the store's mark has not moved since.
    bool Zmieniony();

private:
    TQuery& query;
    std::optional<TStanKlientaPulpitu> pokazany;
    TZnacznikBazy znacznik;
};
