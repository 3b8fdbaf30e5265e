// The panel on the sample score, opened in-process as the menu command opens it, and closed
// with the module's termination after each test.
#pragma once

#include "shell/EntryPoints.h"
#include "shell/PanelInvocation.h"
#include "simhost/desktop/PanelFacts.h"
#include "simhost/documents/SampleScore.h"
#include "staffsetpanel/NKStaffSetPanelWindow.h"
#include "tests/support/FreshModule.h"
#include "tests/support/HostDialogFixture.h"

class OpenPanelTest : public HostDialogTest {
protected:
    void SetUp() override {
        FreshModule::Reset();
        HostDialogTest::SetUp();
        VarluneExtensionVersion(host.Version());
        InvokePanel(desktop.MainWindow());
        desktop.PumpMessages();
        panel = Panel();
        ASSERT_NE(nullptr, panel);
        ASSERT_NE(nullptr, panel->dialogHandle);
    }
    void TearDown() override {
        TerminatePanel();
        HostDialogTest::TearDown();
        FreshModule::Reset();
    }

    HWND Item(int id) const { return GetDlgItem(panel->dialogHandle, id); }
    // One tick of the panel's timer, as the host delivers it.
    void Tick() { SendMessageW(panel->dialogHandle, WM_TIMER, PanelFacts::kTimerId, 0); }

    SimDocument& document = AddSampleScore(host);
    NKStaffSetPanelWindow* panel = nullptr;
};
