#pragma once

// The media behind a file's master mobs, read from its stored objects without the interfaces or the
// import: which file mob each master slot plays, its descriptor, and the path of its media as the
// default preferences choose it (the physical source's locator when there is one, else the file
// mob's own). Tests compare what the import makes of a file against it.

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "aafsdk/cfb/CompoundFile.h"
#include "aafsdk/com/ComIds.h"
#include "aafsdk/model/FileModel.h"
#include "aafsdk/stored/StoredGraph.h"

namespace testsupport {

class StoredSources {
public:
    using ObjectId = aafsdk::ObjectId;

    // One master slot that names a source mob.
    struct MasterSlot {
        std::uint32_t slotId = 0;
        ObjectId fileMob = aafsdk::kNoObject;
    };

    explicit StoredSources(const std::filesystem::path& path)
    {
        if (!aafsdk::Succeeded(aafsdk::ReadStoredGraph(path, &graph_)) || !graph_)
            return;
        model_ = aafsdk::FileModel::Build(*graph_);
        for (ObjectId id = 0; id < graph_->objects.size(); ++id)
            if (model_->IsA(id, aafsdk::com::classes::kMob))
                mobs_[Bytes(id, aafsdk::com::pids::kMobMobID)] = id;
    }

    bool Read() const { return model_ != nullptr; }
    const aafsdk::StoredGraph& graph() const { return *graph_; }
    const aafsdk::FileModel& model() const { return *model_; }

    std::vector<ObjectId> MasterMobs() const
    {
        std::vector<ObjectId> masters;
        for (const auto& [key, mob] : mobs_)
            if (model_->IsA(mob, aafsdk::com::classes::kMasterMob))
                masters.push_back(mob);
        return masters;
    }

    // The slots of the master mob whose segment is a source clip, an essence group (its choice with
    // an alpha picture, else its first) or a sequence (its first source clip) naming a source mob.
    std::vector<MasterSlot> SlotsOf(ObjectId master) const
    {
        namespace pids = aafsdk::com::pids;
        std::vector<MasterSlot> found;
        for (ObjectId slot : Elements(master, pids::kMobSlots)) {
            const ObjectId clip = ClipOf(Strong(slot, pids::kMobSlotSegment));
            const ObjectId mob = MobNamedBy(clip);
            if (mob != aafsdk::kNoObject && model_->IsA(mob, aafsdk::com::classes::kSourceMob))
                found.push_back({U32(slot, pids::kMobSlotSlotID).value_or(0), mob});
        }
        return found;
    }

    ObjectId Descriptor(ObjectId mob) const { return Strong(mob, aafsdk::com::pids::kSourceMobEssenceDescription); }

    // The path of the mob's first locator ("" without one, or when it is no network locator).
    std::string FirstLocatorPath(ObjectId mob) const
    {
        const std::vector<ObjectId> locators = Elements(Descriptor(mob), aafsdk::com::pids::kEssenceDescriptorLocator);
        if (locators.empty() || !model_->IsA(locators.front(), aafsdk::com::classes::kNetworkLocator))
            return {};
        return Text(locators.front(), aafsdk::com::pids::kNetworkLocatorURLString);
    }

    // The media path of a file mob with the default preferences; nothing when its first slot names
    // no source.
    std::optional<std::string> MediaPath(ObjectId fileMob) const
    {
        namespace pids = aafsdk::com::pids;
        const std::vector<ObjectId> fileSlots = Elements(fileMob, pids::kMobSlots);
        if (fileSlots.empty())
            return std::nullopt;
        const ObjectId segment = Strong(fileSlots.front(), pids::kMobSlotSegment);
        ObjectId clip = aafsdk::kNoObject;
        if (model_->IsA(segment, aafsdk::com::classes::kSourceClip))
            clip = segment;
        else if (model_->IsA(segment, aafsdk::com::classes::kSequence))
            clip = FirstClipOf(segment);  // a sequence without one still counts, naming nothing
        else
            return std::nullopt;
        const std::string own = Descriptor(fileMob) == aafsdk::kNoObject ? std::string() : FirstLocatorPath(fileMob);
        const ObjectId source = MobNamedBy(clip);
        if (source == aafsdk::kNoObject || !model_->IsA(source, aafsdk::com::classes::kSourceMob) ||
            !model_->IsA(Descriptor(source), aafsdk::com::classes::kPhysicalDescriptor))
            return own;
        const std::string original = FirstLocatorPath(source);
        if (original.empty())
            return own;
        return original == "file:///" ? std::string() : original;
    }

    // An RGBA picture descriptor whose pixel layout has the alpha component.
    bool HasAlphaPicture(ObjectId mob) const
    {
        const ObjectId descriptor = Descriptor(mob);
        if (!model_->IsA(descriptor, aafsdk::com::classes::kRGBADescriptor))
            return false;
        const aafsdk::StoredProperty* layout = graph_->object(descriptor).Find(aafsdk::com::pids::kRGBADescriptorPixelLayout);
        for (std::size_t i = 0; layout != nullptr && i + 1 < layout->value.size() && layout->value[i] != 0; i += 2)
            if (layout->value[i] == 'A')
                return true;
        return false;
    }

