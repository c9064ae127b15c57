#include "aaf/import/DigitalImageT.h"

#include <algorithm>
#include <vector>

#include "aaf/Auid.h"
#include "aaf/CheckHResult.h"
#include "aaf/DefinitionNameTables.h"

namespace {

// The most elements a stored property can hold (its size is 16 bits); a larger count is not
// believed, and the read then fails for want of room instead of allocating it.
constexpr aafUInt32 kMaxLineMapElements = 0xFFFF / sizeof(aafInt32);
constexpr aafUInt32 kMaxLayoutElements = 0xFFFF / sizeof(aafRGBAComponent_t);

// The pixel or palette layout: the element count, then the elements; empty when either fails.
template <class Count, class Get>
void ReadLayout(Count count, Get get, std::vector<RgbaComponent>& out)
{
    aafUInt32 n = 0;
    if (count(&n) < 0 || n == 0)
        return;
    std::vector<aafRGBAComponent_t> layout(std::min(n, kMaxLayoutElements));
    if (get(static_cast<aafUInt32>(layout.size()), layout.data()) < 0)
        return;
    for (const aafRGBAComponent_t& entry : layout)
        out.push_back(RgbaComponent{entry.Code, entry.Size});
}

}  // namespace

DigitalImageT::DigitalImageT(IUnknown* holder, DescriptorLists& receiver) : lists(&receiver)
{
    status = GetInterface(&image, IID_IAAFDigitalImageDescriptor, "IID_IAAFDigitalImageDescriptor", holder);
    if (status >= 0)
        secondStatus = GetInterface(&image2, IID_IAAFDigitalImageDescriptor2, "IID_IAAFDigitalImageDescriptor2", image);
}

DigitalImageT::~DigitalImageT()
{
    ReleaseInterface(rgba2);
    ReleaseInterface(rgba);
    ReleaseInterface(cdci2);
    ReleaseInterface(cdci);
    ReleaseInterface(image2);
    ReleaseInterface(image);
}

std::int32_t DigitalImageT::Read()
{
    if (status < 0)
        return status;
    DigitalImageInfo info;
    // The stored view is the first required read; checking its interface before the frame layout
    // changes nothing but spares an unlabelled call through a null interface.
    IAAFDigitalImageDescriptor* const picture = CheckNotNull(image, "DigitalImageT: GetStoredView");

    aafFrameLayout_t frameLayout = 0;
    if (picture->GetFrameLayout(&frameLayout) >= 0) {
        info.frameLayout = frameLayout;
        TraceAvailable("GetFrameLayout");
    }
    aafUInt32 height = 0;
    aafUInt32 width = 0;
    CheckHResult("GetStoredView", picture->GetStoredView(&height, &width), kAafCallFailed);
    info.storedHeight = static_cast<std::int32_t>(height);
    info.storedWidth = static_cast<std::int32_t>(width);
    aafRational_t aspect{};
    if (picture->GetImageAspectRatio(&aspect) >= 0) {
        info.imageAspectRatioNumerator = aspect.numerator;
        info.imageAspectRatioDenominator = aspect.denominator;
        TraceAvailable("GetImageAspectRatio");
    }
    aafUInt32 lineMapSize = 0;
    CheckHResult("GetVideoLineMapSize",
                 CheckNotNull(image, "DigitalImageT: GetVideoLineMapSize")->GetVideoLineMapSize(&lineMapSize),
                 kAafCallFailed);
    if (lineMapSize > 0) {
        std::vector<aafInt32> lineMap(std::min(lineMapSize, kMaxLineMapElements));
        if (picture->GetVideoLineMap(static_cast<aafUInt32>(lineMap.size()), lineMap.data()) >= 0)
            info.videoLineMap.insert(info.videoLineMap.end(), lineMap.begin(), lineMap.end());
    }
    aafAlphaTransparency_t alphaTransparency = 0;
    if (picture->GetAlphaTransparency(&alphaTransparency) >= 0) {
        info.alphaTransparency = alphaTransparency;
        TraceAvailable("GetAlphaTransparency");
    }
    aafUID_t id{};
    if (CheckNotNull(image, "DigitalImageR: GetCompression")->GetCompression(&id) >= 0) {
        info.compression.id = ToAuid(id);
        info.compression.name = GetCompressionDefName(info.compression.id);
        if (info.compression.name == "UNKNOWN")
            info.compression.name = AuidToText(info.compression.id);
        TraceAvailable("GetCompression");
    }
    aafUInt32 viewHeight = 0;
    aafUInt32 viewWidth = 0;
    aafInt32 xOffset = 0;
    aafInt32 yOffset = 0;
    if (picture->GetDisplayView(&viewHeight, &viewWidth, &xOffset, &yOffset) >= 0) {
        info.displayHeight = static_cast<std::int32_t>(viewHeight);
        info.displayWidth = static_cast<std::int32_t>(viewWidth);
        info.displayXOffset = xOffset;
        info.displayYOffset = yOffset;
        TraceAvailable("GetDisplayView");
    }
    if (picture->GetGamma(&id) >= 0) {
        info.transferCharacteristic.id = ToAuid(id);
        info.transferCharacteristic.name = GetTransferCharacteristicName(info.transferCharacteristic.id);
        TraceAvailable("GetGamma");
    }
    aafUInt32 alignment = 0;
    if (picture->GetImageAlignmentFactor(&alignment) >= 0) {
        info.imageAlignmentFactor = static_cast<std::int32_t>(alignment);
        TraceAvailable("GetImageAlignmentFactor");
    }
    if (picture->GetSampledView(&viewHeight, &viewWidth, &xOffset, &yOffset) >= 0) {
        info.sampledHeight = static_cast<std::int32_t>(viewHeight);
        info.sampledWidth = static_cast<std::int32_t>(viewWidth);
        info.sampledXOffset = xOffset;
        info.sampledYOffset = yOffset;
        TraceAvailable("GetSampledView");
    }

    if (secondStatus >= 0)
        ReadSecondVersion(info);

    if (GetInterface(&cdci, IID_IAAFCDCIDescriptor, "IID_IAAFCDCIDescriptor", image) >= 0)
        ReadCdci();
    else
        ReadRgba();

    lists->images.push_back(std::move(info));
    return status;
}

