// Copies of the store: a consistent copy through SQLite's online backup API, the check
// that a file is a store of this program, and the restore that replaces the store file.
#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <stop_token>

// Copies the committed state of the store file zrodlo into the file cel through the online
// backup API, on a connection of its own: a transaction open in the program is not in the
// copy. One read snapshot is held from the first page to the last, so the program writes on
// meanwhile and the copy is the state at its start. The copy is written beside cel and
// renamed over it at the end, so a failure or a stop never leaves half a file under cel.
// A stop requested through stop ends the copy between two steps; postep hears the percent
// copied after each step, on the copying thread. Returns the error text in Polish, empty on
// success.
QString KopiujBaze(const QString& zrodlo, const QString& cel, std::stop_token stop = {},
                   const std::function<void(int)>& postep = {});

// Lowers the processor and disk priority of the calling thread, so that a copy made beside
// the desk gives way to the desk's own work.
void ObnizPriorytetWatku();

// What a chosen copy holds.
struct TOpisKopii {
    QString blad;              // empty when the file is a readable, sound store of this program
    bool uszkodzona = false;   // a store whose pages are damaged (not a foreign file)
    bool obceObiekty = false;  // a store holding objects the program did not make
    QDateTime data;
    qint64 klientow = 0;
    qint64 filmow = 0;
    qint64 wypozyczen = 0;
};

// Opens the file read-only and checks it is a store of this program: the four tables,
// readable, the integrity check passes, no object the program did not make. Counts its
// clients, films and rentals. The one check of a copy, for the restore and for the copy
// offered at start alike.
TOpisKopii OpiszKopie(const QString& plik);

// The folder of the automatic copies and of the replaced stores: Kopie/ in the tables'
// folder, ending in a separator.
QString KatalogKopii(const QString& katalogBazy);

// Replaces the store in katalogBazy by the copy: checks the copy, keeps the current store
// in Kopie/ (its path in zachowana), closes the store, puts the copy in place with one
// rename and opens the store again. Works also when no store is open (a damaged store at
// start). Returns the error text in Polish, empty on success; on an error the store in
// place is the one before.
QString PrzywrocBaze(const QString& plikKopii, const QString& katalogBazy, const QDateTime& teraz,
                     QString* zachowana = nullptr);

// Removes from the store in katalogBazy the objects the program did not make: first a copy
// of the store in Kopie/ (its path in kopia), then the removal in one transaction, then the
// store opened again (writable when nothing foreign is left). The error text in Polish,
// empty on success; on an error nothing is removed.
QString UsunObceObiektyZBazy(const QString& katalogBazy, const QDateTime& teraz,
                             QString* kopia = nullptr);

// A size for the operator: "512 B", "12,5 KB", "3,2 MB", "1,1 GB".
QString RozmiarPliku(qint64 bajty);
