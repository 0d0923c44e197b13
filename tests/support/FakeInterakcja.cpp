#include "support/FakeInterakcja.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

FakeInterakcja::FakeInterakcja() {
    UstawInterakcje(this);
}

FakeInterakcja::~FakeInterakcja() {
    UstawInterakcje(nullptr);
    EXPECT_TRUE(odpowiedzi.empty()) << "scripted answers left unused: " << odpowiedzi.size();
    EXPECT_TRUE(okna.empty()) << "scripted dialogs left unused: " << okna.size();
}

QMessageBox::StandardButton FakeInterakcja::Pokaz(const TKomunikat& komunikat) {
    komunikaty.push_back(komunikat);
    const bool wybor = (komunikat.przyciski & ~QMessageBox::StandardButtons(QMessageBox::Ok)) !=
                       QMessageBox::StandardButtons();
    if (!wybor) return QMessageBox::Ok;  // a notice has nothing to answer
    if (odpowiedzi.empty()) {
        ADD_FAILURE() << "unexpected question: " << komunikat.tekst.toStdString();
        return komunikat.domyslny;
    }
    const auto o = odpowiedzi.front();
    odpowiedzi.pop_front();
    return o;
}

int FakeInterakcja::PokazModalnie(QDialog& okno) {
    pokazaneOkna.push_back(okno.objectName());
    if (okna.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << okno.objectName().toStdString();
        return QDialog::Rejected;
    }
    auto obsluga = std::move(okna.front());
    okna.pop_front();
    return obsluga(okno);
}

std::vector<QString> FakeInterakcja::Teksty() const {
    std::vector<QString> t;
    for (const auto& k : komunikaty) t.push_back(k.tekst);
    return t;
}

std::function<int(QDialog&)> Kliknij(const QString& nazwaPrzycisku) {
    return [nazwaPrzycisku](QDialog& okno) {
        auto* przycisk = okno.findChild<QAbstractButton*>(nazwaPrzycisku);
        EXPECT_NE(przycisk, nullptr) << "no button " << nazwaPrzycisku.toStdString();
        if (przycisk) przycisk->click();
        return okno.result();
    };
}

std::function<int(QDialog&)> ZapiszKlienta(const QString& nazwisko,
                                           const std::vector<std::pair<QString, QString>>& pola) {
    return [nazwisko, pola](QDialog& okno) {
        auto* pole = okno.findChild<QLineEdit*>("eNazwisko");
        QFocusEvent wejscie(QEvent::FocusIn);
        QApplication::sendEvent(pole, &wejscie);
        pole->setText(nazwisko);
        for (const auto& [nazwa, tekst] : pola) okno.findChild<QLineEdit*>(nazwa)->setText(tekst);
        return Kliknij("bZapisz")(okno);
    };
}