void DigitalImageT::ReadSecondVersion(DigitalImageInfo& info)
{
    // As with the stored view: the first labelled read's check, made before the unlabelled one.
    IAAFDigitalImageDescriptor2* const picture = CheckNotNull(image2, "DigitalImageR: GetCodingEquations");

    aafUInt8 activeFormat = 0;
    if (picture->GetActiveFormatDescriptor(&activeFormat) >= 0) {
        info.activeFormatDescriptor = activeFormat;
        TraceAvailable("GetActiveFormatDescriptor");
    }
    aafUID_t id{};
    if (CheckNotNull(image2, "DigitalImageR: GetCodingEquations")->GetCodingEquations(&id) >= 0) {
        info.codingEquations.id = ToAuid(id);
        info.codingEquations.name = GetCodingEquationsName(info.codingEquations.id);
        TraceAvailable("GetCodingEquations");
    }
    if (CheckNotNull(image2, "DigitalImageR: GetColorPrimaries")->GetColorPrimaries(&id) >= 0) {
        info.colorPrimaries.id = ToAuid(id);
        info.colorPrimaries.name = GetColorPrimariesName(info.colorPrimaries.id);
        TraceAvailable("GetColorPrimaries");
    }
    aafInt32 offset = 0;
    if (picture->GetDisplayF2Offset(&offset) >= 0) {
        info.displayF2Offset = offset;
        TraceAvailable("GetDisplayF2Offset");
    }
    aafFieldNumber_t dominance = 0;
    if (picture->GetFieldDominance(&dominance) >= 0) {
        info.fieldDominance = dominance;
        TraceAvailable("GetFieldDominance");
    }
    aafUInt32 fieldOffset = 0;
    if (picture->GetFieldEndOffset(&fieldOffset) >= 0) {
        info.fieldEndOffset = static_cast<std::int32_t>(fieldOffset);
        TraceAvailable("GetFieldEndOffset");
    }
    if (picture->GetFieldStartOffset(&fieldOffset) >= 0) {
        info.fieldStartOffset = static_cast<std::int32_t>(fieldOffset);
        TraceAvailable("GetFieldStartOffset");
    }
    aafSignalStandard_t standard = 0;
    if (picture->GetSignalStandard(&standard) >= 0) {
        info.signalStandard = standard;
        TraceAvailable("GetSignalStandard");
    }
    if (picture->GetStoredF2Offset(&offset) >= 0) {
        info.storedF2Offset = offset;
        TraceAvailable("GetStoredF2Offset");
    }
}

