// The import of old Paradox tables as the operator runs it from the menu "Narzędzia".
#pragma once

#include <QString>

class QWidget;

// The whole import: refuses a store that holds data, asks for the folder, reads the
// tables, asks before going on without rental.db, writes, reports and checks the store.
// True when the store was written (the desk then reloads).
bool ImportParadox(QWidget* rodzic);
// The same from an already chosen folder.
bool ImportParadoxZKatalogu(const QString& katalog, QWidget* rodzic = nullptr);
