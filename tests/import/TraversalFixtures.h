#pragma once

// Segments the file builder has no helper for, made from ones it has: an object built under one
// class is given another class whose stored shape it shares.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "import/ImportFileSupport.h"

namespace importtest {

inline constexpr const char* kClassNestedScope = "0d010101-0101-0b00-060e-2b3402060101";
inline constexpr const char* kClassSelector = "0d010101-0101-0e00-060e-2b3402060101";
inline constexpr const char* kClassScopeReference = "0d010101-0101-0d00-060e-2b3402060101";
inline constexpr const char* kClassDescriptiveMarker = "0d010101-0101-4100-060e-2b3402060101";
inline constexpr const char* kDataDefDescriptive = "01030201-1000-0000-060e-2b3404010101";

inline constexpr std::uint16_t kPidComponents = 0x1001;
inline constexpr std::uint16_t kPidDataDefinition = 0x0201;
inline constexpr std::uint16_t kPidLength = 0x0202;
inline constexpr std::uint16_t kPidNestedScopeSlots = 0x0c01;
inline constexpr std::uint16_t kPidSelected = 0x0f01;
inline constexpr std::uint16_t kPidAlternates = 0x0f02;
inline constexpr std::uint16_t kPidDescribedSlots = 0x6102;

inline void Recast(fixture::AafFileBuilder& f, aafsdk::ObjectId object, std::string_view classId)
{
    f.graph().objects[object].classId = fixture::AuidOf(classId);
}

inline void RenameProperty(fixture::AafFileBuilder& f, aafsdk::ObjectId object, std::uint16_t from, std::uint16_t to)
{
    for (aafsdk::StoredProperty& p : f.graph().objects[object].properties) {
        if (p.pid == from)
            p.pid = to;
    }
}

// A nested scope on the owner (a slot or a sequence); its layers are added to it with the builder's
// component helpers, then EndNestedScope turns their vector into the scope's slots.
inline aafsdk::ObjectId AddNestedScope(fixture::AafFileBuilder& f, aafsdk::ObjectId owner, std::int64_t length)
{
    return f.AddSequence(owner, fixture::ids::kDataDefPicture, length);
}

inline void EndNestedScope(fixture::AafFileBuilder& f, aafsdk::ObjectId scope)
{
    Recast(f, scope, kClassNestedScope);
    RenameProperty(f, scope, kPidComponents, kPidNestedScopeSlots);
}

// A scope reference of the given length on the owner.
inline aafsdk::ObjectId AddScopeReference(fixture::AafFileBuilder& f, aafsdk::ObjectId owner, std::int64_t length)
{
    const aafsdk::ObjectId reference = f.AddFiller(owner, fixture::ids::kDataDefPicture, length);
    Recast(f, reference, kClassScopeReference);
    f.builder().AddU32(reference, 0x0e01, 0);
    f.builder().AddU32(reference, 0x0e02, 1);
    return reference;
}

// The properties of a source clip child (made by a strong reference), its data definition taken from
// the parent.
inline void FillSourceClip(fixture::AafFileBuilder& f, aafsdk::ObjectId parent, aafsdk::ObjectId clip,
                           std::int64_t length, std::uint32_t sourceMob, std::uint32_t sourceSlot)
{
    for (const aafsdk::StoredProperty& p : f.graph().objects[parent].properties) {
        if (p.pid == kPidDataDefinition) {
            const aafsdk::StoredProperty copy = p;
            f.graph().objects[clip].properties.push_back(copy);
        }
    }
    const fixture::MobIdBytes id = fixture::MakeMobId(sourceMob);
    f.builder().AddI64(clip, kPidLength, length);
    f.builder().AddData(clip, 0x1101, {id.begin(), id.end()});
    f.builder().AddU32(clip, 0x1102, sourceSlot);
    f.builder().AddI64(clip, 0x1201, 0);
}

// A selector on the owner whose selected segment is a source clip of the selector's length, with
// one alternate source clip of the alternate's length.
inline aafsdk::ObjectId AddSelector(fixture::AafFileBuilder& f, aafsdk::ObjectId owner, std::int64_t length,
                                    std::int64_t alternateLength)
{
    const aafsdk::ObjectId selector = f.AddFiller(owner, fixture::ids::kDataDefPicture, length);
    Recast(f, selector, kClassSelector);
    fixture::GraphBuilder& b = f.builder();
    const aafsdk::ObjectId selected = b.AddStrongReference(
        selector, kPidSelected, fixture::StorageName("Selected", kPidSelected, false), fixture::ids::ClassOf("SourceClip"));
    FillSourceClip(f, selector, selected, length, 7, 1);
    b.AddStrongVector(selector, kPidAlternates, fixture::StorageName("Alternates", kPidAlternates, true));
    const aafsdk::ObjectId alternate = b.AddVectorElement(selector, kPidAlternates, fixture::ids::ClassOf("SourceClip"));
    FillSourceClip(f, selector, alternate, alternateLength, 8, 1);
    return selector;
}

// A marker on the event sequence at position, describing the given slots (none: the property is
// left out).
inline aafsdk::ObjectId AddMarker(fixture::AafFileBuilder& f, aafsdk::ObjectId events, std::int64_t position,
                                  std::string_view comment, const std::vector<std::uint32_t>& describedSlots)
{
    const aafsdk::ObjectId marker = f.AddCommentMarker(events, kDataDefDescriptive, position, comment);
    Recast(f, marker, kClassDescriptiveMarker);
    if (!describedSlots.empty()) {
        std::vector<std::uint8_t> bytes;
        for (std::uint32_t id : describedSlots)
            for (int shift = 0; shift < 32; shift += 8)
                bytes.push_back(static_cast<std::uint8_t>(id >> shift));
        f.builder().AddData(marker, kPidDescribedSlots, bytes);
    }
    return marker;
}

// An event slot of the mob with the given physical number, holding a sequence for the markers.
inline aafsdk::ObjectId AddEventSequence(fixture::AafFileBuilder& f, aafsdk::ObjectId mob, std::uint32_t slotId,
                                         std::uint32_t physical)
{
    const aafsdk::ObjectId slot = f.AddEventSlot(mob, slotId, 25, 1);
    SetPhysicalNumber(f, slot, physical);
    return f.AddSequence(slot, kDataDefDescriptive, 0);
}

}  // namespace importtest
