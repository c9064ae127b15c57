#pragma once

#include "aaf/ObjectT.h"

// Per run: the header and dictionary of the file that was opened, held after the close until the
// per-run reset releases them. Every mob query of the import goes through FileHeader.
extern IAAFHeader* FileHeader;
extern IAAFDictionary* FileDictionary;

// The per-run reset of FileHeader and FileDictionary.
void ReleaseFileHeaderAndDictionary();

// The AAF file opened for reading, for one run.
struct FileT : ObjectT {
    // Opens the file (a failure raises -38) and takes its header and dictionary into FileHeader and
    // FileDictionary (a failure raises -50, and the file is let go).
    explicit FileT(const char* path);
    ~FileT();

    // Does nothing when the slot already holds a file; a failed open raises -38.
    static void OpenExistingRead(const char* path, IAAFFile** fileSlot);
    // Closes the file and lets it go; raises when no file is open or the close fails.
    void CloseFile();

    IAAFFile* file = nullptr;
};
