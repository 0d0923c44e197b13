// The shop's rules: the calendar of closed days, the public holidays, how the rules are
// stored beside the settings record, and their dialog.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "settings/UstawieniaSlownik.h"
#include "settings/Zasady.h"
#include "settings/uConfig.h"
#include "settings/uZasady.h"
#include "store/Katalogi.h"
#include "support/FakeInterakcja.h"
#include "support/Kwoty.h"
#include "support/OknoGlobalne.h"
#include "support/TestowaBaza.h"

namespace {

QDate D(const char* iso) {
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

TEST(SwietaUstawowe, DatyRuchomeIWigiliaOd2025) {
    const struct {
        int rok;
        const char *wielkanoc, *zieloneSwiatki, *bozeCialo;
        size_t ile;
    } lata[] = {
        {2024, "2024-03-31", "2024-05-19", "2024-05-30", 13},
        {2025, "2025-04-20", "2025-06-08", "2025-06-19", 14},
        {2026, "2026-04-05", "2026-05-24", "2026-06-04", 14},
    };
    for (const auto& r : lata) {
        const std::vector<QDate> s = SwietaUstawowe(r.rok);
        EXPECT_EQ(s.size(), r.ile) << r.rok;
        EXPECT_TRUE(std::is_sorted(s.begin(), s.end())) << r.rok;
        const auto jest = [&](const QDate& d) { return std::count(s.begin(), s.end(), d) == 1; };
        for (const QDate& d : {D(r.wielkanoc), D(r.wielkanoc).addDays(1), D(r.zieloneSwiatki),
                               D(r.bozeCialo), QDate(r.rok, 1, 6), QDate(r.rok, 5, 3),
                               QDate(r.rok, 8, 15), QDate(r.rok, 11, 11), QDate(r.rok, 12, 26)})
            EXPECT_TRUE(jest(d)) << d.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(jest(QDate(r.rok, 12, 24)), r.rok >= 2025) << r.rok;
    }
}

TEST(Zasady, DniOtwarteIPierwszyOtwarty) {
    TZasady brak;
    TZasady niedziele;
    niedziele.NiedzieleZamkniete = true;
    TZasady swieta = niedziele;  // 24-26 December 2026 closed, the 27th is a Sunday
    swieta.DniWolne = {D("2026-12-24"), D("2026-12-25"), D("2026-12-26"), D("2026-12-27")};
    TZasady tylkoDni;
    tylkoDni.DniWolne = {D("2026-12-06"), D("2026-12-08")};
    const struct {
        const TZasady& z;
        const char *od, *do_;
        int dni;
        const char* pierwszyPoOd;
    } przypadki[] = {
        {brak, "2026-12-05", "2026-12-12", 7, "2026-12-05"},
        {brak, "2026-12-12", "2026-12-05", -7, "2026-12-12"},
        {niedziele, "2026-12-05", "2026-12-06", 1, "2026-12-05"},
        {niedziele, "2026-12-06", "2026-12-07", 0, "2026-12-07"},
        {niedziele, "2026-12-05", "2026-12-07", 1, "2026-12-05"},
        {niedziele, "2026-12-01", "2026-12-22", 18, "2026-12-01"},
        {niedziele, "2026-12-22", "2026-12-01", -18, "2026-12-22"},
        {swieta, "2026-12-24", "2026-12-28", 0, "2026-12-28"},
        {swieta, "2026-12-23", "2026-12-30", 3, "2026-12-23"},  // a listed Sunday once
        {tylkoDni, "2026-12-05", "2026-12-10", 3, "2026-12-05"},
        {tylkoDni, "2026-12-08", "2026-12-08", 0, "2026-12-09"},
    };
    for (const auto& p : przypadki) {
        EXPECT_EQ(p.z.DniOtwarte(D(p.od), D(p.do_)), p.dni) << p.od << " " << p.do_;
        EXPECT_EQ(p.z.PierwszyOtwarty(D(p.od)), D(p.pierwszyPoOd)) << p.od;
    }
}

// ---------------------------------------------------------------- stored rules

class ZasadyWBazie : public ::testing::Test {
protected:
    QString Zapisane(const QString& klucz, const char* kolumna = "Wartosc") {
        return baza
            .Wartosc(QStringLiteral("select %1 from dictionary where Nazwa = '%2'")
                         .arg(QLatin1String(kolumna), klucz))
            .toString();
    }
    int IleZasad() { return baza.Ile("select count(*) from dictionary where Nazwa like 'Z_%'"); }

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
    z.NiedzieleZamkniete = true;
    z.DniWolne = {D("2026-12-24"), D("2026-12-25")};
    z.ZwrotSkanem = true;
    ASSERT_TRUE(ZapiszZasady(q, z));
    EXPECT_EQ(CzytajZasady(q), z);
    EXPECT_EQ(Zapisane("Z_LIMITDLUGU"), "25.50");
    EXPECT_EQ(Zapisane("Z_NIEDZIELE"), "True");
    EXPECT_EQ(Zapisane("Z_WOLNY_20261224"), "2026-12-24");
    EXPECT_EQ(Zapisane("Z_WOLNY_20261224", "Opis"), "Dzień zamknięty");
    EXPECT_EQ(Zapisane("Z_LIMITDLUGU", "Opis"), "Limit zaległości przy wypożyczeniu");

    // The settings record's save keeps the rules; its load brings them.
    ASSERT_TRUE(ZapiszUstawieniaWBazie(q, TUstawienia()));
    EXPECT_EQ(IleZasad(), 5);
    config->WczytajUstawienia();
    EXPECT_EQ(config->Ustawienia.Zasady, z);

    // A second save replaces every rule row; the settings rows stay.
    TZasady bezLimitu;
    bezLimitu.DniWolne = {D("2027-01-01")};
    ASSERT_TRUE(ZapiszZasady(q, bezLimitu));
    EXPECT_EQ(CzytajZasady(q), bezLimitu);
    EXPECT_EQ(IleZasad(), 3);
    EXPECT_EQ(baza.Ile("select count(*) from dictionary where Nazwa like 'K_%'"), 13);
}

// ---------------------------------------------------------------- the dialog

class OknoZasad : public ZasadyWBazie {
protected:
    template <typename T>
    T* k(const char* nazwa) {
        T* w = okno.findChild<T*>(nazwa);
        EXPECT_NE(w, nullptr) << nazwa;
        return w;
    }
    void DodajDzien(const char* tekst) {
        k<QLineEdit>("eDzienWolny")->setText(tekst);
        k<QPushButton>("bDodajDzien")->click();
    }
    TfZasady okno;
};

TEST_F(OknoZasad, ZapisPiszeZasadyIOdswiezaUstawienia) {
    EXPECT_EQ(okno.windowTitle(), "Zasady wypożyczalni");
    k<QLineEdit>("eLimitDlugu")->setText("40,5");
    k<QCheckBox>("cbNiedziele")->setChecked(true);
    DodajDzien("31.12.2026");
    DodajDzien("02.11.2026");
    DodajDzien("31.12.2026");
    DodajDzien("31.02.2026");
    EXPECT_EQ(fake.Teksty(), std::vector<QString>{"Niepoprawna data."});
    auto* lista = k<QListWidget>("lbDniWolne");
    ASSERT_EQ(lista->count(), 2);
    EXPECT_EQ(lista->item(0)->text(), "02.11.2026");
    lista->item(0)->setSelected(true);
    k<QPushButton>("bUsunDzien")->click();
    k<QPushButton>("bSwieta")->click();  // 2026 and 2027: 14 each, 31 December not among them
    EXPECT_EQ(lista->count(), 29);
    k<QPushButton>("bZapisz")->click();
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_EQ(Zapisane("Z_LIMITDLUGU"), "40.50");
    EXPECT_EQ(Zapisane("Z_NIEDZIELE"), "True");
    EXPECT_EQ(Zapisane("Z_ZWROTSKANEM"), "False");
    EXPECT_EQ(Zapisane("Z_WOLNY_20271224"), "2027-12-24");
    EXPECT_EQ(IleZasad(), 32);
    EXPECT_EQ(config->Ustawienia.Zasady, CzytajZasady(q));
}

TEST_F(OknoZasad, NiepoprawnyLimitNicNieZapisuje) {
    const struct {
        const char* tekst;
        const char* ostrzezenie;
    } przypadki[] = {
        {"12x", "Niepoprawna wartość."},
        {"-5", "Niepoprawna wartość."},
        {"1,255", "Kwota może mieć najwyżej dwa miejsca po przecinku."},
    };
    for (const auto& p : przypadki) {
        fake.Wyczysc();
        okno.setResult(-1);
        k<QLineEdit>("eLimitDlugu")->setText(p.tekst);
        k<QPushButton>("bZapisz")->click();
        EXPECT_EQ(fake.Teksty(), std::vector<QString>{p.ostrzezenie}) << p.tekst;
        EXPECT_EQ(okno.result(), -1) << "the dialog stays open";
        EXPECT_EQ(IleZasad(), 0) << p.tekst;
    }
}

}  // namespace
