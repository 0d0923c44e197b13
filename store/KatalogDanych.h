// Where the program keeps its folders and finds its installed files.
//
// A portable program (a build or a copied folder) keeps Bazy/ and Config/ beside itself.
// An installed one (<prefix>/bin/wirdolan with <prefix>/share/wirdolan/) or one whose
// folder is not writable keeps them in the user's data folder, ~/.local/share/Wirdolan/,
// whose word lists are seeded from the program's defaults at the first start.
#pragma once

#include <QString>

// The installed program's shared files (default word lists, guide), <prefix>/share/wirdolan/
// beside the program's <prefix>/bin/; empty when there are none. Ends in a slash.
QString KatalogWspolny(const QString& katalogProgramu);

// The user's data folder (the generic data location followed by Wirdolan/).
QString KatalogUzytkownika();

// The folder that holds Bazy/ and Config/ for the program in katalogProgramu, created with
// its word lists where it is the user's data folder. Ends in a slash.
QString KatalogDanych(const QString& katalogProgramu);

// Copies the word lists (*.wdn) of the folder zrodlo that the folder cel lacks; the copies
// are the user's to edit. A list already in cel is never overwritten.
void UzupelnijListy(const QString& zrodlo, const QString& cel);

// The help to open: pomoc.chm in the data folder, else the guide (pomoc/index.html) in the
// data folder or among the installed files; empty when there is none.
QString PlikPomocy(const QString& katalogDanych, const QString& katalogWspolny);
