// A long list of texts kept compactly: one after another in UTF-8, in blocks filled once and
// never moved, with no text object per entry; a text is made only for an entry asked for.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// Texts in UTF-8 one after another, in blocks that are filled once and never moved (a
// buffer grown by reallocation would copy itself and hold its old copy at each growth).
// A text lies in one block; positions count across the blocks with no gap, so a text is
// known by its position and the next one's. The first block is small, each next one
// twice the last, up to 1 MB.
class TBlokiUtf8 {
public:
    TBlokiUtf8() = default;
    TBlokiUtf8(const TBlokiUtf8& inne);
    TBlokiUtf8& operator=(const TBlokiUtf8& inne);
    TBlokiUtf8(TBlokiUtf8&&) noexcept = default;
    TBlokiUtf8& operator=(TBlokiUtf8&&) noexcept = default;

    // The position after the last text.
    quint32 Koniec() const { return koniec; }
    // Room for a text of at most `dlugosc` bytes at Koniec(); Dopisane(n) keeps the first n.
    char* Miejsce(qsizetype dlugosc);
    void Dopisane(qsizetype n) {
        wolne -= n;
        koniec += static_cast<quint32>(n);
    }
    void Dopisz(const char* bajty, qsizetype dlugosc);
    void Dopisz(QByteArrayView bajty) { Dopisz(bajty.data(), bajty.size()); }
    // The bytes from od up to do_ (within one text).
    QByteArrayView Bajty(quint32 od, quint32 do_) const;

private:
    std::vector<std::unique_ptr<char[]>> bloki;
    std::vector<quint32> poczatki;  // the position of each block's first byte
    qsizetype pojemnosc = 0;        // the last block's size
    qsizetype wolne = 0;            // the room left in it
    quint32 koniec = 0;
};

// A list of values that only grows, in blocks of a fixed number of values that never move:
// no copy at each growth, and no more memory than the values take.
template <typename T>
class TTablicaWBlokach {
public:
    TTablicaWBlokach() = default;
    TTablicaWBlokach(const TTablicaWBlokach& inne) {
        for (size_t i = 0; i < inne.size(); ++i) push_back(inne[i]);
    }
    TTablicaWBlokach& operator=(const TTablicaWBlokach& inne) {
        if (this != &inne) *this = TTablicaWBlokach(inne);
        return *this;
    }
    TTablicaWBlokach(TTablicaWBlokach&&) noexcept = default;
    TTablicaWBlokach& operator=(TTablicaWBlokach&&) noexcept = default;

    size_t size() const { return liczba; }
    bool empty() const { return liczba == 0; }
    void push_back(const T& wartosc) {
        if (liczba % NaBlok == 0) bloki.push_back(std::make_unique_for_overwrite<T[]>(NaBlok));
        bloki.back()[liczba % NaBlok] = wartosc;
        ++liczba;
    }
    T& operator[](size_t i) { return bloki[i / NaBlok][i % NaBlok]; }
    const T& operator[](size_t i) const { return bloki[i / NaBlok][i % NaBlok]; }
    T& back() { return (*this)[liczba - 1]; }

private:
    static constexpr size_t NaBlok = 4096;
    std::vector<std::unique_ptr<T[]>> bloki;
    size_t liczba = 0;
};

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
    TBlokiUtf8 bloki;
    std::vector<QByteArray> osobne;  // texts set after reading, in UTF-8
    // Entries by their text's hash (open addressing, -1 free), made at the first search.
    mutable std::vector<qint32> indeks;
};
