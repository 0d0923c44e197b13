// The report of the store check: each problem on its line, or that none was found.
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "admin/SprawdzenieBazy.h"

namespace Ui {
class TfSprawdzBaze;
}

class TfSprawdzBaze : public QDialog {
    Q_OBJECT
public:
    explicit TfSprawdzBaze(QWidget* parent = nullptr);
    ~TfSprawdzBaze() override;

    void UstawWynik(const std::vector<TProblemBazy>& problemy);
    QString Wynik() const;

private:
    std::unique_ptr<Ui::TfSprawdzBaze> ui;
};
