#include "films/ZapisFilmu.h"

#include "store/Baza.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"
#include "store/Zegar.h"
#include "store/uWspolneDB.h"

bool ZapiszFilm(int id, const TDaneFilmu& f) {
    if (id == 0) {
        // The insert and its entry date, whole or not at all.
        TTransakcja transakcja;
        if (TTransakcja::Przerwana()) return false;
        TQuery wstaw;
        wstaw.UstawSQL(QStringLiteral(
            "insert into film( Numer_filmu, Tytul_oryginalny, Tytul_polski, Produkcja, "
            "Rola_glowna_1 , Rola_glowna_2, Rola_glowna_3, Rola_glowna_4, Rola_glowna_5, Gatunek, "
            "Nosnik, Czas_trwania, Rezyseria_1, Rezyseria_2, Stawka, Wplywy, Ilosc_wypozyczen, "
            "Cena_zakupu, Opis, Status, Aktualny ) values ( :Numer, :TytulOrg, :TytulPol, "
            ":Produkcja, :Rola1, :Rola2, :Rola3, :Rola4, :Rola5, :Gatunek, :Nosnik, :Czas, "
            ":Rezyser1, :Rezyser2, :Stawka, :Wplywy, :Ilosc, :Cena, :Opis, True, True ) "));
        wstaw.UstawParametr(QStringLiteral("Numer"), f.Numer);
        wstaw.UstawParametr(QStringLiteral("TytulOrg"), f.TytulOrg);
        wstaw.UstawParametr(QStringLiteral("TytulPol"), f.TytulPol);
        wstaw.UstawParametr(QStringLiteral("Produkcja"), f.Produkcja);
        for (int i = 0; i < 5; ++i)
            wstaw.UstawParametr(QStringLiteral("Rola%1").arg(i + 1), f.Role[i]);
        wstaw.UstawParametr(QStringLiteral("Gatunek"), f.Gatunek);
        wstaw.UstawParametr(QStringLiteral("Nosnik"), f.Nosnik);
        wstaw.UstawParametr(QStringLiteral("Czas"), f.Czas);
        wstaw.UstawParametr(QStringLiteral("Rezyser1"), f.Rezyser1);
        wstaw.UstawParametr(QStringLiteral("Rezyser2"), f.Rezyser2);
        wstaw.UstawParametr(QStringLiteral("Stawka"), f.Stawka.Zlote());
        wstaw.UstawParametr(QStringLiteral("Wplywy"), f.Wplywy.Zlote());
        wstaw.UstawParametr(QStringLiteral("Ilosc"), f.IloscWypozyczen);
        wstaw.UstawParametr(QStringLiteral("Cena"), f.Cena.Zlote());
        wstaw.UstawParametr(QStringLiteral("Opis"), f.Opis);
        try {
            wstaw.ExecSQL();
        } catch (const TBladBazy& e) {
            KomunikatBledu(e.Tekst());
            return false;
        }
        // On a file the new copy has the highest key (keys are never reused, and the write
        // lock keeps other counters out); a server names this connection's own.
        std::optional<qint64> klucz;
        try {
            klucz = TBaza::Aktywna()->KluczWstawionego(QStringLiteral("film"));
        } catch (const TBladBazy& e) {
            ZglosBladBazy(TekstBleduBazy(e.Kod(), e.Tekst()));
            return false;
        }
        TQuery q;
        UruchomSQL(q, QStringLiteral("update film set DataWprowadzenia = ") + DataSQL(Dzisiaj()) +
                          (klucz ? QStringLiteral(" where ID = ") + QString::number(*klucz)
                                 : QStringLiteral(" where ID = (select max(ID) from film)")));
        return transakcja.Zatwierdz();
    }
    const QString sql =
        QStringLiteral("update film set Numer_filmu = ") + QString::number(f.Numer) +
        ", Tytul_oryginalny = " + TekstSQL(f.TytulOrg) +
        ", Tytul_polski = " + TekstSQL(f.TytulPol) + ", Produkcja = " + TekstSQL(f.Produkcja) +
        ", Rola_glowna_1 = " + TekstSQL(f.Role[0]) + ", Rola_glowna_2 = " + TekstSQL(f.Role[1]) +
        ", Rola_glowna_3 = " + TekstSQL(f.Role[2]) + ", Rola_glowna_4 = " + TekstSQL(f.Role[3]) +
        ", Rola_glowna_5 = " + TekstSQL(f.Role[4]) + ", Gatunek = " + TekstSQL(f.Gatunek) +
        ", Nosnik = " + TekstSQL(f.Nosnik) + ", Czas_trwania = " + TekstSQL(f.Czas) +
        ", Rezyseria_1 = " + TekstSQL(f.Rezyser1) + ", Rezyseria_2 = " + TekstSQL(f.Rezyser2) +
        ", Stawka = " + KwotaSQL(f.Stawka) + ", Wplywy = " + KwotaSQL(f.Wplywy) +
        ", Ilosc_wypozyczen = " + QString::number(f.IloscWypozyczen) +
        ", Cena_zakupu = " + KwotaSQL(f.Cena) + ", Opis = " + TekstSQL(f.Opis) +
        " where ID = " + QString::number(id);
    TQuery q;
    TTransakcja transakcja;
    UruchomSQL(q, sql);
    return transakcja.Zatwierdz();
}

void WycofajFilmZBazy(TQuery& q, int id) {
    UruchomSQL(
        q, QStringLiteral("update film set Aktualny = False where ID = ") + QString::number(id));
}

void UstawStatusFilmu(TQuery& q, int id, bool naPolce) {
    UruchomSQL(q, QStringLiteral(" UPDATE film SET Status = %1 WHERE ID = '%2' ")
                      .arg(naPolce ? QStringLiteral("TRUE") : QStringLiteral("FALSE"))
                      .arg(id));
}

bool ZapiszWycofanieFilmu(int id) {
    TQuery query;
    TTransakcja transakcja;
    WycofajFilmZBazy(query, id);
    return transakcja.Zatwierdz();
}
