// The application object: delivers every event with a last net under it, so that no
// exception crosses the event loop.
#pragma once

#include <QApplication>

class TAplikacja : public QApplication {
public:
    TAplikacja(int& argc, char** argv) : QApplication(argc, argv) {}

    // An exception out of an event handler ends that handler only: its text is shown in the
    // general error box and the program goes on.
    bool notify(QObject* odbiorca, QEvent* zdarzenie) override;
};
