#include "admin/PlanSklepu.h"

#include <algorithm>
#include <map>
#include <random>

namespace {

struct TTytul {
    const char* oryginalny;
    const char* polski;
    const char* gatunek;
    const char* produkcja;
    const char* rezyseria;
    int rok;
    int minuty;
};

const TTytul Tytuly[] = {
    {"The Shawshank Redemption", "Skazani na Shawshank", "dramat", "USA", "Frank Darabont", 1994,
     142},
    {"The Godfather", "Ojciec chrzestny", "kryminał", "USA", "Francis Ford Coppola", 1972, 175},
    {"Pulp Fiction", "Pulp Fiction", "kryminał", "USA", "Quentin Tarantino", 1994, 154},
    {"Forrest Gump", "Forrest Gump", "dramat", "USA", "Robert Zemeckis", 1994, 142},
    {"The Matrix", "Matrix", "science fiction", "USA", "Lana Wachowski", 1999, 136},
    {"Titanic", "Titanic", "romans", "USA", "James Cameron", 1997, 194},
    {"Jurassic Park", "Park Jurajski", "przygodowy", "USA", "Steven Spielberg", 1993, 127},
    {"Terminator 2: Judgment Day", "Terminator 2: Dzień sądu", "science fiction", "USA",
     "James Cameron", 1991, 137},
    {"The Silence of the Lambs", "Milczenie owiec", "thriller", "USA", "Jonathan Demme", 1991, 118},
    {"Schindler's List", "Lista Schindlera", "wojenny", "USA", "Steven Spielberg", 1993, 195},
    {"Saving Private Ryan", "Szeregowiec Ryan", "wojenny", "USA", "Steven Spielberg", 1998, 169},
    {"The Lion King", "Król Lew", "animowany", "USA", "Roger Allers", 1994, 88},
    {"Toy Story", "Toy Story", "animowany", "USA", "John Lasseter", 1995, 81},
    {"Shrek", "Shrek", "animowany", "USA", "Andrew Adamson", 2001, 90},
    {"Home Alone", "Kevin sam w domu", "komedia", "USA", "Chris Columbus", 1990, 103},
    {"Ghost", "Uwierz w ducha", "romans", "USA", "Jerry Zucker", 1990, 127},
    {"Pretty Woman", "Pretty Woman", "komedia", "USA", "Garry Marshall", 1990, 119},
    {"Dirty Dancing", "Dirty Dancing", "musical", "USA", "Emile Ardolino", 1987, 100},
    {"Die Hard", "Szklana pułapka", "sensacyjny", "USA", "John McTiernan", 1988, 132},
    {"Lethal Weapon", "Zabójcza broń", "sensacyjny", "USA", "Richard Donner", 1987, 110},
    {"The Fugitive", "Ścigany", "thriller", "USA", "Andrew Davis", 1993, 130},
    {"Se7en", "Siedem", "thriller", "USA", "David Fincher", 1995, 127},
    {"Fight Club", "Podziemny krąg", "dramat", "USA", "David Fincher", 1999, 139},
    {"The Sixth Sense", "Szósty zmysł", "horror", "USA", "M. Night Shyamalan", 1999, 107},
    {"Scream", "Krzyk", "horror", "USA", "Wes Craven", 1996, 111},
    {"The Shining", "Lśnienie", "horror", "USA", "Stanley Kubrick", 1980, 146},
    {"Alien", "Obcy - 8. pasażer Nostromo", "science fiction", "USA", "Ridley Scott", 1979, 117},
    {"Back to the Future", "Powrót do przyszłości", "science fiction", "USA", "Robert Zemeckis",
     1985, 116},
    {"Raiders of the Lost Ark", "Poszukiwacze zaginionej arki", "przygodowy", "USA",
     "Steven Spielberg", 1981, 115},
    {"The Lord of the Rings", "Władca Pierścieni: Drużyna Pierścienia", "fantasy", "Nowa Zelandia",
     "Peter Jackson", 2001, 178},
    {"Harry Potter and the Philosopher's Stone", "Harry Potter i Kamień Filozoficzny", "fantasy",
     "Wielka Brytania", "Chris Columbus", 2001, 152},
    {"Braveheart", "Braveheart - Waleczne Serce", "biograficzny", "USA", "Mel Gibson", 1995, 177},
    {"Gladiator", "Gladiator", "przygodowy", "USA", "Ridley Scott", 2000, 155},
    {"Amadeus", "Amadeusz", "biograficzny", "USA", "Miloš Forman", 1984, 160},
    {"Rain Man", "Rain Man", "obyczajowy", "USA", "Barry Levinson", 1988, 133},
    {"Dances with Wolves", "Tańczący z wilkami", "western", "USA", "Kevin Costner", 1990, 181},
    {"Unforgiven", "Bez przebaczenia", "western", "USA", "Clint Eastwood", 1992, 131},
    {"The Good, the Bad and the Ugly", "Dobry, zły i brzydki", "western", "Włochy", "Sergio Leone",
     1966, 161},
    {"Grease", "Grease", "musical", "USA", "Randal Kleiser", 1978, 110},
    {"Mrs. Doubtfire", "Pani Doubtfire", "komedia", "USA", "Chris Columbus", 1993, 125},
    {"Groundhog Day", "Dzień świstaka", "komedia", "USA", "Harold Ramis", 1993, 101},
    {"The Mask", "Maska", "komedia", "USA", "Chuck Russell", 1994, 101},
    {"Four Weddings and a Funeral", "Cztery wesela i pogrzeb", "komedia", "Wielka Brytania",
     "Mike Newell", 1994, 117},
    {"Notting Hill", "Notting Hill", "romans", "Wielka Brytania", "Roger Michell", 1999, 124},
    {"Sleepless in Seattle", "Bezsenność w Seattle", "romans", "USA", "Nora Ephron", 1993, 105},
    {"Jumanji", "Jumanji", "familijny", "USA", "Joe Johnston", 1995, 104},
    {"Babe", "Babe - świnka z klasą", "familijny", "Australia", "Chris Noonan", 1995, 91},
    {"Free Willy", "Uwolnić orkę", "familijny", "USA", "Simon Wincer", 1993, 112},
    {"Bowling for Columbine", "Zabawy z bronią", "dokumentalny", "USA", "Michael Moore", 2002, 120},
    {"Microcosmos", "Mikrokosmos", "dokumentalny", "Francja", "Claude Nuridsany", 1996, 80},
    {"Kiler", "Kiler", "komedia", "Polska", "Juliusz Machulski", 1997, 104},
    {"Seksmisja", "Seksmisja", "komedia", "Polska", "Juliusz Machulski", 1984, 117},
    {"Miś", "Miś", "komedia", "Polska", "Stanisław Bareja", 1980, 111},
    {"Psy", "Psy", "sensacyjny", "Polska", "Władysław Pasikowski", 1992, 104},
    {"The Pianist", "Pianista", "wojenny", "Polska", "Roman Polański", 2002, 150},
    {"Ogniem i mieczem", "Ogniem i mieczem", "przygodowy", "Polska", "Jerzy Hoffman", 1999, 175},
    {"Vabank", "Vabank", "kryminał", "Polska", "Juliusz Machulski", 1981, 106},
    {"Chicago", "Chicago", "musical", "USA", "Rob Marshall", 2002, 113},
    {"Heat", "Gorączka", "kryminał", "USA", "Michael Mann", 1995, 170},
    {"L.A. Confidential", "Tajemnice Los Angeles", "kryminał", "USA", "Curtis Hanson", 1997, 138},
    {"American Beauty", "American Beauty", "obyczajowy", "USA", "Sam Mendes", 1999, 122},
    {"Good Will Hunting", "Buntownik z wyboru", "obyczajowy", "USA", "Gus Van Sant", 1997, 126},
    {"Platoon", "Pluton", "wojenny", "USA", "Oliver Stone", 1986, 120},
    {"Independence Day", "Dzień Niepodległości", "science fiction", "USA", "Roland Emmerich", 1996,
     145},
    {"Men in Black", "Faceci w czerni", "science fiction", "USA", "Barry Sonnenfeld", 1997, 98},
    {"Mission: Impossible", "Mission: Impossible", "sensacyjny", "USA", "Brian De Palma", 1996,
     110},
    {"The Mummy", "Mumia", "przygodowy", "USA", "Stephen Sommers", 1999, 124},
    {"Beauty and the Beast", "Piękna i Bestia", "animowany", "USA", "Gary Trousdale", 1991, 84},
    {"Aladdin", "Aladyn", "animowany", "USA", "Ron Clements", 1992, 90},
    {"Ray", "Ray", "biograficzny", "USA", "Taylor Hackford", 2004, 152},
    {"Erin Brockovich", "Erin Brockovich", "biograficzny", "USA", "Steven Soderbergh", 2000, 131},
    {"Jaws", "Szczęki", "thriller", "USA", "Steven Spielberg", 1975, 124},
    {"Casablanca", "Casablanca", "romans", "USA", "Michael Curtiz", 1942, 102},
    {"Rocky", "Rocky", "dramat", "USA", "John G. Avildsen", 1976, 120},
};

const char* const ImionaKobiet[] = {"Anna",    "Maria",     "Katarzyna", "Małgorzata", "Agnieszka",
                                    "Barbara", "Ewa",       "Krystyna",  "Elżbieta",   "Zofia",
                                    "Joanna",  "Magdalena", "Monika",    "Beata",      "Dorota"};
const char* const ImionaMezczyzn[] = {"Piotr",  "Krzysztof", "Andrzej", "Tomasz",   "Paweł",
                                      "Jan",    "Michał",    "Marcin",  "Jakub",    "Adam",
                                      "Łukasz", "Grzegorz",  "Mateusz", "Wojciech", "Józef"};
// Surnames that keep one form, and those with a feminine ending (the stem before -ski etc.).
const char* const Nazwiska[] = {"Nowak",     "Wójcik",    "Kowalczyk", "Woźniak", "Mazur",
                                "Krawczyk",  "Kaczmarek", "Zając",     "Król",    "Wieczorek",
                                "Jabłoński", "Wróbel",    "Dudek",     "Pawlak",  "Walczak"};
const char* const NazwiskaOdmienne[] = {"Kowalsk",      "Wiśniewsk",  "Lewandowsk", "Zielińsk",
                                        "Szymańsk",     "Dąbrowsk",   "Kozłowsk",   "Jankowsk",
                                        "Wojciechowsk", "Kwiatkowsk", "Kamińsk",    "Zawadzk"};
const char* const Ulice[] = {"Długa",      "Krótka",       "Mickiewicza",  "Słowackiego",
                             "Kościuszki", "Lipowa",       "Polna",        "Ogrodowa",
                             "Szkolna",    "Kwiatowa",     "Słoneczna",    "Leśna",
                             "Zielona",    "Sienkiewicza", "Piłsudskiego", "Wolności",
                             "Parkowa",    "Kolejowa",     "Ogrodników",   "Jana Pawła II"};
const std::map<QString, const char*> KodyMiast = {{"Białystok", "15"},
                                                  {"Bydgoszcz", "85"},
                                                  {"Częstochowa", "42"},
                                                  {"Gdańsk", "80"},
                                                  {"Gdynia", "81"},
                                                  {"Gliwice", "44"},
                                                  {"Gorzów Wielkopolski", "66"},
                                                  {"Katowice", "40"},
                                                  {"Kielce", "25"},
                                                  {"Kraków", "31"},
                                                  {"Lublin", "20"},
                                                  {"Łódź", "90"},
                                                  {"Olsztyn", "10"},
                                                  {"Opole", "45"},
                                                  {"Poznań", "60"},
                                                  {"Radom", "26"},
                                                  {"Rzeszów", "35"},
                                                  {"Szczecin", "70"},
                                                  {"Toruń", "87"},
                                                  {"Warszawa", "00"},
                                                  {"Wrocław", "50"},
                                                  {"Zielona Góra", "65"},
                                                  {"Wieliczka", "32"},
                                                  {"Niepołomice", "32"},
                                                  {"Skawina", "32"},
                                                  {"Zabierzów", "32"}};

constexpr int LiczbaKlientow = 60;
constexpr int DniHistorii = 91;

class TLosowanie {
public:
    explicit TLosowanie(const QDate& dzis) : silnik(static_cast<unsigned>(dzis.toJulianDay())) {}
    int Od(int a, int b) { return std::uniform_int_distribution<int>(a, b)(silnik); }
    bool Szansa(int procent) { return Od(1, 100) <= procent; }
    template <typename T, size_t N>
    const T& Z(const T (&tablica)[N]) {
        return tablica[Od(0, static_cast<int>(N) - 1)];
    }
    const QString& Z(const QStringList& lista) { return lista[Od(0, int(lista.size()) - 1)]; }

private:
    std::mt19937 silnik;
};

// The word list's entry equal to the name, else the list's entry the name falls to.
QString ZListy(const QStringList& lista, const QString& nazwa, int zapasowy) {
    if (lista.isEmpty() || lista.contains(nazwa)) return nazwa;
    return lista[zapasowy % lista.size()];
}

QString Nosnik(const QStringList& nosniki, const QString& nazwa, int i) {
    return ZListy(nosniki, nazwa, i);
}

std::vector<TKlientPlanu> Klienci(TLosowanie& los, const QDate& poczatek,
                                  const QStringList& miasta) {
    std::vector<TKlientPlanu> klienci;
    const QString glowne = miasta.isEmpty() || miasta.contains(QStringLiteral("Kraków"))
                               ? QStringLiteral("Kraków")
                               : miasta.first();
    for (int i = 0; i < LiczbaKlientow; ++i) {
        TKlientPlanu k;
        k.Numer = i + 1;
        const bool kobieta = los.Szansa(50);
        k.Imie = QString::fromUtf8(kobieta ? los.Z(ImionaKobiet) : los.Z(ImionaMezczyzn));
        if (los.Szansa(50)) {
            k.Nazwisko = QString::fromUtf8(los.Z(NazwiskaOdmienne));
            k.Nazwisko += kobieta ? QStringLiteral("a") : QStringLiteral("i");
        } else {
            QString n = QString::fromUtf8(los.Z(Nazwiska));
            // The feminine form of a -ski surname.
            if (kobieta && n.endsWith(QStringLiteral("ski"))) n.replace(n.size() - 1, 1, 'a');
            k.Nazwisko = n;
        }
        // Most clients live in the shop's town; the town is always one of the word list.
        k.Miejscowosc = los.Szansa(85) || miasta.isEmpty() ? glowne : los.Z(miasta);
        const auto kod = KodyMiast.find(k.Miejscowosc);
        k.Kod = QStringLiteral("%1-%2")
                    .arg(kod != KodyMiast.end() ? QString::fromLatin1(kod->second)
                                                : QString::number(los.Od(10, 99)))
                    .arg(los.Od(1, 999), 3, 10, QChar('0'));
        k.Ulica = QString::fromUtf8(los.Z(Ulice));
        k.NrPosesji = QString::number(los.Od(1, 120));
        if (los.Szansa(60)) k.NrLokalu = QString::number(los.Od(1, 40));
        k.Telefon = QStringLiteral("%1 %2 %3")
                        .arg(los.Od(500, 899))
                        .arg(los.Od(0, 999), 3, 10, QChar('0'))
                        .arg(los.Od(0, 999), 3, 10, QChar('0'));
        // Two thirds were clients before the three months; the rest join during them.
        k.Zapisany = i < 40 ? poczatek : poczatek.addDays(los.Od(1, DniHistorii - 10));
        klienci.push_back(k);
    }
    // A few subscribers, a few archived ones.
    for (int i : {2, 9, 17, 25, 33, 39})
        klienci[size_t(i)].AbonamentOd = poczatek.addDays(los.Od(0, 40));
    for (int i : {5, 21, 37, 38}) klienci[size_t(i)].Archiwalny = true;
    return klienci;
}

std::vector<TFilmPlanu> Filmy(const QStringList& gatunki, const QStringList& nosniki) {
    std::vector<TFilmPlanu> filmy;
    int i = 0;
    for (const TTytul& t : Tytuly) {
        const int kopie = 4 + (i % 3 == 0 ? 1 : 0);
        for (int kopia = 0; kopia < kopie; ++kopia) {
            TFilmPlanu f;
            f.Numer = int(filmy.size()) + 1;
            f.TytulOryginalny = QString::fromUtf8(t.oryginalny);
            f.TytulPolski = QString::fromUtf8(t.polski);
            f.Gatunek = ZListy(gatunki, QString::fromUtf8(t.gatunek), i);
            f.Produkcja = QStringLiteral("%1 %2").arg(QString::fromUtf8(t.produkcja)).arg(t.rok);
            f.Rezyseria = QString::fromUtf8(t.rezyseria);
            f.CzasTrwania = t.minuty;
            // Older titles have a tape among their copies; new ones a Blu-ray.
            if (kopia == 0 && t.rok < 1995) {
                f.Nosnik = Nosnik(nosniki, QStringLiteral("VHS"), 2);
                f.Stawka = 3;
                f.CenaZakupu = 39;
                f.Wycofany = i % 4 == 0;
            } else if (kopia == 0 && t.rok >= 1999) {
                f.Nosnik = Nosnik(nosniki, QStringLiteral("Blu-ray"), 0);
                f.Stawka = 9;
                f.CenaZakupu = 79.9;
            } else {
                f.Nosnik = Nosnik(nosniki, QStringLiteral("DVD"), 1);
                f.Stawka = t.rok >= 2000 ? 7 : (t.rok >= 1990 ? 6 : 5);
                f.CenaZakupu = 49.99;
            }
            filmy.push_back(f);
        }
        ++i;
    }
    return filmy;
}

}  // namespace

