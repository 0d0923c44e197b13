#include "support/Ubijanie.h"

#include <gtest/gtest.h>

#include <QFile>

#include "store/Baza.h"
#include "store/Godzina.h"
#include "store/Zegar.h"
#include "support/Przerwania.h"
#include "support/TestowaBaza.h"

namespace {

// Puts the store file back as saved, without the write-ahead log of the run before.
void przywroc(const QString& katalog, const QString& wzor) {
    TBaza::Rozlacz();
    const QString plik = katalog + PlikBazy;
    for (const char* koncowka : {"", "-wal", "-shm"}) QFile::remove(plik + koncowka);
    ASSERT_TRUE(QFile::copy(wzor, plik));
    TBaza::Polacz(katalog);
}

}  // namespace

int SprawdzUbijanie(TestowaBaza& baza, const std::function<void()>& przygotuj,
                    const std::function<void()>& operacja) {
    const QString katalog = baza.Katalog();
    const QString wzor = baza.Folder() + QStringLiteral("/wzor.sqlite");
    TBaza::Rozlacz();  // closing writes the log into the file
    QFile::remove(wzor);
    EXPECT_TRUE(QFile::copy(katalog + PlikBazy, wzor));
    TBaza::Polacz(katalog);
    const QString przed = ZrzutBazy();
    // The reference run and every child record the same time of day (the till journal
    // keeps it), so a second passing between them is no difference.
    UstawGodzine(Godzina());

    przygotuj();
    operacja();
    const QString po = ZrzutBazy();
    EXPECT_NE(po, przed) << "the operation changed nothing";

    int ubite = 0;
    for (int n = 1;; ++n) {
        przywroc(katalog, wzor);
        przygotuj();
        if (!UbijNaPoleceniu(katalog, n, operacja)) break;
        ++ubite;
        const QString stan = ZrzutBazy();
        EXPECT_TRUE(stan == przed || stan == po) << "killed at statement " << n << ":\n"
                                                 << stan.toStdString();
    }
    EXPECT_EQ(ZrzutBazy(), po) << "the whole operation in the child";
    UstawGodzine(QTime());
    return ubite;
}
