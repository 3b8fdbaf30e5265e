// The panel's buttons as a user and the dialog see them. Runs against the substitute natively
// and against Wine's USER32 in the Windows build, with Wine's measured behaviour as the
// expectation.
#include <gtest/gtest.h>

#include "simhost/desktop/UserInput.h"
#include "tests/support/DialogProbe.h"
#include "tests/unit/substitute/ReliedMessages.h"

using probe::DialogProbe;
using relied::Lines;
using relied::Relied;

namespace {

constexpr int kAddStaves = 105;

class Button : public ::testing::Test {
protected:
    Button() { panel.log.Take(); }
    DialogProbe panel;
};

} // namespace

TEST_F(Button, AClickTakesTheFocusAndTellsTheDialogOnce) {
    EXPECT_TRUE(UserInput::ClickButton(panel.Item(kAddStaves)));
    EXPECT_EQ((Lines{"dlg WM_COMMAND 105"}), Relied(panel.log.Take()));
    EXPECT_EQ(panel.Item(kAddStaves), GetFocus());
}

TEST_F(Button, AClickOnAButtonOfAnInactiveDialogActivatesTheDialogFirst) {
    SetActiveWindow(panel.log.host);
    panel.log.Take();
    UserInput::ClickButton(panel.Item(kAddStaves));
    EXPECT_EQ((Lines{"dlg WM_ACTIVATE 1", "dlg WM_COMMAND 105"}), Relied(panel.log.Take()));
}

TEST_F(Button, ADisabledButtonIgnoresTheUserButNotBmClick) {
    const HWND button = panel.Item(kAddStaves);
    EnableWindow(button, FALSE);
    panel.log.Take();
    EXPECT_FALSE(UserInput::ClickButton(button));
    EXPECT_TRUE(Relied(panel.log.Take()).empty());
    // Windows' own click message still clicks it (measured under Wine), though the button
    // cannot take the focus.
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ((Lines{"dlg WM_COMMAND 105"}), Relied(panel.log.Take()));
    EXPECT_EQ(panel.list, GetFocus());

    EnableWindow(button, TRUE);
    EnableWindow(panel.dialog, FALSE);
    EXPECT_FALSE(UserInput::ClickButton(button)) << "inside a disabled dialog";
}

TEST_F(Button, PushButtonsHaveNoCheckState) {
    EXPECT_TRUE(CheckDlgButton(panel.dialog, kAddStaves, BST_CHECKED));
    EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), IsDlgButtonChecked(panel.dialog, kAddStaves));
    EXPECT_TRUE(CheckDlgButton(panel.dialog, 999, BST_CHECKED)) << "even without such a button";
}

// The panel fills the field whenever a row is chosen; what the field reports then is none of
// the panel's business.
