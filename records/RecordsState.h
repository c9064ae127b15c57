#pragma once

// Puts the shared records' per-run state back to its start-up state: the mob registry.
void ResetRecordsState();
