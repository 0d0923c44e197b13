// The about window: the program's title, who uses it on which computer, and how to
// reach its makers.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfAbout;
}

class TfAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfAbout(QWidget* parent = nullptr);
    ~TfAbout() override;

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    std::unique_ptr<Ui::TfAbout> ui;
};

// The user's name and the computer's name, as the system gives them.
QString NazwaUzytkownika();
QString NazwaKomputera();

// The window created once at program entry.
extern TfAbout* fAbout;
