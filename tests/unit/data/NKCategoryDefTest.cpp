// Expression categories in both layouts, read through the simulated host's records.
#include <gtest/gtest.h>

#include "framework/data/NKCategoryDef.h"
#include "framework/data/NKCategoryDefs.h"
#include "tests/unit/data/TextTestSupport.h"

using namespace texttest;

namespace {

std::string Name(const NKCategoryDef& category) {
    NKString name("stale");
    category.GetName(&name);
    return Utf8(name);
}

} // namespace

TEST(CategoryDef, EachHostReadsItsOwnLayout) {
    for (uint32_t version : {kNarrowHost, kFirstWideHost, kWideHost}) {
        SCOPED_TRACE(version);
        TextHost h(version);
        const std::string name = h.Wide() ? "Tempo \xC4\x80" : "Tempo \xC3\xA9";
        h.Put(kCategory, 1, CategoryRecord(version, 5, name));
        h.Put(kCategory, 2, CategoryRecord(version, 6, ""));
        NKCategoryDef category;
        ASSERT_TRUE(category.Load(1));
        EXPECT_EQ(h.Wide() ? 0x11000000 : 0x0F000000,
                  h.host.Log().CallsOf("NX_LoadEData").back().arguments[4]);
        EXPECT_EQ(5, category.Id());
        EXPECT_EQ(name, Name(category));
        ASSERT_TRUE(category.Load(2));
        EXPECT_EQ("", Name(category));

        // A new category is a whole record of the host's layout.
        NKCategoryDef fresh;
        ASSERT_TRUE(fresh.SaveNew());
        EXPECT_EQ(Bytes(h.Wide() ? 296 : 104, 0), *h.Find(kCategory, 3));
    }
}

TEST(CategoryDef, ObjectMadeBeforeTheHostVersionWasKnownLoadsTheHostsLayout) {
    for (uint32_t version : {kNarrowHost, kWideHost}) {
        SCOPED_TRACE(version);
        FreshModule fresh;
        SimHost host(version);
        SimDocument& doc = host.AddDocument("t");
        SetHostVersion(version == kNarrowHost ? kWideHost : kNarrowHost);
        NKCategoryDef category;
        SetHostVersion(version);
        doc.Records().Put({kCategory, 1, 0}, CategoryRecord(version, 3, "Dynamics"));
        ASSERT_TRUE(category.Load(1));
        EXPECT_EQ("Dynamics", Name(category));
    }
}

TEST(CategoryDef, NamesWithoutTerminatorEndAtTheirField) {
    for (uint32_t version : {kNarrowHost, kWideHost}) {
        SCOPED_TRACE(version);
        TextHost h(version);
        Bytes record = CategoryRecord(version, 5, "");
        const size_t nameBytes = record.size() - 4;
        for (size_t i = 0; i < nameBytes; ++i)
            record[2 + i] = (i % 2 == 1 && h.Wide()) ? 0 : 'n';
        WriteLittleEndian16(record, record.size() - 2, 0x4141); // "AA" if read as name
        h.Put(kCategory, 1, record);
        NKCategoryDef category;
        ASSERT_TRUE(category.Load(1));
        EXPECT_EQ(std::string(h.Wide() ? nameBytes / 2 : nameBytes, 'n'), Name(category));
    }
}

TEST(CategoryDef, AnOverlongRecordIsNeverSavedPastTheStorage) {
    TextHost h(kWideHost);
    h.host.SetOverReportingLoads(true);
    Bytes record = CategoryRecord(kWideHost, 5, "Long");
    Bytes overlong = record;
    overlong.resize(500, 0x77);
    h.Put(kCategory, 1, overlong);
    NKCategoryDef category;
    ASSERT_TRUE(category.Load(1));
    ASSERT_TRUE(category.Save());
    EXPECT_EQ(Bytes(overlong.begin(), overlong.begin() + 296), *h.Find(kCategory, 1));
}

TEST(CategoryDef, IdenticalMeansSameIdSameTrailingWordSameName) {
    TextHost h(kWideHost);
    h.Put(kCategory, 1, CategoryRecord(kWideHost, 5, "Text"));
    h.Put(kCategory, 2, CategoryRecord(kWideHost, 5, "Text"));
    h.Put(kCategory, 3, CategoryRecord(kWideHost, 6, "Text"));
    h.Put(kCategory, 4, CategoryRecord(kWideHost, 5, "Tex"));
    Bytes otherWord = CategoryRecord(kWideHost, 5, "Text");
    WriteLittleEndian16(otherWord, 294, 2);
    h.Put(kCategory, 5, otherWord);

    NKCategoryDefs categories;
    ASSERT_EQ(5, categories.LoadAll());
    const NKCategoryDef* first = categories.ElementAt(0);
    EXPECT_TRUE(first->IsIdentical(categories.ElementAt(1)));
    for (int32_t i = 2; i < 5; ++i)
        EXPECT_FALSE(first->IsIdentical(categories.ElementAt(i))) << i;
    NKString notACategory("Text");
    EXPECT_FALSE(first->IsIdentical(&notACategory));
    EXPECT_FALSE(first->IsIdentical(nullptr));
}

TEST(CategoryDefs, LoadAllFollowsTheHostsRecords) {
    for (uint32_t version : {kNarrowHost, kWideHost}) {
        SCOPED_TRACE(version);
        TextHost h(version);
        for (int16_t item : {1, 2, 7})
            h.Put(kCategory, item,
                  CategoryRecord(version, static_cast<uint16_t>(item * 10),
                                 "c" + std::to_string(item)));
        NKCategoryDefs categories;
        ASSERT_EQ(3, categories.LoadAll());
        EXPECT_EQ(70, categories.ElementAt(2)->Id());
        EXPECT_EQ("c7", Name(*categories.ElementAt(2)));
        EXPECT_EQ(7, categories.ElementAt(2)->ItemNumber());

        // Without a category 1 the others are still found.
        h.Records().Erase({kCategory, 1, 0});
        ASSERT_EQ(2, categories.LoadAll());
        EXPECT_EQ("c2", Name(*categories.ElementAt(0)));
    }
}
