#pragma once

// Fills the conversion's and the queries' AAF access (DocumentImportSource, JobQuerySource) with the
// file open, the import (with the effect translation), the queries and the close. The program fills
// them once at start; tests may replace them afterwards.
void InstallAafSources();

// Drops the AAF file a run left open (none does: every road closes it) without closing it again.
void ForgetOpenAafFile();
