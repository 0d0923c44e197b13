// Length limits counted in whole characters.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "widgets/LimitZnakow.h"

namespace {
const QString Emoji = QString::fromUtf8("😀");
const QString EOgonek = QString::fromUtf8("e\xcc\xa8");  // e with a combining ogonek
}  // namespace

TEST(LimitZnakow, LiczyIPrzycinaCaleZnaki) {
    EXPECT_EQ(LiczbaZnakow(QString::fromUtf8("Łódź")), 4);
    EXPECT_EQ(LiczbaZnakow("ab" + Emoji), 3);
    EXPECT_EQ(LiczbaZnakow(EOgonek + "x"), 2);
    EXPECT_EQ(PierwszeZnaki("ab" + Emoji + "c", 3), "ab" + Emoji);
    EXPECT_EQ(PierwszeZnaki("ab" + Emoji + "c", 2), "ab");
    EXPECT_EQ(PierwszeZnaki(EOgonek + "x", 1), EOgonek);
    EXPECT_EQ(PierwszeZnaki("ab", 5), "ab");
}

// An emoji at the limit goes in whole; nothing passes the limit; a longer text put in by
// the program can still be shortened.
TEST(LimitZnakow, PoleNiePrzekraczaLimituINieTnieZnaku) {
    QWidget okno;
    QLineEdit& pole = *new QLineEdit(&okno);
    pole.setMaxLength(3);
    OgraniczZnakiOkna(&okno);
    QTest::keyClicks(&pole, "ab");
    pole.insert(Emoji);
    EXPECT_EQ(pole.text(), "ab" + Emoji);
    QTest::keyClicks(&pole, "c");
    pole.insert(Emoji);
    EXPECT_EQ(pole.text(), "ab" + Emoji);
    pole.setText("abcdef");
    QTest::keyClick(&pole, Qt::Key_End);
    QTest::keyClick(&pole, Qt::Key_Backspace);
    EXPECT_EQ(pole.text(), "abcde");
    EXPECT_TRUE(pole.hasAcceptableInput());
}
