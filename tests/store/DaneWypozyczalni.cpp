#include "DaneWypozyczalni.h"

#include <gtest/gtest.h>

#include "store/Formaty.h"
#include "store/uWspolneDB.h"

namespace {

QString klient(const char* numer, const QString& imie, const QString& nazwisko, const char* miasto,
               const char* reszta) {
    return QStringLiteral(
               "insert into klient( Numer_klienta, Imie, Nazwisko, Firma, Kod, Miejscowosc, "
               "Ulica, Nr_Posesji, Nr_lokalu, Telefon, NIP, Ostatnie_wypozyczenie, Saldo, "
               "Abonament, Abonament_OD, Abonament_DO, Licznik, Upowazniony, LicznikAb, "
               "Aktualny, Rabat ) values ( %1, %2, %3, '', '90-001', %4, 'Piotrkowska', '12', "
               "'3', '42 600 00 00', '', %5)")
        .arg(QLatin1String(numer), TekstSQL(imie), TekstSQL(nazwisko),
             TekstSQL(QString::fromUtf8(miasto)), QString::fromUtf8(reszta));
}

QString film(const char* numer, const QString& org, const QString& pol, const char* role,
             const char* gatunek, const char* nosnik, const char* rezyser1, const char* kwoty) {
    return QStringLiteral(
               "insert into film( Numer_filmu, Tytul_oryginalny, Tytul_polski, Produkcja, "
               "Rola_glowna_1 , Rola_glowna_2, Rola_glowna_3, Rola_glowna_4, Rola_glowna_5, "
               "Gatunek, Nosnik, Czas_trwania, Rezyseria_1, Rezyseria_2, Stawka, Wplywy, "
               "Ilosc_wypozyczen, Cena_zakupu, Opis, Status, Aktualny ) values ( %1, %2, %3, "
               "'USA 1999', %4, '%5', '%6', '120 min', '%7', '', %8, True, True ) ")
        .arg(QLatin1String(numer), TekstSQL(org), TekstSQL(pol), QString::fromUtf8(role),
             QString::fromUtf8(gatunek), QLatin1String(nosnik), QString::fromUtf8(rezyser1),
             QLatin1String(kwoty));
}

QString wypozyczenie(int film, int klient, const char* od, const char* do_, const char* kwoty) {
    return QStringLiteral(
               "insert into rental( id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
               "platnosc1, z_abonamentu, naleznosc, stawka ) values ( %1, %2, \"%3\", \"%4\", "
               "False, %5 )")
        .arg(film)
        .arg(klient)
        .arg(QLatin1String(od), QLatin1String(do_), QLatin1String(kwoty));
}

}  // namespace

void ZapiszWypozyczalnie(TQuery& q) {
    const QStringList polecenia = {
        klient("0007", "Jan", "Kowalski", "Łódź",
               "\"05.03.24\", 12.50, False, \"05.03.24\", \"04.04.24\", 4, '', 0, True, 5 "),
        klient("12", "Anna", "Nowak", "Kraków",
               "\"02.03.24\", -3.00, True, \"01.03.24\", \"31.03.24\", 10, 'Piotr Nowak', 2, "
               "True, 0 "),
        klient("15", "Seán", "O'Brien", "Gdańsk",
               "\"10.12.23\", 0.00, False, \"10.12.23\", \"09.01.24\", 0, '', 0, True, 0 "),
        "update klient set Aktualny = False where ID = 3",
        film("1", "Matrix", "Matrix", "'Keanu Reeves', 'Laurence Fishburne', '', '', ''", "Sci-Fi",
             "DVD", "Lana Wachowski", "5.00, 30.00, 6, 49.99, 'Neo'"),
        film("2", "Schindler's List", "Lista Schindlera",
             "'Liam Neeson', 'Ben Kingsley', '', '', ''", "Dramat", "VHS", "Steven Spielberg",
             "4.50, 12.00, 2, 39.00, ''"),
        film("3", "Łódź Story", "Łódzka opowieść", "'Bogusław Linda', '', '', '', ''", "dramat",
             "VHS", "żuławski", "3.00, 0.00, 0, 20.00, ''"),
        "update film set Aktualny = False where ID = 3",
        // client 1: one returned with 2.50 unpaid, one open with 2.50 unpaid (below)
        wypozyczenie(2, 1, "01.02.2024", "03.02.2024", "0.00, 0, 0, 9.00, 4.50"),
        "update rental set zwrocono = True, dataZwrotu = \"05.02.24\", platnosc1 = 2.5, "
        "z_abonamentu = 0.00, naleznosc = 9.00 where id_filmu = 2 and id_klienta = 1 and "
        "Zwrocono = False",
        // client 2: one returned and settled (film 1, before client 1 rents it), one open
        // and paid
        wypozyczenie(1, 2, "08.01.24", "10.01.24", "0.00, 0, 0, 10.00, 5.00"),
        "update rental set zwrocono = True, dataZwrotu = \"10.01.24\", platnosc1 = 0, "
        "z_abonamentu = 0.00, naleznosc = 10.00 where id_filmu = 1 and id_klienta = 2 and "
        "Zwrocono = False",
        wypozyczenie(1, 1, "01.03.24", "04.03.24", "2.50, 0, 0, 7.50, 5.00"),
        "update film set status = False where ID = 1",
        wypozyczenie(2, 2, "02.03.24", "09.03.24", "0.00, 0, 0, 4.50, 4.50"),
        "update film set status = False where ID = 2",
        "insert into dictionary( Nazwa, Wartosc, Opis ) values ( 'X_INNY', '1', 'inny' )",
        "delete from dictionary where Nazwa like 'K_%'",
        "insert into dictionary( Nazwa, Wartosc, Opis ) values ( 'K_KOLEJNADOBA', '100', "
        "'opłata za kolejną dobę' )",
        "insert into dictionary( Nazwa, Wartosc, Opis ) values ( 'K_WEEKEND', 'True',  "
        "'weekendowa stawka wypożyczenia' )",
        "insert into dictionary( Nazwa, Wartosc, Opis ) values ( 'K_ABONAMENT', '50', "
        "'wysokość abonamentu'  )",
    };
    for (const QString& p : polecenia) UruchomSQL(q, p);
}

std::vector<QStringList> Wiersze(TQuery& q, const QStringList& kolumny) {
    std::vector<QStringList> w;
    while (q.Active() && !q.Eof()) {
        QStringList wiersz;
        for (const QString& k : kolumny) {
            const TField* pole = q.FindField(k);
            EXPECT_NE(pole, nullptr) << "no column " << k.toStdString();
            wiersz << (pole ? pole->AsString() : QStringLiteral("<brak>"));
        }
        w.push_back(wiersz);
        q.Next();
    }
    return w;
}
