#pragma once

#include <QDialog>

class TfFilmy : public QDialog {
    Q_OBJECT
public:
    explicit TfFilmy(QWidget* parent = nullptr);
    // Search mode: the list shows the rows of this statement (columns ID, Numer_filmu, tytul).
    void UstawZapytanie(const QString& sql);

private:
    QString zapytanie;
};
