// Every sample file walks through the interfaces alone: every mob, every slot tree, every
// descriptor, with no failed read of a value the importer requires.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "aafsdk/include/AAF.h"
#include "support/TestSupport.h"

namespace {

std::string Hex(HRESULT hr)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(hr));
    return text;
}

template <class I>
struct Ref {
    I* p = nullptr;
    Ref() = default;
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    ~Ref()
    {
        if (p)
            p->Release();
    }
    I** out() { return &p; }
    I* operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
};

template <class I>
bool Query(IUnknown* from, REFIID iid, Ref<I>* to)
{
    return from->QueryInterface(iid, reinterpret_cast<void**>(to->out())) == 0;
}

class Walker {
public:
    std::vector<std::string> failures;
    std::string listing;
    int mobs = 0, slots = 0, components = 0, descriptors = 0;

    void Req(HRESULT hr, const std::string& what)
    {
        if (hr != 0)
            failures.push_back(what + " " + Hex(hr));
    }

    template <class T>
    std::u16string Text(T* object, HRESULT (T::*len)(aafUInt32*), HRESULT (T::*get)(aafCharacter*, aafUInt32))
    {
        aafUInt32 bytes = 0;
        if ((object->*len)(&bytes) != 0)
            return u"";
        std::u16string text(bytes / 2, u'\0');
        Req((object->*get)(text.data(), bytes), "GetText");
        if (!text.empty())
            text.pop_back();
        return text;
    }

    void Segment(IUnknown* segment, int depth)
    {
        if (depth > 50) {
            failures.push_back("segment tree too deep");
            return;
        }
        ++components;
        Ref<IAAFComponent> component;
        if (Query(segment, IID_IAAFComponent, &component)) {
            aafLength_t length = 0;
            (void)component->GetLength(&length);
            listing += " len=" + std::to_string(length);
        } else {
            failures.push_back("a segment is no component");
        }
        Ref<IAAFSequence> sequence;
        Ref<IAAFSourceClip> clip;
        Ref<IAAFNestedScope> scope;
        Ref<IAAFEssenceGroup> group;
        Ref<IAAFEvent> event;
        Ref<IAAFSelector> selector;
        Ref<IAAFTransition> transition;
        Ref<IAAFTimecode> timecode;
        if (Query(segment, IID_IAAFSequence, &sequence)) {
            aafUInt32 n = 0;
            Req(sequence->CountComponents(&n), "CountComponents");
            listing += " seq[";
            for (aafUInt32 i = 0; i < n; ++i) {
                Ref<IAAFComponent> c;
                Req(sequence->GetComponentAt(i, c.out()), "GetComponentAt");
                if (c)
                    Segment(c.p, depth + 1);
            }
            listing += " ]";
        } else if (Query(segment, IID_IAAFSourceClip, &clip)) {
            aafSourceRef_t ref{};
            Req(clip->GetSourceReference(&ref), "GetSourceReference");
            listing += " clip(" + std::to_string(ref.sourceSlotID) + "@" + std::to_string(ref.startTime) + ")";
        } else if (Query(segment, IID_IAAFNestedScope, &scope)) {
            aafUInt32 n = 0;
            Req(scope->CountSegments(&n), "CountSegments");
            for (aafUInt32 i = 0; i < n; ++i) {
                Ref<IAAFSegment> s;
                Req(scope->GetSegmentAt(i, s.out()), "GetSegmentAt");
                if (s)
                    Segment(s.p, depth + 1);
            }
        } else if (Query(segment, IID_IAAFEssenceGroup, &group)) {
            aafUInt32 n = 0;
            Req(group->CountChoices(&n), "CountChoices");
            for (aafUInt32 i = 0; i < n; ++i) {
                Ref<IAAFSegment> s;
                Req(group->GetChoiceAt(i, s.out()), "GetChoiceAt");
                if (s)
                    Segment(s.p, depth + 1);
            }
        } else if (Query(segment, IID_IAAFEvent, &event)) {
            aafPosition_t position = 0;
            Req(event->GetPosition(&position), "GetPosition");
            listing += " event@" + std::to_string(position);
        } else if (Query(segment, IID_IAAFSelector, &selector)) {
            Ref<IAAFSegment> s;
            Req(selector->GetSelectedSegment(s.out()), "GetSelectedSegment");
            if (s)
                Segment(s.p, depth + 1);
        } else if (Query(segment, IID_IAAFTransition, &transition)) {
            aafPosition_t cut = 0;
            Req(transition->GetCutPoint(&cut), "GetCutPoint");
            listing += " transition";
        } else if (Query(segment, IID_IAAFTimecode, &timecode)) {
            aafTimecode_t tc{};
            Req(timecode->GetTimecode(&tc), "GetTimecode");
            listing += " tc";
        }
    }

