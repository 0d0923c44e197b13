// The messages of the money operations, shown by the windows that run them.
#pragma once

#include "money/Rozliczenia.h"

// Shows the message through the interaction layer, with the icon and caption of its kind.
void PokazKomunikatRozliczenia(const TKomunikatRozliczenia& komunikat);
