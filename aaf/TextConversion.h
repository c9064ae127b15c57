#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "aaf/CheckHResult.h"
#include "aafsdk/include/AAFTypes.h"

// Converts UTF-16 text to UTF-8 into narrow (replacing what it held). A unit of an unpaired
// surrogate becomes U+FFFD and the rest of the text follows.
void ConvertWideToNarrow(std::u16string_view wide, std::string& narrow);

// The characters of the buffer up to the first NUL or maxLength, whichever comes first; the empty
// string for a null buffer.
std::string CharsToString(std::size_t maxLength, const char* buffer);

// The same for UTF-16 text, converted to UTF-8 without loss (ConvertWideToNarrow).
std::string CharsToString(std::size_t maxLength, const aafCharacter* buffer);

// Bytes of a value read as UTF-16 text (little-endian code units): at most length / 2 characters,
// up to the first NUL. Values such as an Int32 or an opaque payload carry no terminator.
std::string WideBytesToString(const aafUInt8* bytes, std::size_t length);

// The path's bytes as UTF-16 for the file open: UTF-8 as it reads, and every byte that is not UTF-8
// as the lone surrogate U+DC80 + (byte - 0x80); the empty text for a null path.
std::u16string PathToWideString(const char* path);

// The text read shared by every getter of an AAF text: the length in bytes (terminator included),
// then the text into a buffer of that size, converted to UTF-8. A failed step gives the empty text.
// The caller has checked the interface (CheckNotNull); getters that take an index bind it here.
std::string ReadTextWith(const std::function<HRESULT(aafUInt32*)>& getLength,
                         const std::function<HRESULT(aafCharacter*, aafUInt32)>& getText);

// The text read through an interface's pair of methods, such as &IAAFMob::GetNameBufLen and
// &IAAFMob::GetName. A null interface raises (CheckNotNull with label).
template <class Interface>
std::string ReadText(Interface* iface, const char* label, HRESULT (Interface::*getLength)(aafUInt32*),
                     HRESULT (Interface::*getText)(aafCharacter*, aafUInt32))
{
    CheckNotNull(iface, label);
    return ReadTextWith([&](aafUInt32* bytes) { return (iface->*getLength)(bytes); },
                        [&](aafCharacter* text, aafUInt32 bytes) { return (iface->*getText)(text, bytes); });
}
