// The program's look on any desktop: the font families the windows and reports ask for
// are mapped to installed fonts of the same widths, the windows' default font is the
// desk's, and every window carries the program's icon.
#pragma once

// Call once, right after the application object is created.
void UstawWyglad();
