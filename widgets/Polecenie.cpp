#include "widgets/Polecenie.h"

#include <QAbstractButton>
#include <QAction>

void PolaczPolecenie(QWidget* okno, QAbstractButton* przycisk, QAction* pozycja,
                     const std::function<void()>& akcja) {
    okno->addAction(pozycja);
    QObject::connect(przycisk, &QAbstractButton::clicked, okno, akcja);
    QObject::connect(pozycja, &QAction::triggered, okno, akcja);
}
