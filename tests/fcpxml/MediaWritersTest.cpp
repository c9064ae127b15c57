#include <functional>
#include <list>

#include <gtest/gtest.h>

#include "config/MediaSettings.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPFillerTag.h"
#include "fcpxml/FCPSequenceTag.h"
#include "fcpxml/MediaTagBase.h"
#include "WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

namespace {

TrackInfo Track(int mediaType, int outputChannel)
{
    TrackInfo track(mediaType);
    track.outputchannelindex = outputChannel;
    return track;
}

std::string AudioFormatLines()
{
    return Lines({"\t<format>", "\t\t<samplecharacteristics>", "\t\t\t<depth>16</depth>",
                  "\t\t\t<samplerate>48000</samplerate>", "\t\t</samplecharacteristics>", "\t</format>"});
}

}  // namespace

TEST(TrackInfo, WriteTrackGolden)
{
    TrackInfo withFiller(2);
    withFiller.items.emplace_back(new FCPFillerTag(10));  // a gap writes nothing
    withFiller.locked = true;
    withFiller.enabled = false;
    const struct {
        const char* label;
        TrackInfo track;
        std::string expected;
    } cases[] = {
        {"audio with an output channel", Track(1, 3),
         Lines({"<track>", "\t<enabled>TRUE</enabled>", "\t<locked>FALSE</locked>",
                "\t<outputchannelindex>3</outputchannelindex>", "</track>"})},
        {"video never writes the output channel", Track(2, 3),
         Lines({"<track>", "\t<enabled>TRUE</enabled>", "\t<locked>FALSE</locked>", "</track>"})},
        {"audio with -1", Track(1, -1),
         Lines({"<track>", "\t<enabled>TRUE</enabled>", "\t<locked>FALSE</locked>", "</track>"})},
        {"a filler writes nothing", withFiller,
         Lines({"<track>", "\t<enabled>FALSE</enabled>", "\t<locked>TRUE</locked>", "</track>"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Capture([&] { WriteTrack(c.track); }), c.expected) << c.label;
}

TEST(VideoInfo, WriteVideoGolden)
{
    auto video = [](std::function<void(VideoInfo&)> change) {
        VideoInfo v;
        change(v);
        return v;
    };
    const struct {
        const char* label;
        VideoInfo video;
        std::string expected;
    } cases[] = {
        {"default: empty", VideoInfo(), Lines({"<video>", "</video>"})},
        {"duration without tracks; alphatype", video([](VideoInfo& v) {
             v.duration = 100;
             v.alphatype = "straight";
         }),
         Lines({"<video>", "\t<duration>100</duration>", "\t<alphatype>straight</alphatype>", "</video>"})},
        {"tracks hide the duration; none is no alphatype", video([](VideoInfo& v) {
             v.duration = 100;
             v.alphatype = "none";
             v.tracks.push_back(Track(2, -1));
         }),
         Lines({"<video>", "\t<track>", "\t\t<enabled>TRUE</enabled>", "\t\t<locked>FALSE</locked>",
                "\t</track>", "</video>"})},
        {"still frame with its layer; frame size only", video([](VideoInfo& v) {
             v.stillframe = true;
             v.layerindex = 1;
             SampleCharacteristicsInfo sample;
             sample.width = 720;
             sample.samplerate = 48000;
             v.samplecharacteristics.push_back(sample);
         }),
         Lines({"<video>", "\t<stillframe>TRUE</stillframe>", "\t<layerindex>1</layerindex>",
                "\t<samplecharacteristics>", "\t\t<width>720</width>", "\t</samplecharacteristics>",
                "</video>"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Capture([&] { WriteVideo(c.video); }), c.expected) << c.label;
}

TEST(AudioInfo, WriteAudioBothForms)
{
    AudioInfo fromSettings(OutputMediaSettings);
    fromSettings.tracks.push_back(Track(1, -1));
    AudioInfo described;
    SampleCharacteristicsInfo sample;
    sample.depth = 24;
    sample.samplerate = 96000;
    described.samplecharacteristics.push_back(sample);
    described.SetChannelCount(2);
    AudioInfo withTracks;
    withTracks.SetChannelCount(1);
    withTracks.tracks.push_back(Track(1, -1));
    AudioInfo zero;
    zero.SetChannelCount(0);
    const struct {
        const char* label;
        const AudioInfo& audio;
        std::string expected;
    } cases[] = {
        {"from the settings: format, default outputs, in and out, tracks", fromSettings,
         Lines({"<audio>"}) + AudioFormatLines() +
             Lines({"\t<outputs>", "\t\t<group>", "\t\t\t<index>1</index>",
                    "\t\t\t<numchannels>2</numchannels>", "\t\t\t<downmix>0</downmix>",
                    "\t\t\t<channel>", "\t\t\t\t<index>1</index>", "\t\t\t</channel>",
                    "\t\t\t<channel>", "\t\t\t\t<index>2</index>", "\t\t\t</channel>", "\t\t</group>",
                    "\t</outputs>", "\t<in>-1</in>", "\t<out>-1</out>", "\t<track>",
                    "\t\t<enabled>TRUE</enabled>", "\t\t<locked>FALSE</locked>", "\t</track>",
                    "</audio>"})},
        {"without formats: description, count, layout, channels", described,
         Lines({"<audio>", "\t<samplecharacteristics>", "\t\t<depth>24</depth>",
                "\t\t<samplerate>96000</samplerate>", "\t</samplecharacteristics>",
                "\t<channelcount>2</channelcount>", "\t<layout>mono</layout>", "\t<audiochannel>",
                "\t\t<sourcechannel>1</sourcechannel>", "\t\t<channellabel>discrete</channellabel>",
                "\t</audiochannel>", "\t<audiochannel>", "\t\t<sourcechannel>2</sourcechannel>",
                "\t\t<channellabel>discrete</channellabel>", "\t</audiochannel>", "</audio>"})},
        {"tracks hide the layout", withTracks,
         Lines({"<audio>", "\t<channelcount>1</channelcount>", "\t<audiochannel>",
                "\t\t<sourcechannel>1</sourcechannel>", "\t\t<channellabel>discrete</channellabel>",
                "\t</audiochannel>", "\t<track>", "\t\t<enabled>TRUE</enabled>",
                "\t\t<locked>FALSE</locked>", "\t</track>", "</audio>"})},
        {"zero channels: mono but no layout", zero,
         Lines({"<audio>", "\t<channelcount>0</channelcount>", "</audio>"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Capture([&] { WriteAudio(c.audio); }), c.expected) << c.label;
}

TEST(AudioInfo, SetChannelCount)
{
    AudioInfo audio;
    audio.SetChannelCount(4);
    ASSERT_EQ(audio.channels.size(), 4u);
    EXPECT_EQ(audio.layout, "mono");
    EXPECT_EQ(audio.channels[3].sourcechannel, 4);
    EXPECT_EQ(audio.channels[3].channellabel, "discrete");
    audio.SetChannelCount(8);  // existing channels stay; only the count changes
    EXPECT_EQ(audio.channels.size(), 4u);
    EXPECT_EQ(audio.channelcount, 8);

    AudioInfo huge;  // a count read from a file cannot make the process number billions
    huge.SetChannelCount(2147483647);
    EXPECT_EQ(huge.channelcount, 2147483647);
    EXPECT_EQ(huge.channels.size(), 1024u);
}

TEST(MediaTagBase, TracksAudioAndTheMediaWriter)
{
    MediaTagBase media;
    media.AddVideoTrack(Track(2, -1));
    media.AddVideoTrack(Track(2, -1));
    media.AddAudioTrack(Track(1, 2));
    ASSERT_EQ(media.video.size(), 1u);
    EXPECT_EQ(media.video[0].tracks.size(), 2u);
    ASSERT_EQ(media.audio.size(), 1u);

    AudioInfo extra;
    extra.channelcount = 2;
    media.AddAudio(extra);  // beside video the count makes the channels
    EXPECT_EQ(media.audio.back().channels.size(), 2u);
    MediaTagBase audioOnly;
    audioOnly.AddAudio(extra);
    EXPECT_TRUE(audioOnly.audio.back().channels.empty());

    MediaTagBase stills;
    stills.video.resize(2);
    stills.video[1].stillframe = true;
    EXPECT_EQ(Capture([&] { stills.WriteMedia(); }),
              Lines({"<media>", "\t<video>", "\t</video>", "\t<video>", "\t\t<stillframe>TRUE</stillframe>",
                     "\t\t<layerindex>1</layerindex>", "\t</video>", "</media>"}));
    EXPECT_EQ(stills.video[0].layerindex, 0);

    MediaTagBase fromSettings;
    fromSettings.InitFromMediaSettings(OutputMediaSettings);
    ASSERT_EQ(fromSettings.video.size(), 1u);
    EXPECT_EQ(fromSettings.video[0].formats.at(0).kind, 2);
    EXPECT_EQ(fromSettings.audio.at(0).formats.at(0).kind, 1);
    EXPECT_EQ(fromSettings.audio.at(0).outputs.at(0).at(0).channels, (std::vector<int>{1, 2}));
}

TEST(TrackInfo, IndexComesFromTheCurrentSequence)
{
    std::list<FCPSequenceTag> sequences;
    const struct {
        const char* label;
        int mediaType;
        std::function<void(FCPSequenceTag&)> prepare;
        int expected;
    } cases[] = {
        {"first video track", 2, [](FCPSequenceTag&) {}, 1},
        {"after two video tracks", 2,
         [](FCPSequenceTag& s) {
             s.AddVideoTrack(Track(2, -1));
             s.AddVideoTrack(Track(2, -1));
         },
         3},
        {"after one audio track", 1, [](FCPSequenceTag& s) { s.AddAudioTrack(Track(1, -1)); }, 2},
        {"no audio entry", 1, [](FCPSequenceTag& s) { s.audio.clear(); }, 0},
        {"no video entry", 2, [](FCPSequenceTag& s) { s.video.clear(); }, 0},
        {"other media type unchanged", 6, [](FCPSequenceTag&) {}, -1},
    };
    for (const auto& c : cases) {
        sequences.emplace_front(OutputMediaSettings);
        c.prepare(sequences.front());
        TrackInfo track(c.mediaType);
        SetTrackIndexFromSequence(track, &sequences.front());
        EXPECT_EQ(track.index, c.expected) << c.label;
        sequences.clear();
    }
    TrackInfo alone(2);
    SetTrackIndexFromSequence(alone, nullptr);  // no current sequence
    EXPECT_EQ(alone.index, -1);
}
