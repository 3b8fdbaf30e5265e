// The host's dialog side, on the window system of the build: the panel's dialog made from the
// plug-in's template with its messages routed to the plug-in, the dialog-item functions on the
// real controls, the host's main window and modal dialog, message boxes and beeps.
#include "tests/support/HostDialogFixture.h"

#include <algorithm>

namespace {

using PanelFacts::kAddStavesId;
using PanelFacts::kCreateSetId;
using PanelFacts::kNameFieldId;

// A question, as the panel asks it.
int Ask(HWND owner, const char16_t* text, const char16_t* caption) {
    return MessageBoxW(owner, W(text), W(caption), MB_YESNO);
}

} // namespace

TEST_F(HostDialogTest, PanelDialogRoutesEveryMessageWithTheUserDataFromTheFirstOn) {
    HWND dialog = OpenPanel(panel);
    ASSERT_NE(nullptr, dialog);
    ASSERT_EQ(1u, panel.CountOf(WM_INITDIALOG));
    for (const RoutedMessage& routed : panel.seen) {
        EXPECT_EQ(dialog, routed.dialog);
        EXPECT_EQ(&panel, routed.userData) << "message " << routed.message;
    }
    EXPECT_EQ(u"QM Staff Set Panel", WindowTextOf(dialog));
    EXPECT_EQ(u"&Create Set", WindowTextOf(GetDlgItem(dialog, kCreateSetId)));
    EXPECT_EQ(desktop.MainWindow(), GetWindow(dialog, GW_OWNER));
    EXPECT_EQ(desktop.MainWindow(), GetParent(dialog)) << "a popup's parent is its owner";

    std::vector<HostCall> calls = host.Log().CallsOf("NX_Dialog");
    ASSERT_EQ(1u, calls.size());
    const HostCall& call = calls[0];
    EXPECT_EQ(PanelFacts::kTemplateId, call.arguments[0]);
    EXPECT_EQ(reinterpret_cast<intptr_t>(&panel), call.arguments[4]);
}

TEST_F(HostDialogTest, CallbacksAnswerIsTheDialogProceduresAnswer) {
    HWND dialog = OpenPanel(panel);
    ASSERT_NE(nullptr, dialog);
    // The system hands back a dialog procedure's answer to WM_INITDIALOG as it stands.
    panel.answeredMessage = WM_INITDIALOG;
    panel.answer = 0x5A;
    EXPECT_EQ(0x5A, SendMessageW(dialog, WM_INITDIALOG, 0, 0));
    panel.answer = 0;
    EXPECT_EQ(0, SendMessageW(dialog, WM_INITDIALOG, 0, 0));
}

TEST_F(HostDialogTest, TwoDialogsEachReachTheirOwnCallback) {
    HWND one = OpenPanel(panel);
    HWND two = OpenPanel(other);
    ASSERT_NE(nullptr, one);
    ASSERT_NE(nullptr, two);
    size_t panelBefore = panel.seen.size();
    SendMessageW(two, WM_COMMAND, MAKEWPARAM(kAddStavesId, BN_CLICKED), 0);
    EXPECT_EQ(panelBefore, panel.seen.size());
    EXPECT_EQ(WM_COMMAND, other.seen.back().message);
    EXPECT_EQ(static_cast<WORD>(kAddStavesId), LOWORD(other.seen.back().wParam));
}

TEST_F(HostDialogTest, DialogWithoutANamedParentIsOwnedByTheMainWindow) {
    ASSERT_NE(0, Host_NX_Dialog(PanelFacts::kTemplateId, &CallbackRecorder::Callback, nullptr, 0,
                                &panel, kInterfaceVersion));
    ASSERT_FALSE(panel.seen.empty());
    opened.push_back(panel.seen[0].dialog);
    EXPECT_EQ(desktop.MainWindow(), GetWindow(panel.seen[0].dialog, GW_OWNER));
}

TEST_F(HostDialogTest, DialogFailsWithoutTemplateCallbackOrPluginModule) {
    EXPECT_EQ(0, Host_NX_Dialog(4242, &CallbackRecorder::Callback, desktop.MainWindow(), 0, &panel,
                                kInterfaceVersion));
    EXPECT_EQ(0, Host_NX_Dialog(PanelFacts::kTemplateId, nullptr, desktop.MainWindow(), 0, &panel,
                                kInterfaceVersion));
    host.SetPluginModule(nullptr);
    EXPECT_EQ(0, Host_NX_Dialog(PanelFacts::kTemplateId, &CallbackRecorder::Callback,
                                desktop.MainWindow(), 0, &panel, kInterfaceVersion));
    EXPECT_EQ(0u, panel.CountOf(WM_INITDIALOG));
}