void DigitalImageT::ReadCdci()
{
    CdciInfo record;
    aafUInt32 value = 0;
    // Both subsampling fields take the horizontal subsampling: the interface gives no other.
    CheckHResult("GetHorizontalSubsampling",
                 CheckNotNull(cdci, "CDCIT: GetHorizontalSubsampling")->GetHorizontalSubsampling(&value),
                 kAafCallFailed);
    record.horizontalSubsampling = static_cast<std::int32_t>(value);
    CheckHResult("GetHorizontalSubsampling",
                 CheckNotNull(cdci, "CDCIT: GetHorizontalSubsampling")->GetHorizontalSubsampling(&value),
                 kAafCallFailed);
    record.verticalSubsampling = static_cast<std::int32_t>(value);
    aafInt32 componentWidth = 0;
    CheckHResult("GetComponentWidth",
                 CheckNotNull(cdci, "CDCIT: GetComponentWidth")->GetComponentWidth(&componentWidth), kAafCallFailed);
    record.componentWidth = componentWidth;

    aafColorSiting_t siting = 0;
    if (cdci->GetColorSiting(&siting) >= 0) {
        record.colorSiting = siting;
        TraceAvailable("GetColorSiting");
    }
    if (cdci->GetColorRange(&value) >= 0) {
        record.colorRange = static_cast<std::int32_t>(value);
        TraceAvailable("GetColorRange");
    }
    if (cdci->GetBlackReferenceLevel(&value) >= 0) {
        record.blackReferenceLevel = static_cast<std::int32_t>(value);
        TraceAvailable("GetBlackReferenceLevel");
    }
    if (cdci->GetWhiteReferenceLevel(&value) >= 0) {
        record.whiteReferenceLevel = static_cast<std::int32_t>(value);
        TraceAvailable("GetWhiteReferenceLevel");
    }
    aafInt16 padding = 0;
    if (cdci->GetPaddingBits(&padding) >= 0) {
        record.paddingBits = padding;
        TraceAvailable("GetPaddingBits");
    }
    if (GetInterface(&cdci2, IID_IAAFCDCIDescriptor2, "IID_IAAFCDCIDescriptor2", cdci) >= 0 && cdci2 != nullptr) {
        if (cdci2->GetAlphaSamplingWidth(&value) >= 0) {
            record.alphaSamplingWidth = static_cast<std::int32_t>(value);
            TraceAvailable("GetAlphaSamplingWidth");
        }
        aafBoolean_t reversed = kAAFFalse;
        if (cdci2->GetReversedByteOrder(&reversed) >= 0) {
            record.reversedByteOrder = reversed ? "TRUE" : "FALSE";
            TraceAvailable("GetReversedByteOrder");
        }
    }
    lists->cdci.push_back(std::move(record));
}

void DigitalImageT::ReadRgba()
{
    // A picture descriptor that is not RGBA either still gets a record, with empty layouts.
    RgbaLayoutInfo record;
    if (GetInterface(&rgba, IID_IAAFRGBADescriptor, "IID_IAAFRGBADescriptor", image) >= 0 && rgba != nullptr) {
        IAAFRGBADescriptor* const layouts = rgba;
        ReadLayout([layouts](aafUInt32* n) { return layouts->CountPixelLayoutElements(n); },
                   [layouts](aafUInt32 n, aafRGBAComponent_t* out) { return layouts->GetPixelLayout(n, out); },
                   record.pixelLayout);
        ReadLayout([layouts](aafUInt32* n) { return layouts->CountPaletteLayoutElements(n); },
                   [layouts](aafUInt32 n, aafRGBAComponent_t* out) { return layouts->GetPaletteLayout(n, out); },
                   record.paletteLayout);
        if (GetInterface(&rgba2, IID_IAAFRGBADescriptor2, "IID_IAAFRGBADescriptor2", rgba) >= 0 && rgba2 != nullptr) {
            aafUInt32 value = 0;
            record.values[0] = rgba2->GetComponentMaxRef(&value) >= 0 ? static_cast<std::int32_t>(value) : -1;
            record.values[1] = rgba2->GetComponentMinRef(&value) >= 0 ? static_cast<std::int32_t>(value) : -1;
            record.values[2] = rgba2->GetAlphaMaxRef(&value) >= 0 ? static_cast<std::int32_t>(value) : -1;
            record.values[3] = rgba2->GetAlphaMinRef(&value) >= 0 ? static_cast<std::int32_t>(value) : -1;
            aafScanningDirection_t direction = 0;
            record.values[4] = rgba2->GetScanningDirection(&direction) >= 0 ? direction : -1;
        }
    }
    lists->rgba.push_back(std::move(record));
}
