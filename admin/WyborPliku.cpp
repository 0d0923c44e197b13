#include "admin/WyborPliku.h"

#include <QFileDialog>

namespace {

class TDialogiSystemowe : public TWyborPliku {
public:
    QString DoZapisu(QWidget* rodzic, const QString& tytul, const QString& propozycja,
                     const QString& filtr) override {
        return QFileDialog::getSaveFileName(rodzic, tytul, propozycja, filtr);
    }
    QString DoOdczytu(QWidget* rodzic, const QString& tytul, const QString& katalog,
                      const QString& filtr) override {
        return QFileDialog::getOpenFileName(rodzic, tytul, katalog, filtr);
    }
    QString Folder(QWidget* rodzic, const QString& tytul) override {
        return QFileDialog::getExistingDirectory(rodzic, tytul);
    }
};

TWyborPliku* zainstalowany = nullptr;

}  // namespace

TWyborPliku& WyborPliku() {
    static TDialogiSystemowe systemowe;
    return zainstalowany ? *zainstalowany : systemowe;
}

void UstawWyborPliku(TWyborPliku* wybor) {
    zainstalowany = wybor;
}
