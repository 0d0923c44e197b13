#include "money/OdczytPulpitu.h"

#include "store/Interakcja.h"
#include "store/Katalogi.h"
#include "store/OdczytWierszy.h"
#include "store/StanBazy.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"
#include "store/uWspolneDB.h"

namespace {

const TField& Pole(const TQuery& q, const char* nazwa) {
    return q.FieldByName(QString::fromLatin1(nazwa));
}

}  // namespace

TTytulyFilmow CzytajTytulyFilmow(TQuery& q) {
    q.UstawSQL(
        QStringLiteral("select Tytul_oryginalny, Tytul_polski from film where "
                       "aktualny = True order by Tytul_oryginalny"));
    q.Open();
    const int oryginalny = q.IndeksPola(QStringLiteral("Tytul_oryginalny"));
    const int polski = q.IndeksPola(QStringLiteral("Tytul_polski"));
    TTytulyFilmow tytuly;
    QByteArray zapas;
    const auto dopisz = [&](int kolumna, TTekstyUtf8& lista) {
        const QByteArrayView tekst = kolumna >= 0 ? q.TekstUtf8(kolumna, zapas) : QByteArrayView();
        lista.Dopisz(tekst.data(), tekst.size());
    };
    for (; !q.Eof(); q.Dalej()) {
        dopisz(oryginalny, tytuly.Oryginalne);
        dopisz(polski, tytuly.Polskie);
    }
    q.Close();
    return tytuly;
}

std::optional<TTytulyFilmow> TytulyFilmow(TQuery& q) {
    try {
        return CzytajTytulyFilmow(q);
    } catch (const TBladBazy& e) {
        q.Close();
        ZglosBladBazy(TekstBleduBazy(e.Kod(), e.Tekst()));
        return std::nullopt;
    }
}

std::optional<std::vector<TFilmPulpitu>> FilmyOTytule(TQuery& q, const QString& tytul) {
    q.Close();
    q.UstawSQL(
        QStringLiteral("select ID, Stawka, Numer_filmu, Status from film where Tytul_oryginalny "
                       "= :tytul_oryginalny "));
    q.UstawParametr(QStringLiteral("tytul_oryginalny"), tytul);
    std::vector<TFilmPulpitu> filmy;
    try {
        q.Open();
        while (!q.Eof()) {
            TFilmPulpitu f;
            f.Id = Pole(q, "ID").AsInteger();
            f.Numer = Pole(q, "Numer_filmu").AsLargeInt();
            f.Stawka = Pole(q, "Stawka").AsKwota();
            f.NaPolce = Pole(q, "Status").AsBoolean();
            filmy.push_back(f);
            q.Next();
        }
    } catch (const TBladBazy& e) {
        q.Close();
        BladOgolny(e.Tekst());
        return std::nullopt;
    }
    q.Close();
    return filmy;
}

QString ZapytanieONumerze(const QString& kolumny, const QString& tabela,
                          const QString& kolumnaNumeru, qint64 numer) {
    return QStringLiteral("select ") + kolumny + QStringLiteral(" from '") + KatalogBazy + tabela +
           QStringLiteral(".db' where ") + kolumnaNumeru + QStringLiteral(" = ") +
           QString::number(numer) + QStringLiteral(" and Aktualny = True");
}

std::optional<TFilmPulpitu> BiezacyFilmONumerze(TQuery& q, qint64 numer) {
    return PierwszyWiersz(
        q,
        ZapytanieONumerze(QStringLiteral("ID, Stawka, Tytul_oryginalny, Tytul_polski, Status"),
                          QStringLiteral("film"), QStringLiteral("Numer_filmu"), numer),
        [numer](TQuery& w) {
            TFilmPulpitu f;
            f.Id = Pole(w, "ID").AsInteger();
            f.Numer = numer;
            f.TytulOryginalny = Pole(w, "Tytul_oryginalny").AsString();
            f.TytulPolski = Pole(w, "Tytul_polski").AsString();
            f.Stawka = Pole(w, "Stawka").AsKwota();
            f.NaPolce = Pole(w, "Status").AsBoolean();
            return f;
        });
}

