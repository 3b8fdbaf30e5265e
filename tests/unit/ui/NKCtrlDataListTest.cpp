// What a list row gives the list view for a cell: its text, cut to the shared display buffer
// of 511 units and a terminator, or "???" for a cell the row does not have.
#include <gtest/gtest.h>

#include <memory>

#include "tests/support/TestWindow.h"

namespace {

std::u16string Shown(const NKDataListRow* row, int32_t cell) {
    return NKCtrlDataList::CellText(row, cell);
}

std::unique_ptr<NKDataListRow> RowWithName(const std::u16string& name) {
    return std::unique_ptr<NKDataListRow>(MakeRow({u"1", name}));
}

} // namespace

TEST(CellText, CellsOutsideTheRowAndMissingRowsShowQuestionMarks) {
    auto row = RowWithName(u"Brass");
    EXPECT_EQ(u"1", Shown(row.get(), 0));
    EXPECT_EQ(u"Brass", Shown(row.get(), 1));
    EXPECT_EQ(u"", Shown(row.get(), 4));
    EXPECT_EQ(u"???", Shown(row.get(), 5));
    EXPECT_EQ(u"???", Shown(row.get(), -1));
    EXPECT_EQ(u"???", Shown(nullptr, 0));
}

TEST(CellText, ATextThatFillsTheBufferIsShownWhole) {
    const std::u16string name(511, u'n');
    EXPECT_EQ(name, Shown(RowWithName(name).get(), 1));
}

TEST(CellText, ALongerTextIsCutToTheBuffer) {
    std::u16string name(2000, u'n');
    name[510] = u'e';
    const std::u16string shown = Shown(RowWithName(name).get(), 1);
    ASSERT_EQ(511u, shown.size());
    EXPECT_EQ(u'e', shown.back());
}

TEST(CellText, APairOfSurrogatesAtTheCutIsLeftOutWhole) {
    // U+1D12B (musical symbol double flat) as units 510 and 511: the buffer has room for 510
    // of them, and half a pair is no text.
    std::u16string name(510, u'n');
    name += u"\U0001D12B";
    name += u"tail";
    const std::u16string shown = Shown(RowWithName(name).get(), 1);
    EXPECT_EQ(std::u16string(510, u'n'), shown);
}

TEST(CellText, APairOfSurrogatesEndingAtTheCutIsKept) {
    std::u16string name(509, u'n');
    name += u"\U0001D12B";
    name += u"tail";
    const std::u16string shown = Shown(RowWithName(name).get(), 1);
    ASSERT_EQ(511u, shown.size());
    EXPECT_EQ(u"\U0001D12B", shown.substr(509));
}
