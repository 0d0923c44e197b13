// The shop's rules: the calendar of closed days, the public holidays, how the rules are
// stored beside the settings record, and their dialog.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "settings/UstawieniaSlownik.h"
#include "settings/uConfig.h"
#include "settings/uZasady.h"
#include "store/Katalogi.h"
#include "support/FakeInterakcja.h"
#include "support/OknoGlobalne.h"
#include "support/TestowaBaza.h"

namespace {

QDate D(const char* iso) {
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

// Easter, Pentecost (+49) and Corpus Christi (+60); 24 December only from 2025 on.
TEST(SwietaUstawowe, DatyRuchomeIWigiliaOd2025) {
    const struct {
        int rok;
        const char* wielkanoc;
        size_t ile;
    } lata[] = {{2024, "2024-03-31", 13}, {2025, "2025-04-20", 14}, {2026, "2026-04-05", 14}};
    for (const auto& r : lata) {
        const std::vector<QDate> s = SwietaUstawowe(r.rok);
        const QDate w = D(r.wielkanoc);
        std::vector<QDate> oczekiwane = {
            QDate(r.rok, 1, 1),   QDate(r.rok, 1, 6),   w,
            w.addDays(1),         QDate(r.rok, 5, 1),   QDate(r.rok, 5, 3),
            w.addDays(49),        w.addDays(60),        QDate(r.rok, 8, 15),
            QDate(r.rok, 11, 1),  QDate(r.rok, 11, 11), QDate(r.rok, 12, 24),
            QDate(r.rok, 12, 25), QDate(r.rok, 12, 26)};
        if (r.rok < 2025) oczekiwane.erase(oczekiwane.end() - 3);
        EXPECT_EQ(s, oczekiwane) << r.rok;
        EXPECT_EQ(s.size(), r.ile) << r.rok;
    }
}

TEST(Zasady, DniOtwarteIPierwszyOtwarty) {
    const TZasady brak;
    TZasady niedziele;
    niedziele.NiedzieleZamkniete = true;
    TZasady swieta = niedziele;  // 24-27 December 2026, the 27th a Sunday
    swieta.DniWolne = {D("2026-12-24"), D("2026-12-25"), D("2026-12-26"), D("2026-12-27")};
    TZasady dni;
    dni.DniWolne = {D("2026-12-06"), D("2026-12-08")};
    const struct {
        const TZasady& z;
        const char *od, *do_;
        int otwarte;
        const char* pierwszy;  // PierwszyOtwarty(od)
    } przypadki[] = {
        {brak, "2026-12-05", "2026-12-12", 7, "2026-12-05"},
        {brak, "2026-12-12", "2026-12-05", -7, "2026-12-12"},
        {niedziele, "2026-12-05", "2026-12-07", 1, "2026-12-05"},
        {niedziele, "2026-12-06", "2026-12-07", 0, "2026-12-07"},
        {niedziele, "2026-12-22", "2026-12-01", -18, "2026-12-22"},
        {swieta, "2026-12-24", "2026-12-28", 0, "2026-12-28"},
        {swieta, "2026-12-23", "2026-12-30", 3, "2026-12-23"},  // a listed Sunday once
        {dni, "2026-12-05", "2026-12-10", 3, "2026-12-05"},
        {dni, "2026-12-08", "2026-12-08", 0, "2026-12-09"},
    };
    for (const auto& p : przypadki) {
        EXPECT_EQ(p.z.DniOtwarte(D(p.od), D(p.do_)), p.otwarte) << p.od << " " << p.do_;
        EXPECT_EQ(p.z.PierwszyOtwarty(D(p.od)), D(p.pierwszy)) << p.od;
    }
}

// ---------------------------------------------------------------- stored rules, the dialog

class ZasadyWBazie : public ::testing::Test {
protected:
    QString Zapisane(const char* klucz) {
        return baza
            .Wartosc(QStringLiteral("select Wartosc from dictionary where Nazwa = '") + klucz +
                     '\'')
            .toString();
    }
    int IleZasad() { return baza.Ile("select count(*) from dictionary where Nazwa like 'Z_%'"); }
    template <typename T>
    T* k(TfZasady& okno, const char* nazwa) {
        T* w = okno.findChild<T*>(nazwa);
        EXPECT_NE(w, nullptr) << nazwa;
        return w;
    }

    TestowaBaza baza{QDate(2026, 12, 9)};
    const bool katalog = (KatalogBazy = baza.Katalog(), true);
    FakeInterakcja fake;
    TOknoGlobalne<TfConfig> config{fConfig};
    TQuery q;
};

TEST_F(ZasadyWBazie, ZapisIOdczytWracajaTeSameZasady) {
    ASSERT_EQ(CzytajZasady(q), TZasady()) << "nothing stored: every rule off";
    TZasady z;
    z.LimitDlugu = TKwota::ZGroszy(2550);
    z.NiedzieleZamkniete = z.ZwrotSkanem = true;
    z.DniWolne = {D("2026-12-24"), D("2026-12-25")};
    ASSERT_TRUE(ZapiszZasady(q, z));
    EXPECT_EQ(Zapisane("Z_LIMITDLUGU"), "25.50");
    EXPECT_EQ(Zapisane("Z_WOLNY_20261224"), "2026-12-24");
    // The settings record's save keeps the rules; its load brings them.
    ASSERT_TRUE(ZapiszUstawieniaWBazie(q, TUstawienia()));
    config->WczytajUstawienia();
    EXPECT_EQ(config->Ustawienia.Zasady, z);
    // A second save replaces every rule row.
    const TZasady wylaczone;
    ASSERT_TRUE(ZapiszZasady(q, wylaczone));
    EXPECT_EQ(CzytajZasady(q), wylaczone);
    EXPECT_EQ(IleZasad(), 2);
}

TEST_F(ZasadyWBazie, OknoZapisujeZasadyIOdswiezaUstawienia) {
    TfZasady okno;
    k<QLineEdit>(okno, "eLimitDlugu")->setText("40,5");
    k<QCheckBox>(okno, "cbNiedziele")->setChecked(true);
    for (const char* dzien : {"31.12.2026", "02.11.2026", "31.12.2026", "31.02.2026"}) {
        k<QLineEdit>(okno, "eDzienWolny")->setText(dzien);
        k<QPushButton>(okno, "bDodajDzien")->click();
    }
    EXPECT_EQ(fake.Teksty(), std::vector<QString>{"Niepoprawna data."});
    auto* lista = k<QListWidget>(okno, "lbDniWolne");
    ASSERT_EQ(lista->count(), 2);
    EXPECT_EQ(lista->item(0)->text(), "02.11.2026");
    lista->item(0)->setSelected(true);
    k<QPushButton>(okno, "bUsunDzien")->click();
    k<QPushButton>(okno, "bSwieta")->click();  // 2026 and 2027, 14 each
    EXPECT_EQ(lista->count(), 29);
    k<QPushButton>(okno, "bZapisz")->click();
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_EQ(Zapisane("Z_LIMITDLUGU"), "40.50");
    EXPECT_EQ(Zapisane("Z_NIEDZIELE"), "True");
    EXPECT_EQ(Zapisane("Z_WOLNY_20261231"), "2026-12-31");
    EXPECT_EQ(IleZasad(), 32);
    EXPECT_EQ(config->Ustawienia.Zasady, CzytajZasady(q));
}

TEST_F(ZasadyWBazie, OknoZNiepoprawnymLimitemNicNieZapisuje) {
    TfZasady okno;
    const std::pair<const char*, QString> przypadki[] = {
        {"12x", "Niepoprawna wartość."},
        {"-5", "Niepoprawna wartość."},
        {"1,255", "Kwota może mieć najwyżej dwa miejsca po przecinku."},
    };
    for (const auto& [tekst, ostrzezenie] : przypadki) {
        fake.Wyczysc();
        okno.setResult(-1);
        k<QLineEdit>(okno, "eLimitDlugu")->setText(tekst);
        k<QPushButton>(okno, "bZapisz")->click();
        EXPECT_EQ(fake.Teksty(), std::vector<QString>{ostrzezenie}) << tekst;
        EXPECT_EQ(okno.result(), -1) << "the dialog stays open";
        EXPECT_EQ(IleZasad(), 0) << tekst;
    }
}

}  // namespace
