// Two counters on one store: the write functions take their rows under lock and check what
// the desk showed; a change made at the other counter meanwhile writes nothing.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "SklepZapisu.h"
#include "money/Zapis.h"
#include "store/Baza.h"
#include "store/Formaty.h"
#include "store/uWspolneDB.h"

namespace {

// Client 2 (number 8) beside client 1.
class DwaStanowiska : public SklepZapisu {
protected:
    DwaStanowiska() {
        baza.Wykonaj(
            "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Saldo, Licznik, LicznikAb, "
            "Abonament) values (2, 8, 'Anna', 'Nowak', 0, 0, 0, False)");
    }

    // The film rented for a day by the client, paid in full.
    static bool Wypozycz(int klient, int film) {
        TDaneWypozyczenia d;
        d.Wiersze = {{film, 5.00_zl, 1, 5.00_zl}};
        d.Razem = 5.00_zl;
        d.Dzien = Dzis;
        const TPrzedWypozyczeniem przed = PrzygotujWypozyczenie(d);
        return ZapiszWypozyczenie(klient, d, przed, RozliczWypozyczenie(d, przed, 5.00_zl),
                                  Numer4(film));
    }

    // Runs each operation in a child process with a connection of its own to the test's
    // store, all let go at one moment; the children's exit codes in order.
    std::vector<int> Naraz(const std::vector<std::function<int()>>& operacje) {
        int gotowe[2], start[2];
        EXPECT_EQ(pipe(gotowe), 0);
        EXPECT_EQ(pipe(start), 0);
        TBaza::Rozlacz();
        std::vector<pid_t> dzieci;
        for (const auto& operacja : operacje) {
            const pid_t dziecko = fork();
            if (dziecko == 0) {
                close(start[1]);
                baza.PolaczPonownie();
                char c = 0;
                if (write(gotowe[1], &c, 1) != 1 || read(start[0], &c, 1) != 0) _exit(3);
                const int kod = operacja();
                TBaza::Rozlacz();
                _exit(kod);
            }
            dzieci.push_back(dziecko);
        }
        close(gotowe[1]);
        close(start[0]);
        for (size_t i = 0; i < operacje.size(); ++i) {
            char c;
            EXPECT_EQ(read(gotowe[0], &c, 1), 1);
        }
        close(start[1]);  // every child reads the end at once
        close(gotowe[0]);
        std::vector<int> kody;
        for (pid_t dziecko : dzieci) {
            int stan = 0;
            waitpid(dziecko, &stan, 0);
            kody.push_back(WIFEXITED(stan) ? WEXITSTATUS(stan) : -1);
        }
        baza.PolaczPonownie();
        return kody;
    }

    // In a child: 0 stored; 1 refused with the one message expected; 2 anything else.
    int Wynik(bool zapisano, const QString& komunikat) const {
        if (zapisano) return fake.komunikaty.empty() ? 0 : 2;
        return fake.komunikaty.size() == 1 && fake.komunikaty[0].tekst == komunikat ? 1 : 2;
    }
};

QString Zajety(int film) {
    return QStringLiteral("Film %1 został przed chwilą wypożyczony przy innym stanowisku.")
        .arg(Numer4(film));
}

}  // namespace

TEST_F(DwaStanowiska, JednaKopiaWypozyczonaRazemDwomaKlientom) {
    for (int film : {1, 2, 3}) {
        const auto wypozycz = [&](int klient) {
            return [this, klient, film] { return Wynik(Wypozycz(klient, film), Zajety(film)); };
        };
        std::vector<int> kody = Naraz({wypozycz(1), wypozycz(2)});
        std::sort(kody.begin(), kody.end());
        EXPECT_EQ(kody, (std::vector<int>{0, 1})) << "film " << film;
        EXPECT_EQ(baza.Ile(QStringLiteral("select count(*) from rental where id_filmu = %1 and "
                                          "zwrocono = False")
                               .arg(film)),
                  1);
    }
    EXPECT_EQ(baza.Ile("select count(*) from kasa"), 3) << "the refused rentals took no money";
    EXPECT_EQ(baza.Ile("select count(*) from film where Status = False"), 3);
}

