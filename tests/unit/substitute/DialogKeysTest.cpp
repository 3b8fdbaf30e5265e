// The keyboard in the panel's dialog: where Tab, Shift+Tab and the arrow keys take the focus,
// which command Enter, Escape, a mnemonic and Space give, what each control answers to
// WM_GETDLGCODE, how the default button moves, and which notifications the arrow keys in the
// list send. The keys arrive as a user's do (UserInput::PressKey) through a host's message
// loop that hands every message to IsDialogMessageW. Runs against the substitute natively and
// against Wine's user32 and comctl32 in the Windows build; the expected values are Wine's,
// measured.
#include <gtest/gtest.h>

#include "simhost/desktop/UserInput.h"
#include "tests/support/DialogProbe.h"
#include "tests/unit/substitute/ReliedMessages.h"

using probe::DialogProbe;
using relied::Lines;
using relied::Relied;

namespace {

class DialogKeys : public ::testing::Test {
protected:
    DialogKeys() {
        panel.FillList();
        SetFocus(panel.list);
        panel.Pump();
        panel.log.Take();
    }

    void Press(const char* name) {
        UserInput::KeyStroke key;
        ASSERT_TRUE(UserInput::ReadKey(name, key)) << name;
        UserInput::PressKey(key, [this] { panel.Pump(); });
    }

    // The dialog item with the focus, by its id; 0 for none, -1 for a window outside it.
    int FocusId() const {
        const HWND focus = GetFocus();
        if (!focus)
            return 0;
        return GetParent(focus) == panel.dialog ? GetDlgCtrlID(focus) : -1;
    }

