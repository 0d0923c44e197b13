// The work of the "Narzędzia" menu, with its questions and messages. The desk calls these
// and reloads what it shows.
#pragma once

#include <functional>
#include <stop_token>

class QWidget;

// Each works on either kind of store: a server store's copy is a store file of the same form
// as the file store's, and its restore replaces every row on the server.
//
// "Kopia zapasowa…": a copy of the open store to a file the operator picks, then a box
// saying where it went and how large it is. The copy is made on a thread of its own while
// the program's events go on (the windows paint and answer); postep hears its percent as
// it grows and -1 at its end. A stop requested through stop ends it with no file left and
// nothing said.
void KopiaZapasowa(QWidget* rodzic, const std::function<void(int)>& postep = {},
                   std::stop_token stop = {});
// "Przywróć z kopii…": true when the store was replaced by a copy; the caller then reloads
// the settings, the pick lists and what it shows.
bool PrzywrocZKopii(QWidget* rodzic);
// "Sprawdź bazę danych": the check's report in a window; for objects the program did not
// make, the offer to remove them after a copy. True when they were removed and the store
// opened again; the caller then reloads as after a restore.
bool SprawdzBazeDanych(QWidget* rodzic);
