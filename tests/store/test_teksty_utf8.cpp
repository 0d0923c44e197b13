// Texts kept in UTF-8 blocks: every entry reads back as given and is found by its text.
#include <gtest/gtest.h>

#include <QStringList>

#include "store/TekstyUtf8.h"

TEST(TekstyUtf8, WpisyWieluBlokowCzytajaSieIZnajdujaJakPodane) {
    // Enough texts for several blocks; empty texts, repeated ones and bytes that are not
    // UTF-8 among them.
    const QByteArray nieUtf8("Z\xff\xc5", 3);
    TTekstyUtf8 teksty;
    QStringList podane;
    for (int i = 0; i < 40000; ++i) {
        if (i % 1000 == 7) {
            teksty.Dopisz(nieUtf8.constData(), nieUtf8.size());
            podane << QString::fromUtf8(nieUtf8);
            continue;
        }
        const QString t = i % 500 == 3 ? QString()
                          : i % 3 == 0 ? QStringLiteral("Żółć %1").arg(i / 3)
                                       : QStringLiteral("Tytuł %1 ").arg(i).repeated(1 + i % 9);
        podane << t;
        if (i % 2)
            teksty.Dopisz(t);
        else
            teksty.Dopisz(t.toUtf8().constData(), t.toUtf8().size());
    }
    ASSERT_EQ(teksty.Liczba(), podane.size());
    // Each text finds its first entry: the repeated ones their first, 3 and 7.
    for (int i = 0; i < teksty.Liczba(); ++i) {
        ASSERT_EQ(teksty.Tekst(i), podane[i]) << i;
        const int pierwszy = podane[i].isEmpty() ? 3 : i % 1000 == 7 ? 7 : i;
        ASSERT_EQ(teksty.Znajdz(podane[i]), pierwszy) << i;
    }
    EXPECT_EQ(teksty.Znajdz(QStringLiteral("żółć 1")), -1) << "letter case counts";

    // Appended to another list, the texts keep their order after its own.
    TTekstyUtf8 razem(QStringList{QStringLiteral("Łódź")});
    razem.Dopisz(teksty);
    EXPECT_EQ(razem.Liczba(), teksty.Liczba() + 1);
    EXPECT_EQ(razem.Tekst(0), QStringLiteral("Łódź"));
    EXPECT_EQ(razem.Tekst(teksty.Liczba()), podane.back());
    EXPECT_EQ(razem.Znajdz(podane[2]), 3);

    // A copy holds its own blocks: each list goes on apart from the other.
    TTekstyUtf8 kopia = teksty;
    kopia.Dopisz(QStringLiteral("Kopia"));
    teksty.Dopisz(QStringLiteral("Oryginał"));
    for (int i = 0; i < podane.size(); i += 97) ASSERT_EQ(kopia.Tekst(i), podane[i]) << i;
    EXPECT_EQ(kopia.Tekst(kopia.Liczba() - 1), QStringLiteral("Kopia"));
    EXPECT_EQ(teksty.Tekst(teksty.Liczba() - 1), QStringLiteral("Oryginał"));
}
