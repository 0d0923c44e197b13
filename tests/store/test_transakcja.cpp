// Operations of several statements run as one through the transaction guard.
#include <gtest/gtest.h>

#include "DaneWypozyczalni.h"
#include "store/Baza.h"
#include "store/Interakcja.h"
#include "store/uWspolneDB.h"
#include "support/Kwoty.h"
#include "support/PolaczenieSerwera.h"

namespace {

class Transakcja : public Wypozyczalnia {
protected:
    // Every row of the tables, as the store holds them.
    QString Stan() const { return baza.Zawartosc(); }
    double Saldo(int id) const {
        return baza.Wartosc(QStringLiteral("select Saldo from klient where ID = %1").arg(id))
            .toDouble();
    }
};

// A return as the desk writes it, with one faulty statement in the middle.
void zwrotZBledem(TQuery& q) {
    UruchomSQL(q,
               "update rental set zwrocono = True, dataZwrotu = \"05.03.24\", platnosc1 = 0, "
               "z_abonamentu = 0.00, naleznosc = 7.50 where id_filmu = 1 and id_klienta = 1 "
               "and Zwrocono = False");
    UruchomSQL(q,
               "update film set status = True, Ilosc_wypozyczen = Ilosc_wypozyczen + 1, "
               "wplywy = wplywy + 7.50 where id = 1");
    UruchomSQL(q, "update klient set Saldo = 15.00, Licznik = Licznik + 1 wher id = 1");
    UruchomSQL(q, "update klient set Nieznana = 0 where id = 1");  // would show a second box
    OtworzSQL(q, "select * from klient");
}

}  // namespace

TEST_F(Transakcja, BladWSrodkuZostawiaBazeJakPrzedICofaCalosc) {
    const QString przed = Stan();
    {
        TTransakcja t;
        zwrotZBledem(query);
        EXPECT_TRUE(TTransakcja::Przerwana());
        EXPECT_FALSE(query.Active());  // the open after the failure was skipped
        EXPECT_FALSE(t.Zatwierdz());
    }
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_TRUE(fake.komunikaty[0].tekst.contains("syntax error"));
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Brak);
    EXPECT_EQ(Stan(), przed);
    EXPECT_FALSE(TTransakcja::Przerwana());
}

