#include "clients/OdczytKlientow.h"

#include "store/OdczytWierszy.h"

namespace {

TDaneKlienta Klient(TQuery& q) {
    auto tekst = [&](const char* nazwa) { return q.FieldByName(nazwa).AsString(); };
    TDaneKlienta k;
    k.Numer = q.FieldByName("Numer_klienta").AsLargeInt();
    k.Imie = tekst("Imie");
    k.Nazwisko = tekst("Nazwisko");
    k.Firma = tekst("Firma");
    k.Kod = tekst("Kod");
    k.Miejscowosc = tekst("Miejscowosc");
    k.Ulica = tekst("Ulica");
    k.NrPosesji = tekst("Nr_Posesji");
    k.NrLokalu = tekst("Nr_lokalu");
    k.Telefon = tekst("Telefon");
    k.NIP = tekst("NIP");
    k.Upowazniony = tekst("Upowazniony");
    k.OstatnieWypozyczenie = q.FieldByName("Ostatnie_wypozyczenie").AsDate();
    k.Saldo = q.FieldByName("Saldo").AsKwota();
    k.Abonament = q.FieldByName("Abonament").AsBoolean();
    k.AbonamentOD = q.FieldByName("Abonament_OD").AsDate();
    k.AbonamentDO = q.FieldByName("Abonament_DO").AsDate();
    k.Licznik = q.FieldByName("Licznik").AsLargeInt();
    k.LicznikAb = q.FieldByName("LicznikAb").AsLargeInt();
    k.Rabat = q.FieldByName("Rabat").AsLargeInt();
    return k;
}

TZalegloscFilmu Zaleglosc(TQuery& q) {
    TZalegloscFilmu l;
    l.Tytul = q.FieldByName(QStringLiteral("TYTUL")).AsString();
    l.DataOD = q.FieldByName(QStringLiteral("DATAOD")).AsDate();
    l.DataZwrotu = q.FieldByName(QStringLiteral("DATAZWROTU")).AsDate();
    l.Naleznosc = q.FieldByName(QStringLiteral("PLATNOSC1")).AsKwota();
    l.IdFilmu = q.FieldByName(QStringLiteral("ID")).AsLargeInt();
    return l;
}

TKlientArchiwalny Archiwalny(TQuery& q) {
    return {q.FieldByName(QStringLiteral("ID")).AsLargeInt(),
            q.FieldByName(QStringLiteral("Nazwisko")).AsString(),
            q.FieldByName(QStringLiteral("Imie")).AsString(),
            q.FieldByName(QStringLiteral("Firma")).AsString()};
}

}  // namespace

const TOdczytRekordu<TDaneKlienta> OdczytKlienta(
    {QStringLiteral("select *\n"
                    "from klient \n"
                    "where ID = :ID"),
     QStringLiteral("select * from klient where id = %1"),
     QStringLiteral("select Max( Numer_klienta ) m from klient"),
     QStringLiteral("select * from klient where Numer_klienta = %1")},
    Klient);

std::optional<TPozycjeListy> ListaKlientow(TQuery& q) {
    return CzytajListeNumerowana(q,
                                 QStringLiteral("select ID, Numer_klienta, Nazwisko || ' ' || Imie "
                                                "klient\n"
                                                "from klient\n"
                                                "where aktualny = True"),
                                 QStringLiteral("Numer_klienta"), QStringLiteral("klient"));
}

std::optional<TKwota> SaldoKlienta(TQuery& q, int id) {
    return PierwszyWiersz(q, QStringLiteral("select Saldo from klient where ID = %1").arg(id),
                          [](TQuery& w) { return w.FieldByName("Saldo").AsKwota(); });
}

std::optional<bool> KlientMaWypozyczenie(TQuery& q, int id) {
    return Znaleziono(q, QStringLiteral("select * from rental where ID_Klienta = ") +
                             QString::number(id) + QStringLiteral(" and Zwrocono = false"));
}

std::optional<std::vector<TZalegloscFilmu>> ZaleglosciKlienta(TQuery& q, int id) {
    return WierszeZapytania(
        q,
        QStringLiteral("select f.id, f.Tytul_oryginalny || ' (' || f.Tytul_polski || ')' "
                       "tytul, r.dataOD, r.dataZwrotu, r.Zwrocono, r.platnosc, r.platnosc1 "
                       "from rental r left outer join film f on r.id_filmu = f.id "
                       "where r.id_klienta = ") +
            QString::number(id) + QStringLiteral(" and r.zwrocono = True and r.platnosc1 <> 0"),
        Zaleglosc);
}

std::optional<std::vector<TKlientArchiwalny>> KlienciArchiwalni(TQuery& q) {
    return WierszeZapytania(q,
                            QStringLiteral("select ID, Imie, Nazwisko, Firma\n"
                                           "from klient\n"
                                           "where Aktualny = False\n"
                                           "order by Nazwisko"),
                            Archiwalny);
}
