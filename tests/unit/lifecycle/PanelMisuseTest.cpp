// What a careless host, or messages arriving at the wrong moment, do to the panel: each must be
// answered without a crash, and the document, the panel's rows and the saved position must
// come through whole.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "framework/ui/DialogCallback.h"
#include "framework/ui/NKUI.h"
#include "shell/EntryPoints.h"
#include "shell/PanelInvocation.h"
#include "simhost/desktop/UserInput.h"
#include "simhost/documents/SampleScore.h"
#include "tests/support/FreshModule.h"
#include "tests/support/HostDialogFixture.h"
#include "tests/unit/lifecycle/LiveCensus.h"

namespace {

class PanelMisuse : public HostDialogTest {
protected:
    void SetUp() override {
        FreshModule::Reset();
        HostDialogTest::SetUp();
        VarluneExtensionVersion(host.Version());
        document.SelectSlots(2, 4);
        contents = document.Snapshot();
    }
    void TearDown() override {
        TerminatePanel();
        HostDialogTest::TearDown();
        FreshModule::Reset();
    }

    NKStaffSetPanelWindow* OpenPanel() {
        InvokePanel(desktop.MainWindow());
        desktop.PumpMessages();
        return Panel();
    }

    std::string Preferences() {
        std::ifstream file(host.PreferenceFolder() / PanelFacts::kPreferencesFile,
                           std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    // The panel is open on its dialog and shows the nine rows.
    void ExpectPanelShowing(const NKStaffSetPanelWindow* panel) {
        ASSERT_NE(nullptr, panel);
        ASSERT_NE(nullptr, panel->dialogHandle);
        EXPECT_TRUE(IsWindowVisible(panel->dialogHandle));
        const std::vector<HWND> open = PluginDialogs::Open();
        ASSERT_EQ(1u, open.size());
        EXPECT_EQ(open[0], panel->dialogHandle);
        HWND list = GetDlgItem(panel->dialogHandle, kStaffSetListId);
        EXPECT_EQ(kStaffSetRows, SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        EXPECT_EQ(kStaffSetRows, panel->setList->rows.Count());
    }

    void ExpectDocumentUntouched() {
        EXPECT_TRUE(document.Snapshot() == contents) << "the document changed";
        EXPECT_TRUE(document.UndoHistory().empty());
        EXPECT_FALSE(document.EditOpen());
    }

    SimDocument& document = AddSampleScore(host);
    SimDocument::Contents contents;
};

// A user's selection of a row, as the list reports it to the dialog.
NMLISTVIEW RowSelectedNotice(int row) {
    NMLISTVIEW change{};
    change.hdr.idFrom = kStaffSetListId;
    change.hdr.code = LVN_ITEMCHANGED;
    change.iItem = row;
    change.uNewState = LVIS_SELECTED | LVIS_FOCUSED;
    change.uChanged = LVIF_STATE;
    return change;
}

// Every message the panel acts on that carries no pointer into a dialog: a size, an
// activation, a row selected, a tick, and the command of every button.
void DeliverStrayMessages(HWND dialog, NKStaffSetPanelWindow* panel) {
    DialogCallback(dialog, WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 250), panel);
    DialogCallback(dialog, WM_ACTIVATE, WA_ACTIVE, 0, panel);
    NMLISTVIEW selected = RowSelectedNotice(kSampleNamedSet);
    DialogCallback(dialog, WM_NOTIFY, kStaffSetListId, reinterpret_cast<LPARAM>(&selected), panel);
    DialogCallback(dialog, WM_TIMER, kPanelTimerId, 0, panel);
    for (int id : {kSwitchButtonId, kNameEditId, kRenameButtonId, kCreateButtonId, kAddButtonId,
                   kRemoveButtonId, kUpButtonId, kDownButtonId, kDeleteButtonId, kCloseButtonId})
        DialogCallback(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0, panel);
    DialogCallback(dialog, WM_ACTIVATE, WA_INACTIVE, 0, panel);
}

TEST_F(PanelMisuse, TerminatingTwiceSavesThePositionOnceAndLeavesNothing) {
    ASSERT_NE(nullptr, OpenPanel());
    TerminatePanel();
    const std::string saved = Preferences();
    EXPECT_NE(std::string::npos, saved.find("QMSTAFFSETP_WINDOWX"));
    EXPECT_NE(std::string::npos, saved.find("QMSTAFFSETP_WINDOWY"));

    TerminatePanel();
    EXPECT_EQ(nullptr, Panel());
    EXPECT_EQ(nullptr, PanelUI());
    EXPECT_TRUE(PluginDialogs::Open().empty());
    EXPECT_EQ(saved, Preferences()) << "a second termination has no panel to save";
    ExpectDocumentUntouched();
}

TEST_F(PanelMisuse, InvokingAfterTerminationOpensAFreshPanelWhereTheLastOneStood) {
    NKStaffSetPanelWindow* panel = OpenPanel();
    ASSERT_NE(nullptr, panel);
    SetWindowPos(panel->dialogHandle, nullptr, 123, 77, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    TerminatePanel();

    panel = OpenPanel();
    ASSERT_NO_FATAL_FAILURE(ExpectPanelShowing(panel));
    EXPECT_EQ(desktop.MainWindow(), PanelUI()->hostWindow);
    RECT outer{};
    GetWindowRect(panel->dialogHandle, &outer);
    EXPECT_EQ(123, outer.left);
    EXPECT_EQ(77, outer.top);
    ExpectDocumentUntouched();
}

// A message that was on its way when the user closed the panel reaches the object, which
// lives on without a dialog.
TEST_F(PanelMisuse, MessagesToAClosedPanelChangeNoDocumentAndOpenNoDialog) {
    NKStaffSetPanelWindow* panel = OpenPanel();
    ASSERT_NE(nullptr, panel);
    HWND gone = panel->dialogHandle;
    ASSERT_TRUE(UserInput::CloseByCaption(gone));
    desktop.PumpMessages();
    ASSERT_EQ(nullptr, panel->dialogHandle);

    DeliverStrayMessages(gone, panel);
    EXPECT_EQ(nullptr, panel->dialogHandle);
    EXPECT_TRUE(PluginDialogs::Open().empty());
    EXPECT_EQ(kStaffSetRows, panel->setList->rows.Count());
    ExpectDocumentUntouched();

    ASSERT_NO_FATAL_FAILURE(ExpectPanelShowing(OpenPanel()));
}

// The host routes every message of the dialog from its creation on, so some may come before
// WM_INITDIALOG has told the panel its dialog. These arrive while the panel's dialogHandle is
// still null, just before the first message the host routes is passed on.
struct EarlyMessages {
    NKStaffSetPanelWindow* panel;
    bool delivered = false;
    bool handleWasNull = false;

    static INT_PTR WINAPI Callback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                   void* userData) {
        auto* early = static_cast<EarlyMessages*>(userData);
        if (!early->delivered) {
            early->delivered = true;
            early->handleWasNull = early->panel->dialogHandle == nullptr;
            DeliverStrayMessages(dialog, early->panel);
        }
        return DialogCallback(dialog, message, wParam, lParam, early->panel);
    }
};

TEST_F(PanelMisuse, MessagesBeforeInitDialogLeaveAPanelThatOpensWhole) {
    // Where the host puts the dialog of a panel that remembers no position.
    RECT placed{};
    GetWindowRect(HostDialogTest::OpenPanel(other), &placed);
    DestroyWindow(opened.back());

    NKUI ui(desktop.MainWindow());
    NKStaffSetPanelWindow panel(&ui);
    panel.SetUpControls();
    EarlyMessages early{&panel};
    ASSERT_TRUE(Host_NX_Dialog(PanelFacts::kTemplateId, &EarlyMessages::Callback,
                               desktop.MainWindow(), 0, &early, kInterfaceVersion));
    desktop.PumpMessages();

    ASSERT_TRUE(early.delivered);
    EXPECT_TRUE(early.handleWasNull);
    ASSERT_NO_FATAL_FAILURE(ExpectPanelShowing(&panel));
    EXPECT_FALSE(panel.closed) << "the early Close is forgotten when the dialog is set up";
    RECT outer{};
    GetWindowRect(panel.dialogHandle, &outer);
    EXPECT_EQ(placed.left, outer.left) << "the early Close remembered a position it never had";
    EXPECT_EQ(placed.top, outer.top);
    // "&Create Set" found no set row to create the selected staves in, and said so.
    ASSERT_EQ(1u, desktop.BoxesSeen().size());
    EXPECT_EQ(u"No Staff Set Selection", desktop.BoxesSeen()[0].caption);
    ExpectDocumentUntouched();
    panel.CloseWindow();
}

// The host destroys the dialog without asking the panel, as a host tearing down its windows
// may: the panel must notice it has no dialog any more, and open a new one when invoked.
TEST_F(PanelMisuse, AHostThatDestroysTheDialogLeavesAPanelThatOpensAgain) {
    NKStaffSetPanelWindow* panel = OpenPanel();
    ASSERT_NE(nullptr, panel);
    HWND destroyed = panel->dialogHandle;
    ASSERT_TRUE(DestroyWindow(destroyed));
    desktop.PumpMessages();
    EXPECT_EQ(nullptr, panel->dialogHandle) << "the panel still holds the destroyed dialog";

    DialogCallback(destroyed, WM_TIMER, kPanelTimerId, 0, panel); // a tick already on its way
    ASSERT_EQ(panel, OpenPanel());
    ASSERT_NO_FATAL_FAILURE(ExpectPanelShowing(panel));

    const LiveObjects open = CountLiveObjects(panel, host);
    TerminatePanel();
    EXPECT_EQ(0u, CountLiveObjects(nullptr, host).dialogsOpen);
    EXPECT_EQ(1u, open.dialogsOpen);
    EXPECT_NE(std::string::npos, Preferences().find("QMSTAFFSETP_WINDOWX"));
    ExpectDocumentUntouched();
}

} // namespace
