// A window's command given both by a button and by an item of its hidden menu.
#pragma once

#include <functional>

class QAbstractButton;
class QAction;
class QWidget;

// The item joins the window's actions (it acts through its key only); the button and the
// item both run akcja.
void PolaczPolecenie(QWidget* okno, QAbstractButton* przycisk, QAction* pozycja,
                     const std::function<void()>& akcja);
