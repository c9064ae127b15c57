#include "aaf/import/FileT.h"

#include <string>

#include "aaf/CheckHResult.h"
#include "aaf/TextConversion.h"

IAAFHeader* FileHeader = nullptr;
IAAFDictionary* FileDictionary = nullptr;

void ReleaseFileHeaderAndDictionary()
{
    ReleaseInterface(FileDictionary);
    ReleaseInterface(FileHeader);
}

FileT::FileT(const char* path)
{
    OpenExistingRead(path, &file);
    try {
        // A header or dictionary of an earlier file still held is replaced, not leaked.
        ReleaseFileHeaderAndDictionary();
        CheckHResult("GetHeader", CheckNotNull(file, "FileT: GetHeader")->GetHeader(&FileHeader), kAafCallFailed);
        CheckHResult("GetDictionary", CheckNotNull(file, "FileT: GetDictionary")->GetDictionary(&FileDictionary),
                     kAafCallFailed);
    } catch (...) {
        // A constructor that raises never reaches the destructor.
        ReleaseInterface(file);
        throw;
    }
}

FileT::~FileT()
{
    ReleaseInterface(file);
}

void FileT::OpenExistingRead(const char* path, IAAFFile** fileSlot)
{
    if (*fileSlot != nullptr)
        return;
    const std::u16string widePath = PathToWideString(path);
    CheckHResult("AAFFileOpenExistingRead", AAFFileOpenExistingRead(widePath.c_str(), 0, fileSlot), kAafOpenFailed);
}

void FileT::CloseFile()
{
    CheckHResult("Close", CheckNotNull(file, "FileT: CloseFile")->Close(), kAafCallFailed);
    ReleaseInterface(file);
    ReleaseObject();
}