    int DefaultStyleId() const {
        for (int id : PanelFacts::kItemsInTabOrder)
            if ((GetWindowLongW(panel.Item(id), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON &&
                id != PanelFacts::kListId && id != PanelFacts::kNameFieldId)
                return id;
        return 0;
    }

    DialogProbe panel;
};

} // namespace

TEST_F(DialogKeys, EachControlAsksForTheKeysOfItsKind) {
    EXPECT_EQ(DLGC_WANTCHARS | DLGC_WANTARROWS, SendMessageW(panel.list, WM_GETDLGCODE, 0, 0));
    EXPECT_EQ(DLGC_BUTTON | DLGC_DEFPUSHBUTTON,
              SendMessageW(panel.Item(PanelFacts::kSwitchToId), WM_GETDLGCODE, 0, 0));
    EXPECT_EQ(DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON,
              SendMessageW(panel.Item(PanelFacts::kCloseId), WM_GETDLGCODE, 0, 0));
    EXPECT_EQ(DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS,
              SendMessageW(panel.Item(PanelFacts::kNameFieldId), WM_GETDLGCODE, 0, 0));
    EXPECT_EQ(MAKELONG(IDOK, DC_HASDEFID), SendMessageW(panel.dialog, DM_GETDEFID, 0, 0));
}

TEST_F(DialogKeys, TabGoesThroughTheEnabledTabStopsInTemplateOrderAndWraps) {
    EnableWindow(panel.Item(PanelFacts::kAddStavesId), FALSE);
    EnableWindow(panel.Item(PanelFacts::kMoveUpId), FALSE);
    std::vector<int> visited;
    for (int i = 0; i < 10; ++i) {
        Press("Tab");
        visited.push_back(FocusId());
    }
    EXPECT_EQ((std::vector<int>{1, 2, 106, 108, 109, 102, 103, 104, 101, 1}), visited);
    Press("Shift+Tab");
    Press("Shift+Tab");
    EXPECT_EQ(104, FocusId()) << "Shift+Tab goes back, wrapping";
    EXPECT_TRUE(Relied(panel.log.Take()).empty()) << "moving the focus commands nothing";
}

TEST_F(DialogKeys, TheDefaultStyleFollowsTheFocusFromPushButtonToPushButtonOnly) {
    EXPECT_EQ(1, DefaultStyleId());
    Press("Tab");
    Press("Tab");
    EXPECT_EQ(2, DefaultStyleId()) << "the focused push button shows as the default";
    Press("Shift+Tab");
    Press("Shift+Tab");
    EXPECT_EQ(101, FocusId());
    EXPECT_EQ(1, DefaultStyleId());
    for (int i = 0; i < 8; ++i)
        Press("Tab");
    EXPECT_EQ(102, FocusId());
    EXPECT_EQ(1, DefaultStyleId()) << "any other control gives it back to the default id";
    EXPECT_EQ(MAKELONG(IDOK, DC_HASDEFID), SendMessageW(panel.dialog, DM_GETDEFID, 0, 0));
}

TEST_F(DialogKeys, EnterOutsideAPushButtonCommandsTheDefaultIdUnlessItIsDisabled) {
    Press("Enter");
    for (int i = 0; i < 8; ++i)
        Press("Tab");
    Press("Enter");
    EXPECT_EQ((Lines{"dlg WM_COMMAND 1", "dlg WM_COMMAND 1"}), Relied(panel.log.Take()))
        << "from the list, then from the name field";
    EnableWindow(panel.Item(PanelFacts::kSwitchToId), FALSE);
    Press("Enter");
    EXPECT_TRUE(Relied(panel.log.Take()).empty());
}

TEST_F(DialogKeys, EnterAndSpaceOnAFocusedPushButtonPressIt) {
    Press("Tab");
    Press("Tab");
    Press("Enter");
    Press("Space");
    EXPECT_EQ((Lines{"dlg WM_COMMAND 2", "dlg WM_COMMAND 2"}), Relied(panel.log.Take()));
}

TEST_F(DialogKeys, EscapeCommandsCancelWhereverTheFocusIs) {
    Press("Escape");
    for (int i = 0; i < 8; ++i)
        Press("Tab");
    Press("Escape");
    EXPECT_EQ((Lines{"dlg WM_COMMAND 2", "dlg WM_COMMAND 2"}), Relied(panel.log.Take()));
}

TEST_F(DialogKeys, AMnemonicClicksItsEnabledButtonAndNothingElse) {
    Press("Alt+E");
    EXPECT_EQ((Lines{"dlg WM_COMMAND 106"}), Relied(panel.log.Take()));
    EXPECT_EQ(106, FocusId()) << "the button takes the focus as a click does";
    EXPECT_EQ(1, DefaultStyleId()) << "but not the default style";
    EnableWindow(panel.Item(PanelFacts::kDeleteSetId), FALSE);
    Press("Alt+D");
    Press("Alt+Q");
    EXPECT_TRUE(Relied(panel.log.Take()).empty()) << "a disabled button's mnemonic is nobody's";
    EXPECT_EQ(106, FocusId());
    Press("C");
    EXPECT_EQ((Lines{"dlg WM_COMMAND 104"}), Relied(panel.log.Take()))
        << "without Alt from a button, which takes no characters: the first button from the "
           "focus onwards, \"&Create Set\" before \"&Close\"";
}

TEST_F(DialogKeys, ArrowKeysInTheListSelectAsAClickDoes) {
    Press("Down");
    EXPECT_EQ((Lines{relied::ItemChanged(0, 0x1003, 0x1000)}), Relied(panel.log.Take()));
    EXPECT_EQ(0, panel.Mark());
    Press("Down");
    Press("Down");
    EXPECT_EQ(
        (Lines{relied::ItemChanged(0, 0x1001, 0x1003), relied::ItemChanged(1, 0x1003, 0x1000),
               relied::ItemChanged(1, 0x1001, 0x1003), relied::ItemChanged(2, 0x1003, 0x1000)}),
        Relied(panel.log.Take()));
    EXPECT_EQ(2, panel.Mark());
    Press("End");
    EXPECT_EQ(8, panel.Mark());
    Press("Down");
    Press("Home");
    Press("Up");
    EXPECT_EQ(
        (Lines{relied::ItemChanged(2, 0x1001, 0x1003), relied::ItemChanged(8, 0x1003, 0x1000),
               relied::ItemChanged(8, 0x1001, 0x1003), relied::ItemChanged(0, 0x1003, 0x1000)}),
        Relied(panel.log.Take()))
        << "Down on the last row and Up on the first do nothing";
    EXPECT_EQ(0, panel.Mark());
    EXPECT_EQ(101, FocusId());
}

TEST_F(DialogKeys, SpaceInTheListSelectsTheFocusedRowAgain) {
    Press("Down");
    Press("Down");
    panel.SetState(-1, 0, LVIS_SELECTED);
    panel.log.Take();
    Press("Space");
    EXPECT_EQ((Lines{relied::ItemChanged(1, 0x1003, 0x1001)}), Relied(panel.log.Take()));
}