    void Descriptor(IAAFEssenceDescriptor* d)
    {
        ++descriptors;
        aafUInt32 n = 0;
        Req(d->CountLocators(&n), "CountLocators");
        for (aafUInt32 i = 0; i < n; ++i) {
            Ref<IAAFLocator> locator;
            Req(d->GetLocatorAt(i, locator.out()), "GetLocatorAt");
        }
        Ref<IAAFDigitalImageDescriptor> image;
        if (Query(d, IID_IAAFDigitalImageDescriptor, &image)) {
            aafUInt32 h = 0, w = 0, lines = 0;
            Req(image->GetStoredView(&h, &w), "GetStoredView");
            Req(image->GetVideoLineMapSize(&lines), "GetVideoLineMapSize");
        }
        Ref<IAAFCDCIDescriptor> cdci;
        if (Query(d, IID_IAAFCDCIDescriptor, &cdci)) {
            aafUInt32 h = 0;
            aafInt32 width = 0;
            Req(cdci->GetHorizontalSubsampling(&h), "GetHorizontalSubsampling");
            Req(cdci->GetComponentWidth(&width), "GetComponentWidth");
        }
        Ref<IAAFSoundDescriptor> sound;
        if (Query(d, IID_IAAFSoundDescriptor, &sound)) {
            aafRational_t rate{};
            Req(sound->GetAudioSamplingRate(&rate), "GetAudioSamplingRate");
        }
    }

    void TaggedValues(IEnumAAFTaggedValues* e)
    {
        IAAFTaggedValue* raw = nullptr;
        while (e->NextOne(&raw) == 0) {
            Ref<IAAFTaggedValue> value;
            value.p = raw;
            (void)Text(value.p, &IAAFTaggedValue::GetNameBufLen, &IAAFTaggedValue::GetName);
            Ref<IAAFTypeDef> type;
            Req(value->GetTypeDefinition(type.out()), "GetTypeDefinition");
            eAAFTypeCategory_t category = 0;
            if (type)
                Req(type->GetTypeCategory(&category), "GetTypeCategory");
        }
    }

    void Mob(IAAFMob* mob, aafMobKind_t kind)
    {
        ++mobs;
        Ref<IAAFMob2> mob2;
        if (!Query(mob, IID_IAAFMob2, &mob2)) {
            failures.push_back("a mob without IAAFMob2");
            return;
        }
        aafMobID_t id{};
        Req(mob->GetMobID(&id), "GetMobID");
        aafUID_t usage{};
        const bool hasUsage = mob2->GetUsageCode(&usage) == 0;
        const std::u16string name = Text(mob, &IAAFMob::GetNameBufLen, &IAAFMob::GetName);
        listing += "mob kind=" + std::to_string(kind) + " id=" + Hex(static_cast<HRESULT>(id.material.Data1)) +
                   " name=" + std::to_string(name.size()) + "ch usage=" + (hasUsage ? Hex(HRESULT(usage.Data1)) : "-") +
                   "\n";
        aafUInt32 comments = 0, klv = 0, attributes = 0;
        Req(mob->CountComments(&comments), "CountComments");
        Req(mob2->CountKLVData(&klv), "CountKLVData");
        Req(mob2->CountAttributes(&attributes), "CountAttributes");
        if (comments) {
            Ref<IEnumAAFTaggedValues> e;
            Req(mob->GetComments(e.out()), "GetComments");
            if (e)
                TaggedValues(e.p);
        }
        if (attributes) {
            Ref<IEnumAAFTaggedValues> e;
            Req(mob2->GetAttributes(e.out()), "GetAttributes");
            if (e)
                TaggedValues(e.p);
        }
        Ref<IAAFSourceMob> source;
        if (Query(mob, IID_IAAFSourceMob, &source)) {
            Ref<IAAFEssenceDescriptor> d;
            if (source->GetEssenceDescriptor(d.out()) == 0)
                Descriptor(d.p);
        }
        aafNumSlots_t n = 0;
        Req(mob->CountSlots(&n), "CountSlots");
        for (aafUInt32 i = 0; i < n; ++i) {
            Ref<IAAFMobSlot> slot;
            if (mob->GetSlotAt(i, slot.out()) != 0)
                continue;
            ++slots;
            aafSlotID_t slotId = 0;
            Req(slot->GetSlotID(&slotId), "GetSlotID");
            Ref<IAAFDataDef> dataDef;
            Req(slot->GetDataDef(dataDef.out()), "GetDataDef");
            std::string kindText = "?";
            if (dataDef) {
                aafBoolean_t sound = 0, picture = 0, matte = 0, pwm = 0, edge = 0, tc = 0, aux = 0, dm = 0;
                Req(dataDef->IsSoundKind(&sound), "IsSoundKind");
                Req(dataDef->IsPictureKind(&picture), "IsPictureKind");
                Req(dataDef->IsMatteKind(&matte), "IsMatteKind");
                Req(dataDef->IsPictureWithMatteKind(&pwm), "IsPictureWithMatteKind");
                Ref<IAAFDataDef2> d2;
                Ref<IAAFDataDef3> d3;
                if (Query(dataDef.p, IID_IAAFDataDef2, &d2)) {
                    Req(d2->IsEdgecodeKind(&edge), "IsEdgecodeKind");
                    Req(d2->IsTimecodeKind(&tc), "IsTimecodeKind");
                } else {
                    failures.push_back("a data definition without IAAFDataDef2");
                }
                if (Query(dataDef.p, IID_IAAFDataDef3, &d3)) {
                    Req(d3->IsAuxiliaryKind(&aux), "IsAuxiliaryKind");
                    Req(d3->IsDescriptiveMetadataKind(&dm), "IsDescriptiveMetadataKind");
                }
                kindText = sound ? "sound" : picture ? "picture" : tc ? "timecode" : edge ? "edgecode" : "other";
            }
            aafRational_t rate{};
            Ref<IAAFTimelineMobSlot> timeline;
            Ref<IAAFEventMobSlot> events;
            if (Query(slot.p, IID_IAAFTimelineMobSlot, &timeline))
                (void)timeline->GetEditRate(&rate);
            else if (Query(slot.p, IID_IAAFEventMobSlot, &events))
                (void)events->GetEditRate(&rate);
            listing += "  slot " + std::to_string(slotId) + " " + kindText + " " + std::to_string(rate.numerator) + "/" +
                       std::to_string(rate.denominator);
            Ref<IAAFSegment> segment;
            if (slot->GetSegment(segment.out()) == 0)
                Segment(segment.p, 0);
            listing += "\n";
        }
    }

