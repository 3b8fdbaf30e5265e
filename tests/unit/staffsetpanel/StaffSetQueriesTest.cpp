// What the panel's rows will show of each slot, read from the sample score.
#include <gtest/gtest.h>

#include "simhost/documents/HostText.h"
#include "staffsetpanel/StaffSetOverview.h"
#include "staffsetpanel/StaffSetQueries.h"
#include "tests/support/StaffSetSession.h"

namespace {

struct Row {
    std::string name, top, bottom;
    int32_t staves;
};

Row RowOf(const StaffSetSummary& summary) {
    return {Utf16ToUtf8(summary.name.WideText()), Utf16ToUtf8(summary.top.WideText()),
            Utf16ToUtf8(summary.bottom.WideText()), summary.count};
}

bool operator==(const Row& a, const Row& b) {
    return a.name == b.name && a.top == b.top && a.bottom == b.bottom && a.staves == b.staves;
}

// The row as the whole list reads it; a set's row read alone must show the same.
Row RowOf(int32_t set) {
    StaffSetOverview all;
    all.Describe(ReadListEndsOfRows());
    const Row row = RowOf(all.Row(set));
    if (set >= 1) {
        StaffSetOverview alone;
        alone.ReadRow(set);
        EXPECT_TRUE(row == RowOf(alone.Row(set))) << "set " << set << " read alone";
    }
    return row;
}

int32_t CountStaves(int32_t set) {
    return RowOf(set).staves;
}

} // namespace

TEST(StaffSetQueries, RowsShowNameCountAndEdgeStaves) {
    StaffSetSession session;
    EXPECT_EQ(20, CountStaves(0)) << "all staves of the score";
    Row woodwinds = RowOf(1);
    EXPECT_EQ("Woodwinds", woodwinds.name);
    EXPECT_EQ(7, woodwinds.staves);
    EXPECT_EQ("Piccolo", woodwinds.top);
    EXPECT_EQ("Alto Saxophone in E\u266D", woodwinds.bottom);
    Row strings = RowOf(3);
    EXPECT_EQ("(No Name)", strings.name);
    Row empty = RowOf(2);
    EXPECT_EQ("-", empty.name);
    EXPECT_EQ("-", empty.top);
    EXPECT_EQ("-", empty.bottom);
    EXPECT_EQ(0, empty.staves);
    EXPECT_FALSE(SetExists(2));
    EXPECT_TRUE(SetExists(3));
}

// The list marks a missing set and a missing name; the name field, where the user types,
// shows neither mark.
TEST(StaffSetQueries, NameTextsInTheListAndInTheNameField) {
    StaffSetSession session;
    const struct {
        int32_t set;
        std::string inList, inNameField;
    } cases[] = {{1, "Woodwinds", "Woodwinds"}, {3, "(No Name)", ""}, {2, "-", ""}};
    for (const auto& expected : cases) {
        NKString inList("x"), inNameField("x");
        SetNameText(&inList, expected.set, NameShownIn::kList);
        SetNameText(&inNameField, expected.set, NameShownIn::kNameField);
        EXPECT_EQ(expected.inList, Utf16ToUtf8(inList.WideText())) << "set " << expected.set;
        EXPECT_EQ(expected.inNameField, Utf16ToUtf8(inNameField.WideText()))
            << "set " << expected.set;
    }
}

TEST(StaffSetQueries, OneStaffIsTopAndBottomAndANamelessStaffShowsItsNumber) {
    StaffSetSession session;
    session.SetList(6, {{12, 0}});
    // Staff 12's name text is empty: the row shows its number instead.
    session.document.Records().Put({SimTag("txbl"), 12, 0}, EncodeHostText(session.version, ""));
    Row timpani = RowOf(6);
    EXPECT_EQ("Staff #12", timpani.top);
    EXPECT_EQ("Staff #12", timpani.bottom);
    EXPECT_EQ(1, timpani.staves);
}

TEST(StaffSetQueries, TheScoresSetsAreReadWhateverPartIsCurrent) {
    StaffSetSession session;
    session.document.SetCurrentPart(1);
    EXPECT_EQ(20, CountStaves(0));
    EXPECT_EQ(7, CountStaves(1));
    EXPECT_EQ(1, session.document.CurrentPart());
}
