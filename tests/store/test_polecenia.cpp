// The program's statements, as its windows build them, against a real store.
#include <gtest/gtest.h>

#include <algorithm>

#include "DaneWypozyczalni.h"
#include "store/uWspolneDB.h"

namespace {

struct TOdczyt {
    const char* opis;
    const char* sql;  // "{B}" stands for the tables' folder
    QStringList kolumny;
    std::vector<QStringList> wiersze;
    bool dowolnaKolejnosc = false;
};

// clang-format off
const TOdczyt Odczyty[] = {
    {"active clients", "select * from klient where aktualny = True",
     {"NUMER_KLIENTA", "Imie", "MIEJSCOWOSC", "Saldo", "Abonament", "OSTATNIE_WYPOZYCZENIE"},
     {{"7", "Jan", "Łódź", "12,5", "False", "05.03.2024"},
      {"12", "Anna", "Kraków", "-3", "True", "02.03.2024"}}},
    {"client by name, table by single-quoted path",
     " select ID, Numer_klienta, Abonament, Abonament_OD, Abonament_DO, Saldo, Upowazniony, "
     "LicznikAb, Rabat  from '{B}klient.db' where Imie = 'Anna' and Nazwisko = 'Nowak'",
     {"ID", "NUMER_KLIENTA", "ABONAMENT", "ABONAMENT_OD", "ABONAMENT_DO", "SALDO", "UPOWAZNIONY",
      "LICZNIKAB", "RABAT"},
     {{"2", "12", "True", "01.03.2024", "31.03.2024", "-3", "Piotr Nowak", "2", "0"}}},
    {"name search ignores the archive flag",
     " select ID, Numer_klienta from '{B}klient.db' where Imie = 'Seán' and Nazwisko = 'O''Brien'",
     {"ID", "NUMER_KLIENTA"}, {{"3", "15"}}},
    {"client by number, current only",
     "select ID, Imie, Nazwisko, Abonament, Abonament_OD, Abonament_DO, Saldo, Upowazniony, "
     "LicznikAb, Rabat  from '{B}klient.db' where Numer_klienta = 7 and Aktualny = True",
     {"ID", "IMIE", "NAZWISKO", "RABAT"}, {{"1", "Jan", "Kowalski", "5"}}},
    {"archived client not found by number",
     "select ID from '{B}klient.db' where Numer_klienta = 15 and Aktualny = True", {"ID"}, {}},
    {"title lists", "select Tytul_oryginalny, Tytul_polski from film where aktualny = True "
     "order by Tytul_oryginalny",
     {"TYTUL_ORYGINALNY", "TYTUL_POLSKI"},
     {{"Matrix", "Matrix"}, {"Schindler's List", "Lista Schindlera"}}},
    {"film by number as typed, leading zeros",
     "select ID, Stawka, Tytul_oryginalny, Tytul_polski, Status from '{B}film.db' where "
     "Numer_filmu = 0001 and Aktualny = True",
     {"ID", "STAWKA", "TYTUL_POLSKI", "STATUS"}, {{"1", "5", "Matrix", "False"}}},
    {"who holds the film",
     "select k.numer_klienta nr from '{B}klient.db' k  where k.id = ( select r.id_klienta from "
     "'{B}rental.db' r                 where r.zwrocono = false                          and "
     "r.id_filmu = ( select f.id from '{B}film.db' f where f.numer_filmu = 0002 ) )",
     {"NR"}, {{"12"}}},
    {"film number lookup", "select ID from film where Numer_filmu = 2", {"ID"}, {{"2"}}},
    {"open row of the basket",
     "select * from rental where id_klienta = 1 and id_filmu = 1 and zwrocono = false",
     {"DATAOD", "DATADO", "PLATNOSC", "NALEZNOSC", "ZWROCONO", "DATAZWROTU"},
     {{"01.03.2024", "04.03.2024", "2,5", "7,5", "False", ""}}},
    {"open rentals of a client, two tables by path",
     " select f.tytul_oryginalny tytul, f.numer_filmu nr, f.id id,  f.stawka stawka1, "
     "r.naleznosc, r.dataOD dataOD,  r.dataDO dataDO, r.platnosc platnosc, r.stawka stawka  from "
     "'{B}rental.db' r,  '{B}film.db' f  where f.id = r.id_filmu  and r.id_klienta = 1 and "
     "r.zwrocono = False",
     {"TYTUL", "NR", "ID", "STAWKA1", "NALEZNOSC", "DATAOD", "DATADO", "PLATNOSC", "STAWKA"},
     {{"Matrix", "1", "1", "5", "7,5", "01.03.2024", "04.03.2024", "2,5", "5"}}},
    {"sums of the open rentals",
     "select sum( platnosc ) p, sum( naleznosc ) n from rental where id_klienta = 1 and "
     "zwrocono = False",
     {"P", "N"}, {{"2,5", "7,5"}}},
    {"sums over no rows read empty",
     "select sum( platnosc ) p, sum( naleznosc ) n from rental where id_klienta = 3 and "
     "zwrocono = False",
     {"P", "N"}, {{"", ""}}},
    {"dates and rate of an open rental",
     "select r.dataOD, r.dataDO, r.stawka from rental r where r.Id_filmu = 1 and r.Id_klienta "
     "= 1 and r.Zwrocono = False",
     {"STAWKA", "DATADO", "DATAOD"}, {{"5", "04.03.2024", "01.03.2024"}}},
    {"start of the open rentals",
     "select dataOD from rental where Id_klienta = 2 and zwrocono = False", {"DATAOD"},
     {{"02.03.2024"}}},
    {"client record", "select * from klient where id = 2",
     {"NUMER_KLIENTA", "NR_POSESJI", "Nr_lokalu", "LICZNIK", "UPOWAZNIONY", "LICZNIKAB"},
     {{"12", "12", "3", "10", "Piotr Nowak", "2"}}},
    {"largest client number counts archived clients",
     "select Max( Numer_klienta ) m from klient", {"M"}, {{"15"}}},
    {"number check sees archived clients",
     "select * from klient where Numer_klienta = 15", {"NAZWISKO"}, {{"O'Brien"}}},
    {"client owes something",
     "select * from rental where ID_Klienta = 1 and ( ( Zwrocono = False and Platnosc <> 0 ) "
     "or ( Zwrocono = True and Platnosc1 <> 0 ) )",
     {"ID_FILMU"}, {{"2"}, {"1"}}, true},
    {"client owes nothing",
     "select * from rental where ID_Klienta = 2 and ( ( Zwrocono = False and Platnosc <> 0 ) "
     "or ( Zwrocono = True and Platnosc1 <> 0 ) )",
     {"ID_FILMU"}, {}},
    {"balance", "select Saldo from klient where ID = 2", {"SALDO"}, {{"-3"}}},
    {"arrears menu check",
     "select * from rental where ID_Klienta = 1 and Zwrocono = True and Platnosc1 <> 0",
     {"DATAZWROTU", "PLATNOSC1"}, {{"05.02.2024", "2,5"}}},
    {"client list, three lines",
     "select ID, Numer_klienta, Nazwisko || ' ' || Imie klient\nfrom klient\nwhere aktualny = True",
     {"ID", "NUMER_KLIENTA", "KLIENT"}, {{"1", "7", "Kowalski Jan"}, {"2", "12", "Nowak Anna"}}},
    {"archived clients grid",
     "select ID, Imie, Nazwisko, Firma\nfrom klient\nwhere Aktualny = False\norder by Nazwisko",
     {"ID", "IMIE", "NAZWISKO", "FIRMA"}, {{"3", "Seán", "O'Brien", ""}}},
    {"open rentals before archiving",
     "select * from rental where ID_Klienta = 2 and Zwrocono = false", {"ID_FILMU"}, {{"2"}}},
    {"arrears list, left outer join",
     "select f.id, f.Tytul_oryginalny || ' (' || f.Tytul_polski || ')' tytul, r.dataOD, "
     "r.dataZwrotu, r.Zwrocono, r.platnosc, r.platnosc1 from rental r left outer join film f on "
     "r.id_filmu = f.id where r.id_klienta = 1 and r.zwrocono = True and r.platnosc1 <> 0",
     {"ID", "TYTUL", "DATAOD", "DATAZWROTU", "ZWROCONO", "PLATNOSC", "PLATNOSC1"},
     {{"2", "Schindler's List (Lista Schindlera)", "01.02.2024", "05.02.2024", "True", "0",
       "2,5"}}},
    {"film record", "select * from film where ID = 2",
     {"NUMER_FILMU", "TYTUL_ORYGINALNY", "ROLA_GLOWNA_2", "GATUNEK", "STAWKA", "WPLYWY",
      "CENA_ZAKUPU", "ILOSC_WYPOZYCZEN", "STATUS", "AKTUALNY"},
     {{"2", "Schindler's List", "Ben Kingsley", "Dramat", "4,5", "12", "39", "2", "False",
       "True"}}},
    {"largest film number counts withdrawn films", "select Max( Numer_filmu ) m from film",
     {"M"}, {{"3"}}},
    {"film number check sees current films only",
     "select ID from film where Numer_filmu = 3 and aktualny = True", {"ID"}, {}},
    {"film list, four lines",
     "select ID, Numer_filmu, Tytul_oryginalny || ' (' || Tytul_polski || ')' tytul\nfrom film "
     "\nwhere aktualny = true\norder by Numer_filmu",
     {"ID", "NUMER_FILMU", "TYTUL"},
     {{"1", "1", "Matrix (Matrix)"}, {"2", "2", "Schindler's List (Lista Schindlera)"}}},
    {"directors, union, Polish upper case",
     "select Upper( Rezyseria_1 ) rezyser from film union select Upper( Rezyseria_2 ) rezyser "
     "from film",
     {"REZYSER"}, {{""}, {"LANA WACHOWSKI"}, {"STEVEN SPIELBERG"}, {"ŻUŁAWSKI"}}, true},
    {"actors, five unions",
     "select Upper( Rola_glowna_1 ) aktor from film union select Upper( Rola_glowna_2 ) aktor "
     "from film union select Upper( Rola_glowna_3 ) aktor from film union select Upper( "
     "Rola_glowna_4 ) aktor from film union select Upper( Rola_glowna_5 ) aktor from film",
     {"AKTOR"},
     {{""}, {"BEN KINGSLEY"}, {"BOGUSŁAW LINDA"}, {"KEANU REEVES"}, {"LAURENCE FISHBURNE"},
      {"LIAM NEESON"}},
     true},
    {"title search, double-quoted Polish pattern, Lower",
     "select ID, Numer_filmu, Tytul_oryginalny || ' (' || Tytul_polski || ')' tytul from film "
     "where ( Lower( Tytul_oryginalny ) like \"łódź%\" or Lower( Tytul_polski ) like \"łódź%\" "
     ") order by Numer_filmu",
     {"ID", "TYTUL"}, {{"3", "Łódź Story (Łódzka opowieść)"}}},
    {"title search without wildcards needs the whole title",
     "select ID from film where ( Lower( Tytul_oryginalny ) like \"matr\" or Lower( "
     "Tytul_polski ) like \"matr\" ) order by Numer_filmu",
     {"ID"}, {}},
    {"title search with wildcards",
     "select ID from film where ( Lower( Tytul_oryginalny ) like \"%list%\" or Lower( "
     "Tytul_polski ) like \"%list%\" ) order by Numer_filmu",
     {"ID"}, {{"2"}}},
    {"director search, Polish letters upper-cased",
     "select ID, Numer_filmu from film where ( Upper( Rezyseria_1 ) like 'ŻUŁAWSKI' or Upper( "
     "Rezyseria_2 ) like 'ŻUŁAWSKI' ) order by Numer_filmu",
     {"ID"}, {{"3"}}},
    {"actor search",
     "select ID from film where ( Upper( Rola_glowna_1 ) like 'LIAM NEESON' or Upper( "
     "Rola_glowna_2 ) like 'LIAM NEESON' or Upper( Rola_glowna_3 ) like 'LIAM NEESON' or Upper( "
     "Rola_glowna_4 ) like 'LIAM NEESON' or Upper( Rola_glowna_5 ) like 'LIAM NEESON' ) order "
     "by Numer_filmu",
     {"ID"}, {{"2"}}},
    {"genre search is case-sensitive",
     "select ID from film where Gatunek like 'Dramat' order by Numer_filmu", {"ID"}, {{"2"}}},
    {"genre search, the other case",
     "select ID from film where Gatunek like 'dramat' order by Numer_filmu", {"ID"}, {{"3"}}},
    {"genre and medium",
     "select ID from film where Gatunek like 'dramat' and Nosnik like 'VHS' order by "
     "Numer_filmu",
     {"ID"}, {{"3"}}},
    {"client history header", "select Numer_klienta nr, Nazwisko ||' ' || Imie klient, "
     "Licznik from klient where ID = 1",
     {"NR", "KLIENT", "LICZNIK"}, {{"7", "Kowalski Jan", "4"}}},
    {"client history, newest first",
     "select f.id, f.Numer_filmu nr, f.Tytul_oryginalny || ' (' || f.Tytul_polski || ')' "
     "tytul, r.dataOD dataod, r.dataZwrotu dataZwrotu  from rental r left outer join film f on "
     "f.ID = r.id_filmu where r.Id_klienta = 1 order by dataOD DESC",
     {"NR", "TYTUL", "DATAOD", "DATAZWROTU"},
     {{"1", "Matrix (Matrix)", "01.03.2024", ""},
      {"2", "Schindler's List (Lista Schindlera)", "01.02.2024", "05.02.2024"}}},
    {"film history header",
     "select Numer_filmu nr, Tytul_oryginalny || ' (' || Tytul_polski || ')' tytul, Wplywy from "
     "film where ID = 1",
     {"NR", "TYTUL", "WPLYWY"}, {{"1", "Matrix (Matrix)", "30"}}},
    {"film history, newest first",
     "select k.id, k.nazwisko || ' ' || k.imie klient, k.numer_klienta nr, r.dataOD dataOD, "
     "r.dataZwrotu dataZwrotu  from rental r left outer join klient k on k.id = r.id_klienta "
     "where r.id_filmu = 1 order by dataOD DESC",
     {"KLIENT", "NR", "DATAOD", "DATAZWROTU"},
     {{"Kowalski Jan", "7", "01.03.2024", ""}, {"Nowak Anna", "12", "08.01.2024", "10.01.2024"}}},
    {"printed client history header",
     " select Imie || ' ' || Nazwisko Klient, Numer_klienta nr, Licznik  from klient where ID = 1",
     {"KLIENT", "NR", "LICZNIK"}, {{"Jan Kowalski", "7", "4"}}},
    {"printed film history header",
     " select Numer_filmu nr, Tytul_oryginalny || ' (' || Tytul_polski || ')' Tytul, Wplywy  "
     "from film where ID = 2",
     {"TYTUL", "WPLYWY"}, {{"Schindler's List (Lista Schindlera)", "12"}}},
    {"subscribers",
     "select Numer_klienta NR, Nazwisko || ' ' || Imie KLIENT, Abonament_OD, Abonament_DO, ID  "
     "\nfrom klient\nwhere abonament = True",
     {"NR", "KLIENT", "ABONAMENT_OD", "ABONAMENT_DO", "ID"},
     {{"12", "Nowak Anna", "01.03.2024", "31.03.2024", "2"}}},
    {"films out, three tables",
     "select f.Tytul_oryginalny || ' (' || f.Tytul_polski || ')' tytul, k.nazwisko || ' ' || "
     "k.imie klient, r.dataOD, r.dataDO, k.id from rental r, klient k, film f where r.id_filmu "
     "= f.id and r.id_klienta = k.id and r.zwrocono = False",
     {"TYTUL", "KLIENT", "DATAOD", "DATADO", "ID"},
     {{"Matrix (Matrix)", "Kowalski Jan", "01.03.2024", "04.03.2024", "1"},
      {"Schindler's List (Lista Schindlera)", "Nowak Anna", "02.03.2024", "09.03.2024", "2"}},
     true},
    {"films out, printed spelling",
     " SELECT f.Tytul_oryginalny || ' (' || f.Tytul_polski || ')' tytul,  k.nazwisko || ' ' || "
     "k.imie klient,  r.dataOD, r.dataDO, k.id  FROM  rental r, klient k, film f  WHERE "
     "r.id_filmu   = f.id  AND   r.id_klienta = k.id  AND   r.zwrocono   = False",
     {"KLIENT"}, {{"Kowalski Jan"}, {"Nowak Anna"}}, true},
    {"periodic report, double-quoted paths and four-digit dates",
     "select k.numer_klienta nr, k.nazwisko || ' ' || k.imie klient, f.tytul_oryginalny tytul, "
     "r.platnosc, r.platnosc1, r.z_abonamentu, r.zwrocono, r.naleznosc from \"{B}rental.db\" r, "
     "\"{B}klient.db\" k, \"{B}film.db\" f where r.dataOD >= \"01.02.2024\" and ( ( "
     "r.dataZwrotu <= \"29.02.2024\" ) or ( r.dataZwrotu is null and r.zwrocono = false ) ) and "
     "k.id = r.id_klienta and f.id = r.id_filmu ",
     {"NR", "KLIENT", "TYTUL", "PLATNOSC", "PLATNOSC1", "Z_ABONAMENTU", "ZWROCONO", "NALEZNOSC"},
     {{"7", "Kowalski Jan", "Schindler's List", "0", "2,5", "0", "True", "9"},
      {"7", "Kowalski Jan", "Matrix", "2,5", "0", "0", "False", "7,5"},
      {"12", "Nowak Anna", "Schindler's List", "0", "0", "0", "False", "4,5"}},
     true},
    {"periodic report, return after the period is left out",
     "select r.id_filmu from \"{B}rental.db\" r where r.dataOD >= \"01.01.2024\" and ( ( "
     "r.dataZwrotu <= \"31.01.2024\" ) or ( r.dataZwrotu is null and r.zwrocono = false ) )",
     {"ID_FILMU"}, {{"1"}, {"1"}, {"2"}}, true},
    {"most rented films",
     "select Numer_filmu nr, Tytul_oryginalny || ' (' || Tytul_polski || ')' tytul, wplywy from "
     "\"{B}film.db\" where aktualny = true order by wplywy desc",
     {"NR", "TYTUL", "WPLYWY"},
     {{"1", "Matrix (Matrix)", "30"}, {"2", "Schindler's List (Lista Schindlera)", "12"}}},
    {"best clients, sum and group by",
     "select k.id, k.numer_klienta nr, k.nazwisko, k.imie, sum( r.naleznosc ) kwota from "
     "\"{B}klient.db\" k, \"{B}rental.db\" r where k.id = r.id_klienta and zwrocono = true "
     "group by k.id, k.nazwisko, k.imie, k.numer_klienta order by kwota desc",
     {"ID", "NR", "NAZWISKO", "IMIE", "KWOTA"},
     {{"2", "12", "Nowak", "Anna", "10"}, {"1", "7", "Kowalski", "Jan", "9"}}},
    {"setting by its key, dictionary by double-quoted path",
     "select Wartosc from \"{B}dictionary.db\" where Nazwa like 'K_KOLEJNADOBA'", {"WARTOSC"},
     {{"100"}}},
    {"missing setting", "select Wartosc from \"{B}dictionary.db\" where Nazwa like 'K_KARA'",
     {"WARTOSC"}, {}},
    {"settings delete kept other keys", "select Nazwa from dictionary order by Nazwa",
     {"NAZWA"}, {{"K_ABONAMENT"}, {"K_KOLEJNADOBA"}, {"K_WEEKEND"}, {"X_INNY"}}},
};
// clang-format on

void PrintTo(const TOdczyt& p, std::ostream* os) {
    *os << p.sql;
}

// The reads share one seeded store: none of them writes.
class Odczyt : public ::testing::TestWithParam<TOdczyt> {
protected:
    static void SetUpTestSuite() {
        baza = new TestowaBaza();
        TQuery q;
        FakeInterakcja f;
        ZapiszWypozyczalnie(q);
        ASSERT_TRUE(f.komunikaty.empty());
    }
    static void TearDownTestSuite() {
        delete baza;
        baza = nullptr;
    }
    static TestowaBaza* baza;
    FakeInterakcja fake;
    TQuery query;
};
TestowaBaza* Odczyt::baza = nullptr;

TEST_P(Odczyt, ZwracaWierszeTakJakCzytaJeProgram) {
    const TOdczyt& p = GetParam();
    OtworzSQL(query, QString::fromUtf8(p.sql).replace(QStringLiteral("{B}"), baza->Katalog()));
    ASSERT_TRUE(fake.komunikaty.empty()) << fake.komunikaty.front().tekst.toStdString();
    ASSERT_TRUE(query.Active());
    auto wiersze = Wiersze(query, p.kolumny);
    auto oczekiwane = p.wiersze;
    if (p.dowolnaKolejnosc) {
        std::sort(wiersze.begin(), wiersze.end());
        std::sort(oczekiwane.begin(), oczekiwane.end());
    }
    EXPECT_EQ(wiersze, oczekiwane);
}

std::string nazwaPrzypadku(const ::testing::TestParamInfo<TOdczyt>& info) {
    std::string n;
    for (const char* c = info.param.opis; *c; ++c)
        n += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return n;
}

INSTANTIATE_TEST_SUITE_P(Polecenia, Odczyt, ::testing::ValuesIn(Odczyty), nazwaPrzypadku);

}  // namespace

// Parameters bound by name; the name's letter case and the leading colon do not matter.
TEST_F(Wypozyczalnia, ParametryPoNazwie) {
    query.UstawSQL(
        "select ID, Stawka, Numer_filmu, Status from film where Tytul_oryginalny = "
        ":tytul_oryginalny ");
    query.UstawParametr("tytul_oryginalny", QStringLiteral("Schindler's List"));
    query.Open();
    EXPECT_EQ(Wiersze(query, {"ID", "STAWKA", "STATUS"}),
              (std::vector<QStringList>{{"2", "4,5", "False"}}));

    query.UstawSQL("select *\nfrom klient \nwhere ID = :ID");
    query.UstawParametr(":id", 2);
    query.Open();
    EXPECT_EQ(Wiersze(query, {"NAZWISKO"}), (std::vector<QStringList>{{"Nowak"}}));

    query.UstawSQL("select * \nfrom film\nwhere ID = :ID");
    query.UstawParametr("ID", 3);
    query.Open();
    EXPECT_EQ(Wiersze(query, {"TYTUL_ORYGINALNY"}), (std::vector<QStringList>{{"Łódź Story"}}));
}