TPlanSklepu PlanSklepu(const QDate& dzis, const QStringList& miasta, const QStringList& gatunki,
                       const QStringList& nosniki) {
    TLosowanie los(dzis);
    const QDate poczatek = dzis.addDays(-(DniHistorii - 1));
    TPlanSklepu plan;
    plan.Klienci = Klienci(los, poczatek, miasta);
    plan.Filmy = Filmy(gatunki, nosniki);

    // Day by day: the films a client holds, the day they come back or are extended, what
    // each client still owes.
    struct TOtwarte {
        std::vector<int> filmy;
        QDate zwrot;         // the day the client comes back
        QDate przedluzenie;  // invalid: none
        int dniPrzedluzenia = 0;
    };
    std::map<int, TOtwarte> otwarte;  // by client
    std::vector<bool> wypozyczony(plan.Filmy.size(), false);
    std::vector<bool> dlug(plan.Klienci.size(), false);

    for (QDate dzien = poczatek; dzien <= dzis; dzien = dzien.addDays(1)) {
        for (size_t k = 0; k < plan.Klienci.size(); ++k)
            if (plan.Klienci[k].AbonamentOd == dzien)
                plan.Zdarzenia.push_back(
                    {dzien, TRodzajZdarzenia::Abonament, int(k), {}, 0, TPlacenie::Calosc});

        // Extensions and returns of the day.
        for (auto it = otwarte.begin(); it != otwarte.end();) {
            TOtwarte& o = it->second;
            if (o.przedluzenie == dzien) {
                plan.Zdarzenia.push_back({dzien, TRodzajZdarzenia::Przedluzenie, it->first, o.filmy,
                                          o.dniPrzedluzenia, TPlacenie::Calosc});
                o.przedluzenie = QDate();
            }
            if (o.zwrot != dzien) {
                ++it;
                continue;
            }
            const int r = los.Od(1, 100);
            const TPlacenie placenie =
                r <= 80 ? TPlacenie::Calosc : (r <= 92 ? TPlacenie::Czesc : TPlacenie::Nic);
            plan.Zdarzenia.push_back(
                {dzien, TRodzajZdarzenia::Zwrot, it->first, o.filmy, 0, placenie});
            if (placenie != TPlacenie::Calosc) dlug[size_t(it->first)] = true;
            for (int f : o.filmy) wypozyczony[size_t(f)] = false;
            it = otwarte.erase(it);
        }

        // The rentals of the day: more of them before the weekend.
        const int ile = los.Od(2, 5) + (dzien.dayOfWeek() >= 5 ? 3 : 0);
        for (int n = 0; n < ile; ++n) {
            const int k = los.Od(0, LiczbaKlientow - 1);
            const TKlientPlanu& klient = plan.Klienci[size_t(k)];
            if (otwarte.count(k) || klient.Zapisany > dzien) continue;
            // The archived clients stopped coming in the first month.
            if (klient.Archiwalny && dzien > poczatek.addDays(30)) continue;
            if (dlug[size_t(k)] && los.Szansa(60)) {
                plan.Zdarzenia.push_back(
                    {dzien, TRodzajZdarzenia::Splata, k, {}, 0, TPlacenie::Calosc});
                dlug[size_t(k)] = false;
            }
            TOtwarte o;
            const int ileFilmow = los.Od(1, 100) <= 60 ? 1 : (los.Szansa(70) ? 2 : 3);
            for (int proba = 0; proba < 20 && int(o.filmy.size()) < ileFilmow; ++proba) {
                const int f = los.Od(0, int(plan.Filmy.size()) - 1);
                if (wypozyczony[size_t(f)]) continue;
                if (std::find(o.filmy.begin(), o.filmy.end(), f) != o.filmy.end()) continue;
                // The films withdrawn at the end left the shelves early.
                if (plan.Filmy[size_t(f)].Wycofany && dzien > poczatek.addDays(20)) continue;
                o.filmy.push_back(f);
            }
            if (o.filmy.empty()) continue;
            const int r = los.Od(1, 100);
            const int dni = r <= 50 ? 1 : (r <= 80 ? 2 : 3);
            const QDate termin = dzien.addDays(dni);
            const int s = los.Od(1, 100);
            int opoznienie = 0;
            if (s <= 12 && dni > 1)
                opoznienie = -1;
            else if (s > 82)
                opoznienie = los.Od(1, 4);
            else if (s > 78 || (dzien > dzis.addDays(-12) && los.Szansa(25)))
                opoznienie = los.Od(8, 20);  // kept far past the due day
            o.zwrot = termin.addDays(opoznienie);
            if (s <= 20 && s > 12) {
                // Comes in on the due day and takes a day or two more.
                o.przedluzenie = termin;
                o.dniPrzedluzenia = los.Od(1, 2);
                o.zwrot = termin.addDays(o.dniPrzedluzenia);
            }
            plan.Zdarzenia.push_back({dzien, TRodzajZdarzenia::Wypozyczenie, k, o.filmy, dni,
                                      los.Szansa(75) ? TPlacenie::Calosc : TPlacenie::Nic});
            for (int f : o.filmy) wypozyczony[size_t(f)] = true;
            otwarte[k] = o;
        }
    }
    return plan;
}
