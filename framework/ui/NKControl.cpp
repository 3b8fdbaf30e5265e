#include "framework/ui/NKControl.h"

#include <memory>

#include "framework/core/NKString.h"
#include "framework/ui/NKResourceWindow.h"
#include "shell/HostBridge.h"
#include "shell/HostVersion.h"

const char* NKControl::ClassName() const {
    return "NKControl";
}

HWND NKControl::DialogHandle() const {
    return window ? window->dialogHandle : nullptr;
}

HWND NKControl::ItemHandle() const {
    HWND dialog = DialogHandle();
    return dialog ? GetDlgItem(dialog, controlId) : nullptr;
}

void NKControl::Redraw() {
    InvalidateRect(ItemHandle(), nullptr, FALSE);
}

void NKControl::SetEnabled(bool enable) {
    NX_EnableDlgItem(DialogHandle(), controlId, enable ? 1 : 0);
}

bool NKControl::IsEnabled() {
    return IsWindowEnabled(ItemHandle()) != 0;
}

void NKControl::SetVisible(bool show) {
    ShowWindow(ItemHandle(), show ? SW_SHOW : SW_HIDE);
}

void NKControl::SetText(const NKString* text) {
    if (HostUsesUtf16())
        NX_SetDlgString_UTF16(DialogHandle(), controlId, text ? text->WideText() : u"");
    else
        NX_SetDlgString(DialogHandle(), controlId, text ? text->NarrowText() : "");
}

void NKControl::GetText(NKString* target) {
    if (!target)
        return;
    // The host is told the capacity; the last unit is zeroed afterwards all the same, so a
    // host that fills the whole buffer cannot make us read past it.
    if (HostUsesUtf16()) {
        std::unique_ptr<char16_t[]> buffer(new char16_t[kDlgStringCapacity]);
        buffer[0] = 0;
        NX_GetDlgString_UTF16(DialogHandle(), controlId, buffer.get());
        buffer[kDlgStringCapacity - 1] = 0;
        target->AssignWide(buffer.get());
    } else {
        std::unique_ptr<char[]> buffer(new char[kDlgStringCapacity]);
        buffer[0] = 0;
        NX_GetDlgString(DialogHandle(), controlId, buffer.get());
        buffer[kDlgStringCapacity - 1] = 0;
        target->AssignNarrow(buffer.get());
    }
}

void NKControl::ResizeBy(int32_t dx, int32_t dy) {
    HWND item = ItemHandle();
    RECT outer{0, 0, 0, 0};
    GetWindowRect(item, &outer);
    SetWindowPos(item, nullptr, 0, 0, outer.right - outer.left + dx, outer.bottom - outer.top + dy,
                 kSizeOnly);
}
