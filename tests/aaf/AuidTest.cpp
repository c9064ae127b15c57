#include "aaf/Auid.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "aaf/MobId.h"

namespace {

TEST(AuidTest, TextFormOfIds)
{
    const struct {
        Auid id;
        const char* text;
    } cases[] = {
        {{0x60958184, 0x47B1, 0x11D4, {0xA0, 0x1C, 0x00, 0x04, 0xAC, 0x96, 0x9F, 0x50}},
         "{0x60958184, 0x47b1, 0x11d4, {0xa0, 0x1c, 0x00, 0x04, 0xac, 0x96, 0x9f, 0x50}}"},
        {{0x9C568A81, 0x2096, 0x11D2, {0xBF, 0x98, 0x00, 0x60, 0x97, 0x11, 0x62, 0x12}},
         "{0x9c568a81, 0x2096, 0x11d2, {0xbf, 0x98, 0x00, 0x60, 0x97, 0x11, 0x62, 0x12}}"},
        {{}, "{0x00000000, 0x0000, 0x0000, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}}"},
        {{0xFFFFFFFF, 0xFFFF, 0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
         "{0xffffffff, 0xffff, 0xffff, {0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}}"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AuidToText(c.id), c.text);
        EXPECT_TRUE(AuidEquals(ToAuid(ToAafUid(c.id)), c.id));
    }
}

TEST(AuidTest, EqualityAndOrder)
{
    const Auid a{0x01030202, 0x0100, 0x0000, {0x06, 0x0E, 0x2B, 0x34, 0x04, 0x01, 0x01, 0x01}};
    Auid b = a;
    b.Data4[7] = 0x02;
    EXPECT_FALSE(AuidEquals(a, b));
    EXPECT_TRUE(AuidLess(a, b));
    EXPECT_FALSE(AuidLess(b, a));
    EXPECT_FALSE(AuidLess(a, a));
    // Unsigned order of Data1, then Data2 before Data3.
    EXPECT_TRUE(AuidLess(Auid{0x7FFFFFFF, 0xFFFF, 0xFFFF, {}}, Auid{0x80000000, 0, 0, {}}));
    EXPECT_TRUE(AuidLess(Auid{1, 1, 0xFFFF, {}}, Auid{1, 2, 0, {}}));
    EXPECT_TRUE(AuidLess(Auid{1, 1, 1, {0xFF}}, Auid{1, 1, 2, {}}));
}

TEST(MobIdTest, TextFormOfIds)
{
    MobId smpte;
    const aafUInt8 label[12] = {0x06, 0x0A, 0x2B, 0x34, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x0F, 0x00};
    for (int i = 0; i < 12; ++i)
        smpte.label[i] = label[i];
    smpte.length = 0x13;
    smpte.instanceHigh = 0x00;
    smpte.instanceMid = 0x00;
    smpte.instanceLow = 0x00;
    smpte.material = {0x3B1E6F32, 0x8AC1, 0x11D5, {0x93, 0x5A, 0x50, 0xF8, 0x57, 0xC1, 0x00, 0x00}};

    MobId instance;
    instance.instanceHigh = 0xAB;
    instance.instanceMid = 0xCD;
    instance.instanceLow = 0xEF;
    instance.material.Data1 = 0x80000001;

    const struct {
        MobId id;
        const char* text;
    } cases[] = {
        {MobId{}, "00000000000000000000000000-000000-0000000000000000-0000000000000000"},
        {smpte, "060a2b340101010101010f0013-000000-3b1e6f328ac111d5-935a50f857c10000"},
        {instance, "00000000000000000000000000-abcdef-8000000100000000-0000000000000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MobIdToText(c.id), c.text);
        EXPECT_EQ(std::string(c.text).size(), 67u);
        EXPECT_EQ(ToMobId(ToAafMobId(c.id)), c.id);
    }
}

TEST(MobIdTest, EveryByteChangesTheText)
{
    std::set<std::string> texts{MobIdToText(MobId{})};
    for (int byte = 0; byte < 32; ++byte) {
        MobId id;
        aafMobID_t raw = ToAafMobId(id);
        reinterpret_cast<aafUInt8*>(&raw)[byte] = 0x01;
        texts.insert(MobIdToText(ToMobId(raw)));
    }
    EXPECT_EQ(texts.size(), 33u);
}

}  // namespace
