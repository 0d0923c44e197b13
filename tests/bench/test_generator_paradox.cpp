// The generated shop written as the old program's Paradox tables comes back through the
// import row for row.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QTemporaryDir>

#include "admin/ImportParadox.h"
#include "admin/uImportParadox.h"
#include "bench/GeneratorParadox.h"
#include "store/Baza.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

qint64 ile(const QString& sql) {
    sqlite3_stmt* st = nullptr;
    sqlite3* h = TBaza::Aktywna()->Uchwyt();
    EXPECT_EQ(sqlite3_prepare_v2(h, sql.toUtf8().constData(), -1, &st, nullptr), SQLITE_OK)
        << sqlite3_errmsg(h);
    const qint64 n = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
    sqlite3_finalize(st);
    return n;
}

TEST(GeneratorParadox, TabeleWracajaPrzezImportWierszPoWierszu) {
    constexpr TRozmiarSklepu Rozmiar{120, 400, 4000};
    QTemporaryDir katalog;
    const QString tabele = QDir(katalog.path()).filePath("tabele");
    const QString wygenerowana = QDir(katalog.path()).filePath("baza");
    const TTabeleSklepu t =
        GenerujTabeleParadox(tabele, wygenerowana, Rozmiar, QDate(2026, 12, 8), 7);
    EXPECT_EQ(t.klienci, Rozmiar.klienci);
    EXPECT_EQ(t.filmy, Rozmiar.filmy);
    EXPECT_EQ(t.wypozyczenia, Rozmiar.wypozyczenia);
    EXPECT_EQ(t.ustawienia, 4);

    TestowaBaza baza;
    FakeInterakcja fake;
    fake.PrzyOknie([](QDialog& okno) { return okno.exec(); });        // the import's window
    fake.PrzyOknie([](QDialog&) { return int(QDialog::Accepted); });  // the store check
    ASSERT_TRUE(ImportParadoxZKatalogu(tabele));
    ASSERT_FALSE(fake.komunikaty.empty());
    EXPECT_EQ(fake.komunikaty[0].tekst,
              "Import z tabel Paradox zakończony.\n\n"
              "Klienci: przeniesiono 120, nie odczytano 0.\n"
              "Filmy: przeniesiono 400, nie odczytano 0.\n"
              "Wypożyczenia: przeniesiono 4000, nie odczytano 0.\n"
              "Ustawienia: przeniesiono 4, nie odczytano 0.");

    // Every imported column holds what the generated store holds, in the same order; an
    // empty text is an empty field in a Paradox table, which the import reads as null.
    baza.Wykonaj("attach database '" + QDir(wygenerowana).filePath(PlikBazy) + "' as g");
    for (const char* tabela : {"klient", "film", "rental"}) {
        SCOPED_TRACE(tabela);
        QStringList wartosci;
        for (const QString& k : KolumnyImportu(tabela)) wartosci << "nullif(" + k + ", '')";
        const QString kolumny = wartosci.join(", ");
        const QString roznica = QStringLiteral(
                                    "select count(*) from (select rowid, %1 from %2 except "
                                    "select rowid, %1 from g.%2)")
                                    .arg(kolumny, tabela);
        EXPECT_EQ(ile(QStringLiteral("select count(*) from %1").arg(tabela)),
                  ile(QStringLiteral("select count(*) from g.%1").arg(tabela)));
        EXPECT_EQ(ile(roznica), 0);
    }
    baza.Wykonaj("detach database g");
}

}  // namespace
