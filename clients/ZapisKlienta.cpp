#include "clients/ZapisKlienta.h"

#include "clients/OdczytKlientow.h"
#include "money/Kasa.h"
#include "store/Baza.h"
#include "store/Formaty.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"
#include "store/uWspolneDB.h"

namespace {

// The key of the client just inserted: on a server, this connection's own; on a file,
// whose write lock keeps other counters out, the highest. False, the error shown, on failure.
bool KluczNowegoKlienta(int& id) {
    try {
        if (const std::optional<qint64> k =
                TBaza::Aktywna()->KluczWstawionego(QStringLiteral("klient"))) {
            id = static_cast<int>(*k);
            return true;
        }
    } catch (const TBladBazy& e) {
        ZglosBladBazy(TekstBleduBazy(e.Kod(), e.Tekst()));
        return false;
    }
    TQuery q;
    OtworzSQL(q, QStringLiteral("select Max( ID ) m from klient"));
    if (q.Active() && !q.Eof()) id = q.FieldByName("m").AsInteger();
    return q.Active();
}

QString DataLubNull(const QDate& d) {
    return d.isValid() ? DataSQL(d) : QStringLiteral("null");
}

}  // namespace

bool ZapiszKlienta(int id, const TDaneKlienta& k, const TWplatyKlienta& wplaty) {
    const QString t = QStringLiteral(", ");
    const QString abonament = k.Abonament ? QStringLiteral("True") : QStringLiteral("False");
    QString sql;
    if (id == 0) {
        sql = QStringLiteral(
                  "insert into klient( Numer_klienta, Imie, Nazwisko, Firma, Kod, Miejscowosc, "
                  "Ulica, Nr_Posesji, Nr_lokalu, Telefon, NIP, Ostatnie_wypozyczenie, Saldo, "
                  "Abonament, Abonament_OD, Abonament_DO, Licznik, Upowazniony, LicznikAb, "
                  "Aktualny, Rabat ) values ( ") +
              QString::number(k.Numer) + t + TekstSQL(k.Imie) + t + TekstSQL(k.Nazwisko) + t +
              TekstSQL(k.Firma) + t + TekstSQL(k.Kod) + t + TekstSQL(k.Miejscowosc) + t +
              TekstSQL(k.Ulica) + t + TekstSQL(k.NrPosesji) + t + TekstSQL(k.NrLokalu) + t +
              TekstSQL(k.Telefon) + t + TekstSQL(k.NIP) + t + DataLubNull(k.OstatnieWypozyczenie) +
              t + KwotaSQL(k.Saldo) + t + abonament + t + DataLubNull(k.AbonamentOD) + t +
              DataLubNull(k.AbonamentDO) + t + QString::number(k.Licznik) + t +
              TekstSQL(k.Upowazniony) + t + QString::number(k.LicznikAb) + t + "True" + t +
              QString::number(k.Rabat) + ")";
    } else {
        sql = QStringLiteral("update klient set Numer_klienta = ") + QString::number(k.Numer) +
              ", Imie = " + TekstSQL(k.Imie) + ", Nazwisko = " + TekstSQL(k.Nazwisko) +
              ", Firma = " + TekstSQL(k.Firma) + ", Kod = " + TekstSQL(k.Kod) +
              ", Miejscowosc = " + TekstSQL(k.Miejscowosc) + ", Ulica = " + TekstSQL(k.Ulica) +
              ", Nr_posesji = " + TekstSQL(k.NrPosesji) + ", Nr_lokalu = " + TekstSQL(k.NrLokalu) +
              ", Telefon = " + TekstSQL(k.Telefon) + ", NIP = " + TekstSQL(k.NIP) +
              ", Ostatnie_wypozyczenie = " + DataLubNull(k.OstatnieWypozyczenie) +
              ", Saldo = " + KwotaSQL(k.Saldo) + ", Abonament = " + abonament +
              ", Abonament_OD = " + DataLubNull(k.AbonamentOD) +
              ", Abonament_DO = " + DataLubNull(k.AbonamentDO) +
              ", Licznik = " + QString::number(k.Licznik) +
              ", Upowazniony = " + TekstSQL(k.Upowazniony) +
              ", LicznikAb = " + QString::number(k.LicznikAb) +
              ", Rabat = " + QString::number(k.Rabat) + " where ID = " + QString::number(id);
    }
    TQuery q;
    TTransakcja transakcja;
    UruchomSQL(q, sql);
    // The till: the payments are booked with the balance they made.
    if (!wplaty.empty()) {
        int idKlienta = id;
        if (idKlienta == 0 && !KluczNowegoKlienta(idKlienta)) return false;
        for (const auto& [rodzaj, kwota] : wplaty)
            ZapiszRuchKasy(q, idKlienta, rodzaj, kwota,
                           rodzaj == RodzajKasy::Abonament ? OpisAbonamentu : OpisWplaty);
    }
    return transakcja.Zatwierdz();
}

void ArchiwizujKlienta(TQuery& q, int id) {
    UruchomSQL(
        q, QStringLiteral("update klient set Aktualny = False where ID = ") + QString::number(id));
}

void PrzywrocKlienta(TQuery& q, int id) {
    UruchomSQL(
        q, QStringLiteral("update klient set Aktualny = True where ID = ") + QString::number(id));
}

std::optional<TOdmowaArchiwum> ArchiwizujKlientaPoSprawdzeniu(int idKlienta, bool listaZFilmami) {
    TQuery query;
    // The checks and the change form one operation, so nothing comes between them. A check
    // that could not be made counts as a refusal, so that nothing is archived on it.
    TTransakcja transakcja;
    std::optional<TOdmowaArchiwum> odmowa;
    if (listaZFilmami || KlientMaWypozyczenie(query, idKlienta).value_or(true))
        odmowa = TOdmowaArchiwum::Wypozyczenie;
    else if (KlientMaNaleznosci(query, idKlienta).value_or(true))
        odmowa = TOdmowaArchiwum::Naleznosci;
    // A check that failed has shown the store's error: no refusal is reported for it.
    if (TTransakcja::Przerwana()) return std::nullopt;
    if (odmowa) return odmowa;
    ArchiwizujKlienta(query, idKlienta);
    if (!transakcja.Zatwierdz()) return std::nullopt;
    return TOdmowaArchiwum::Brak;
}

bool ZapiszPowrotKlienta(int id) {
    TQuery query;
    TTransakcja transakcja;
    PrzywrocKlienta(query, id);
    return transakcja.Zatwierdz();
}