TEST_F(HostDialogTest, EndDialogDestroysOnlyAPluginDialog) {
    HWND dialog = OpenPanel(panel);
    ASSERT_NE(nullptr, dialog);
    Host_NX_EndDialog(desktop.MainWindow(), kInterfaceVersion);
    EXPECT_TRUE(IsWindow(desktop.MainWindow()));
    Host_NX_EndDialog(dialog, kInterfaceVersion);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(1u, panel.CountOf(WM_DESTROY));
}

TEST_F(HostDialogTest, TextRoundTripsInUtf16AndOneByteACharacter) {
    HWND dialog = OpenPanel(panel);
    ASSERT_NE(nullptr, dialog);
    HWND name = GetDlgItem(dialog, kNameFieldId);

    ASSERT_EQ(1, Host_NX_SetDlgString_UTF16(dialog, kNameFieldId, u"Clarinet in B\u266D",
                                            kInterfaceVersion));
    EXPECT_EQ(u"Clarinet in B\u266D", WindowTextOf(name));
    char narrow[64] = {};
    ASSERT_EQ(1, Host_NX_GetDlgString(dialog, kNameFieldId, narrow, 64, kInterfaceVersion));
    EXPECT_STREQ("Clarinet in B?", narrow) << "a unit above 0xFF has no byte: not its low byte";

    ASSERT_EQ(1, Host_NX_SetDlgString(dialog, kNameFieldId, "Fl\xFBte", kInterfaceVersion));
    EXPECT_EQ(u"Fl\u00FBte", WindowTextOf(name)) << "each byte becomes the unit of its value";
    char16_t wide[64] = {};
    ASSERT_EQ(1, Host_NX_GetDlgString_UTF16(dialog, kNameFieldId, wide, 64, kInterfaceVersion));
    EXPECT_EQ(u"Fl\u00FBte", std::u16string(wide));

    ASSERT_EQ(1, Host_NX_SetDlgString_UTF16(dialog, kNameFieldId, u"", kInterfaceVersion));
    EXPECT_EQ(u"", WindowTextOf(name));
}

TEST_F(HostDialogTest, ReadingTextStopsOneUnitShortOfTheCapacityWithATerminator) {
    HWND dialog = OpenPanel(panel);
    ASSERT_NE(nullptr, dialog);
    std::u16string longName(6000, u'x');
    longName[4998] = u'y';
    ASSERT_TRUE(SetWindowTextW(GetDlgItem(dialog, kNameFieldId), W(longName.c_str())));

    std::vector<char16_t> wide(5002, u'#');
    ASSERT_EQ(
        1, Host_NX_GetDlgString_UTF16(dialog, kNameFieldId, wide.data(), 5000, kInterfaceVersion));
    EXPECT_EQ(u'y', wide[4998]);
    EXPECT_EQ(0, wide[4999]);
    EXPECT_EQ(u'#', wide[5000]) << "nothing written past the capacity";

    std::vector<char> narrow(5002, '#');
    ASSERT_EQ(1,
              Host_NX_GetDlgString(dialog, kNameFieldId, narrow.data(), 5000, kInterfaceVersion));
    EXPECT_EQ('y', narrow[4998]);
    EXPECT_EQ(0, narrow[4999]);
    EXPECT_EQ('#', narrow[5000]);
}

TEST_F(HostDialogTest, ItemFunctionsActOnTheRealControlsAndFailForMissingOnes) {
    HWND dialog = OpenPanel(panel);
    ASSERT_NE(nullptr, dialog);

    ASSERT_EQ(1, Host_NX_EnableDlgItem(dialog, kCreateSetId, 0, kInterfaceVersion));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kCreateSetId)));
    ASSERT_EQ(1, Host_NX_EnableDlgItem(dialog, kCreateSetId, 1, kInterfaceVersion));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, kCreateSetId)));

    char16_t untouched[4] = {u'#', 0};
    EXPECT_EQ(0, Host_NX_EnableDlgItem(dialog, 999, 1, kInterfaceVersion));
    EXPECT_EQ(0, Host_NX_SetDlgString_UTF16(dialog, 999, u"x", kInterfaceVersion));
    EXPECT_EQ(0, Host_NX_GetDlgString_UTF16(dialog, 999, untouched, 4, kInterfaceVersion));
    EXPECT_EQ(u'#', untouched[0]);
}

