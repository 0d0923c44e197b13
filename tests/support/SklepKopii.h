// A small shop for the copies between stores.
#pragma once

// Fills the active store (of either kind) with a small shop whose values try every way the
// stores keep them: money to the grosz and negative, dates, booleans true, false and null,
// Polish letters, empty text and nulls, keys with gaps, the till journal.
void ZapiszSklepDoKopii();
