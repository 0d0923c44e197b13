#include "store/Interakcja.h"

#include <QAbstractButton>
#include <QDialog>

#include "store/Dziennik.h"

namespace {

class TPrawdziwaInterakcja : public TInterakcja {
public:
    QMessageBox::StandardButton Pokaz(const TKomunikat& k) override {
        QMessageBox box;
        UlozKomunikat(box, k);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
    int PokazModalnie(QDialog& okno) override { return okno.exec(); }
};

TPrawdziwaInterakcja& prawdziwa() {
    static TPrawdziwaInterakcja interakcja;
    return interakcja;
}

TInterakcja* zainstalowana = nullptr;

}  // namespace

void UlozKomunikat(QMessageBox& box, const TKomunikat& k) {
    box.setWindowTitle(k.tytul);
    box.setText(k.tekst);
    // The box's icon of each TIkona, in its order.
    constexpr QMessageBox::Icon Ikony[] = {QMessageBox::NoIcon, QMessageBox::Information,
                                           QMessageBox::Warning, QMessageBox::Question,
                                           QMessageBox::Critical};
    box.setIcon(Ikony[static_cast<int>(k.ikona)]);
    box.setStandardButtons(k.przyciski);
    if (k.domyslny != QMessageBox::NoButton) box.setDefaultButton(k.domyslny);
    const std::pair<QMessageBox::StandardButton, const char*> napisy[] = {
        {QMessageBox::Yes, "&Tak"},
        {QMessageBox::No, "&Nie"},
        {QMessageBox::Ok, "OK"},
        {QMessageBox::Cancel, "Anuluj"},
        {QMessageBox::Retry, "Spróbuj ponownie"},
        {QMessageBox::Close, "Zakończ"},
    };
    for (const auto& [przycisk, napis] : napisy)
        if (auto* b = box.button(przycisk)) b->setText(QString::fromUtf8(napis));
}

TInterakcja& Interakcja() {
    return zainstalowana ? *zainstalowana : prawdziwa();
}
void UstawInterakcje(TInterakcja* interakcja) {
    zainstalowana = interakcja;
}

QString RodzajWpisu(const TKomunikat& komunikat) {
    switch (komunikat.ikona) {
        case TIkona::Brak:
            return WpisBleduBazy;
        case TIkona::Stop:
            return WpisBledu;
        default:
            return {};
    }
}

QMessageBox::StandardButton PokazKomunikat(const TKomunikat& komunikat, const QString& wpis) {
    // Logged before it is shown: the line holds the moment of the error, and it stays even
    // when the program goes no further.
    if (const QString rodzaj = wpis.isEmpty() ? RodzajWpisu(komunikat) : wpis; !rodzaj.isEmpty())
        ZapiszWDzienniku(rodzaj, komunikat.tekst);
    return Interakcja().Pokaz(komunikat);
}
int PokazModalnie(QDialog& okno) {
    return Interakcja().PokazModalnie(okno);
}

void Ostrzezenie(const QString& tekst) {
    PokazKomunikat({tekst, QStringLiteral("Ostrzeżenie"), TIkona::Ostrzezenie, QMessageBox::Ok,
                    QMessageBox::Ok});
}
void Informacja(const QString& tekst) {
    PokazKomunikat({tekst, TytulAplikacji, TIkona::Informacja, QMessageBox::Ok, QMessageBox::Ok});
}
void Uwaga(const QString& tekst) {
    PokazKomunikat({tekst, TytulAplikacji, TIkona::Ostrzezenie, QMessageBox::Ok, QMessageBox::Ok});
}
bool Pytanie(const QString& tekst, bool takDomyslnie) {
    return PokazKomunikat({tekst, TytulAplikacji, TIkona::Pytanie,
                           QMessageBox::Yes | QMessageBox::No,
                           takDomyslnie ? QMessageBox::Yes : QMessageBox::No}) == QMessageBox::Yes;
}
void KomunikatBledu(const QString& tekst) {
    PokazKomunikat({tekst, TytulAplikacji, TIkona::Brak, QMessageBox::Ok, QMessageBox::Ok});
}
void BladOgolny(const QString& tekst) {
    PokazKomunikat({tekst, TytulAplikacji, TIkona::Stop, QMessageBox::Ok, QMessageBox::Ok});
}
