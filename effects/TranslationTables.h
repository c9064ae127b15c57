#pragma once

// Empties the per-run translation tables: the translation log, the FCP effect catalogue, the colour
// tables and the codec tables, each left ready to be filled again. The FxPlug identifier map is kept.
void ClearTranslationTables();
