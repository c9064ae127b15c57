// The built-in tables: their sizes, and that they hang together.
#include <set>
#include <unordered_set>

#include <gtest/gtest.h>

#include "aafsdk/model/BaselineTables.h"
#include "aafsdk/model/DefinitionDictionary.h"
#include "aafsdk/model/ObjectModel.h"

namespace aafsdk {
namespace {

TEST(ModelTablesTest, RowCountsMatchTheFacts)
{
    EXPECT_EQ(BaselineClasses().size(), 116u);
    EXPECT_EQ(BaselineProperties().size(), 382u);
    EXPECT_EQ(BaselineTypes().size(), 164u);
    EXPECT_EQ(BaselineDefinitions().size(), 511u);
}

TEST(ModelTablesTest, EveryRowNamesRowsThatExist)
{
    std::set<Auid> classes, types, properties;
    for (const auto& c : BaselineClasses())
        EXPECT_TRUE(classes.insert(c.auid).second) << "class twice: " << c.name;
    for (const auto& t : BaselineTypes())
        EXPECT_TRUE(types.insert(t.auid).second) << "type twice: " << t.name;
    for (const auto& p : BaselineProperties())
        EXPECT_TRUE(properties.insert(p.auid).second) << "property twice: " << p.name;

    std::size_t tops = 0;
    for (const auto& c : BaselineClasses()) {
        if (c.parent == Auid{})
            ++tops;
        else
            EXPECT_TRUE(classes.count(c.parent)) << c.name;
    }
    EXPECT_EQ(tops, 4u);  // Root, InterchangeObject, MetaDefinition, MetaDictionary
    for (const auto& p : BaselineProperties()) {
        EXPECT_TRUE(classes.count(p.owner)) << p.name;
        EXPECT_TRUE(types.count(p.type)) << p.name;
    }
    for (const auto& t : BaselineTypes()) {
        if (t.element != Auid{}) {
            EXPECT_TRUE(types.count(t.element)) << t.name;
        }
        if (t.referencedClass != Auid{}) {
            EXPECT_TRUE(classes.count(t.referencedClass)) << t.name;
        }
    }
    for (const auto& m : BaselineRecordMembers())
        EXPECT_TRUE(types.count(m.record) && types.count(m.type)) << m.name;
    for (const auto& m : BaselineEnumMembers())
        EXPECT_TRUE(types.count(m.type)) << m.name;
    for (const auto& m : BaselineExtEnumMembers())
        EXPECT_TRUE(types.count(m.type)) << m.name;
}

TEST(ModelTablesTest, BuiltInModelIsCompleteAndPidsAreUniqueAlongEachChain)
{
    const ObjectModel model;
    EXPECT_TRUE(model.notes().empty()) << model.notes().front();
    for (const auto& t : model.types()) {
        EXPECT_TRUE(t.complete) << t.name;
    }
    for (const auto& row : BaselineTypes()) {
        if (row.storedForm == 0x82) {  // the size of values stored as data; 0: variable
            EXPECT_EQ(model.FindType(row.auid)->fixedSize, row.valueBytes) << row.name;
        }
    }
    for (const auto& c : model.classes()) {
        std::unordered_set<std::uint16_t> pids;
        std::size_t depth = 0;
        for (const ClassDef* k = &c; k; k = k->parent, ++depth) {
            ASSERT_LT(depth, model.classes().size()) << c.name;
            for (const PropertyDef* p : k->properties)
                if (p->pid != 0) {
                    EXPECT_TRUE(pids.insert(p->pid).second) << c.name << ": pid " << p->pid << " twice";
                }
        }
        EXPECT_EQ(c.knownAncestor, &c);
        EXPECT_FALSE(c.ancestryRepaired) << c.name;
    }
    for (const auto& p : model.properties())
        EXPECT_NE(p.type, nullptr) << p.name;
}

TEST(ModelTablesTest, DefinitionsAreUniquePerKindAndDataDefinitionsPairWithTheirLegacyIds)
{
    std::set<std::pair<int, Auid>> seen;
    for (const auto& d : BaselineDefinitions())
        EXPECT_TRUE(seen.insert({int(d.kind), d.auid}).second) << d.name;

    EXPECT_TRUE(DefinitionDictionary::BuiltinIndexReady());
    for (const auto& d : BaselineDefinitions())
        EXPECT_EQ(DefinitionDictionary::FindRow(d.kind, d.auid), &d) << d.name;

    const DefinitionDictionary dictionary;
    struct Case {
        Auid id;
        const char* name;
    };
    const Case cases[] = {
        {ids::kDataDefPicture, "DataDef_Picture"},
        {ids::kDataDefLegacyPicture, "DataDef_LegacyPicture"},
        {ids::kDataDefSound, "DataDef_Sound"},
        {ids::kDataDefLegacySound, "DataDef_LegacySound"},
        {ids::kDataDefTimecode, "DataDef_Timecode"},
        {ids::kDataDefLegacyTimecode, "DataDef_LegacyTimecode"},
    };
    for (const auto& c : cases) {
        const Definition* d = dictionary.Find(DefinitionKind::Data, c.id);
        ASSERT_NE(d, nullptr) << c.name;
        EXPECT_EQ(d->row->name, c.name);
    }
    EXPECT_EQ(DefinitionDictionary::CurrentDataDefinition(ids::kDataDefLegacySound), ids::kDataDefSound);
    EXPECT_EQ(DefinitionDictionary::LegacyDataDefinition(ids::kDataDefTimecode), ids::kDataDefLegacyTimecode);
    EXPECT_EQ(dictionary.Find(DefinitionKind::Operation, ids::kDataDefPicture), nullptr);
    // A built-in definition is made once: found again, it is the same one.
    EXPECT_EQ(dictionary.Find(DefinitionKind::Data, ids::kDataDefSound),
              dictionary.Find(DefinitionKind::Data, ids::kDataDefSound));
}

}  // namespace
}  // namespace aafsdk
