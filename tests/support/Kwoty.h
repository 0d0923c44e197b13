// Amounts in tests: compared exactly in whole grosze, printed as the store writes them.
#pragma once

#include <QString>
#include <ostream>

#include "store/Kwota.h"

inline void PrintTo(TKwota kwota, std::ostream* os) {
    *os << KwotaSQL(kwota).toStdString() << " zł";
}

// Both sides made amounts (a literal in złoty is rounded to the grosz) and compared exactly.
#define EXPECT_KWOTA(a, b) EXPECT_EQ(TKwota(a), TKwota(b))
