// Essence descriptors and locators.

#include "aafsdk/com/ComIds.h"
#include "aafsdk/com/InterfaceTables.h"
#include "aafsdk/com/StoredValues.h"

namespace aafsdk::com {
namespace {

using namespace pids;

// A boolean stored in one byte.
HRESULT ReadBoolean(const StoredObject& object, std::uint16_t pid, aafBoolean_t* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    std::uint8_t v = 0;
    const HRESULT hr = ReadInteger(object, pid, &v);
    if (hr == AAFRESULT_SUCCESS)
        *out = v ? kAAFTrue : kAAFFalse;
    return hr;
}

// A view: height and width as stored, offsets 0 when the file leaves them out.
HRESULT ReadView(const StoredObject& o, std::uint16_t hPid, std::uint16_t wPid, std::uint16_t xPid, std::uint16_t yPid,
                 aafUInt32* h, aafUInt32* w, aafInt32* x, aafInt32* y)
{
    if (!h || !w || !x || !y)
        return AAFRESULT_NULL_PARAM;
    aafUInt32 height = 0, width = 0;
    aafInt32 xOffset = 0, yOffset = 0;
    HRESULT hr = ReadInteger(o, hPid, &height);
    if (hr == AAFRESULT_SUCCESS)
        hr = ReadInteger(o, wPid, &width);
    for (auto [pid, offset] : {std::pair{xPid, &xOffset}, std::pair{yPid, &yOffset}})
        if (hr == AAFRESULT_SUCCESS) {
            hr = ReadInteger(o, pid, offset);
            if (hr == AAFRESULT_PROP_NOT_PRESENT)
                hr = AAFRESULT_SUCCESS;
        }
    if (hr == AAFRESULT_SUCCESS) {
        *h = height;
        *w = width;
        *x = xOffset;
        *y = yOffset;
    }
    return hr;
}

// An RGBA layout: up to eight (code, size) pairs, ending at the first code 0.
HRESULT ReadLayout(const StoredObject& o, std::uint16_t pid, std::vector<aafRGBAComponent_t>* out)
{
    std::span<const std::uint8_t> bytes;
    const HRESULT hr = ReadBytes(o, pid, &bytes);
    if (hr != AAFRESULT_SUCCESS)
        return hr;
    if (bytes.size() % 2 != 0)
        return AAFRESULT_BAD_PROP;
    out->clear();
    for (std::size_t i = 0; i < bytes.size() && bytes[i] != kAAFCompNull; i += 2)
        out->push_back(aafRGBAComponent_t{bytes[i], bytes[i + 1]});
    return AAFRESULT_SUCCESS;
}

HRESULT CountLayout(const StoredObject& o, std::uint16_t pid, aafUInt32* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    std::vector<aafRGBAComponent_t> layout;
    const HRESULT hr = ReadLayout(o, pid, &layout);
    if (hr == AAFRESULT_SUCCESS)
        *out = static_cast<aafUInt32>(layout.size());
    return hr;
}

HRESULT CopyLayout(const StoredObject& o, std::uint16_t pid, aafUInt32 n, aafRGBAComponent_t* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    std::vector<aafRGBAComponent_t> layout;
    const HRESULT hr = ReadLayout(o, pid, &layout);
    if (hr != AAFRESULT_SUCCESS)
        return hr;
    if (n < layout.size())
        return AAFRESULT_SMALLBUF;
    std::copy(layout.begin(), layout.end(), out);
    return AAFRESULT_SUCCESS;
}

HRESULT ReadInt32Array(const StoredObject& o, std::uint16_t pid, std::vector<aafInt32>* out)
{
    std::span<const std::uint8_t> bytes;
    const HRESULT hr = ReadBytes(o, pid, &bytes);
    if (hr != AAFRESULT_SUCCESS)
        return hr;
    if (bytes.size() % 4 != 0)
        return AAFRESULT_BAD_PROP;
    const bool big = o.byteOrder == 0x42;
    out->clear();
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        aafUInt32 v = 0;
        for (std::size_t b = 0; b < 4; ++b)
            v |= aafUInt32(bytes[i + (big ? 3 - b : b)]) << (8 * b);
        out->push_back(static_cast<aafInt32>(v));
    }
    return AAFRESULT_SUCCESS;
}

class EssenceDescriptor final : public Facet<IAAFEssenceDescriptor> {
public:
    using Facet::Facet;
    HRESULT CountLocators(aafUInt32* pResult) override
    {
        return CountOptionalElements(stored(), kEssenceDescriptorLocator, pResult);
    }
    HRESULT GetLocatorAt(aafUInt32 index, IAAFLocator** ppLocator) override
    {
        if (!ppLocator)
            return AAFRESULT_NULL_PARAM;
        *ppLocator = nullptr;
        std::vector<ObjectId> locators;
        HRESULT hr = ReadStrongElements(stored(), kEssenceDescriptorLocator, &locators);
        if (hr == AAFRESULT_PROP_NOT_PRESENT)
            return AAFRESULT_BADINDEX;
        if (hr == AAFRESULT_SUCCESS)
            hr = CheckIndex(locators, index);
        return hr != AAFRESULT_SUCCESS ? hr : HandStored(self().file(), locators[index], ppLocator);
    }
};

class FileDescriptor final : public Facet<IAAFFileDescriptor> {
public:
    using Facet::Facet;
};

class DigitalImageDescriptor final : public Facet<IAAFDigitalImageDescriptor> {
public:
    using Facet::Facet;
    HRESULT GetFrameLayout(aafFrameLayout_t* p) override { return ReadEnum8(stored(), kDigitalImageDescriptorFrameLayout, p); }
    HRESULT GetStoredView(aafUInt32* pStoredHeight, aafUInt32* pStoredWidth) override
    {
        if (!pStoredHeight || !pStoredWidth)
            return AAFRESULT_NULL_PARAM;
        aafUInt32 h = 0, w = 0;
        HRESULT hr = ReadInteger(stored(), kDigitalImageDescriptorStoredHeight, &h);
        if (hr == AAFRESULT_SUCCESS)
            hr = ReadInteger(stored(), kDigitalImageDescriptorStoredWidth, &w);
        if (hr == AAFRESULT_SUCCESS) {
            *pStoredHeight = h;
            *pStoredWidth = w;
        }
        return hr;
    }
    HRESULT GetImageAspectRatio(aafRational_t* p) override
    {
        return ReadRational(stored(), kDigitalImageDescriptorImageAspectRatio, p);
    }
    HRESULT GetVideoLineMapSize(aafUInt32* pNumberElements) override
    {
        if (!pNumberElements)
            return AAFRESULT_NULL_PARAM;
        std::vector<aafInt32> map;
        const HRESULT hr = ReadInt32Array(stored(), kDigitalImageDescriptorVideoLineMap, &map);
        if (hr == AAFRESULT_SUCCESS)
            *pNumberElements = static_cast<aafUInt32>(map.size());
        return hr;
    }
    HRESULT GetVideoLineMap(aafUInt32 numberElements, aafInt32* pVideoLineMap) override
    {
        if (!pVideoLineMap)
            return AAFRESULT_NULL_PARAM;
        std::vector<aafInt32> map;
        const HRESULT hr = ReadInt32Array(stored(), kDigitalImageDescriptorVideoLineMap, &map);
        if (hr != AAFRESULT_SUCCESS)
            return hr;
        if (numberElements < map.size())
            return AAFRESULT_SMALLBUF;
        std::copy(map.begin(), map.end(), pVideoLineMap);
        return AAFRESULT_SUCCESS;
    }
    HRESULT GetAlphaTransparency(aafAlphaTransparency_t* p) override
    {
        return ReadEnum8(stored(), kDigitalImageDescriptorAlphaTransparency, p);
    }
    HRESULT GetCompression(aafUID_t* p) override { return ReadUid(stored(), kDigitalImageDescriptorCompression, p); }
    HRESULT GetDisplayView(aafUInt32* h, aafUInt32* w, aafInt32* x, aafInt32* y) override
    {
        return ReadView(stored(), kDigitalImageDescriptorDisplayHeight, kDigitalImageDescriptorDisplayWidth,
                        kDigitalImageDescriptorDisplayXOffset, kDigitalImageDescriptorDisplayYOffset, h, w, x, y);
    }
    HRESULT GetGamma(aafUID_t* p) override
    {
        return ReadUid(stored(), kDigitalImageDescriptorTransferCharacteristic, p);
    }
    HRESULT GetImageAlignmentFactor(aafUInt32* p) override
    {
        return ReadInteger(stored(), kDigitalImageDescriptorImageAlignmentFactor, p);
    }
    HRESULT GetSampledView(aafUInt32* h, aafUInt32* w, aafInt32* x, aafInt32* y) override
    {
        return ReadView(stored(), kDigitalImageDescriptorSampledHeight, kDigitalImageDescriptorSampledWidth,
                        kDigitalImageDescriptorSampledXOffset, kDigitalImageDescriptorSampledYOffset, h, w, x, y);
    }
};

class DigitalImageDescriptor2 final : public Facet<IAAFDigitalImageDescriptor2> {
public:
    using Facet::Facet;
    HRESULT GetActiveFormatDescriptor(aafUInt8* p) override
    {
        return ReadInteger(stored(), kDigitalImageDescriptorActiveFormatDescriptor, p);
    }
    HRESULT GetCodingEquations(aafUID_t* p) override
    {
        return ReadUid(stored(), kDigitalImageDescriptorCodingEquations, p);
    }
    HRESULT GetColorPrimaries(aafUID_t* p) override { return ReadUid(stored(), kDigitalImageDescriptorColorPrimaries, p); }
    HRESULT GetDisplayF2Offset(aafInt32* p) override
    {
        return ReadInteger(stored(), kDigitalImageDescriptorDisplayF2Offset, p);
    }
    HRESULT GetFieldDominance(aafFieldNumber_t* p) override
    {
        return ReadEnum8(stored(), kDigitalImageDescriptorFieldDominance, p);
    }
    HRESULT GetFieldEndOffset(aafUInt32* p) override
    {
        return ReadInteger(stored(), kDigitalImageDescriptorFieldEndOffset, p);
    }
    HRESULT GetFieldStartOffset(aafUInt32* p) override
    {
        return ReadInteger(stored(), kDigitalImageDescriptorFieldStartOffset, p);
    }
    HRESULT GetSignalStandard(aafSignalStandard_t* p) override
    {
        return ReadEnum8(stored(), kDigitalImageDescriptorSignalStandard, p);
    }
    HRESULT GetStoredF2Offset(aafInt32* p) override
    {
        return ReadInteger(stored(), kDigitalImageDescriptorStoredF2Offset, p);
    }
};

class CDCIDescriptor final : public Facet<IAAFCDCIDescriptor> {
public:
    using Facet::Facet;
    HRESULT GetHorizontalSubsampling(aafUInt32* p) override
    {
        return ReadInteger(stored(), kCDCIDescriptorHorizontalSubsampling, p);
    }
    // Stored unsigned; the interface gives it signed.
    HRESULT GetComponentWidth(aafInt32* p) override
    {
        if (!p)
            return AAFRESULT_NULL_PARAM;
        aafUInt32 v = 0;
        const HRESULT hr = ReadInteger(stored(), kCDCIDescriptorComponentWidth, &v);
        if (hr == AAFRESULT_SUCCESS)
            *p = static_cast<aafInt32>(v);
        return hr;
    }
    HRESULT GetColorSiting(aafColorSiting_t* p) override { return ReadEnum8(stored(), kCDCIDescriptorColorSiting, p); }
    HRESULT GetColorRange(aafUInt32* p) override { return ReadInteger(stored(), kCDCIDescriptorColorRange, p); }
    HRESULT GetBlackReferenceLevel(aafUInt32* p) override
    {
        return ReadInteger(stored(), kCDCIDescriptorBlackReferenceLevel, p);
    }
    HRESULT GetWhiteReferenceLevel(aafUInt32* p) override
    {
        return ReadInteger(stored(), kCDCIDescriptorWhiteReferenceLevel, p);
    }
    HRESULT GetPaddingBits(aafInt16* p) override { return ReadInteger(stored(), kCDCIDescriptorPaddingBits, p); }
};

class CDCIDescriptor2 final : public Facet<IAAFCDCIDescriptor2> {
public:
    using Facet::Facet;
    HRESULT GetAlphaSamplingWidth(aafUInt32* p) override
    {
        return ReadInteger(stored(), kCDCIDescriptorAlphaSamplingWidth, p);
    }
    HRESULT GetReversedByteOrder(aafBoolean_t* p) override
    {
        return ReadBoolean(stored(), kCDCIDescriptorReversedByteOrder, p);
    }
};

class RGBADescriptor final : public Facet<IAAFRGBADescriptor> {
public:
    using Facet::Facet;
    HRESULT CountPixelLayoutElements(aafUInt32* p) override { return CountLayout(stored(), kRGBADescriptorPixelLayout, p); }
    HRESULT GetPixelLayout(aafUInt32 n, aafRGBAComponent_t* p) override
    {
        return CopyLayout(stored(), kRGBADescriptorPixelLayout, n, p);
    }
    HRESULT CountPaletteLayoutElements(aafUInt32* p) override
    {
        return CountLayout(stored(), kRGBADescriptorPaletteLayout, p);
    }
    HRESULT GetPaletteLayout(aafUInt32 n, aafRGBAComponent_t* p) override
    {
        return CopyLayout(stored(), kRGBADescriptorPaletteLayout, n, p);
    }
};

class RGBADescriptor2 final : public Facet<IAAFRGBADescriptor2> {
public:
    using Facet::Facet;
    HRESULT GetComponentMaxRef(aafUInt32* p) override { return ReadInteger(stored(), kRGBADescriptorComponentMaxRef, p); }
    HRESULT GetComponentMinRef(aafUInt32* p) override { return ReadInteger(stored(), kRGBADescriptorComponentMinRef, p); }
    HRESULT GetAlphaMaxRef(aafUInt32* p) override { return ReadInteger(stored(), kRGBADescriptorAlphaMaxRef, p); }
    HRESULT GetAlphaMinRef(aafUInt32* p) override { return ReadInteger(stored(), kRGBADescriptorAlphaMinRef, p); }
    HRESULT GetScanningDirection(aafScanningDirection_t* p) override
    {
        return ReadEnum8(stored(), kRGBADescriptorScanningDirection, p);
    }
};

class SoundDescriptor final : public Facet<IAAFSoundDescriptor> {
public:
    using Facet::Facet;
    HRESULT GetAudioSamplingRate(aafRational_t* p) override
    {
        return ReadRational(stored(), kSoundDescriptorAudioSamplingRate, p);
    }
    HRESULT GetElectroSpatialFormulation(aafElectroSpatialFormulation_t* p) override
    {
        return ReadEnum8(stored(), kSoundDescriptorElectroSpatial, p);
    }
    HRESULT GetDialNorm(aafInt8* p) override { return ReadInteger(stored(), kSoundDescriptorDialNorm, p); }
    HRESULT IsLocked(aafBoolean_t* p) override { return ReadBoolean(stored(), kSoundDescriptorLocked, p); }
    HRESULT GetAudioRefLevel(aafInt8* p) override { return ReadInteger(stored(), kSoundDescriptorAudioRefLevel, p); }
    HRESULT GetChannelCount(aafUInt32* p) override { return ReadInteger(stored(), kSoundDescriptorChannels, p); }
    HRESULT GetQuantizationBits(aafUInt32* p) override
    {
        return ReadInteger(stored(), kSoundDescriptorQuantizationBits, p);
    }
};

class PCMDescriptor final : public Facet<IAAFPCMDescriptor> {
public:
    using Facet::Facet;
};

class TapeDescriptor final : public Facet<IAAFTapeDescriptor> {
public:
    using Facet::Facet;
    HRESULT GetTapeManufacturerBufLen(aafUInt32* p) override
    {
        return TextPropertyBufLen(stored(), kTapeDescriptorManufacturerID, p);
    }
    HRESULT GetTapeManufacturer(aafCharacter* p, aafUInt32 n) override
    {
        return CopyTextProperty(stored(), kTapeDescriptorManufacturerID, p, n);
    }
    HRESULT GetTapeModelBufLen(aafUInt32* p) override { return TextPropertyBufLen(stored(), kTapeDescriptorModel, p); }
    HRESULT GetTapeModel(aafCharacter* p, aafUInt32 n) override
    {
        return CopyTextProperty(stored(), kTapeDescriptorModel, p, n);
    }
    HRESULT GetTapeFormFactor(aafTapeCaseType_t* p) override { return ReadEnum8(stored(), kTapeDescriptorFormFactor, p); }
    HRESULT GetSignalType(aafVideoSignalType_t* p) override { return ReadEnum8(stored(), kTapeDescriptorVideoSignal, p); }
    HRESULT GetTapeFormat(aafTapeFormatType_t* p) override { return ReadEnum8(stored(), kTapeDescriptorTapeFormat, p); }
};

// Only a network locator has a path; a text locator's has none to give.
class Locator final : public Facet<IAAFLocator> {
public:
    using Facet::Facet;
    HRESULT GetPathBufLen(aafUInt32* p) override { return TextPropertyBufLen(stored(), kNetworkLocatorURLString, p); }
    HRESULT GetPath(aafCharacter* p, aafUInt32 n) override
    {
        return CopyTextProperty(stored(), kNetworkLocatorURLString, p, n);
    }
};

class TextLocator final : public Facet<IAAFTextLocator> {
public:
    using Facet::Facet;
    HRESULT GetNameBufLen(aafUInt32* p) override { return TextPropertyBufLen(stored(), kTextLocatorName, p); }
    HRESULT GetName(aafCharacter* p, aafUInt32 n) override { return CopyTextProperty(stored(), kTextLocatorName, p, n); }
};

constexpr InterfaceEntry kRows[] = {
    Row<EssenceDescriptor>(classes::kEssenceDescriptor),
    Row<FileDescriptor>(classes::kFileDescriptor),
    Row<DigitalImageDescriptor>(classes::kDigitalImageDescriptor),
    Row<DigitalImageDescriptor2>(classes::kDigitalImageDescriptor),
    Row<CDCIDescriptor>(classes::kCDCIDescriptor),
    Row<CDCIDescriptor2>(classes::kCDCIDescriptor),
    Row<RGBADescriptor>(classes::kRGBADescriptor),
    Row<RGBADescriptor2>(classes::kRGBADescriptor),
    Row<SoundDescriptor>(classes::kSoundDescriptor),
    Row<PCMDescriptor>(classes::kPCMDescriptor),
    Row<TapeDescriptor>(classes::kTapeDescriptor),
    Row<Locator>(classes::kLocator),
    Row<TextLocator>(classes::kTextLocator),
};

}  // namespace

std::span<const InterfaceEntry> DescriptorInterfaceRows()
{
    return kRows;
}

}  // namespace aafsdk::com
