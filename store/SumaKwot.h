// sum() on the file store's connection, exact for money: SQLite adds reals as doubles, so
// equal totals of amounts in grosze (0,10 + 0,20 against 0,30) could differ in their last
// bits and an ORDER BY on a total would part them. Amounts that are whole grosze are added
// as whole grosze; anything else as SQLite adds it. Integers alone stay integers.
#pragma once

struct sqlite3;

// Registers it on the connection in place of the built-in one; throws TBladBazy.
void RejestrujSumeKwot(sqlite3* uchwyt);
