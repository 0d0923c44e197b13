// Polish alphabetical order for the store: A Ą B C Ć … L Ł … O Ó … S Ś … Z Ź Ż, letter
// case second. Registered on the connection under NazwaPorzadku; the translator asks for
// it in every ORDER BY on text, so the schema and the indexes never name it and the
// standard sqlite3 tool still reads and sorts the file.
#pragma once

struct sqlite3;

inline constexpr char NazwaPorzadku[] = "polski";

// Registers the collation on the connection; throws TBladBazy when it cannot.
void RejestrujPorzadek(sqlite3* uchwyt);
