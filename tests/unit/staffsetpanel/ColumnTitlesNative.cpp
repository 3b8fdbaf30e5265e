// Whether the panel's column titles read whole on a scaled display. The substitute draws no
// text, so the proof is each column's width against the width Wine's own header gives the
// same title at the same scale: measured under Wine 8 with LVM_SETCOLUMNWIDTH and
// LVSCW_AUTOSIZE_USEHEADER on the list of template 20128, with the prefix's LogPixels at each
// value (the title's text width in the list's font and the header's margins).
#include <gtest/gtest.h>

#include "platform/substitute/DisplayScale.h"
#include "staffsetpanel/NKCtrlStaffSetDataList.h"
#include "tests/support/OpenPanelFixture.h"

namespace {

struct TitleWidths {
    int dpi;
    int wholeTitle[5]; // "#", "Name", "Staves", "Top", "Bottom"
};

void PrintTo(const TitleWidths& widths, std::ostream* out) {
    *out << widths.dpi << " dpi";
}

class ColumnTitlesTest : public OpenPanelTest, public testing::WithParamInterface<TitleWidths> {
protected:
    void SetUp() override {
        ASSERT_TRUE(substitute::SetDisplayDpi(GetParam().dpi));
        OpenPanelTest::SetUp();
    }
    void TearDown() override {
        OpenPanelTest::TearDown();
        substitute::SetDisplayDpi(96);
    }
};

TEST_P(ColumnTitlesTest, EveryColumnIsWideEnoughForItsWholeTitle) {
    const HWND list = Item(kStaffSetListId);
    for (int column = 0; column < 5; ++column) {
        const auto width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
        EXPECT_GE(width, GetParam().wholeTitle[column])
            << "column " << column << " at " << GetParam().dpi << " dpi";
    }
}

INSTANTIATE_TEST_SUITE_P(MeasuredUnderWine, ColumnTitlesTest,
                         testing::Values(TitleWidths{96, {17, 40, 45, 30, 45}},
                                         TitleWidths{120, {18, 45, 52, 33, 53}},
                                         TitleWidths{144, {20, 54, 60, 39, 61}},
                                         TitleWidths{192, {23, 68, 77, 48, 79}}),
                         [](const testing::TestParamInfo<TitleWidths>& info) {
                             return "At" + std::to_string(info.param.dpi) + "Dpi";
                         });

} // namespace
