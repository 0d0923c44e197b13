// The application object's last net under the event loop.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <stdexcept>

#include "support/FakeInterakcja.h"

TEST(Aplikacja, WyjatekZeSlotuPokazanyRazIPetlaTrwa) {
    FakeInterakcja fake;
    QObject odbiorca;
    bool nastepne = false;
    QTimer::singleShot(0, &odbiorca, [] { throw std::runtime_error("zły stan"); });
    QTimer::singleShot(0, &odbiorca, [&] { nastepne = true; });
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(nastepne);
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tekst, "Nieoczekiwany błąd programu:\nzły stan");
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Stop);
}
