#include "admin/TabelaTestowa.h"

#include <gtest/gtest.h>

void ZapiszTabeleTestowa(const QString& plik, const std::vector<TPoleTestowe>& pola,
                         int stronaKodowa, const std::vector<TWierszTestowy>& wiersze) {
    const QString blad = ZapiszTabeleParadox(plik, pola, stronaKodowa, wiersze);
    ASSERT_TRUE(blad.isEmpty()) << plik.toStdString() << ": " << blad.toStdString();
}
