#pragma once

// Puts every per-run record of the document layer back to its start-up state: the output file
// (closed, unnamed), the indentation, the document, the element ids and written file ids, and the
// colour and codec tables (each conversion job builds them again).
void ResetDocumentState();
