#include "framework/ui/NKCtrlCheckbox.h"

#include "shell/HostBridge.h"

// The host's value kind for the check state of a button-like item.
constexpr int32_t kValueCheckState = 1;

void NKCtrlCheckbox::SetCheck(int16_t value) {
    NX_SetDlgItemVal(DialogHandle(), controlId, kValueCheckState, value);
}

int32_t NKCtrlCheckbox::GetCheck() {
    return NX_GetDlgItemVal(DialogHandle(), controlId, kValueCheckState);
}
