#include "effects/TypedValueDecoding.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "aaf/CheckHResult.h"
#include "aaf/DefinitionT.h"
#include "aaf/HeldInterface.h"
#include "aaf/PropertyValues.h"
#include "aaf/RegistryAuid.h"
#include "aaf/ValueMakers.h"

namespace {

constexpr Auid kRational = RegistryAuid("{03010100-0000-0000-060E-2B3401040101}");
constexpr Auid kBoolean = RegistryAuid("{01040100-0000-0000-060E-2B3401040101}");
constexpr Auid kUInt8 = RegistryAuid("{01010100-0000-0000-060E-2B3401040101}");
constexpr Auid kUInt16 = RegistryAuid("{01010200-0000-0000-060E-2B3401040101}");
constexpr Auid kUInt32 = RegistryAuid("{01010300-0000-0000-060E-2B3401040101}");
constexpr Auid kUInt64 = RegistryAuid("{01010400-0000-0000-060E-2B3401040101}");
constexpr Auid kInt8 = RegistryAuid("{01010500-0000-0000-060E-2B3401040101}");
constexpr Auid kInt16 = RegistryAuid("{01010600-0000-0000-060E-2B3401040101}");
constexpr Auid kInt32 = RegistryAuid("{01010700-0000-0000-060E-2B3401040101}");
constexpr Auid kInt64 = RegistryAuid("{01010800-0000-0000-060E-2B3401040101}");
constexpr Auid kPositionType = RegistryAuid("{01012001-0000-0000-060E-2B3401040101}");
constexpr Auid kLengthType = RegistryAuid("{01012002-0000-0000-060E-2B3401040101}");
constexpr Auid kUInt8Array = RegistryAuid("{04010100-0000-0000-060E-2B3401040101}");

// Arrays of these element types are known by the array type's AUID.
struct ArrayTypeRow {
    Auid element;
    Auid array;
};
constexpr ArrayTypeRow kArrayTypes[] = {
    {kUInt8, kUInt8Array},
    {kUInt32, RegistryAuid("{04010900-0000-0000-060E-2B3401040101}")},
    {kInt32, RegistryAuid("{04010300-0000-0000-060E-2B3401040101}")},
    {kInt64, RegistryAuid("{04010400-0000-0000-060E-2B3401040101}")},
};

// Byte arrays in parameters are small (effect ids, title data); a larger length is damage.
constexpr aafUInt32 kMaxArrayBytes = 1u << 24;

template <class Holder>
HRESULT ValueTypeAuid(Holder* holder, Auid& typeId)
{
    if (holder == nullptr)
        return AAFRESULT_BADINDEX;
    Held<IAAFTypeDef> type;
    const HRESULT result = holder->GetTypeDefinition(type.out());
    if (result < 0 || !type)
        return result < 0 ? result : AAFRESULT_BADINDEX;
    DefinitionT meta;
    if (meta.ReadMetaDefinitionId(type.get()) < 0)
        return result;
    typeId = meta.id;
    if (GetDefinitionNameText(typeId) != "VariableArrayType")
        return result;
    std::int32_t arrayStatus = 0;
    GetArrayElementTypeAuid(typeId, arrayStatus, type.get());
    for (const ArrayTypeRow& row : kArrayTypes) {
        if (typeId == row.element) {
            typeId = row.array;
            break;
        }
    }
    return result;
}

// The low bytes of a little-endian value as an unsigned number.
std::uint64_t LittleEndian(const std::uint8_t* bytes, std::size_t size)
{
    std::uint64_t value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = value << 8 | bytes[i];
    return value;
}

std::int32_t Low32(std::uint64_t value) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(value)); }

template <class Holder>
HRESULT DecodeBytes(Holder* holder, ValueBase** out)
{
    aafUInt32 length = 0;
    if (CheckNotNull(holder, "ParameterR: GetValueBufLen")->GetValueBufLen(&length) != AAFRESULT_SUCCESS)
        length = 0;
    if (length == 0)
        return AAFRESULT_SUCCESS;
    if (length > kMaxArrayBytes)
        return AAFRESULT_DATA_SIZE;
    std::vector<std::uint8_t> bytes(length);
    aafUInt32 read = 0;
    const HRESULT result = holder->GetValue(length, bytes.data(), &read);
    if (result < 0)
        return result;
    std::vector<std::string> hexBytes;
    std::vector<std::string> charBytes;
    hexBytes.reserve(length);
    charBytes.reserve(length);
    for (const std::uint8_t byte : bytes) {
        // "%02x " by hand: a value's bytes are formatted one by one.
        const char hex[3] = {"0123456789abcdef"[byte >> 4], "0123456789abcdef"[byte & 0xf], ' '};
        hexBytes.emplace_back(hex, sizeof hex);
        charBytes.emplace_back(std::isprint(byte) ? std::string(1, static_cast<char>(byte)) : std::string("."));
    }
    MakeArrayValue(hexBytes, out, charBytes, static_cast<int>(length));
    return result;
}

template <class Holder>
HRESULT Decode(const Auid& typeId, Holder* holder, ValueBase** out)
{
    if (holder == nullptr)
        return AAFRESULT_BADINDEX;
    if (typeId == kUInt8Array)
        return DecodeBytes(holder, out);

    std::size_t size = 0;
    if (typeId == kRational || typeId == kUInt64 || typeId == kInt64 || typeId == kPositionType ||
        typeId == kLengthType)
        size = 8;
    else if (typeId == kBoolean || typeId == kUInt32 || typeId == kInt32)
        size = 4;
    else if (typeId == kUInt16 || typeId == kInt16)
        size = 2;
    else if (typeId == kUInt8 || typeId == kInt8)
        size = 1;
    else
        return AAFRESULT_SUCCESS;

    std::array<std::uint8_t, 8> bytes{};
    aafUInt32 read = 0;
    const HRESULT result = holder->GetValue(static_cast<aafUInt32>(size), bytes.data(), &read);
    if (result < 0)
        return result;
    const std::uint64_t value = LittleEndian(bytes.data(), size);
    if (typeId == kRational)
        MakeRatioValue(out, Low32(value), Low32(value >> 32));
    else if (typeId == kBoolean)
        MakeBoolValue(out, Low32(value) != 0);
    else if (typeId == kInt8)
        MakeIntValue(static_cast<std::int8_t>(value), out);
    else if (typeId == kInt16)
        MakeIntValue(static_cast<std::int16_t>(value), out);
    else
        MakeIntValue(Low32(value), out);  // unsigned ones below 32 bits widen with zeros
    return result;
}

}  // namespace

HRESULT GetValueTypeAuid(IAAFConstantValue* holder, Auid& typeId) { return ValueTypeAuid(holder, typeId); }
HRESULT GetValueTypeAuid(IAAFControlPoint* holder, Auid& typeId) { return ValueTypeAuid(holder, typeId); }

HRESULT DecodeTypedValue(const Auid& typeId, IAAFConstantValue* holder, ValueBase** out)
{
    return Decode(typeId, holder, out);
}

HRESULT DecodeTypedValue(const Auid& typeId, IAAFControlPoint* holder, ValueBase** out)
{
    return Decode(typeId, holder, out);
}
