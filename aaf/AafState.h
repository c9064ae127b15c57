#pragma once

// Puts the per-run record of the AAF layer back to its start-up state: the text of the last failed
// AAF call.
void ResetAafState();
