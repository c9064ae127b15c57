#pragma once

// Puts every per-run record of every layer back to its start-up state, bottom layer first, so a run
// in a process that already ran one writes what a fresh process writes. A run calls it at its start,
// before it stores its parameters and reads its preferences; the conversion job's own reset
// (ResetJobState) then leaves the settings the driver read.
void ResetRunState();