std::optional<int> IdFilmuONumerze(TQuery& q, qint64 numer, bool biezacy) {
    OtworzSQL(q, QStringLiteral("select ID from film where Numer_filmu = ") +
                     QString::number(numer) +
                     (biezacy ? QStringLiteral(" and Aktualny = True")
                              : QStringLiteral(" order by Aktualny desc")));
    std::optional<int> id;
    if (q.Active() && !q.Eof()) id = Pole(q, "ID").AsInteger();
    q.Close();
    return id;
}

std::optional<qint64> NumerKlientaZFilmem(TQuery& q, qint64 numerFilmu) {
    OtworzSQL(q, QStringLiteral("select k.numer_klienta nr from '") + KatalogBazy +
                     QStringLiteral("klient.db' k ") +
                     QStringLiteral(" where k.id = ( select r.id_klienta from '") + KatalogBazy +
                     QStringLiteral("rental.db' r ") +
                     QStringLiteral("                where r.zwrocono = false          ") +
                     QStringLiteral("                and r.id_filmu = ( select f.id from '") +
                     KatalogBazy + QStringLiteral("film.db' f where f.numer_filmu = ") +
                     QString::number(numerFilmu) + QStringLiteral(" ) )"));
    std::optional<qint64> numer;
    if (q.Active() && !q.Eof()) numer = Pole(q, "nr").AsLargeInt();
    q.Close();
    return numer;
}

std::vector<TWypozyczenieNaLiscie> OtwarteWypozyczenia(TQuery& q, int idKlienta) {
    OtworzSQL(q, QStringLiteral(" select f.tytul_oryginalny tytul, f.numer_filmu nr, f.id id,  "
                                "f.stawka stawka1, r.naleznosc, r.dataOD dataOD,  r.dataDO dataDO, "
                                "r.platnosc platnosc, r.stawka stawka  from '") +
                     KatalogBazy + QStringLiteral("rental.db' r, ") + QStringLiteral(" '") +
                     KatalogBazy + QStringLiteral("film.db' f ") +
                     QStringLiteral(" where f.id = r.id_filmu ") +
                     QStringLiteral(" and r.id_klienta = ") + QString::number(idKlienta) +
                     QStringLiteral(" and r.zwrocono = False"));
    std::vector<TWypozyczenieNaLiscie> otwarte;
    while (q.Active() && !q.Eof()) {
        TWypozyczenieNaLiscie w;
        TOtwarteWypozyczenie& r = w.Rozliczenie;
        r.Naleznosc = Pole(q, "naleznosc").AsKwota();
        r.Platnosc = Pole(q, "platnosc").AsKwota();
        r.DataOD = Pole(q, "dataOD").AsDate();
        r.DataDO = Pole(q, "dataDO").AsDate();
        if (const TField& stawka = Pole(q, "stawka"); !stawka.IsNull()) r.Stawka = stawka.AsKwota();
        r.StawkaFilmu = Pole(q, "stawka1").AsKwota();
        w.Tytul = Pole(q, "tytul").AsString();
        w.NumerFilmu = Pole(q, "nr").AsLargeInt();
        w.IdFilmu = Pole(q, "id").AsInteger();
        otwarte.push_back(std::move(w));
        q.Next();
    }
    q.Close();
    return otwarte;
}

std::optional<bool> KlientMaNaleznosci(TQuery& q, int idKlienta) {
    return Znaleziono(q, QStringLiteral("select * from rental where ID_Klienta = ") +
                             QString::number(idKlienta) +
                             QStringLiteral(" and ( ( Zwrocono = False and Platnosc <> 0 ) or ( "
                                            "Zwrocono = True and Platnosc1 <> 0 ) )"));
}

std::optional<bool> KlientMaZaleglosci(TQuery& q, int idKlienta) {
    return Znaleziono(q, QStringLiteral("select * from rental where ID_Klienta = ") +
                             QString::number(idKlienta) +
                             QStringLiteral(" and Zwrocono = True and Platnosc1 <> 0"));
}

std::optional<TKwota> SumaZaleglosci(TQuery& q, int idKlienta) {
    return SumaKwot(q,
                    QStringLiteral("select Platnosc1 from rental where ID_Klienta = ") +
                        QString::number(idKlienta) +
                        QStringLiteral(" and Zwrocono = True and Platnosc1 <> 0"),
                    "Platnosc1");
}
