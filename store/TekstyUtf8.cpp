#include "store/TekstyUtf8.h"

#include <QHash>
#include <algorithm>
#include <bit>
#include <cstring>

namespace {

size_t skrot(QByteArrayView bajty) {
    return qHashBits(bajty.data(), static_cast<size_t>(bajty.size()));
}

}  // namespace

TBlokiUtf8::TBlokiUtf8(const TBlokiUtf8& inne)
    : poczatki(inne.poczatki), pojemnosc(inne.pojemnosc), wolne(inne.wolne), koniec(inne.koniec) {
    // The full blocks take what they hold, the last one its whole size.
    for (size_t b = 0; b < inne.bloki.size(); ++b) {
        const bool ostatni = b + 1 == inne.bloki.size();
        const size_t zajete = (ostatni ? koniec : poczatki[b + 1]) - poczatki[b];
        bloki.push_back(std::make_unique_for_overwrite<char[]>(
            ostatni ? static_cast<size_t>(pojemnosc) : zajete));
        std::memcpy(bloki.back().get(), inne.bloki[b].get(), zajete);
    }
}

TBlokiUtf8& TBlokiUtf8::operator=(const TBlokiUtf8& inne) {
    if (this != &inne) *this = TBlokiUtf8(inne);
    return *this;
}

char* TBlokiUtf8::Miejsce(qsizetype dlugosc) {
    if (wolne < dlugosc) {
        pojemnosc = std::max(
            dlugosc, bloki.empty() ? qsizetype(4096) : std::min(pojemnosc * 2, qsizetype(1) << 20));
        bloki.push_back(std::make_unique_for_overwrite<char[]>(static_cast<size_t>(pojemnosc)));
        poczatki.push_back(koniec);
        wolne = pojemnosc;
    }
    return bloki.back().get() + (pojemnosc - wolne);
}

void TBlokiUtf8::Dopisz(const char* bajty, qsizetype dlugosc) {
    if (dlugosc <= 0) return;
    std::memcpy(Miejsce(dlugosc), bajty, static_cast<size_t>(dlugosc));
    Dopisane(dlugosc);
}

QByteArrayView TBlokiUtf8::Bajty(quint32 od, quint32 do_) const {
    if (do_ <= od) return {};
    const auto b = static_cast<size_t>(std::upper_bound(poczatki.begin(), poczatki.end(), od) -
                                       poczatki.begin() - 1);
    return QByteArrayView(bloki[b].get() + (od - poczatki[b]), do_ - od);
}

TTekstyUtf8::TTekstyUtf8(const QStringList& teksty) {
    wpisy.reserve(static_cast<size_t>(teksty.size()));
    for (const QString& t : teksty) Dopisz(t);
}

QByteArrayView TTekstyUtf8::Bajty(const TWpis& w) const {
    if (w.dlugosc < 0) return osobne[w.od];
    return bloki.Bajty(w.od, w.od + static_cast<quint32>(w.dlugosc));
}

QString TTekstyUtf8::Tekst(int i) const {
    return QString::fromUtf8(Bajty(wpisy[static_cast<size_t>(i)]));
}

void TTekstyUtf8::DopiszBajty(const char* utf8, qsizetype dlugosc) {
    Dopisz(TWpis{bloki.Koniec(), static_cast<qint32>(dlugosc)});
    bloki.Dopisz(utf8, dlugosc);
}

void TTekstyUtf8::Dopisz(TWpis w) {
    wpisy.push_back(w);
    indeks.clear();
}

void TTekstyUtf8::Dopisz(const char* utf8, qsizetype dlugosc) {
    if (QByteArrayView(utf8, dlugosc).isValidUtf8()) {
        DopiszBajty(utf8, dlugosc);
        return;
    }
    const QByteArray poprawione = QString::fromUtf8(utf8, dlugosc).toUtf8();
    DopiszBajty(poprawione.constData(), poprawione.size());
}

void TTekstyUtf8::Dopisz(const QString& tekst) {
    const QByteArray utf8 = tekst.toUtf8();
    DopiszBajty(utf8.constData(), utf8.size());
}

void TTekstyUtf8::Dopisz(const TTekstyUtf8& inne) {
    wpisy.reserve(wpisy.size() + inne.wpisy.size());
    for (const TWpis& w : inne.wpisy) {
        const QByteArrayView b = inne.Bajty(w);
        DopiszBajty(b.data(), b.size());
    }
}

void TTekstyUtf8::Zmien(int i, const QString& tekst) {
    osobne.push_back(tekst.toUtf8());
    wpisy[static_cast<size_t>(i)] = TWpis{static_cast<quint32>(osobne.size() - 1), -1};
    indeks.clear();
}

void TTekstyUtf8::Wstaw(int i, int ile) {
    wpisy.insert(wpisy.begin() + i, static_cast<size_t>(ile), TWpis{0, 0});
    indeks.clear();
}

void TTekstyUtf8::Usun(int i, int ile) {
    if (i == 0 && ile == Liczba()) {
        *this = TTekstyUtf8();
        return;
    }
    wpisy.erase(wpisy.begin() + i, wpisy.begin() + i + ile);
    indeks.clear();
}

int TTekstyUtf8::Znajdz(const QString& tekst) const {
    if (wpisy.empty()) return -1;
    const size_t maska = std::bit_ceil(wpisy.size() * 2) - 1;
    if (indeks.empty()) {
        indeks.assign(maska + 1, -1);
        // In order, an entry already holding the same text kept: each text finds its first
        // entry.
        for (size_t i = 0; i < wpisy.size(); ++i) {
            const QByteArrayView b = Bajty(wpisy[i]);
            for (size_t k = skrot(b) & maska;; k = (k + 1) & maska) {
                if (indeks[k] < 0) {
                    indeks[k] = static_cast<qint32>(i);
                    break;
                }
                if (Bajty(wpisy[static_cast<size_t>(indeks[k])]) == b) break;
            }
        }
    }
    const QByteArray szukany = tekst.toUtf8();
    for (size_t k = skrot(szukany) & maska; indeks[k] >= 0; k = (k + 1) & maska)
        if (Bajty(wpisy[static_cast<size_t>(indeks[k])]) == szukany) return indeks[k];
    return -1;
}
