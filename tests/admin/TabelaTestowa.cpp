#include "admin/TabelaTestowa.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QStringEncoder>
#include <cstdlib>
#include <cstring>

#include "admin/Pxlib.h"

void ZapiszTabeleTestowa(const QString& plik, const std::vector<TPoleTestowe>& pola,
                         int stronaKodowa, const std::vector<TWierszTestowy>& wiersze) {
    PX_boot();
    pxdoc_t* doc = PX_new();
    // pxlib keeps the field list and frees it with the document.
    auto* opis = static_cast<pxfield_t*>(std::malloc(pola.size() * sizeof(pxfield_t)));
    for (size_t i = 0; i < pola.size(); ++i)
        opis[i] = {strdup(pola[i].nazwa), char(pola[i].typ), pola[i].dlugosc, pola[i].miejsca};
    QFile::remove(plik);
    ASSERT_EQ(PX_create_file(doc, opis, int(pola.size()), QFile::encodeName(plik).constData(),
                             pxfFileTypNonIndexDB),
              0);
    PX_set_value(doc, "codepage", float(stronaKodowa));
    QStringEncoder koder(QByteArray("CP" + QByteArray::number(stronaKodowa)).constData());
    std::vector<char> bufor(PX_get_recordsize(doc));
    for (const TWierszTestowy& w : wiersze) {
        std::fill(bufor.begin(), bufor.end(), 0);
        char* dane = bufor.data();
        for (size_t i = 0; i < pola.size(); dane += pola[i].dlugosc, ++i) {
            const QVariant& v = w.at(i);
            if (v.isNull()) continue;
            switch (pola[i].typ) {
                case pxfAlpha: {
                    QByteArray t = v.typeId() == QMetaType::QByteArray
                                       ? v.toByteArray()  // bytes as they stand
                                       : QByteArray(koder.encode(v.toString()));
                    ASSERT_LE(t.size(), pola[i].dlugosc);
                    PX_put_data_alpha(doc, dane, pola[i].dlugosc, t.data());
                    break;
                }
                case pxfShort:
                    PX_put_data_short(doc, dane, 2, short(v.toInt()));
                    break;
                case pxfLong:
                case pxfAutoInc:
                    PX_put_data_long(doc, dane, 4, v.toInt());
                    break;
                case pxfCurrency:
                case pxfNumber:
                    PX_put_data_double(doc, dane, 8, v.toDouble());
                    break;
                case pxfLogical:
                    PX_put_data_byte(doc, dane, 1, v.toBool() ? 1 : 0);
                    break;
                case pxfDate: {
                    const QDate d = v.toDate();
                    PX_put_data_long(
                        doc, dane, 4,
                        int(PX_GregorianToSdn(d.year(), d.month(), d.day()) - 1721425));
                    break;
                }
                case pxfBCD: {
                    // pxlib reads the digits right only with a decimal point present.
                    QByteArray t = QByteArray::number(v.toDouble(), 'f', pola[i].miejsca);
                    if (!t.contains('.')) t += '.';
                    PX_put_data_bcd(doc, dane, pola[i].miejsca, t.data());
                    break;
                }
                case pxfTimestamp: {
                    // A double is written as it stands (a damaged table's value).
                    if (v.typeId() == QMetaType::Double) {
                        PX_put_data_double(doc, dane, 8, v.toDouble());
                        break;
                    }
                    // Milliseconds of the Paradox day count; pxlib must read the same day.
                    const QDate d = v.toDate();
                    const double ms =
                        double(PX_GregorianToSdn(d.year(), d.month(), d.day()) - 1721425) *
                        86400000.0;
                    char* tekst = PX_timestamp2string(doc, ms, "Y-m-d");
                    ASSERT_NE(tekst, nullptr);
                    EXPECT_EQ(QString::fromLatin1(tekst), d.toString(Qt::ISODate));
                    std::free(tekst);
                    PX_put_data_double(doc, dane, 8, ms);
                    break;
                }
                default:
                    FAIL() << "field type " << pola[i].typ;
            }
        }
        ASSERT_GE(PX_put_record(doc, bufor.data()), 0);
    }
    PX_close(doc);
    PX_delete(doc);
}
