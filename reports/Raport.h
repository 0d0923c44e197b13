// The band report printer.
//
// A report is a set of bands over the rows of a query. The layout (which text goes where
// on which page) is computed apart from the painting: Strony() yields pages of placed
// texts, frames and lines in millimetres, which the painter (Druk.h) draws on the
// preview, on the printer or into a PDF file. Every report is A4 portrait with 10 mm
// margins; all positions are millimetres from the top-left corner of the printable area
// (inside the margins), so x runs from 0 to 190 and y from 0 to 277.
//
// Bands and where they print:
//   NaglowekStrony  at the top of every page;
//   Tytul           once, on the first page, under the page header;
//   NaglowekKolumn  on every page, under the title or the page header;
//   Szczegoly       once per row of the query Dane, in the query's order; a row that does
//                   not fit above the footer starts a new page;
//   StopkaStrony    at the bottom of every page. Every report is born with the footer
//                   "Wydruk z programu Wirdolan", right-aligned in 7 points.
// A report is printed even when Dane has no rows: the headings and the footer remain.
//
// How to define a report:
//
//   class TfRapKlienci : public TRaport {
//   public:
//       TfRapKlienci() {
//           TytulZadania = QStringLiteral("Wirdolan - klienci");
//           auto& naglowek = Pasmo(TRodzajPasma::NaglowekStrony, 8);
//           naglowek.Etykieta(QStringLiteral("Klienci"), 0, TCzcionka::PogrubionaKursywa());
//           naglowek.DataWydruku(165, TCzcionka::PogrubionaKursywa());
//           auto& kolumny = Pasmo(TRodzajPasma::NaglowekKolumn, 6);
//           kolumny.ramka = true;
//           kolumny.Etykieta(QStringLiteral("Nr"), 0, TCzcionka::Pogrubiona()).KonczySieNa(12);
//           kolumny.Etykieta(QStringLiteral("Klient"), 20, TCzcionka::Pogrubiona());
//           auto& wiersz = Pasmo(TRodzajPasma::Szczegoly, 5);
//           wiersz.Pole(QStringLiteral("nr"), 0, TFormat::NumerGdyJest).KonczySieNa(12);
//           wiersz.Etykieta(QString(), 20).Nazwa(QStringLiteral("lKlient"));
//           // The hook fills computed texts of the detail band from the current row,
//           // made into values by a read of the folder (OdczytRaportow.h).
//           PrzedSzczegolem = [](TPasmo& p, const TQuery& q) {
//               p.Element(QStringLiteral("lKlient"))->tekst = KlientListy(q).nazwa;
//           };
//       }
//       // The read opens the statement of the rows on Dane.
//       void Przygotuj() { OtworzKlientow(Dane); }
//   };
//
//   TfRapKlienci raport;  raport.Przygotuj();  raport.Pokaz();
//
// Data-bound texts (Pole) read a column of the band's query: the band's `zrodlo` when
// set (for example the title band fed by a header query), otherwise Dane. Pokaz() shows
// the preview, asks "Czy rozpocząć drukowanie?" and prints on the default printer. Tests
// check Strony() and install a TDrukarka of their own (Druk.h).
#pragma once

#include <QLineF>
#include <QRectF>
#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "store/TQuery.h"
#include "widgets/uEksport.h"

enum class TRodzajPasma { NaglowekStrony, Tytul, NaglowekKolumn, Szczegoly, StopkaStrony };

enum class TWyrownanie { DoLewej, DoPrawej, DoSrodka };

// How a data-bound text shows its column's value.
enum class TFormat {
    Tekst,         // as the program shows it (dates "dd.mm.yyyy", reals with a comma)
    Numer,         // a client or film number with at least four digits; no value is "0000"
    NumerGdyJest,  // the same, but nothing when the row holds no number
    Kwota,         // two decimals and a decimal comma ("0,00")
    Data           // "dd.mm.yyyy"; nothing when there is no date
};

struct TCzcionka {
    double punkty = 10;
    bool pogrubiona = false;
    bool kursywa = false;
    QString rodzina = QStringLiteral("Arial");

