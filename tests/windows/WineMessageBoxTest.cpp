// Wine's own message boxes, measured with a hook that reads the box when it is activated and
// answers it: the facts the substitute's boxes reproduce (tests/support/MessageBoxExpectations.h).
#include <gtest/gtest.h>

#include "tests/support/DialogProbe.h"
#include "tests/support/MessageBoxExpectations.h"

namespace {

struct OpenBox {
    HWND owner = nullptr;
    HWND panel = nullptr; // a dialog of class "#32770" too, but no box
    bool ownerEnabled = true;
    std::vector<std::u16string> buttons;
};

OpenBox* seen = nullptr;

LRESULT CALLBACK WatchBoxes(int code, WPARAM wParam, LPARAM lParam) {
    const HWND box = reinterpret_cast<HWND>(wParam);
    WCHAR className[16] = {};
    if (code == HCBT_ACTIVATE && seen && GetClassNameW(box, className, 16) &&
        std::wstring(className) == L"#32770" && box != seen->panel) {
        seen->ownerEnabled = IsWindowEnabled(seen->owner) != FALSE;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            GetClassNameW(child, className, 16);
            if (std::wstring(className) == L"Button")
                seen->buttons.push_back(probe::Text(child));
        }
        const int answer = GetDlgItem(box, IDNO) ? IDNO : IDOK;
        PostMessageW(box, WM_COMMAND, answer, reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class WineMessageBox : public ::testing::Test {
protected:
    WineMessageBox() {
        panel.log.Take();
        box.owner = panel.log.host;
        box.panel = panel.dialog;
        seen = &box;
        hook = SetWindowsHookExW(WH_CBT, WatchBoxes, nullptr, GetCurrentThreadId());
    }
    ~WineMessageBox() override {
        UnhookWindowsHookEx(hook);
        seen = nullptr;
    }
    probe::DialogProbe panel;
    OpenBox box;
    HHOOK hook = nullptr;
};

} // namespace

TEST_F(WineMessageBox, AQuestionOverThePanelDisablesItsOwnerAndLeavesTheOwnerActive) {
    EXPECT_EQ(IDNO,
              MessageBoxW(panel.log.host, probe::W(u"Question?"), probe::W(u"Caption"), MB_YESNO));
    EXPECT_EQ(expectations::kYesNoButtons, box.buttons);
    EXPECT_FALSE(box.ownerEnabled);
    EXPECT_EQ(expectations::kBoxOverActivePanel, panel.log.Take());
    EXPECT_EQ(panel.log.host, GetActiveWindow());
    EXPECT_TRUE(IsWindowEnabled(panel.log.host));
}

TEST_F(WineMessageBox, ANoticeOverTheActiveHostTakesItsFocusUntilClosed) {
    SetActiveWindow(panel.log.host);
    panel.log.Take();
    EXPECT_EQ(IDOK, MessageBoxW(panel.log.host, probe::W(u"Note"), probe::W(u"Information"),
                                MB_ICONINFORMATION));
    EXPECT_EQ(expectations::kOkButton, box.buttons);
    EXPECT_EQ(expectations::kBoxOverActiveHost, panel.log.Take());
}