TEST_F(HostDialogTest, ValueKindOneIsTheCheckStateOfAButton) {
    HWND dialog = OpenPanel(panel);
    ASSERT_NE(nullptr, dialog);
    const int32_t box = 300;
    ASSERT_NE(nullptr, CreateWindowExW(0, W(u"button"), W(u"Shade"),
                                       WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 10, 80, 14,
                                       dialog, reinterpret_cast<HMENU>(static_cast<intptr_t>(box)),
                                       nullptr, nullptr));

    ASSERT_EQ(1, Host_NX_SetDlgItemVal(dialog, box, 1, BST_CHECKED, kInterfaceVersion));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, box));
    EXPECT_EQ(BST_CHECKED, Host_NX_GetDlgItemVal(dialog, box, 1, kInterfaceVersion));
    EXPECT_EQ(0, Host_NX_SetDlgItemVal(dialog, box, 2, BST_UNCHECKED, kInterfaceVersion))
        << "the host knows no other value kind";
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, box));
    ASSERT_EQ(1, Host_NX_SetDlgItemVal(dialog, box, 1, BST_UNCHECKED, kInterfaceVersion));
    EXPECT_EQ(BST_UNCHECKED, Host_NX_GetDlgItemVal(dialog, box, 1, kInterfaceVersion));
}

TEST_F(HostDialogTest, CurrentWindowIsTheTopLevelMainWindow) {
    HWND main = Host_NX_GetCurrentWindow(kInterfaceVersion);
    EXPECT_EQ(desktop.MainWindow(), main);
    ASSERT_NE(nullptr, main);
    EXPECT_EQ(nullptr, GetParent(main));
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(u"Varlune", WindowTextOf(main));
}

TEST_F(HostDialogTest, ModalDialogDisablesTheMainWindowUntilTakenDown) {
    ASSERT_TRUE(IsWindowEnabled(desktop.MainWindow()));
    ASSERT_TRUE(desktop.PutUpModalDialog());
    HWND modal = desktop.ModalDialog();
    EXPECT_FALSE(IsWindowEnabled(desktop.MainWindow()));
    EXPECT_EQ(desktop.MainWindow(), GetWindow(modal, GW_OWNER));
    EXPECT_TRUE(IsWindowVisible(modal));
    desktop.TakeDownModalDialog();
    EXPECT_TRUE(IsWindowEnabled(desktop.MainWindow()));
    EXPECT_FALSE(IsWindow(modal));
}

TEST_F(HostDialogTest, QuestionsTakeTheQueuedAnswersAndNoticesTakeNone) {
    HWND main = desktop.MainWindow();
    desktop.AnswerNextBoxes({IDYES, IDNO});
    EXPECT_EQ(IDOK, MessageBoxW(main, W(u"Please select a region."), W(u"No Region Selected"),
                                MB_ICONINFORMATION));
    EXPECT_EQ(IDYES, Ask(main, u"Do you really want to delete the selected staff set?",
                         u"Delete Staff Set?"));
    EXPECT_EQ(IDNO, Ask(main, u"Replace?", u"Replace Current Staff Set?"));
    EXPECT_EQ(IDNO, Ask(main, u"Unscripted?", u"Yes/No?")) << "an empty queue answers No";

    const std::vector<BoxSeen>& boxes = desktop.BoxesSeen();
    ASSERT_EQ(4u, boxes.size());
    EXPECT_EQ(main, boxes[0].owner);
    EXPECT_EQ(u"No Region Selected", boxes[0].caption);
    EXPECT_EQ(u"Please select a region.", boxes[0].text);
    EXPECT_EQ(std::vector<std::u16string>{u"OK"}, boxes[0].buttons);
    EXPECT_EQ(IDOK, boxes[0].answer);
    EXPECT_EQ(u"Delete Staff Set?", boxes[1].caption);
    EXPECT_EQ((std::vector<std::u16string>{u"&Yes", u"&No"}), boxes[1].buttons);
    EXPECT_EQ(IDYES, boxes[1].answer);
    EXPECT_EQ(IDNO, boxes[3].answer);
}

TEST_F(HostDialogTest, BeepsOfWatchedCodeAreSeenInOrder) {
    ASSERT_TRUE(desktop.RecordBeepsOf(GetModuleHandleA(nullptr)));
    MessageBeep(MB_ICONEXCLAMATION);
    MessageBeep(0xFFFFFFFF);
    EXPECT_EQ((std::vector<UINT>{MB_ICONEXCLAMATION, 0xFFFFFFFF}), desktop.Beeps());
}
