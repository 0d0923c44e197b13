// The server store's connection as a test sees it from outside: the string that names the
// active database, and its end on the server's side.
#pragma once

#include <QString>

// libpq's connection string of the active server store's database ("dbname=…").
QString AdresAktywnejBazy();
// Ends the server's side of the active store's connection, as a server restart or a network
// fault does, from a connection of its own; the program's side learns of it at its next
// statement.
void ZerwijPolaczenie();
