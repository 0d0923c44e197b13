// Amounts in tests: compared exactly in whole grosze, printed as the store writes them.
#pragma once

#include <QString>
#include <ostream>

#include "store/Kwota.h"

inline std::ostream& operator<<(std::ostream& os, TKwota kwota) {
    return os << KwotaSQL(kwota).toStdString() << " zł";
}

// Both sides are amounts, compared exactly: a number is written as a literal (12.50_zl) or
// converted where it really is złoty (TKwota::ZeZlotych of a store value).
#define EXPECT_KWOTA(a, b) EXPECT_EQ(JakoKwota(a), JakoKwota(b))

constexpr TKwota JakoKwota(TKwota kwota) {
    return kwota;
}
template <typename T>
TKwota JakoKwota(T) = delete;
