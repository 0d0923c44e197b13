#include "admin/uSprawdzBaze.h"

#include "ui_uSprawdzBaze.h"

TfSprawdzBaze::TfSprawdzBaze(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfSprawdzBaze>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfSprawdzBaze"));
    connect(ui->bZamknij, &QPushButton::clicked, this, &QDialog::accept);
}

TfSprawdzBaze::~TfSprawdzBaze() = default;

void TfSprawdzBaze::UstawWynik(const std::vector<TProblemBazy>& problemy) {
    ui->mWynik->setPlainText(RaportSprawdzenia(problemy));
}

QString TfSprawdzBaze::Wynik() const {
    return ui->mWynik->toPlainText();
}
