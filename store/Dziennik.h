// The technician's error log: a plain-text file of the errors shown at the counter and of
// the program's starts and clean ends, so that what happened, and when, can be read later.
// It lives beside the store (wirdolan.log in the store's folder). A log that cannot be
// written is skipped silently: it never shows a message and never stops the program.
#pragma once

#include <QDateTime>
#include <QString>

inline const QString PlikDziennika = QStringLiteral("wirdolan.log");
// Past this size the log becomes wirdolan.log.1 (the one older file kept) and a new one
// starts.
inline constexpr qint64 RozmiarDziennika = 1024 * 1024;

// The kinds of the log's lines.
inline const QString WpisStartu = QStringLiteral("Start");
inline const QString WpisKonca = QStringLiteral("Koniec");
inline const QString WpisBledu = QStringLiteral("Błąd");
inline const QString WpisBleduBazy = QStringLiteral("Błąd bazy");
inline const QString WpisWadyBazy = QStringLiteral("Wada bazy");

// The log's folder: the one set here, else the store's folder (KatalogBazy); empty, as
// before the store's folder is known: nothing is logged. An empty argument returns to the
// store's folder.
void UstawKatalogDziennika(const QString& katalog);
QString KatalogDziennika();

// The line for an entry: the date and time, the kind and the text with its line breaks
// shown as " | ", ending in a line break.
QString WierszDziennika(const QDateTime& chwila, const QString& rodzaj, const QString& tekst);

// Appends the entry with the system clock's date and time, then closes the file.
void ZapiszWDzienniku(const QString& rodzaj, const QString& tekst);
