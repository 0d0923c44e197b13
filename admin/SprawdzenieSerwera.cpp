// The store check of a server store: the rules the program keeps in its tables, asked
// through the program's statements.
#include <QDate>
#include <QVariant>
#include <functional>
#include <memory>

#include "admin/SprawdzenieBazy.h"
#include "store/Baza.h"
#include "store/Formaty.h"
#include "store/Kursor.h"
#include "store/Tlumacz.h"

namespace {

using TWiersz = const TKursor&;

// A client or film number as shown; the row key when the row has no number.
QString Numer(TWiersz w, int i, int iId) {
    const QVariant v = w.Wartosc(i);
    if (!v.isNull()) return Numer4(v.toLongLong());
    return QStringLiteral("(ID ") + w.Wartosc(iId).toString() + ')';
}

// "Wypożyczenie filmu 0012 klienta 0007 z dnia 05.03.2024" from the columns film number,
// film id, client number, client id, dataOD.
QString Wypozyczenie(TWiersz w) {
    const QDate d = QDate::fromString(w.Wartosc(4).toString(), Qt::ISODate);
    return QStringLiteral("Wypożyczenie filmu ") + Numer(w, 0, 1) + QStringLiteral(" klienta ") +
           Numer(w, 2, 3) + QStringLiteral(" z dnia ") +
           (d.isValid() ? DataDluga(d) : QStringLiteral("?"));
}

const QString Otwarte = QStringLiteral("coalesce(r.zwrocono, False) = False");
const QString ZWypozyczen = QStringLiteral(
    "select f.Numer_filmu, r.id_filmu, k.Numer_klienta, r.id_klienta, r.dataOD from rental r "
    "left join film f on f.ID = r.id_filmu left join klient k on k.ID = r.id_klienta");

}  // namespace

std::vector<TProblemBazy> SprawdzBazeSerwera(TBaza& baza) {
    using R = TRodzajProblemu;
    std::vector<TProblemBazy> problemy;
    const auto zapytanie = [&](R rodzaj, const QString& sql,
                               const std::function<QString(TWiersz)>& opis) {
        try {
            const std::unique_ptr<TKursor> k = baza.Przygotuj(sql, {});
            while (k->Krok()) problemy.push_back({rodzaj, opis(*k)});
        } catch (const TBladBazy& e) {
            problemy.push_back(
                {R::Spojnosc, QStringLiteral("Nie można sprawdzić bazy danych: ") + e.Tekst()});
        }
    };
    const auto znacznikFilmu = [&](R rodzaj, const QString& warunek, const QString& opis) {
        zapytanie(rodzaj,
                  QStringLiteral("select f.Numer_filmu, f.ID from film f where "
                                 "coalesce(f.Status, False) ") +
                      warunek +
                      QStringLiteral(" (select 1 from rental r where r.id_filmu = f.ID and ") +
                      Otwarte + QStringLiteral(") order by f.Numer_filmu, f.ID"),
                  [opis](TWiersz w) { return QStringLiteral("Film ") + Numer(w, 0, 1) + opis; });
    };
    znacznikFilmu(R::WypozyczonyBezWpisu, QStringLiteral("= False and not exists"),
                  QStringLiteral(" jest oznaczony jako wypożyczony, a nie ma otwartego "
                                 "wypożyczenia."));
    znacznikFilmu(R::NaPolceZWpisem, QStringLiteral("<> False and exists"),
                  QStringLiteral(" jest oznaczony jako na półce, a ma otwarte wypożyczenie."));
    zapytanie(R::KilkaOtwartych,
              QStringLiteral("select f.Numer_filmu, r.id_filmu, count(*) from rental r left join "
                             "film f on f.ID = r.id_filmu where ") +
                  Otwarte +
                  QStringLiteral(" group by r.id_filmu, f.Numer_filmu having count(*) > 1 order "
                                 "by f.Numer_filmu"),
              [](TWiersz w) {
                  return QStringLiteral("Film ") + Numer(w, 0, 1) +
                         QStringLiteral(" ma kilka otwartych wypożyczeń (") +
                         w.Wartosc(2).toString() + QStringLiteral("), a może mieć najwyżej jedno.");
              });
    zapytanie(R::BrakKlienta, ZWypozyczen + QStringLiteral(" where k.ID is null order by 1, 4, 5"),
              [](TWiersz w) {
                  return Wypozyczenie(w) +
                         QStringLiteral(" dotyczy klienta, którego nie ma w bazie.");
              });
    zapytanie(R::BrakFilmu, ZWypozyczen + QStringLiteral(" where f.ID is null order by 3, 2, 5"),
              [](TWiersz w) {
                  return Wypozyczenie(w) +
                         QStringLiteral(" dotyczy filmu, którego nie ma w bazie.");
              });
    return problemy;
}
