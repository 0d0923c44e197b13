#include "settings/UstawieniaSklepu.h"

#include <QHash>
#include <QSysInfo>
#include <optional>

#include "store/Baza.h"
#include "store/Formaty.h"
#include "store/OdczytWierszy.h"
#include "store/PlikUstawien.h"
#include "store/TQuery.h"
#include "store/uWspolneDB.h"

namespace {

// The table as last read, and the store's mark it was read at.
struct TPamiecUstawien {
    TZnacznikBazy znacznik;
    QHash<QString, QString> wartosci;
    bool odczytane = false;
};

TPamiecUstawien& Pamiec() {
    static TPamiecUstawien pamiec;
    return pamiec;
}

// Every stored value by its full key; nothing when the read failed. A failed read is kept
// too, so that its error text shows once until the store changes.
std::optional<QHash<QString, QString>> Wszystkie() {
    TPamiecUstawien& p = Pamiec();
    const TZnacznikBazy znacznik = TBaza::Znacznik();
    if (znacznik.polaczenie == 0) return QHash<QString, QString>();
    if (p.znacznik == znacznik) {
        if (!p.odczytane) return std::nullopt;
        return p.wartosci;
    }
    TQuery q;
    const auto wiersze =
        WierszeZapytania(q, QStringLiteral("select Klucz, Wartosc from ustawienia"), [](TQuery& w) {
            return std::pair{w.FieldByName(QStringLiteral("Klucz")).AsString(),
                             w.FieldByName(QStringLiteral("Wartosc")).AsString()};
        });
    p.znacznik = znacznik;
    p.odczytane = wiersze.has_value();
    p.wartosci.clear();
    if (!wiersze) return std::nullopt;
    for (const auto& [klucz, wartosc] : *wiersze) p.wartosci.insert(klucz, wartosc);
    return p.wartosci;
}

std::optional<QVariantMap> Grupa(const QString& grupa) {
    const auto wszystkie = Wszystkie();
    if (!wszystkie) return std::nullopt;
    const QString przedrostek = grupa + '/';
    QVariantMap wartosci;
    for (auto it = wszystkie->cbegin(); it != wszystkie->cend(); ++it)
        if (it.key().startsWith(przedrostek))
            wartosci.insert(it.key().mid(przedrostek.size()), it.value());
    return wartosci;
}

}  // namespace

QVariantMap WczytajUstawieniaSklepu(const QString& grupa) {
    return Grupa(grupa).value_or(QVariantMap());
}

bool ZapiszUstawieniaSklepu(const QString& grupa, const QVariantMap& wartosci) {
    TQuery q;
    TTransakcja transakcja;
    for (auto it = wartosci.cbegin(); it != wartosci.cend(); ++it) {
        const QString klucz = TekstSQL(grupa + '/' + it.key());
        UruchomSQL(q, QStringLiteral("delete from ustawienia where Klucz = ") + klucz);
        UruchomSQL(q, QStringLiteral("insert into ustawienia( Klucz, Wartosc ) values ( ") + klucz +
                          QStringLiteral(", ") + TekstSQL(it.value().toString()) +
                          QStringLiteral(" )"));
    }
    return transakcja.Zatwierdz();
}

const std::vector<TGrupaSklepu>& GrupySklepu() {
    static const std::vector<TGrupaSklepu> grupy = {
        {QStringLiteral("WYPOZYCZALNIA"),
         {QStringLiteral("Nazwa"), QStringLiteral("Adres"), QStringLiteral("Miejscowosc"),
          QStringLiteral("Telefon"), QStringLiteral("NIP")}},
        {QStringLiteral("ETYKIETY"),
         {QStringLiteral("Arkusz"), QStringLiteral("MarginesGorny"), QStringLiteral("MarginesLewy"),
          QStringLiteral("OdstepPoziomy"), QStringLiteral("OdstepPionowy"),
          QStringLiteral("Szerokosc"), QStringLiteral("Wysokosc")}},
    };
    return grupy;
}

bool PrzeniesUstawieniaZPliku() {
    // A store opened for reading only takes nothing; the file's values wait for a later start.
    const TBaza* b = TBaza::Aktywna();
    if (!b || b->Wada() != TWadaBazy::Brak) return true;
    for (const TGrupaSklepu& g : GrupySklepu()) {
        const auto zapisane = Grupa(g.grupa);
        if (!zapisane) return false;
        if (!zapisane->isEmpty()) continue;
        const QVariantMap plik = WczytajGrupeUstawien(g.grupa);
        QVariantMap przenoszone;
        for (const QString& klucz : g.klucze)
            if (plik.contains(klucz)) przenoszone.insert(klucz, plik.value(klucz));
        if (!przenoszone.isEmpty() && !ZapiszUstawieniaSklepu(g.grupa, przenoszone)) return false;
    }
    return true;
}

QString NazwaStanowiska() {
    const QString nazwa = WczytajGrupeUstawien(QStringLiteral("BAZA"))
                              .value(QStringLiteral("Stanowisko"))
                              .toString()
                              .trimmed();
    return nazwa.isEmpty() ? QSysInfo::machineHostName() : nazwa;
}
