#include "films/OdczytFilmow.h"

#include "store/Formaty.h"
#include "store/OdczytWierszy.h"

namespace {

TFilmZapisany Film(TQuery& q) {
    auto tekst = [&](const char* nazwa) { return q.FieldByName(nazwa).AsString(); };
    TFilmZapisany f;
    f.Numer = q.FieldByName("Numer_filmu").AsInteger();
    f.TytulOrg = tekst("Tytul_oryginalny");
    f.TytulPol = tekst("Tytul_polski");
    for (int i = 0; i < 5; ++i)
        f.Role[i] = q.FieldByName(QStringLiteral("Rola_glowna_%1").arg(i + 1)).AsString();
    f.Produkcja = tekst("Produkcja");
    f.Czas = tekst("Czas_trwania");
    f.Rezyser1 = tekst("Rezyseria_1");
    f.Rezyser2 = tekst("Rezyseria_2");
    f.Gatunek = tekst("Gatunek");
    f.Nosnik = tekst("Nosnik");
    f.Opis = tekst("Opis");
    f.Stawka = q.FieldByName("Stawka").AsKwota();
    f.Wplywy = q.FieldByName("Wplywy").AsKwota();
    f.Cena = q.FieldByName("Cena_zakupu").AsKwota();
    f.IloscWypozyczen = q.FieldByName("Ilosc_wypozyczen").AsLargeInt();
    f.NaPolce = q.FieldByName("Status").AsBoolean();
    return f;
}

std::optional<TPozycjeListy> Lista(TQuery& q, const QString& sql) {
    return CzytajListeNumerowana(q, sql, QStringLiteral("Numer_filmu"), QStringLiteral("tytul"));
}

// The names in the column of the statement's rows.
std::optional<std::vector<QString>> Nazwy(TQuery& q, const QString& sql, const QString& kolumna) {
    return WierszeZapytania(q, sql, [&](TQuery& w) { return w.FieldByName(kolumna).AsString(); });
}

}  // namespace

const TOdczytRekordu<TFilmZapisany> OdczytFilmu(
    {QStringLiteral("select * \n"
                    "from film\n"
                    "where ID = :ID"),
     QStringLiteral("select * from film where ID = %1"),
     QStringLiteral("select Max( Numer_filmu ) m from film"),
     QStringLiteral("select ID from film where Numer_filmu = %1 and aktualny = True")},
    Film);

QString ZapytanieSzukania(const TKryteriaSzukania& k) {
    QString sql = QStringLiteral(
        "select ID, Numer_filmu, Tytul_oryginalny || ' (' || Tytul_polski || ')' tytul from film ");
    bool pierwsze = true;
    auto warunek = [&](const QString& tekst) {
        sql += (pierwsze ? QStringLiteral("where ") : QStringLiteral(" and ")) + tekst;
        pierwsze = false;
    };
    // Every typed or chosen value goes between single quotes with its quote doubled: a
    // value between double quotes could end the statement or be read as a date.
    if (!k.tytul.isEmpty()) {
        // Lowered as the store's Lower lowers the titles, Polish letters included, so that
        // "ŻÓŁW" finds "Żółw".
        const QString t = TekstSQL(k.tytul.toLower());
        warunek(QStringLiteral("( Lower( Tytul_oryginalny ) like ") + t +
                QStringLiteral(" or Lower( Tytul_polski ) like ") + t + QStringLiteral(" )"));
    }
    if (!k.rezyser.isEmpty()) {
        const QString d = TekstSQL(k.rezyser);
        warunek(QStringLiteral("( Upper( Rezyseria_1 ) like ") + d +
                QStringLiteral(" or Upper( Rezyseria_2 ) like ") + d + QStringLiteral(" )"));
    }
    if (!k.aktor.isEmpty()) {
        const QString a = TekstSQL(k.aktor);
        QString tekst = QStringLiteral("( Upper( Rola_glowna_1 ) like ") + a;
        for (int i = 2; i <= 5; ++i)
            tekst += QStringLiteral(" or Upper( Rola_glowna_%1 ) like ").arg(i) + a;
        warunek(tekst + QStringLiteral(" )"));
    }
    if (!k.gatunek.isEmpty()) warunek(QStringLiteral("Gatunek like ") + TekstSQL(k.gatunek));
    if (!k.nosnik.isEmpty()) warunek(QStringLiteral("Nosnik like ") + TekstSQL(k.nosnik));
    return sql + QStringLiteral(" order by Numer_filmu");
}

std::optional<TPozycjeListy> ListaFilmow(TQuery& q) {
    return Lista(
        q, QStringLiteral("select ID, Numer_filmu, Tytul_oryginalny || ' (' || Tytul_polski || ')' "
                          "tytul\n"
                          "from film \n"
                          "where aktualny = true\n"
                          "order by Numer_filmu"));
}

std::optional<TPozycjeListy> FilmySzukane(TQuery& q, const TKryteriaSzukania& kryteria) {
    return Lista(q, ZapytanieSzukania(kryteria));
}

std::optional<bool> ZnalezionoFilmy(TQuery& q, const TKryteriaSzukania& kryteria) {
    return Znaleziono(q, ZapytanieSzukania(kryteria));
}

std::optional<std::vector<QString>> Rezyserzy(TQuery& q) {
    return Nazwy(q,
                 QStringLiteral("select Upper( Rezyseria_1 ) rezyser from film union select "
                                "Upper( Rezyseria_2 ) rezyser from film"),
                 QStringLiteral("rezyser"));
}

std::optional<std::vector<QString>> Aktorzy(TQuery& q) {
    return Nazwy(q,
                 QStringLiteral("select Upper( Rola_glowna_1 ) aktor from film union select "
                                "Upper( Rola_glowna_2 ) aktor from film union select Upper( "
                                "Rola_glowna_3 ) aktor from film union select Upper( Rola_glowna_4 "
                                ") aktor from film union select Upper( Rola_glowna_5 ) aktor from "
                                "film"),
                 QStringLiteral("aktor"));
}
