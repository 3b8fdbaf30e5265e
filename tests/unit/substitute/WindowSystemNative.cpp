// The window system as a whole: a reset that leaves nothing behind, and windows the user
// cannot reach.
#include <gtest/gtest.h>

#include "platform/substitute/WindowSystem.h"
#include "simhost/desktop/UserInput.h"
#include "tests/support/DialogProbe.h"

TEST(WindowSystem, AResetDestroysEveryWindowAndForgetsWhatWasQueued) {
    probe::DialogProbe panel;
    SetTimer(panel.dialog, 2, 200, nullptr);
    PostMessageW(nullptr, WM_USER, 0, 0);
    substitute::ResetWindowSystem();
    EXPECT_FALSE(IsWindow(panel.dialog));
    EXPECT_FALSE(IsWindow(panel.log.host));
    EXPECT_EQ(nullptr, GetActiveWindow());
    EXPECT_EQ(nullptr, GetFocus());
    MSG message{};
    EXPECT_FALSE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(u"", substitute::ClassNameOf(panel.dialog));
}

TEST(WindowSystem, AHiddenOrDisabledWindowIsBeyondTheUsersReach) {
    probe::DialogProbe panel;
    EXPECT_EQ(u"SysListView32", substitute::ClassNameOf(panel.list));
    EnableWindow(panel.dialog, FALSE);
    EXPECT_FALSE(UserInput::Activate(panel.dialog));
    EXPECT_FALSE(UserInput::CloseByCaption(panel.dialog));
    EXPECT_FALSE(UserInput::CloseByCaption(panel.list)) << "a control has no caption";
    EnableWindow(panel.dialog, TRUE);
    ShowWindow(panel.dialog, SW_HIDE);
    EXPECT_FALSE(UserInput::ClickButton(panel.Item(2)));
    EXPECT_FALSE(UserInput::TypeText(panel.Item(102), u"x"));
    EXPECT_TRUE(IsWindow(panel.dialog));
}
