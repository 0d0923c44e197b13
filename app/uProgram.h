// Program entry: the application object, the long-lived windows and the message loop.
#pragma once

// The program's name, Polish locale, fonts and icon, and Qt's own texts in Polish.
void PrzygotujAplikacje();
int UruchomProgram(int argc, char** argv);
// The clean end: the windows destroyed, the store closed and the end logged.
void ZakonczProgram();

// Creates the long-lived windows in their fixed order and sets their globals;
// ZniszczOkna destroys them and clears the globals.
void UtworzOkna();
void ZniszczOkna();
