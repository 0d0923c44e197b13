// The inputs of the desk's operations, gathered from its list and fields.
#include <QCheckBox>
#include <QLineEdit>
#include <QStringList>
#include <QTableWidget>

#include "app/uMain.h"
#include "app/uMainLista.h"
#include "store/Formaty.h"
#include "store/Zegar.h"
#include "ui_uMain.h"

std::optional<TDaneWypozyczenia> TfMain::DaneWypozyczenia(TKwota wplata) const {
    const QTableWidget* sg = ui->sgWypozyczenie;
    TDaneWypozyczenia dane;
    const int filmy = sg->rowCount() - 2;
    for (int i = 0; i < filmy; ++i) {
        const auto id = CalkowitaZEkranu(TekstKomorki(sg, i, 3));
        const auto naleznosc = KwotaKomorki(TekstKomorki(sg, i, 2));
        const auto dni = CalkowitaZEkranu(TekstKomorki(sg, i, 4));
        const auto stawka = KwotaKomorki(TekstKomorki(sg, i, 5));
        if (!id || !naleznosc) return std::nullopt;
        dane.Wiersze.push_back({*id, *naleznosc, dni.value_or(0), stawka.value_or(TKwota())});
    }
    dane.Razem = KwotaKomorki(TekstKomorki(sg, sg->rowCount() - 1, 2)).value_or(TKwota());
    dane.Saldo = KwotaZEkranu(ui->eSaldo->text()).value_or(TKwota());
    dane.Wplata = wplata;
    dane.TrybZwrot = !ui->eWplata->isEnabled();
    dane.SumaPlatnosci = SumaPlatnosci;
    dane.WplaconoWczesniej = WplaconoWczesniej;
    dane.Abonament = ui->cbAbonament->isChecked();
    dane.AbonamentDo = DataZTekstu(ui->eAbonamentDO->text());
    dane.LicznikAb = LicznikAbKlienta;
    dane.Dzien = Dzisiaj();
    return dane;
}

TDaneZwrotu TfMain::DaneZwrotu(std::pair<int, int> wiersze) const {
    TDaneZwrotu dane;
    dane.Pierwszy = wiersze.first;
    dane.Ostatni = wiersze.second;
    dane.Ustawienia = UstawieniaProgramu();
    dane.RabatKlienta = RabatKlienta;
    dane.Abonament = ui->cbAbonament->isChecked();
    dane.AbonamentDo = DataZTekstu(ui->eAbonamentDO->text());
    dane.Saldo = KwotaZEkranu(ui->eSaldo->text()).value_or(TKwota());
    dane.Wplacono = WplaconoWczesniej;
    dane.Dzisiaj = Dzisiaj();
    return dane;
}

TDaneWycofania TfMain::DaneWycofania(std::pair<int, int> wiersze) const {
    TDaneWycofania dane;
    dane.Wiersze = WypozyczeniaNaLiscie;
    dane.Pierwszy = wiersze.first;
    dane.Ostatni = wiersze.second;
    dane.Razem = SumaPlatnosci;
    dane.Wplacono = WplaconoWczesniej;
    dane.Saldo = KwotaZEkranu(ui->eSaldo->text()).value_or(TKwota());
    dane.LicznikAb = LicznikAbKlienta;
    return dane;
}

TDanePrzedluzenia TfMain::DanePrzedluzenia(std::pair<int, int> wiersze, int iloscDni) const {
    TDanePrzedluzenia dane;
    dane.Wiersze = WypozyczeniaNaLiscie;
    dane.Pierwszy = wiersze.first;
    dane.Ostatni = wiersze.second;
    dane.IloscDni = iloscDni;
    dane.Dzisiaj = Dzisiaj();
    dane.Razem = SumaPlatnosci;
    dane.Wplacono = WplaconoWczesniej;
    dane.Saldo = KwotaZEkranu(ui->eSaldo->text()).value_or(TKwota());
    dane.Abonament = ui->cbAbonament->isChecked();
    dane.LicznikAb = LicznikAbKlienta;
    dane.Ustawienia = UstawieniaProgramu();
    dane.RabatKlienta = RabatKlienta;
    return dane;
}

QString TfMain::NumeryFilmow(std::pair<int, int> wiersze) const {
    QStringList filmy;
    for (int i = wiersze.first; i <= wiersze.second; ++i)
        filmy << Numer4(TekstKomorki(ui->sgWypozyczenie, i, 1).toLongLong());
    return filmy.join(QStringLiteral(", "));
}