    std::optional<std::uint32_t> U32(ObjectId object, std::uint16_t pid) const
    {
        if (object == aafsdk::kNoObject)
            return std::nullopt;
        const aafsdk::StoredProperty* p = graph_->object(object).Find(pid);
        if (p == nullptr || p->value.size() < 4)
            return std::nullopt;
        const auto& v = p->value;
        if (graph_->object(object).byteOrder == 'B')
            return std::uint32_t(v[0]) << 24 | std::uint32_t(v[1]) << 16 | std::uint32_t(v[2]) << 8 | v[3];
        return std::uint32_t(v[3]) << 24 | std::uint32_t(v[2]) << 16 | std::uint32_t(v[1]) << 8 | v[0];
    }

    // A rational's numerator.
    std::optional<std::int32_t> Numerator(ObjectId object, std::uint16_t pid) const
    {
        const auto value = U32(object, pid);
        return value ? std::optional<std::int32_t>(static_cast<std::int32_t>(*value)) : std::nullopt;
    }

    std::optional<std::uint8_t> U8(ObjectId object, std::uint16_t pid) const
    {
        const aafsdk::StoredProperty* p = object == aafsdk::kNoObject ? nullptr : graph_->object(object).Find(pid);
        if (p == nullptr || p->value.empty())
            return std::nullopt;
        return p->value[0];
    }

    // The stored bytes of a property ("" without it).
    std::string Bytes(ObjectId object, std::uint16_t pid) const
    {
        const aafsdk::StoredProperty* p = graph_->object(object).Find(pid);
        return p == nullptr ? std::string() : std::string(p->value.begin(), p->value.end());
    }

    // A string property, decoded from UTF-16 without its trailing nulls.
    std::string Text(ObjectId object, std::uint16_t pid) const
    {
        const aafsdk::StoredProperty* p = graph_->object(object).Find(pid);
        std::u16string text;
        const bool big = graph_->object(object).byteOrder == 'B';
        for (std::size_t i = 0; p != nullptr && i + 1 < p->value.size(); i += 2)
            text += static_cast<char16_t>(big ? (p->value[i] << 8 | p->value[i + 1]) : (p->value[i] | p->value[i + 1] << 8));
        while (!text.empty() && text.back() == u'\0')
            text.pop_back();
        return aafsdk::Utf16ToUtf8(text);
    }

    // The objects a strong reference, vector or set holds, in order.
    std::vector<ObjectId> Elements(ObjectId object, std::uint16_t pid) const
    {
        std::vector<ObjectId> out;
        if (object == aafsdk::kNoObject)
            return out;
        if (const aafsdk::StoredProperty* p = graph_->object(object).Find(pid))
            for (const aafsdk::StrongElement& e : p->elements)
                out.push_back(e.object);
        return out;
    }

    ObjectId Strong(ObjectId object, std::uint16_t pid) const
    {
        const std::vector<ObjectId> elements = Elements(object, pid);
        return elements.empty() ? aafsdk::kNoObject : elements.front();
    }

private:
    ObjectId MobNamedBy(ObjectId clip) const
    {
        if (clip == aafsdk::kNoObject)
            return aafsdk::kNoObject;
        const auto found = mobs_.find(Bytes(clip, aafsdk::com::pids::kSourceReferenceSourceID));
        return found == mobs_.end() ? aafsdk::kNoObject : found->second;
    }

    ObjectId FirstClipOf(ObjectId sequence) const
    {
        for (ObjectId component : Elements(sequence, aafsdk::com::pids::kSequenceComponents))
            if (model_->IsA(component, aafsdk::com::classes::kSourceClip))
                return component;
        return aafsdk::kNoObject;
    }

    // The source clip a master slot's segment stands for.
    ObjectId ClipOf(ObjectId segment) const
    {
        namespace classes = aafsdk::com::classes;
        if (segment == aafsdk::kNoObject)
            return aafsdk::kNoObject;
        if (model_->IsA(segment, classes::kSourceClip))
            return segment;
        if (model_->IsA(segment, classes::kEssenceGroup)) {
            ObjectId first = aafsdk::kNoObject;
            for (ObjectId choice : Elements(segment, aafsdk::com::pids::kEssenceGroupChoices)) {
                if (!model_->IsA(choice, classes::kSourceClip))
                    continue;
                const ObjectId mob = MobNamedBy(choice);
                if (mob != aafsdk::kNoObject && HasAlphaPicture(mob))
                    return choice;
                if (first == aafsdk::kNoObject)
                    first = choice;
            }
            return first;
        }
        if (model_->IsA(segment, classes::kSequence))
            return FirstClipOf(segment);
        return aafsdk::kNoObject;
    }

    std::unique_ptr<aafsdk::StoredGraph> graph_;
    std::unique_ptr<aafsdk::FileModel> model_;
    std::map<std::string, ObjectId> mobs_;  // by the stored bytes of the MobID
};

}  // namespace testsupport