// Each operation after its reads (what the dialog showed), with the other counter's change
// made before its write.
TEST_F(DwaStanowiska, ZmianaNaInnymStanowiskuNieJestNadpisana) {
    const QString zmienione = QStringLiteral(
        "Wypożyczenia lub saldo klienta zostały w międzyczasie zmienione przy innym "
        "stanowisku. ");
    const auto zwrot = [] {
        TDaneZwrotu dane;
        dane.Pierwszy = dane.Ostatni = 0;
        dane.Dzisiaj = Dzis;
        dane.Saldo = 4.00_zl;
        if (!WczytajDoZwrotu(1, {{1, 5.00_zl, 1, 5.00_zl}, {2, 5.00_zl, 1, 5.00_zl}}, dane))
            return std::function<bool()>([] { return false; });
        return std::function<bool()>([dane] {
            const TPrzedZwrotem przed = PrzygotujZwrot(dane);
            return ZapiszZwrot(1, dane, przed, RozliczZwrot(dane, przed, przed.Wplata.Kwota),
                               "0001");
        });
    };
    const auto wycofanie = [] {
        return std::function<bool()>(
            [] { return ZapiszWycofanie(1, RozliczWycofanie(WycofaniePierwszego()), "0001"); });
    };
    const auto przedluzenie = [] {
        TDanePrzedluzenia d;
        d.Wiersze = {{1, 5.00_zl, 1, 5.00_zl}, {2, 5.00_zl, 1, 5.00_zl}};
        d.Pierwszy = d.Ostatni = 0;
        d.IloscDni = 2;
        d.Dzisiaj = Dzis;
        d.Saldo = 4.00_zl;
        d.DataOD = PoczatekPrzedluzenia(1).value_or(QDate());
        return std::function<bool()>([d] {
            const TPrzedPrzedluzeniem przed = PrzygotujPrzedluzenie(d);
            return ZapiszPrzedluzenie(1, d, przed, RozliczPrzedluzenie(d, przed, 0_zl), "0001");
        });
    };
    const struct {
        const char* nazwa;
        std::function<std::function<bool()>()> odczyt;  // the reads; gives the write
        const char* inneStanowisko;
        QString komunikat;
    } przypadki[] = {
        {"rental of a film rented meanwhile",
         [] { return std::function<bool()>([] { return Wypozycz(1, 3); }); },
         "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc) values "
         "(3, 2, '2024-03-05', '2024-03-06', False, 0); update film set Status = False where "
         "ID = 3",
         Zajety(3)},
        {"rental on credit paid out meanwhile",
         [] {
             return std::function<bool()>([] {
                 const TDaneWypozyczenia d = Koszyk();
                 const TPrzedWypozyczeniem przed = PrzygotujWypozyczenie(d);
                 return ZapiszWypozyczenie(1, d, przed, RozliczWypozyczenie(d, przed, 7.00_zl),
                                           "0001, 0002");
             });
         },
         "update klient set Saldo = 0 where ID = 1",
         "Dane klienta zostały w międzyczasie zmienione przy innym stanowisku. Wczytaj klienta "
         "ponownie."},
        {"return of a film returned meanwhile", zwrot,
         "update rental set zwrocono = True where id_filmu = 2",
         zmienione + "Zwrot nie został zapisany."},
        {"return of a rental extended meanwhile", zwrot,
         "update rental set dataDO = '2024-03-09' where id_filmu = 1",
         zmienione + "Zwrot nie został zapisany."},
        {"return after a payment meanwhile", zwrot, "update klient set Saldo = 6 where ID = 1",
         zmienione + "Zwrot nie został zapisany."},
        {"undo after a film returned meanwhile", wycofanie,
         "update rental set zwrocono = True where id_filmu = 2",
         zmienione + "Wycofanie nie zostało zapisane."},
        {"undo after a payment meanwhile", wycofanie, "update klient set Saldo = 6 where ID = 1",
         zmienione + "Wycofanie nie zostało zapisane."},
        {"extension after a payment meanwhile", przedluzenie,
         "update klient set Saldo = 6 where ID = 1",
         zmienione + "Przedłużenie nie zostało zapisane."},
        {"extension after a film rented meanwhile", przedluzenie,
         "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc) values "
         "(3, 1, '2024-03-05', '2024-03-06', False, 0)",
         zmienione + "Przedłużenie nie zostało zapisane."},
    };
    Otwarte(1, "2024-03-04", "2024-03-05", 5.00, 5.00);
    Otwarte(2, "2024-03-04", "2024-03-05", 5.00, 5.00);
    const QString poczatek = baza.Zawartosc();
    for (const auto& p : przypadki) {
        const std::function<bool()> zapis = p.odczyt();
        baza.Wykonaj(QString::fromUtf8(p.inneStanowisko));
        const QString poZmianie = baza.Zawartosc();
        fake.Wyczysc();
        EXPECT_FALSE(zapis()) << p.nazwa;
        EXPECT_EQ(fake.Teksty(), std::vector<QString>{p.komunikat}) << p.nazwa;
        EXPECT_EQ(baza.Zawartosc(), poZmianie) << p.nazwa << ": nothing written";
        // The store as before the case.
        baza.Wykonaj(
            "delete from rental where id_filmu = 3; update film set Status = True "
            "where ID = 3; update rental set zwrocono = False, dataDO = '2024-03-05'; update "
            "klient "
            "set Saldo = 4 where ID = 1");
        ASSERT_EQ(baza.Zawartosc(), poczatek) << p.nazwa;
    }
}

// The server takes a write back for a deadlock or a serialization failure: it runs again,
// and only a conflict of every try is shown (once).
TEST_F(DwaStanowiska, KonfliktSerweraPonawiany) {
    if (!TestowaBaza::NaSerwerze()) GTEST_SKIP() << "a conflict of the server's transactions";
    const struct {
        int konfliktow;
        bool zapisane;
    } przypadki[] = {{PowtorzeniaZapisu + 1, false}, {PowtorzeniaZapisu, true}};
    for (const auto& p : przypadki) {
        baza.Wykonaj(QStringLiteral(
                         "drop sequence if exists proby; create sequence proby; create or replace "
                         "function konflikt() returns trigger language plpgsql as $$ begin if "
                         "nextval('proby') <= %1 then raise exception 'deadlock detected' using "
                         "errcode = '40P01'; end if; return new; end $$; drop trigger if exists "
                         "konflikt on klient; create trigger konflikt before update on klient for "
                         "each row execute function konflikt()")
                         .arg(p.konfliktow));
        fake.Wyczysc();
        EXPECT_EQ(Wypozycz(1, 3), p.zapisane) << p.konfliktow;
        ASSERT_EQ(fake.komunikaty.size(), p.zapisane ? 0u : 1u) << p.konfliktow;
        if (!p.zapisane) {
            EXPECT_TRUE(fake.komunikaty[0].tekst.contains("deadlock detected"));
        }
        EXPECT_EQ(baza.Ile("select count(*) from rental"), p.zapisane ? 1 : 0);
    }
}
