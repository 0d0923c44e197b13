#include "store/TekstyUtf8.h"

#include <QHash>
#include <algorithm>
#include <bit>

namespace {

size_t skrot(QByteArrayView bajty) {
    return qHashBits(bajty.data(), static_cast<size_t>(bajty.size()));
}

}  // namespace

TTekstyUtf8::TTekstyUtf8(const QStringList& teksty) {
    wpisy.reserve(static_cast<size_t>(teksty.size()));
    for (const QString& t : teksty) Dopisz(t);
}

QByteArrayView TTekstyUtf8::Bajty(const TWpis& w) const {
    if (w.dlugosc < 0) return osobne[w.od];
    if (w.dlugosc == 0) return {};
    const auto b = static_cast<size_t>(std::upper_bound(poczatki.begin(), poczatki.end(), w.od) -
                                       poczatki.begin() - 1);
    return QByteArrayView(bloki[b].constData() + (w.od - poczatki[b]), w.dlugosc);
}

QString TTekstyUtf8::Tekst(int i) const {
    return QString::fromUtf8(Bajty(wpisy[static_cast<size_t>(i)]));
}

void TTekstyUtf8::DopiszBajty(const char* utf8, qsizetype dlugosc) {
    // A text lies in one block; a new block, twice the last one up to 1 MB, when it does
    // not fit.
    if (bloki.empty() || bloki.back().capacity() - bloki.back().size() < dlugosc) {
        const qsizetype rozmiar = std::max(
            dlugosc, bloki.empty() ? qsizetype(4096)
                                   : std::min(bloki.back().capacity() * 2, qsizetype(1) << 20));
        poczatki.push_back(
            bloki.empty() ? 0 : poczatki.back() + static_cast<quint32>(bloki.back().size()));
        bloki.emplace_back().reserve(rozmiar);
    }
    QByteArray& blok = bloki.back();
    Dopisz(
        TWpis{poczatki.back() + static_cast<quint32>(blok.size()), static_cast<qint32>(dlugosc)});
    blok.append(utf8, dlugosc);
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