    static TCzcionka Zwykla(double punkty = 10) { return {punkty, false, false}; }
    static TCzcionka Pogrubiona(double punkty = 10) { return {punkty, true, false}; }
    static TCzcionka PogrubionaKursywa(double punkty = 10) { return {punkty, true, true}; }
    // The height of one line of text in millimetres.
    double WysokoscWiersza() const { return punkty * 25.4 / 72.0 * 1.45; }
    bool operator==(const TCzcionka&) const = default;
};

// One text of a band.
struct TElement {
    enum class TTresc { Etykieta, Pole, DataWydruku };

    TTresc tresc = TTresc::Etykieta;
    QString nazwa;  // the name the hook finds it by
    QString tekst;  // the label's text (the hook may set it)
    QString pole;   // the column of a data-bound text
    TFormat format = TFormat::Tekst;
    double x = 0;          // left edge, mm from the left margin
    double y = 0;          // top edge, mm from the band's top
    double szerokosc = 0;  // 0: up to the right margin
    double wysokosc = 0;   // 0: one line of the font
    TCzcionka czcionka;
    TWyrownanie wyrownanie = TWyrownanie::DoLewej;
    bool widoczny = true;

    TElement& Nazwa(const QString& n) {
        nazwa = n;
        return *this;
    }
    TElement& Y(double mm) {
        y = mm;
        return *this;
    }
    TElement& Szerokosc(double mm) {
        szerokosc = mm;
        return *this;
    }
    // Right-aligned with its right edge at the given position.
    TElement& KonczySieNa(double mm) {
        wyrownanie = TWyrownanie::DoPrawej;
        szerokosc = mm - x;
        return *this;
    }
    // Right-aligned against the right margin.
    TElement& DoPrawej() {
        wyrownanie = TWyrownanie::DoPrawej;
        return *this;
    }
};

struct TPasmo {
    TRodzajPasma rodzaj = TRodzajPasma::Szczegoly;
    double wysokosc = 5;       // mm
    double odstepPo = 0;       // blank space after the band, mm (outside its frame)
    bool ramka = false;        // a frame round the band
    bool liniaNad = false;     // a line along the band's top edge
    TQuery* zrodlo = nullptr;  // the query of its data-bound texts; nullptr: Dane
    std::vector<TElement> elementy;

    // Each returns the text just added; the reference holds until the next one is added.
    TElement& Etykieta(const QString& tekst, double x, const TCzcionka& czcionka = {});
    TElement& Pole(const QString& kolumna, double x, TFormat format = TFormat::Tekst,
                   const TCzcionka& czcionka = {});
    TElement& DataWydruku(double x, const TCzcionka& czcionka = {});
    // The heading "Stan na dzień" (the text given) at x and the date of printing at xDaty.
    void StanNaDzien(const QString& tekst, double x, double xDaty, const TCzcionka& czcionka);
    // Column captions in bold, 0.5 mm below the band's top, each at its left edge.
    void Kolumny(std::initializer_list<std::pair<QString, double>> kolumny);
    // The text of the given name, nullptr when none.
    TElement* Element(const QString& nazwa);
};

// A text as placed on a page: its box in millimetres from the printable area's corner.
struct TUlozonyTekst {
    QString tekst;
    QRectF prostokat;
    TCzcionka czcionka;
    TWyrownanie wyrownanie = TWyrownanie::DoLewej;
    TRodzajPasma pasmo = TRodzajPasma::Szczegoly;
};

struct TStrona {
    std::vector<TUlozonyTekst> teksty;
    std::vector<QRectF> ramki;
    std::vector<QLineF> linie;
    std::vector<QRectF> pola;  // filled black boxes (the bars of a barcode)

    // The first text equal to the given one, nullptr when none.
    const TUlozonyTekst* Znajdz(const QString& tekst) const;
    // The texts of one band in the order placed.
    std::vector<TUlozonyTekst> TekstyPasma(TRodzajPasma pasmo) const;
};

// The paper of a printed page, in millimetres; the same margin on every side.
struct TFormatStrony {
    double szerokosc = 210;
    double wysokosc = 297;
    double margines = 10;

