#include "fcpxml/TrimTagBase.h"

#include <gtest/gtest.h>

#include "WriteCapture.h"
#include "fcpxml/MasterIDTagBase.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

TEST(TrimTagBase, StartAndEndUnderATransitionAreWrittenAsMinusOne)
{
    const struct {
        TransitionEdge startEdge;
        TransitionEdge endEdge;
        const char* start;
        const char* end;
    } cases[] = {
        {{2, 10}, {0, -1}, "<start>-1</start>", "<end>40</end>"},
        {{0, 10}, {2, -1}, "<start>12</start>", "<end>40</end>"},
        {{0, -1}, {3, 5}, "<start>12</start>", "<end>-1</end>"},
    };
    for (const auto& c : cases) {
        TrimTagBase trim;
        trim.start = 12;
        trim.end = 40;
        trim.startTransition = c.startEdge;
        trim.endTransition = c.endEdge;
        EXPECT_EQ(Capture([&] { trim.WriteStartEnd(); }), Lines({c.start, c.end}));
    }
    TrimTagBase fresh;
    EXPECT_EQ(Capture([&] {
                  fresh.WriteDuration();
                  fresh.WriteInOut();
              }),
              Lines({"<duration>-1</duration>", "<in>-1</in>", "<out>-1</out>"}));
}

TEST(MasterIDTagBase, WriteMasterIds)
{
    MasterIDTagBase fresh;
    MasterIDTagBase master(true);
    master.SetMasterClipId("Clip 1");
    MasterIDTagBase sub;
    EXPECT_EQ(sub.SetSubclipMasterId("M"), "M");
    const struct {
        const MasterIDTagBase& tag;
        std::string expected;
    } cases[] = {
        {fresh, Lines({"<ismasterclip>FALSE</ismasterclip>"})},
        {master, Lines({"<ismasterclip>TRUE</ismasterclip>", "<masterclipid>Clip 1</masterclipid>"})},
        {sub, Lines({"<ismasterclip>FALSE</ismasterclip>", "<subclipmasterid>M</subclipmasterid>"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Capture([&] { c.tag.WriteMasterIds(); }), c.expected);
}
