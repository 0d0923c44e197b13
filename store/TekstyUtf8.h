// A long list of texts kept compactly: one after another in UTF-8, in blocks filled once and
// never moved, with no text object per entry; a text is made only for an entry asked for.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class TTekstyUtf8 {
public:
    TTekstyUtf8() = default;
    explicit TTekstyUtf8(const QStringList& teksty);

    int Liczba() const { return static_cast<int>(wpisy.size()); }
    QString Tekst(int i) const;
    // Appends a text given in UTF-8 (bytes that are not UTF-8 are kept as the text made
    // of them reads, so that every entry equals its text byte for byte).
    void Dopisz(const char* utf8, qsizetype dlugosc);
    void Dopisz(const QString& tekst);
    void Dopisz(const TTekstyUtf8& inne);
    // The entry's text replaced; ile empty entries put before entry i; ile entries removed.
    void Zmien(int i, const QString& tekst);
    void Wstaw(int i, int ile);
    void Usun(int i, int ile);
    // The first entry holding exactly this text (letter case counts), -1 when none.
    int Znajdz(const QString& tekst) const;

private:
    // An entry: its bytes from od in the blocks, or (dlugosc < 0) the text at od in osobne.
    struct TWpis {
        quint32 od;
        qint32 dlugosc;
    };
    QByteArrayView Bajty(const TWpis& w) const;
    void DopiszBajty(const char* utf8, qsizetype dlugosc);
    void Dopisz(TWpis w);

    std::vector<TWpis> wpisy;
    std::vector<QByteArray> bloki;
    std::vector<quint32> poczatki;   // the position of each block's first byte
    std::vector<QByteArray> osobne;  // texts set after reading, in UTF-8
    // Entries by their text's hash (open addressing, -1 free), made at the first search.
    mutable std::vector<qint32> indeks;
};