    double SzerokoscObszaru() const { return szerokosc - 2 * margines; }
    double WysokoscObszaru() const { return wysokosc - 2 * margines; }
    bool operator==(const TFormatStrony&) const = default;
};

class TRaport {
public:
    static constexpr double SzerokoscPapieru = 210;
    static constexpr double WysokoscPapieru = 297;
    static constexpr double Margines = 10;
    static constexpr double SzerokoscObszaru = SzerokoscPapieru - 2 * Margines;
    static constexpr double WysokoscObszaru = WysokoscPapieru - 2 * Margines;

    // A report with the standard page footer.
    TRaport();
    virtual ~TRaport();
    TRaport(const TRaport&) = delete;
    TRaport& operator=(const TRaport&) = delete;

    // The print job's title.
    QString TytulZadania;
    // The paper: A4 portrait with 10 mm margins unless a report lays out pages of its own.
    TFormatStrony Format;
    // The rows of the detail band.
    TQuery Dane;
    // The report's data as lines for "Zapisz jako CSV…" in the preview, the header first;
    // a report that leaves it empty offers no CSV.
    TWierszeTekstu WierszeCSV;
    // Run before each detail band is laid out, on a copy of the band, with Dane on the row.
    // It sets the texts of the band and their visibility (and may change the band's
    // height, space after, frame and line); the place, size and font of each text stay
    // the band's own.
    std::function<void(TPasmo&, const TQuery&)> PrzedSzczegolem;
    // Run before the first detail band is laid out, each time the rows are laid out (a
    // report that adds up its rows starts its totals here).
    std::function<void()> PrzedSzczegolami;
    // Run once after the last detail band, with Dane past its last row; the title band is
    // then laid out again (a total of the rows may go into the title this way, so the rows
    // are read once). When the hook changed the title band's height or its space after,
    // the rows are laid out once more under the new title (and read a second time).
    std::function<void()> PoSzczegolach;

    // The band of the given kind, created empty with the given height when missing
    // (an existing band keeps its contents and takes the new height).
    TPasmo& Pasmo(TRodzajPasma rodzaj, double wysokosc);
    TPasmo* ZnajdzPasmo(TRodzajPasma rodzaj);

    // Lays the report out over the current data; the queries stay as they are. A report
    // that is not made of bands (a slip, labels) places its own pages and may set Format.
    virtual std::vector<TStrona> Uloz();
    // Lays the report out once (reading the rows of Dane once), after which its queries
    // are closed. A report made of bands keeps its rows' texts compactly and makes a page
    // whole only when it is asked for.
    void Wyprodukuj();
    // The produced report's pages, one at a time (numbered from 0), as the preview and
    // the printing take them.
    int LiczbaStron();
    TStrona Strona(int numer);
    // All the produced pages at once.
    const std::vector<TStrona>& Strony();

    // Preview, then "Czy rozpocząć drukowanie?" (Yes by default), then printing.
    void Pokaz();
    // Prints on the default printer; without one, offers to save a PDF file instead.
    // Every failure is reported to the operator.
    void Drukuj();
    // Asks for a file name and saves the report there as PDF; false when not saved.
    bool ZapiszJakoPDF();
    // Writes the report into the given PDF file; false when it cannot be written.
    bool ZapiszPDF(const QString& plik);
    // Asks for a file name and saves WierszeCSV there; a failure is reported to the
    // operator. False when not saved.
    bool ZapiszJakoCSV();

private:
    class TUkladPasm;
    std::unique_ptr<TUkladPasm> UlozPasma(bool ponownie = false);
    // The name a saved file of the report is offered under.
    QString NazwaPlikuRaportu() const;

    std::vector<TPasmo> pasma;
    std::vector<TStrona> strony;  // all pages, once asked for (or as a report placed them)
    std::unique_ptr<TUkladPasm> uklad;
    bool wyprodukowany = false;
    bool wProdukcji = false;
};

// A table of the store named by its file in the tables' folder, quoted for statement text
// ("\"<folder>rental.db\"").
QString TabelaBazy(const QString& plik);
