#include <gtest/gtest.h>

#include "store/TQuery.h"
#include "support/TestowaBaza.h"

TEST(Baza, NowaInstalacjaMaCzteryTabele) {
    TestowaBaza baza;
    EXPECT_EQ(baza.Ile("select count(*) from sqlite_master where type = 'table' and name in "
                       "('klient','film','rental','dictionary')"),
              4);
}
