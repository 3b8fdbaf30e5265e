#include "shell/PanelInvocation.h"

#include "framework/ui/NKUI.h"
#include "staffsetpanel/NKStaffSetPanelWindow.h"
#include "staffsetpanel/PanelPlacement.h"

namespace {
NKUI* ui = nullptr;
NKStaffSetPanelWindow* panel = nullptr;
} // namespace

NKUI* PanelUI() {
    return ui;
}

NKStaffSetPanelWindow* Panel() {
    return panel;
}

int32_t InvokePanel(HWND hostWindow) {
    if (!ui)
        ui = new NKUI(hostWindow);
    if (!panel) {
        panel = new NKStaffSetPanelWindow(ui);
        panel->SetUpControls();
    }
    panel->OpenPanel(ui->hostWindow);
    return 0;
}

void TerminatePanel() {
    if (panel) {
        // A panel still open is saved where the user left it, not where it last closed.
        if (panel->dialogHandle)
            panel->RememberPlacement();
        SavePosition(panel);
        delete panel;
        panel = nullptr;
    }
    delete ui;
    ui = nullptr;
}
