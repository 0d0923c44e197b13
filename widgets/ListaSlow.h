// The word-list files (towns, genres, media): their format, reading and writing.
//
// Windows-1250 text, no byte-order mark, one entry per line taken whole (blanks kept, an
// empty line is an empty entry). On reading a line ends at CR and an LF right after the
// CR is skipped; a lone LF is part of the entry; byte 26 (Ctrl+Z) ends the file; a last
// line without a line end is an entry too. On writing every entry ends with CR LF.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The entries held in the file's bytes.
QStringList OdczytajListeSlow(const QByteArray& bajty);
// The bytes of a file holding the entries. A character the code page cannot hold is
// written as '?', never as a byte that would end the file.
QByteArray ZakodujListeSlow(const QStringList& wpisy);
// The characters of the text that the code page cannot hold (empty when all can).
QString ZnakiSpozaStronyKodowej(const QString& tekst);

// The entries of the file; a missing or unreadable file is an empty list.
QStringList WczytajPlikListy(const QString& sciezka);
// Writes the entries into the file, creating its folder when missing; an old file is
// replaced only once the new one is complete, so a failed write leaves it as it was. On failure
// returns false with the platform's error text in blad.
bool ZapiszPlikListy(const QString& sciezka, const QStringList& wpisy, QString* blad = nullptr);
