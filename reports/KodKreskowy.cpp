#include "reports/KodKreskowy.h"

#include <zint.h>

#include <memory>

TKodKreskowy KodCode128(const QString& tekst, const QRectF& obszar) {
    TKodKreskowy wynik;
    for (const QChar c : tekst)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) {
            wynik.blad = QStringLiteral(
                "Kod kreskowy może zawierać tylko litery bez polskich "
                "znaków, cyfry i znaki drukowalne.");
            return wynik;
        }
    if (tekst.isEmpty()) {
        wynik.blad = QStringLiteral("Brak tekstu kodu kreskowego.");
        return wynik;
    }
    const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(),
                                                                          &ZBarcode_Delete);
    if (!symbol) {
        wynik.blad = QStringLiteral("Brak pamięci na kod kreskowy.");
        return wynik;
    }
    symbol->symbology = BARCODE_CODE128;
    symbol->show_hrt = 0;
    symbol->whitespace_width = 0;
    const QByteArray dane = tekst.toLatin1();
    const int kod = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char*>(dane.constData()),
        static_cast<int>(dane.size()), 0);
    if (kod >= ZINT_ERROR || !symbol->vector || symbol->vector->width <= 0 ||
        symbol->vector->height <= 0) {
        wynik.blad = QStringLiteral("Nie udało się utworzyć kodu kreskowego: %1")
                         .arg(QString::fromLatin1(symbol->errtxt));
        return wynik;
    }
    // The symbol's own units scaled so that its modules and the quiet zones fill the box.
    const double moduly = symbol->width + 2 * StrefaCiszy;
    const double jednostka = symbol->vector->width / symbol->width;  // units per module
    wynik.modul = obszar.width() / moduly;
    const double skalaX = wynik.modul / jednostka;
    const double skalaY = obszar.height() / symbol->vector->height;
    const double lewa = obszar.left() + StrefaCiszy * wynik.modul;
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next) {
        if (r->colour > 0) continue;  // only the foreground bars
        wynik.kreski.emplace_back(lewa + r->x * skalaX, obszar.top() + r->y * skalaY,
                                  r->width * skalaX, r->height * skalaY);
    }
    return wynik;
}