TEST_F(Transakcja, BezZatwierdzeniaCofnieta) {
    const QString przed = Stan();
    {
        TTransakcja t;
        UruchomSQL(query, "update klient set Saldo = 99 where ID = 1");
        EXPECT_DOUBLE_EQ(Saldo(1), 99.0);  // visible inside the operation
    }
    EXPECT_EQ(Stan(), przed);
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(Transakcja, ZatwierdzonaTrwaPoPonownymPolaczeniu) {
    {
        TTransakcja t;
        UruchomSQL(query, "update klient set Saldo = 1.5 where ID = 1");
        OtworzSQL(query, "select Saldo from klient where ID = 1");  // still open at commit
        UruchomSQL(query, "update klient set Saldo = Saldo + 1 where ID = 2");
        EXPECT_TRUE(t.Zatwierdz());
    }
    baza.PolaczPonownie();
    EXPECT_DOUBLE_EQ(Saldo(1), 1.5);
    EXPECT_DOUBLE_EQ(Saldo(2), -2.0);
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(Transakcja, ZagniezdzoneZatwierdzaTylkoZewnetrzna) {
    {
        TTransakcja zewnetrzna;
        UruchomSQL(query, "update klient set Saldo = 1 where ID = 1");
        {
            TTransakcja wewnetrzna;
            UruchomSQL(query, "update klient set Saldo = 2 where ID = 2");
            EXPECT_TRUE(wewnetrzna.Zatwierdz());
        }
        {
            TTransakcja porzucona;  // ends without Zatwierdz: only its own statements go
            UruchomSQL(query, "update klient set Saldo = 3 where ID = 3");
        }
        UruchomSQL(query, "update klient set Licznik = 0 where ID = 1");
        EXPECT_TRUE(zewnetrzna.Zatwierdz());
    }
    EXPECT_DOUBLE_EQ(Saldo(1), 1.0);
    EXPECT_DOUBLE_EQ(Saldo(2), 2.0);
    EXPECT_DOUBLE_EQ(Saldo(3), 0.0);
    EXPECT_EQ(baza.Ile("select Licznik from klient where ID = 1"), 0);
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(Transakcja, BladWZagniezdzonejCofaCalaOperacje) {
    const QString przed = Stan();
    {
        TTransakcja zewnetrzna;
        UruchomSQL(query, "update klient set Saldo = 1 where ID = 1");
        {
            TTransakcja wewnetrzna;
            zwrotZBledem(query);
            EXPECT_FALSE(wewnetrzna.Zatwierdz());
        }
        UruchomSQL(query, "update klient set Saldo = 5 where ID = 2");  // skipped
        EXPECT_FALSE(zewnetrzna.Zatwierdz());
    }
    EXPECT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(Stan(), przed);
}

TEST_F(Transakcja, PoZakonczonejOperacjiPoleceniaBiegnaNormalnie) {
    {
        TTransakcja t;
        zwrotZBledem(query);
        t.Zatwierdz();
    }
    fake.Wyczysc();
    UruchomSQL(query, "update klient set Saldo = 7 where ID = 1");
    OtworzSQL(query, "select Saldo from klient where ID = 1");
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_KWOTA(query.FieldByName("SALDO").AsKwota(), 7_zl);
}

TEST_F(Transakcja, BladPoZatwierdzeniuNieBlokujeDalszychPolecen) {
    {
        TTransakcja t;
        UruchomSQL(query, "update klient set Saldo = 4 where ID = 1");
        EXPECT_TRUE(t.Zatwierdz());
        UruchomSQL(query, "update klient set Nieznana = 1");  // outside the operation now
        UruchomSQL(query, "update klient set Saldo = 6 where ID = 2");
    }
    EXPECT_EQ(fake.komunikaty.size(), 1u);
    UruchomSQL(query, "update klient set Saldo = 8 where ID = 3");
    EXPECT_DOUBLE_EQ(Saldo(1), 4.0);
    EXPECT_DOUBLE_EQ(Saldo(2), 6.0);
    EXPECT_DOUBLE_EQ(Saldo(3), 8.0);
}

TEST_F(Transakcja, BladPozaOperacjaNiePomijaNastepnego) {
    UruchomSQL(query, "update klient set Saldo = 1 where ID = 1");
    UruchomSQL(query, "update klient set Saldo = where ID = 2");
    UruchomSQL(query, "update klient set Saldo = 3 where ID = 3");
    EXPECT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_DOUBLE_EQ(Saldo(1), 1.0);
    EXPECT_DOUBLE_EQ(Saldo(2), -3.0);
    EXPECT_DOUBLE_EQ(Saldo(3), 3.0);
}

// A column the result lacks fails the operation like a failing statement: one box, the
// rest skipped, everything taken back.
TEST_F(Transakcja, BrakujacaKolumnaCofaOperacje) {
    const QString przed = Stan();
    {
        TTransakcja t;
        UruchomSQL(query, "update klient set Saldo = 4 where ID = 1");
        OtworzSQL(query, "select Saldo from klient where ID = 1");
        const TKwota dlug = query.FieldByName("Dlug").AsKwota();
        UruchomSQL(query,
                   QStringLiteral("update klient set Saldo = %1 where ID = 2").arg(KwotaSQL(dlug)));
        EXPECT_FALSE(t.Zatwierdz());
    }
    EXPECT_EQ(fake.Teksty(), std::vector<QString>{"Nie znaleziono pola 'Dlug'."});
    EXPECT_EQ(Stan(), przed);
}

// A server connection broken in the middle of an operation, or while the desk was idle:
// the statement that meets it is refused once in Polish, nothing of the operation stays,
// and the next operation connects again.
TEST_F(Transakcja, ZerwanePolaczenieOdrzucaOperacjeNastepnaLaczySieOdNowa) {
    if (!TestowaBaza::NaSerwerze()) GTEST_SKIP() << "a connection the server can drop";
    const QString przed = Stan();
    const QString przerwane = QStringLiteral(
        "Połączenie z serwerem bazy danych zostało przerwane. Operacja nie została wykonana.");
    for (const bool wOperacji : {true, false}) {
        SCOPED_TRACE(wOperacji ? "inside an operation" : "between operations");
        fake.Wyczysc();
        if (!wOperacji) ZerwijPolaczenie();
        {
            TTransakcja t;
            if (wOperacji) {
                UruchomSQL(query, "update klient set Saldo = 99 where ID = 1");
                ZerwijPolaczenie();
            }
            UruchomSQL(query, "update film set Stawka = 1 where ID = 1");
            OtworzSQL(query, "select * from klient");
            EXPECT_FALSE(t.Zatwierdz());
        }
        ASSERT_EQ(fake.komunikaty.size(), 1u);
        EXPECT_TRUE(fake.komunikaty[0].tekst.startsWith(przerwane))
            << fake.komunikaty[0].tekst.toStdString();
        EXPECT_EQ(Stan(), przed);
    }
    // The next write is stored.
    {
        TTransakcja t;
        UruchomSQL(query, "update klient set Saldo = 12 where ID = 1");
        EXPECT_TRUE(t.Zatwierdz());
    }
    EXPECT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_DOUBLE_EQ(Saldo(1), 12.0);
    // A read alone: refused once, the next one reads.
    ZerwijPolaczenie();
    OtworzSQL(query, "select Saldo from klient where ID = 1");
    EXPECT_FALSE(query.Active());
    ASSERT_EQ(fake.komunikaty.size(), 2u);
    EXPECT_TRUE(fake.komunikaty[1].tekst.startsWith(przerwane));
    OtworzSQL(query, "select Saldo from klient where ID = 1");
    EXPECT_EQ(query.FieldByName("Saldo").AsKwota(), 12.00_zl);
    EXPECT_EQ(fake.komunikaty.size(), 2u);
}
