#include "fcpxml/FCPFileTag.h"

#include <algorithm>

#include "config/ImportPreferences.h"
#include "config/MediaSettings.h"
#include "fcpxml/NumberText.h"
#include "fcpxml/XmlWriter.h"
#include "records/MobSourceInfo.h"

std::unordered_map<std::string, bool> WrittenFileIds;

FCPFileTag::FCPFileTag(const std::string& fileName)
    : ItemTagBase(fileName), width(OutputMediaSettings.width), height(OutputMediaSettings.height)
{
    kind = ItemKindFile;
}

void FCPFileTag::AssignIdFromTagName()
{
    SetUniqueId(name);
}

namespace {

// The first picture source, else the first sound source; null when there is neither.
const MobSourceInfo* TimecodeSource(const std::vector<MobSourceInfo>& pictureSources,
                                    const std::vector<MobSourceInfo>& soundSources)
{
    if (!pictureSources.empty())
        return &pictureSources.front();
    if (!soundSources.empty())
        return &soundSources.front();
    return nullptr;
}

TimecodeInfo TimecodeInfoFrom(const Timecode& value)
{
    TimecodeInfo info;
    info.SetFromTimecode(value);
    return info;
}

bool IsTimecodeSet(const TimecodeInfo& info)
{
    return info.frame != 0 || !info.reelname.empty();
}

// A timecode that was never set (a slug's file) is written as frame 0 of its rate: its frame -1
// would read as a negative timecode without a frame. The record stays unset, so that it is
// written the same way again.
void WriteFileTimecode(TimecodeInfo& info)
{
    if (info.frame != -1 || !info.text.empty()) {
        WriteTimecode(info);
        return;
    }
    TimecodeInfo unset = info;
    unset.frame = 0;
    WriteTimecode(unset);
}

VideoInfo MakeSlugVideoInfo(const MediaSettings& settings, int fileDuration)
{
    VideoInfo video;
    video.duration = fileDuration;
    video.samplecharacteristics.push_back(InitVideoSampleCharacteristics(settings.width, settings.height));
    return video;
}

AudioInfo MakeSlugAudioInfo()
{
    AudioInfo audio;
    audio.samplecharacteristics.push_back(
        InitAudioSampleCharacteristics(OutputMediaSettings.depth, OutputMediaSettings.sampleRate, 0));
    return audio;
}

// Percent signs first, so the "%20" of a blank is not encoded again.
std::string EncodePercentAndSpaces(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '%')
            out += "%25";
        else if (c == ' ')
            out += "%20";
        else
            out += c;
    }
    return out;
}

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

void FCPFileTag::SetTimecodesFromSources(const std::vector<MobSourceInfo>& pictureSources,
                                         const std::vector<MobSourceInfo>& soundSources)
{
    const MobSourceInfo* source = TimecodeSource(pictureSources, soundSources);
    if (source == nullptr)
        return;
    const Timecode& start = source->mob.startTimecode;
    timecode.SetFromTimecode(start);
    rate.ntsc = start.dropFrame != 0;
    rate.timebase = start.framesPerSecond;
    for (int key : {3, 4}) {
        const auto found = source->mob.otherTimecodes.find(key);
        if (found != source->mob.otherTimecodes.end())
            timecodes[found->second.type] = TimecodeInfoFrom(found->second);
    }
}

void FCPFileTag::AddVideoFromSources(const std::vector<MobSourceInfo>& pictureSources)
{
    for (const MobSourceInfo& source : pictureSources) {
        VideoInfo info;
        info.duration = duration;
        const auto& images = source.descriptors.images;
        if (!images.empty()) {
            const DigitalImageInfo& image = images.front();
            // A field-based layout describes one field per stored line set: the frame is twice as tall.
            const int frameHeight = image.frameLayout != 0 ? image.displayHeight * 2 : image.displayHeight;
            info.samplecharacteristics.push_back(InitVideoSampleCharacteristics(image.displayWidth, frameHeight));
        }
        video.push_back(info);
    }
}

void FCPFileTag::AddAudioFromSources(const std::vector<MobSourceInfo>& soundSources, int /*pictureCount*/)
{
    if (soundSources.empty())
        return;
    AudioInfo info;
    const auto& sounds = soundSources.front().descriptors.sounds;
    if (!sounds.empty()) {
        const SoundInfo& sound = sounds.front();
        info.samplecharacteristics.push_back(
            InitAudioSampleCharacteristics(sound.quantizationBits, sound.sampleRateNumerator, sound.sampleRateDenominator));
    }
    info.SetChannelCount(static_cast<int>(soundSources.size()));
    AddAudio(info);
}

void FCPFileTag::MakeSlug(int dataKind, int length)
{
    SetUniqueId(name);
    mediaSource = "Slug";
    duration = SlugFileDuration(length);
    switch (dataKind) {
    case 1:
        AddAudio(MakeSlugAudioInfo());
        break;
    case 2:
        video.push_back(MakeSlugVideoInfo(OutputMediaSettings, duration));
        break;
    case 13: {
        video.push_back(MakeSlugVideoInfo(OutputMediaSettings, duration));
        AudioInfo stereo = MakeSlugAudioInfo();
        stereo.SetChannelCount(2);
        AddAudio(stereo);
        break;
    }
    default:
        break;
    }
}

int SlugFileDuration(int length)
{
    return std::max(kSlugFileDuration, length);
}

std::string EncodePathUrl(const std::string& path)
{
    return EncodePercentAndSpaces(EscapeXmlText(path));
}

void FCPFileTag::WritePathUrl() const
{
    if (pathurl.empty() || !ImportPrefs.useSourceExt)
        return;
    if (EndsWith(pathurl, ".mxf") && !ImportPrefs.useMXFSource)
        return;
    const std::string text = EncodePathUrl(pathurl);
    if (text != "/Volumes")
        WriteXmlRawElement("pathurl", text.c_str());
}

void FCPFileTag::WriteFileTimecodes()
{
    if (IsTimecodeSet(timecode))
        WriteFileTimecode(timecode);
    for (auto& [type, info] : timecodes)
        if (IsTimecodeSet(info))
            WriteFileTimecode(info);
}

void FCPFileTag::WriteFile()
{
    if (TestAndMarkId(WrittenFileIds, id)) {
        WriteRefTag("file");
        return;
    }
    WriteOpenTag("file");
    WriteName();
    WritePathUrl();
    if (!mediaSource.empty())
        WriteXmlTextElement("mediaSource", mediaSource);
    WriteRate(rate);
    WriteXmlTextElement("duration", IntToString(duration));
    WriteFileTimecodes();
    WriteMedia();
    WriteXmlContainerClose("file");
}
