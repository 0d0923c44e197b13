// The money operations' messages shown with the icon and caption of their kind.
#include <gtest/gtest.h>

#include "support/FakeInterakcja.h"
#include "widgets/Komunikaty.h"

namespace {

TEST(KomunikatRozliczenia, PrzezWarstweInterakcji) {
    FakeInterakcja fake;
    PokazKomunikatRozliczenia(
        {QStringLiteral("Do zwrotu"), TRodzajKomunikatu::Ostrzezenie, TKwota()});
    PokazKomunikatRozliczenia({QStringLiteral("Zwrot"), TRodzajKomunikatu::Informacja, TKwota()});
    PokazKomunikatRozliczenia({QStringLiteral("Uwaga"), TRodzajKomunikatu::Uwaga, TKwota()});
    ASSERT_EQ(fake.komunikaty.size(), 3u);
    EXPECT_EQ(fake.komunikaty[0].tytul, QStringLiteral("Ostrzeżenie"));
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Ostrzezenie);
    EXPECT_EQ(fake.komunikaty[1].tytul, TytulAplikacji);
    EXPECT_EQ(fake.komunikaty[1].ikona, TIkona::Informacja);
    EXPECT_EQ(fake.komunikaty[2].tytul, TytulAplikacji);
    EXPECT_EQ(fake.komunikaty[2].ikona, TIkona::Ostrzezenie);
}

}  // namespace
