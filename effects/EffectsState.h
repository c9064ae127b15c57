#pragma once

// Puts every per-run record of the effect translation back to its start-up state: the effect
// catalogue and the plug-in identifier map (each conversion job fills them again), and the plug-in
// data reader's remembered first field.
void ResetEffectsState();
