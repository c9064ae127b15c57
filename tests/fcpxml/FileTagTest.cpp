#include <gtest/gtest.h>

#include "config/ImportPreferences.h"
#include "config/MediaSettings.h"
#include "fcpxml/FCPFileTag.h"
#include "fcpxml/IDTagBase.h"
#include "records/MobSourceInfo.h"
#include "support/XmemlValidation.h"
#include "tests/fcpxml/WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

namespace {

class FileTag : public ::testing::Test {
protected:
    void SetUp() override
    {
        UsedNameCounts.clear();
        UsedItemIds.clear();
        WrittenFileIds.clear();
    }
    void TearDown() override
    {
        SetUp();
        ImportPrefs = savedPrefs;
        OutputMediaSettings = savedSettings;
    }
    ImportPreferences savedPrefs = ImportPrefs;
    MediaSettings savedSettings = OutputMediaSettings;
};

TEST_F(FileTag, PathUrlIsEncodedOnce)
{
    struct Case {
        const char* path;
        bool useSourceExt;
        bool useMXFSource;
        const char* written;  // null: no pathurl element
    };
    const Case cases[] = {
        {"/Volumes/Media/My Clip.mov", true, false, "/Volumes/Media/My%20Clip.mov"},
        {"C:/x.mov", true, false, "C:/x.mov"},
        {"/Volumes/a&b <1>.mov", true, false, "/Volumes/a&amp;b%20&lt;1&gt;.mov"},
        {"two  blanks.mov", true, false, "two%20%20blanks.mov"},
        // The path is already decoded: a percent sign is part of the name and must stay one.
        {"/Volumes/100% cut.mov", true, false, "/Volumes/100%25%20cut.mov"},
        {"/Volumes/a%20b.mov", true, false, "/Volumes/a%2520b.mov"},
        {"/Volumes/%41.mov", true, false, "/Volumes/%2541.mov"},
        {"/Volumes", true, false, nullptr},
        {"/Volumes/", true, false, "/Volumes/"},
        {"", true, true, nullptr},
        {"/Volumes/x.mov", false, true, nullptr},
        {"/Volumes/x.mxf", true, false, nullptr},
        {"/Volumes/x.mxf", true, true, "/Volumes/x.mxf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        ImportPrefs.useSourceExt = c.useSourceExt;
        ImportPrefs.useMXFSource = c.useMXFSource;
        FCPFileTag file("f");
        file.pathurl = c.path;
        const std::string expected = c.written ? "<pathurl>" + std::string(c.written) + "</pathurl>\n" : "";
        EXPECT_EQ(Capture([&] { file.WritePathUrl(); }), expected);
    }
}

TEST_F(FileTag, WrittenInFullOnceThenByReference)
{
    FCPFileTag file("Interview");
    file.AssignIdFromTagName();
    file.duration = 500;
    file.rate.ntsc = false;
    file.rate.timebase = 25;
    FCPFileTag other("Interview");
    other.AssignIdFromTagName();
    EXPECT_EQ(other.id, "Interview 1");

    const std::string full = Lines({"<file id=\"Interview\">",
                                    "><name>Interview</name>",
                                    "><rate>",
                                    ">><ntsc>FALSE</ntsc>",
                                    ">><timebase>25</timebase>",
                                    "></rate>",
                                    "><duration>500</duration>",
                                    "><timecode>",
                                    ">><rate>",
                                    ">>><ntsc>TRUE</ntsc>",
                                    ">>><timebase>30</timebase>",
                                    ">></rate>",
                                    // An unset timecode is written, as frame 0 of its rate.
                                    ">><string>00:00:00:00</string>",
                                    ">><frame>0</frame>",
                                    "></timecode>",
                                    "><media>",
                                    "></media>",
                                    "</file>"});
    FCPFileTag copy = file;
    EXPECT_EQ(Capture([&] { file.WriteFile(); }), full);
    EXPECT_EQ(Capture([&] { copy.WriteFile(); }), "<file id=\"Interview\"/>\n");
    EXPECT_EQ(Capture([&] { file.WriteFile(); }), "<file id=\"Interview\"/>\n");
    EXPECT_NE(Capture([&] { other.WriteFile(); }), "<file id=\"Interview 1\"/>\n");
    // A new run writes it in full again.
    WrittenFileIds.clear();
    EXPECT_EQ(Capture([&] { copy.WriteFile(); }), full);
    EXPECT_VALID_XMEML("<clip>" + full + "</clip>");
}

TEST_F(FileTag, TimecodesWrittenWhenSet)
{
    struct Case {
        const char* label;
        int frame;
        const char* reel;
        bool written;
    };
    const Case cases[] = {
        {"frame 0, no reel", 0, "", false},
        {"frame 0, reel", 0, "R1", true},
        {"frame unset", -1, "", true},
        {"frame 1", 1, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        FCPFileTag file("f");
        file.timecode.frame = c.frame;
        file.timecode.reelname = c.reel;
        file.timecodes[3].frame = c.frame;
        file.timecodes[3].reelname = c.reel;
        const std::string text = Capture([&] { file.WriteFileTimecodes(); });
        size_t count = 0;
        for (size_t at = text.find("<timecode>"); at != std::string::npos; at = text.find("<timecode>", at + 1))
            ++count;
        EXPECT_EQ(count, c.written ? 2u : 0u) << text;
        EXPECT_EQ(Capture([&] { file.WriteFileTimecodes(); }), text);  // the same again
    }
}

TEST_F(FileTag, SlugMediaByDataKind)
{
    OutputMediaSettings.width = 1920;
    OutputMediaSettings.height = 1080;
    OutputMediaSettings.depth = 24;
    OutputMediaSettings.sampleRate = 48000;
    struct Case {
        int dataKind;
        size_t videos;
        size_t audios;
        int channels;
    };
    const Case cases[] = {{1, 0, 1, -1}, {2, 1, 0, 0}, {13, 1, 1, 2}, {6, 0, 0, 0}, {0, 0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dataKind);
        FCPFileTag slug("Slug");
        slug.MakeSlug(c.dataKind);
        EXPECT_EQ(slug.mediaSource, "Slug");
        EXPECT_EQ(slug.duration, 3600);
        ASSERT_EQ(slug.video.size(), c.videos);
        ASSERT_EQ(slug.audio.size(), c.audios);
        if (c.videos) {
            EXPECT_EQ(slug.video[0].duration, 3600);
            ASSERT_EQ(slug.video[0].samplecharacteristics.size(), 1u);
            EXPECT_EQ(slug.video[0].samplecharacteristics[0].width, 1920);
            EXPECT_EQ(slug.video[0].samplecharacteristics[0].height, 1080);
        }
        if (c.audios) {
            EXPECT_EQ(slug.audio[0].channelcount, c.channels);
            ASSERT_EQ(slug.audio[0].samplecharacteristics.size(), 1u);
            EXPECT_EQ(slug.audio[0].samplecharacteristics[0].depth, 24);
            EXPECT_EQ(slug.audio[0].samplecharacteristics[0].samplerate, 48000);
        }
    }
    FCPFileTag second("Slug");
    second.MakeSlug(2);
    EXPECT_EQ(second.id, "Slug 5");
}

TEST_F(FileTag, SlugFileHoldsALongerSlug)
{
    struct Case {
        int length;
        int duration;
    };
    const Case cases[] = {{0, 3600}, {120, 3600}, {3600, 3600}, {3601, 3601}, {90000, 90000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        EXPECT_EQ(SlugFileDuration(c.length), c.duration);
        FCPFileTag slug("Slug");
        slug.MakeSlug(13, c.length);
        EXPECT_EQ(slug.duration, c.duration);
        ASSERT_EQ(slug.video.size(), 1u);
        EXPECT_EQ(slug.video[0].duration, c.duration);
    }
}

TEST_F(FileTag, MediaAndTimecodesFromTheSources)
{
    OutputMediaSettings.depth = 16;
    MobInfo fileMob;
    fileMob.startTimecode = Timecode(90000, 0, 25, 25, 1);
    fileMob.startTimecode.reelName = "A001";
    fileMob.otherTimecodes[3] = Timecode(1000, 1, 30, 30000, 1001);
    fileMob.otherTimecodes[3].type = 3;
    fileMob.otherTimecodes[5] = Timecode(5, 0, 25, 25, 1);  // only the auxiliary slots 3 and 4 count

    MobSourceInfo picture(fileMob);
    DigitalImageInfo fields;
    fields.displayWidth = 720;
    fields.displayHeight = 243;
    fields.frameLayout = 1;
    picture.descriptors.images.push_back(fields);
    MobSourceInfo fullFrame(fileMob);
    DigitalImageInfo frame;
    frame.displayWidth = 1920;
    frame.displayHeight = 1080;
    frame.frameLayout = 0;
    fullFrame.descriptors.images.push_back(frame);
    MobSourceInfo noDescriptor(fileMob);
    MobSourceInfo sound(MobInfo{});
    SoundInfo pcm;
    pcm.quantizationBits = 24;
    pcm.sampleRateNumerator = 44100;
    sound.descriptors.sounds.push_back(pcm);

    FCPFileTag file("f");
    file.duration = 800;
    file.SetTimecodesFromSources({picture, fullFrame}, {sound});
    file.AddVideoFromSources({picture, fullFrame, noDescriptor});
    file.AddAudioFromSources({sound, sound}, 3);

    EXPECT_EQ(file.timecode.frame, 90000);
    EXPECT_EQ(file.timecode.reelname, "A001");
    EXPECT_EQ(file.timecode.source, "source");
    EXPECT_FALSE(file.rate.ntsc);
    EXPECT_EQ(file.rate.timebase, 25);
    ASSERT_EQ(file.timecodes.size(), 1u);
    EXPECT_EQ(file.timecodes.begin()->first, 3);
    EXPECT_EQ(file.timecodes.begin()->second.source, "aux1");
    EXPECT_EQ(file.timecodes.begin()->second.displayformat, "DF");

    ASSERT_EQ(file.video.size(), 3u);
    for (const VideoInfo& video : file.video)
        EXPECT_EQ(video.duration, 800);
    ASSERT_EQ(file.video[0].samplecharacteristics.size(), 1u);
    EXPECT_EQ(file.video[0].samplecharacteristics[0].width, 720);
    EXPECT_EQ(file.video[0].samplecharacteristics[0].height, 486);
    EXPECT_EQ(file.video[1].samplecharacteristics[0].height, 1080);
    EXPECT_TRUE(file.video[2].samplecharacteristics.empty());

    ASSERT_EQ(file.audio.size(), 1u);
    EXPECT_EQ(file.audio[0].channelcount, 2);
    EXPECT_EQ(file.audio[0].channels.size(), 2u);
    ASSERT_EQ(file.audio[0].samplecharacteristics.size(), 1u);
    EXPECT_EQ(file.audio[0].samplecharacteristics[0].depth, 24);
    EXPECT_EQ(file.audio[0].samplecharacteristics[0].samplerate, 44100);

    // Without sources nothing changes.
    FCPFileTag empty("e");
    empty.SetTimecodesFromSources({}, {});
    empty.AddAudioFromSources({}, 0);
    EXPECT_EQ(empty.timecode.frame, -1);
    EXPECT_TRUE(empty.audio.empty());
    // Sound alone gives the timecode.
    FCPFileTag soundOnly("s");
    soundOnly.SetTimecodesFromSources({}, {picture});
    EXPECT_EQ(soundOnly.timecode.frame, 90000);

    WrittenFileIds.clear();
    file.pathurl = "/Volumes/f.mov";
    const std::string text = Capture([&] { file.WriteFile(); });
    EXPECT_VALID_XMEML("<clip>" + text + "</clip>");
}

}  // namespace
