#pragma once

// Installs the AAF layer's file open, import, queries and close into the document pass
// (DocumentImportSource) and the query jobs (JobQuerySource). The program installs them once at
// start; tests may replace them afterwards.
void InstallAafSources();

// Drops the AAF file a run left open (none does: every road closes it) without closing it again.
void ForgetOpenAafFile();
