// One Paradox table file, read through pxlib; its texts decoded from the table's code page.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QVariant>
#include <vector>

struct px_doc;

struct TPoleParadox {
    QString nazwa;
    int typ = 0;  // pxlib's field type (pxfAlpha, pxfLong, ...)
    int dlugosc = 0;
    int miejsca = 0;  // decimal places of a BCD field
};

// The field type as Paradox names it: "A", "N", "$", "D", "L", "+", ...
QString NazwaTypuParadox(int typ);

// Checks the header, the field list and the chain of data blocks of a table file against
// each other and against the file's size, before pxlib reads it. The empty text when
// sound, otherwise what is wrong.
QString SprawdzStruktureParadox(const QByteArray& plik);

class TTabelaParadox {
public:
    // Opens the file; when it cannot be read, Blad() says why and the table holds no rows.
    explicit TTabelaParadox(const QString& plik);
    ~TTabelaParadox();
    TTabelaParadox(const TTabelaParadox&) = delete;
    TTabelaParadox& operator=(const TTabelaParadox&) = delete;

    bool Otwarta() const { return doc != nullptr; }
    const QString& Blad() const { return blad; }
    int StronaKodowa() const { return stronaKodowa; }
    int LiczbaWierszy() const { return liczbaWierszy; }
    // The counter of the table's autoincrement field (0 when none).
    qint64 LicznikAutonumeru() const { return autonumer; }
    const std::vector<TPoleParadox>& Pola() const { return pola; }
    // The field's index by name, letter case ignored; -1 when absent.
    int IndeksPola(const QString& nazwa) const;

    // Reads row i (0-based; rows are numbered along the chain of data blocks, as pxlib
    // numbers them): one value per field, a null QVariant for an empty one. Texts give
    // QString, integers qint64, money and numbers double, logical fields bool, dates and
    // timestamps QDate; other kinds of field read as null. False, with the reason, when the
    // row cannot be read. Reading the rows in order costs no search.
    bool CzytajWiersz(int i, std::vector<QVariant>& wartosci, QString& powod);

private:
    px_doc* doc = nullptr;
    QString blad;
    QString bladBiblioteki;  // the last message of pxlib
    int stronaKodowa = 0;
    QByteArray kodowanie;  // the code page's name for the decoder
    int liczbaWierszy = 0;
    qint64 autonumer = 0;
    std::vector<TPoleParadox> pola;
    std::vector<char> bufor;
    // The file, mapped into memory (or read whole when it cannot be), and where each data
    // block's rows start, with the number of the block's first row.
    QFile plikTabeli;
    const uchar* mapa = nullptr;
    QByteArray kopia;
    struct TBlok {
        qint64 poczatek;
        int pierwszyWiersz;
    };
    std::vector<TBlok> bloki;
    size_t biezacyBlok = 0;
    QStringDecoder dekoder;

    friend void ZapiszBladParadox(px_doc*, int, const char*, void*);
};