    void File(const std::filesystem::path& path)
    {
        Ref<IAAFFile> file;
        const std::u16string wide = path.u16string();
        Req(AAFFileOpenExistingRead(wide.c_str(), 0, file.out()), "AAFFileOpenExistingRead");
        if (!file)
            return;
        Ref<IAAFHeader> header;
        Ref<IAAFDictionary> dictionary;
        Req(file->GetHeader(header.out()), "GetHeader");
        Req(file->GetDictionary(dictionary.out()), "GetDictionary");
        if (header) {
            for (aafMobKind_t kind : {kAAFCompMob, kAAFMasterMob, kAAFFileMob, kAAFTapeMob, kAAFFilmMob, kAAFPhysicalMob}) {
                aafNumSlots_t count = 0;
                Req(header->CountMobs(kind, &count), "CountMobs");
                aafSearchCrit_t criteria{};
                criteria.searchTag = kAAFByMobKind;
                criteria.tags.mobKind = kind;
                Ref<IEnumAAFMobs> e;
                Req(header->GetMobs(&criteria, e.out()), "GetMobs");
                aafUInt32 seen = 0;
                IAAFMob* raw = nullptr;
                HRESULT hr = 0;
                while (e && (hr = e->NextOne(&raw)) == 0) {
                    Ref<IAAFMob> mob;
                    mob.p = raw;
                    ++seen;
                    Mob(mob.p, kind);
                }
                if (e && hr != AAFRESULT_NO_MORE_MOBS)
                    failures.push_back("mob enumeration ended with " + Hex(hr));
                if (seen != count)
                    failures.push_back("CountMobs and GetMobs disagree");
            }
        }
        Req(file->Close(), "Close");
        if (file->Close() == 0)
            failures.push_back("a second Close succeeded");
    }
};

TEST(ComWalker, EverySampleWalksWithoutAFailedRequiredRead)
{
    REQUIRE_SHARED_DIR();
    const std::filesystem::path samples = testsupport::SharedDir() / "aaf-samples";
    if (!std::filesystem::is_directory(samples))
        GTEST_SKIP() << "no sample folder";
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(samples)) {
        std::string ext = entry.path().extension().string();
        for (char& c : ext)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        if (ext == ".aaf")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());
    int totalMobs = 0, totalSlots = 0, totalComponents = 0, totalDescriptors = 0;
    for (const auto& path : files) {
        Walker w;
        w.File(path);
        EXPECT_TRUE(w.failures.empty()) << path.filename() << ": " << w.failures.size() << " failures, first "
                                        << (w.failures.empty() ? "" : w.failures.front());
        EXPECT_GT(w.mobs, 0) << path.filename();
        totalMobs += w.mobs;
        totalSlots += w.slots;
        totalComponents += w.components;
        totalDescriptors += w.descriptors;
    }
    std::printf("%zu files: %d mobs, %d slots, %d components, %d descriptors\n", files.size(), totalMobs, totalSlots,
                totalComponents, totalDescriptors);
}

}  // namespace
