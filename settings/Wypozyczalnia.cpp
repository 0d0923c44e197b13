#include "settings/Wypozyczalnia.h"

#include <QDir>

#include "settings/UstawieniaSklepu.h"
#include "store/PlikUstawien.h"

namespace {

const QString Grupa = QStringLiteral("WYPOZYCZALNIA");

QString NazwaPapieru(TPapierPotwierdzenia papier) {
    switch (papier) {
        case TPapierPotwierdzenia::Rolka80:
            return QStringLiteral("ROLKA80");
        case TPapierPotwierdzenia::Rolka58:
            return QStringLiteral("ROLKA58");
        case TPapierPotwierdzenia::A4:
            break;
    }
    return QStringLiteral("A4");
}

TPapierPotwierdzenia PapierONazwie(const QString& nazwa) {
    if (nazwa == QStringLiteral("ROLKA80")) return TPapierPotwierdzenia::Rolka80;
    if (nazwa == QStringLiteral("ROLKA58")) return TPapierPotwierdzenia::Rolka58;
    return TPapierPotwierdzenia::A4;
}

}  // namespace

TWypozyczalnia WczytajWypozyczalnie() {
    const QVariantMap w = WczytajUstawieniaSklepu(Grupa);
    TWypozyczalnia d;
    d.Nazwa = w.value(QStringLiteral("Nazwa")).toString();
    d.Adres = w.value(QStringLiteral("Adres")).toString();
    d.Miejscowosc = w.value(QStringLiteral("Miejscowosc")).toString();
    d.Telefon = w.value(QStringLiteral("Telefon")).toString();
    d.NIP = w.value(QStringLiteral("NIP")).toString();
    d.Papier =
        PapierONazwie(WczytajGrupeUstawien(Grupa).value(QStringLiteral("Papier")).toString());
    return d;
}

bool ZapiszWypozyczalnie(const TWypozyczalnia& d, QString* blad) {
    // The details go to the store, for every counter; the slip's paper is this computer's.
    const QVariantMap w{{QStringLiteral("Nazwa"), d.Nazwa},
                        {QStringLiteral("Adres"), d.Adres},
                        {QStringLiteral("Miejscowosc"), d.Miejscowosc},
                        {QStringLiteral("Telefon"), d.Telefon},
                        {QStringLiteral("NIP"), d.NIP}};
    if (!ZapiszUstawieniaSklepu(Grupa, w)) {
        if (blad) blad->clear();
        return false;
    }
    if (ZapiszGrupeUstawien(Grupa, {{QStringLiteral("Papier"), NazwaPapieru(d.Papier)}}))
        return true;
    if (blad)
        *blad = QStringLiteral(
                    "Nie udało się zapisać danych wypożyczalni w pliku \"%1\".\n"
                    "Sprawdź, czy folder istnieje i czy można w nim zapisywać.")
                    .arg(QDir::toNativeSeparators(PlikUstawienProgramu()));
    return false;
}

bool NIPPoprawny(const QString& nip) {
    QString cyfry;
    for (const QChar c : nip) {
        if (c.isDigit() && c.unicode() < 128)
            cyfry += c;
        else if (c != '-' && c != ' ')
            return false;
    }
    if (cyfry.isEmpty()) return nip.trimmed().isEmpty();
    if (cyfry.size() != 10) return false;
    static const int wagi[9] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    int suma = 0;
    for (int i = 0; i < 9; ++i) suma += wagi[i] * cyfry[i].digitValue();
    return suma % 11 == cyfry[9].digitValue();
}
