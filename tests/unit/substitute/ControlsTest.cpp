// The panel's buttons and name field as a user and the dialog see them. Runs against the
// substitute natively and against Wine's USER32 in the Windows build, with Wine's measured
// behaviour as the expectation.
#include <gtest/gtest.h>

#include "simhost/desktop/UserInput.h"
#include "tests/support/DialogProbe.h"
#include "tests/unit/substitute/ReliedMessages.h"

using probe::DialogProbe;
using relied::Lines;
using relied::Relied;

namespace {

constexpr int kAddStaves = 105;
constexpr int kNameField = 102;

class Controls : public ::testing::Test {
protected:
    Controls() { panel.log.Take(); }
    DialogProbe panel;
};

} // namespace

TEST_F(Controls, AClickTakesTheFocusAndTellsTheDialogOnce) {
    EXPECT_TRUE(UserInput::ClickButton(panel.Item(kAddStaves)));
    EXPECT_EQ((Lines{"dlg WM_COMMAND 105"}), Relied(panel.log.Take()));
    EXPECT_EQ(panel.Item(kAddStaves), GetFocus());
}

TEST_F(Controls, AClickOnAButtonOfAnInactiveDialogActivatesTheDialogFirst) {
    SetActiveWindow(panel.log.host);
    panel.log.Take();
    UserInput::ClickButton(panel.Item(kAddStaves));
    EXPECT_EQ((Lines{"dlg WM_ACTIVATE 1", "dlg WM_COMMAND 105"}), Relied(panel.log.Take()));
}

TEST_F(Controls, ADisabledButtonIgnoresTheUserButNotBmClick) {
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

TEST_F(Controls, PushButtonsHaveNoCheckState) {
    EXPECT_TRUE(CheckDlgButton(panel.dialog, kAddStaves, BST_CHECKED));
    EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), IsDlgButtonChecked(panel.dialog, kAddStaves));
    EXPECT_TRUE(CheckDlgButton(panel.dialog, 999, BST_CHECKED)) << "even without such a button";
}

// The panel fills the field whenever a row is chosen; what the field reports then is none of
// the panel's business.
TEST_F(Controls, SettingTheFieldsTextStoresItAndTellsTheDialogNothingItActsOn) {
    EXPECT_TRUE(SetWindowTextW(panel.Item(kNameField), probe::W(u"abc")));
    EXPECT_TRUE(Relied(panel.log.Take()).empty());
    EXPECT_EQ(u"abc", probe::Text(panel.Item(kNameField)));
    EXPECT_EQ(3, GetWindowTextLengthW(panel.Item(kNameField)));
}

TEST_F(Controls, TypingReplacesTheWholeTextOneReportedUnitAtATime) {
    const HWND field = panel.Item(kNameField);
    SetWindowTextW(field, probe::W(u"old name"));
    panel.log.Take();
    EXPECT_TRUE(UserInput::TypeText(field, u"Xy"));
    EXPECT_TRUE(Relied(panel.log.Take()).empty());
    EXPECT_EQ(u"Xy", probe::Text(field));
    EXPECT_EQ(field, GetFocus());

    EXPECT_TRUE(UserInput::TypeText(field, u""));
    EXPECT_EQ(u"", probe::Text(field)) << "typing nothing empties the field";
    UserInput::TypeText(field, u"");
    EXPECT_EQ(u"", probe::Text(field));
    EXPECT_TRUE(Relied(panel.log.Take()).empty());
    SetWindowTextW(field, probe::W(u"Xy"));

    SendMessageW(field, EM_SETSEL, 1, 1);
    SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(probe::W(u"--")));
    EXPECT_EQ(u"X--y", probe::Text(field));
    SendMessageW(field, WM_CHAR, '\b', 1);
    EXPECT_EQ(u"X-y", probe::Text(field));
}

TEST_F(Controls, ADisabledFieldCannotBeTypedInto) {
    const HWND field = panel.Item(kNameField);
    SetWindowTextW(field, probe::W(u"kept"));
    EnableWindow(field, FALSE);
    EXPECT_FALSE(UserInput::TypeText(field, u"lost"));
    EXPECT_EQ(u"kept", probe::Text(field));
}
