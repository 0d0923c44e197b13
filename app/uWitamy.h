// The welcome splash shown while the desk starts.
#pragma once

#include <QWidget>

class QTimer;

class TfWitamy : public QWidget {
    Q_OBJECT
public:
    // The splash closes itself 2000 ms after its creation, or when clicked.
    explicit TfWitamy(QWidget* parent = nullptr);
    static constexpr int CzasPokazu = 2000;

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;

private:
    QTimer* tZamknij;  // runs from the creation of the window
};

// The window created once at program entry.
extern TfWitamy* fWitamy;
