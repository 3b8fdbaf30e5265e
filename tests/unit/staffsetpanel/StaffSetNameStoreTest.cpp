// Where set names are looked for: the category by its exact name, the record by its prefix.
#include <gtest/gtest.h>

#include "staffsetpanel/StaffSetNameStore.h"
#include "tests/support/StaffSetSession.h"

namespace {

std::string SetName(int32_t set) {
    NKString name("(unchanged)");
    GetSetName(&name, set);
    return name.NarrowText();
}

void FileDefinition(StaffSetSession& session, int16_t item, uint16_t category,
                    const std::string& description) {
    session.document.Records().Put(
        {SimTag("SODT"), item, 0},
        ExpressionDefRecord(session.version, 104, category, description));
}

} // namespace

TEST(StaffSetNameStore, TheCategoryIsFoundByItsExactNameAndTheFirstOneCounts) {
    StaffSetSession session;
    EXPECT_EQ(kSampleDataCategory, FindNameCategory());
    RecordStore& records = session.document.Records();
    records.Put({SimTag("SOMC"), 3, 0}, CategoryRecord(session.version, 3, "QM Plug-in Data"));
    EXPECT_EQ(3, FindNameCategory()) << "the first in the host's order";
    records.Erase({SimTag("SOMC"), 3, 0});
    records.Put({SimTag("SOMC"), kSampleDataCategory, 0},
                CategoryRecord(session.version, kSampleDataCategory, "QM plug-in data"));
    EXPECT_EQ(-1, FindNameCategory()) << "letter case counts";
    EXPECT_EQ("(unchanged)", SetName(1)) << "no category: no name, silently";
}

TEST(StaffSetNameStore, APrefixBelongsToOneSetOnly) {
    StaffSetSession session;
    FileDefinition(session, 5, kSampleDataCategory, "QM Staff Set Panel 2:");
    FileDefinition(session, 6, kSampleDataCategory,
                   "QM Staff Set Panel 3:Low QM Staff Set Panel 3:Brass");
    FileDefinition(session, 7, 2, "QM Staff Set Panel 4:in another category");
    FileDefinition(session, 8, kSampleDataCategory, "QM Staff Set Panel 5:first");
    FileDefinition(session, 9, kSampleDataCategory, "QM Staff Set Panel 5:second");
    EXPECT_EQ("Woodwinds", SetName(1));
    EXPECT_EQ("", SetName(2)) << "the prefix alone is the empty name";
    EXPECT_EQ("Low Brass", SetName(3)) << "every copy of the prefix is taken out";
    EXPECT_EQ("(unchanged)", SetName(4));
    EXPECT_EQ("first", SetName(5));

    // The record of set 1 is not taken for set 10 or 11, nor theirs for set 1.
    session.document.Records().Erase({SimTag("SODT"), 4, 0});
    FileDefinition(session, 4, kSampleDataCategory, "QM Staff Set Panel 11:Eleven");
    EXPECT_EQ("(unchanged)", SetName(1));
    EXPECT_EQ("Eleven", SetName(11));
    EXPECT_EQ("(unchanged)", SetName(10));
}

TEST(StaffSetNameStore, NamesAboveLatinOneSurviveOnUnicodeHosts) {
    StaffSetSession session(0x11000000);
    ASSERT_TRUE(session.Run({kRenameSet, 3, "\u5F26\u697D\u5668 \u2013 Streicher", 0, 0}));
    NKString name;
    GetSetName(&name, 3);
    EXPECT_EQ(u"\u5F26\u697D\u5668 \u2013 Streicher", std::u16string(name.WideText()));
}
