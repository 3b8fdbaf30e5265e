// The host changes the document while one of the panel's questions is open, and only then is
// the question answered. Whatever the panel does with the answer, no document may be left
// with an edit open or with a change that the host cannot undo.
#include <gtest/gtest.h>

#include <functional>

#include "shell/EntryPoints.h"
#include "shell/PanelInvocation.h"
#include "simhost/documents/SampleScore.h"
#include "simhost/desktop/UserInput.h"
#include "tests/support/FreshModule.h"
#include "tests/support/OpenPanelFixture.h"
#include "tests/unit/lifecycle/LiveCensus.h"

#ifndef _WIN32
#include "platform/substitute/MessageBoxes.h"
#endif

namespace {

// Runs the host's action while the next message box is up, then answers the box. On Windows
// the action runs as the box is activated, ahead of the desktop's own hook, which then clicks
// the queued answer; natively the substitute's responder does both.
class WhileNextBoxIsOpen {
public:
    WhileNextBoxIsOpen(HostDesktop& desktop, std::function<void()> action, int answer)
        : action_(std::move(action)) {
#ifdef _WIN32
        current_ = this;
        desktop.AnswerNextBoxes({answer});
        hook_ = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
#else
        (void)desktop;
        substitute::SetMessageBoxResponder([this, answer](const substitute::MessageBoxShown& box) {
            Seen(box.caption);
            return answer;
        });
#endif
    }
    ~WhileNextBoxIsOpen() {
#ifdef _WIN32
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
#else
        substitute::SetMessageBoxResponder(nullptr);
#endif
    }
    WhileNextBoxIsOpen(const WhileNextBoxIsOpen&) = delete;
    WhileNextBoxIsOpen& operator=(const WhileNextBoxIsOpen&) = delete;

    // Captions of the boxes shown while this lives.
    std::vector<std::u16string> captions;

private:
    void Seen(const std::u16string& caption) {
        captions.push_back(caption);
        if (!action_)
            return;
        std::function<void()> action = std::move(action_);
        action_ = nullptr;
        action();
    }

#ifdef _WIN32
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        auto box = reinterpret_cast<HWND>(wParam);
        WCHAR className[16] = {};
        if (code == HCBT_ACTIVATE && current_ && GetClassNameW(box, className, 16) &&
            lstrcmpW(className, L"#32770") == 0 && GetDlgItem(box, 0xFFFF))
            current_->Seen(WindowTextOf(box));
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline WhileNextBoxIsOpen* current_ = nullptr;
    HHOOK hook_ = nullptr;
#endif
    std::function<void()> action_;
};

class BoxWhileDocumentChanges : public OpenPanelTest {
protected:
    void SetUp() override {
        OpenPanelTest::SetUp();
        document.SelectSlots(2, 4);
    }
};

TEST_F(BoxWhileDocumentChanges, DeletingASetTheHostUndidMeanwhileLosesNothing) {
    const SimDocument::Contents beforeCreate = document.Snapshot();
    ASSERT_TRUE(UserInput::ClickRow(Item(kStaffSetListId), 2));
    ASSERT_TRUE(UserInput::TypeText(Item(kNameEditId), u"Winds"));
    ASSERT_TRUE(UserInput::ClickButton(Item(kCreateButtonId)));
    ASSERT_EQ(1u, document.UndoHistory().size()) << "set 2 was created";
    const SimDocument::Contents created = document.Snapshot();
    Tick(); // the new set's count reaches the list, and its buttons with it

    {
        WhileNextBoxIsOpen box(
            desktop, [&] { document.Undo(); }, IDYES);
        ASSERT_TRUE(UserInput::ClickButton(Item(kDeleteButtonId)));
        EXPECT_EQ(std::vector<std::u16string>{u"Delete Staff Set?"}, box.captions);
    }
    desktop.PumpMessages();
    EXPECT_FALSE(document.EditOpen());
    EXPECT_TRUE(document.Snapshot() == beforeCreate) << "only the host's undo took set 2";
    EXPECT_TRUE(document.UndoHistory().empty());

    Tick();
    EXPECT_TRUE(panel->IsListCurrent());
    ASSERT_TRUE(document.Redo()) << "the creation can still be brought back";
    EXPECT_TRUE(document.Snapshot() == created);
}

// The user's Yes answers a question about the document the panel showed; once the host has
// made another document current, it is applied to neither.
class YesAfterADocumentSwitch : public BoxWhileDocumentChanges {
protected:
    void PressAndAnswerYesAfterSwitching(int button, const char16_t* caption) {
        const SimDocument::Contents shown = document.Snapshot();
        const SimDocument::Contents otherBefore = other.Snapshot();
        ASSERT_TRUE(UserInput::ClickRow(Item(kStaffSetListId), kSampleNamedSet));
        {
            WhileNextBoxIsOpen box(
                desktop, [&] { host.SwitchToDocument(other.Id()); }, IDYES);
            ASSERT_TRUE(UserInput::ClickButton(Item(button)));
            EXPECT_EQ(std::vector<std::u16string>{caption}, box.captions);
        }
        desktop.PumpMessages();
        for (const SimDocument* each : {&document, &other}) {
            EXPECT_FALSE(each->EditOpen());
            EXPECT_TRUE(each->UndoHistory().empty());
        }
        EXPECT_TRUE(document.Snapshot() == shown);
        EXPECT_TRUE(other.Snapshot() == otherBefore);

        for (int tick = 0; tick < kTicksPerDocumentCheck; ++tick)
            Tick();
        EXPECT_EQ(other.Id(), panel->document.documentId) << "the panel follows the switch";
        EXPECT_TRUE(panel->IsListCurrent());
    }

    SimDocument& other = AddSampleScore(host);
};

TEST_F(YesAfterADocumentSwitch, DeletesNoSet) {
    PressAndAnswerYesAfterSwitching(kDeleteButtonId, u"Delete Staff Set?");
}

TEST_F(YesAfterADocumentSwitch, ReplacesNoSet) {
    PressAndAnswerYesAfterSwitching(kCreateButtonId, u"Replace Current Staff Set?");
}

} // namespace
