#include "reports/RaportZakresu.h"

#include "store/Formaty.h"

QString NaglowekZakresu(const QString& nazwa, const QDate& od, const QDate& do_) {
    const QString tekstOd = DataDluga(od);
    const QString tekstDo = DataDluga(do_);
    if (tekstOd == tekstDo) return nazwa + QStringLiteral(" w dniu ") + tekstOd;
    return nazwa + QStringLiteral(" za okres od ") + tekstOd + QStringLiteral(" do ") + tekstDo;
}

TRaportZakresu::TRaportZakresu(const QString& nazwa) {
    TytulZadania = QStringLiteral("Wirdolan - ") + nazwa.toLower();
    const TCzcionka pk = TCzcionka::PogrubionaKursywa();
    auto& naglowek = Pasmo(TRodzajPasma::NaglowekStrony, 8);
    naglowek.Etykieta(nazwa, 3.2, pk);
    naglowek.DataWydruku(171.5, pk);
}
