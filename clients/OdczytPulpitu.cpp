#include "clients/OdczytPulpitu.h"

#include "money/OdczytPulpitu.h"
#include "store/Formaty.h"
#include "store/Katalogi.h"
#include "store/OdczytWierszy.h"
#include "store/TQuery.h"
#include "store/uWspolneDB.h"

namespace {

const TField& Pole(const TQuery& q, const char* nazwa) {
    return q.FieldByName(QString::fromLatin1(nazwa));
}

// The panel's columns of the query's current row.
TKlientPulpitu KlientZWiersza(const TQuery& q) {
    TKlientPulpitu k;
    k.Id = Pole(q, "ID").AsInteger();
    k.Upowazniony = Pole(q, "Upowazniony").AsString();
    k.Abonament = Pole(q, "Abonament").AsBoolean();
    k.AbonamentOD = Pole(q, "Abonament_OD").AsDate();
    k.AbonamentDO = Pole(q, "Abonament_DO").AsDate();
    k.Saldo = Pole(q, "Saldo").AsKwota();
    k.LicznikAb = Pole(q, "LicznikAb").AsInteger();
    k.Rabat = Pole(q, "Rabat").AsInteger();
    return k;
}

}  // namespace

std::optional<QStringList> NazwyKlientow(TQuery& q) {
    OtworzSQL(q, QStringLiteral("select * from klient where aktualny = True"));
    if (!q.Active()) return std::nullopt;
    QStringList wpisy;
    while (q.Active() && !q.Eof()) {
        wpisy << Pole(q, "Nazwisko").AsString() + ' ' + Pole(q, "Imie").AsString();
        q.Next();
    }
    q.Close();
    return wpisy;
}

std::optional<std::vector<TKlientPulpitu>> KlienciONazwie(TQuery& q, const QString& imie,
                                                          const QString& nazwisko) {
    OtworzSQL(q, QStringLiteral(" select ID, Numer_klienta, Abonament, Abonament_OD, Abonament_DO, "
                                "Saldo, Upowazniony, LicznikAb, Rabat  from '") +
                     KatalogBazy + QStringLiteral("klient.db'") + QStringLiteral(" where Imie = ") +
                     TekstSQL(imie) + QStringLiteral(" and Nazwisko = ") + TekstSQL(nazwisko));
    if (!q.Active()) return std::nullopt;
    std::vector<TKlientPulpitu> klienci;
    while (q.Active() && !q.Eof()) {
        TKlientPulpitu k = KlientZWiersza(q);
        k.Numer = Pole(q, "Numer_klienta").AsLargeInt();
        k.Imie = imie;
        k.Nazwisko = nazwisko;
        klienci.push_back(std::move(k));
        q.Next();
    }
    q.Close();
    return klienci;
}

std::optional<TKlientPulpitu> KlientONumerze(TQuery& q, qint64 numer) {
    return PierwszyWiersz(
        q,
        ZapytanieONumerze(QStringLiteral("ID, Imie, Nazwisko, Abonament, Abonament_OD, "
                                         "Abonament_DO, Saldo, Upowazniony, LicznikAb, Rabat "),
                          QStringLiteral("klient"), QStringLiteral("Numer_klienta"), numer),
        [numer](TQuery& w) {
            TKlientPulpitu k = KlientZWiersza(w);
            k.Numer = numer;
            k.Imie = Pole(w, "Imie").AsString();
            k.Nazwisko = Pole(w, "Nazwisko").AsString();
            return k;
        });
}
