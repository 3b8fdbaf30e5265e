// One item of a host-managed dialog, known by its dialog item id. The control reaches the
// dialog through its owning window on every call, so a control made before the dialog
// exists simply acts on a null handle until the host has created it.
#pragma once

#include <cstdint>

#include "framework/core/NKBase.h"
#include "platform/win32.h"

// The SetWindowPos flags of a pure size change: position, z-order and activation stay.
constexpr UINT kSizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

class NKResourceWindow;
class NKString;

// How the window's command dispatch treats a control.
enum : int32_t {
    kRoleOrdinary = 0,
    kRoleConfirm = 1, // reaches Ok
    kRoleDismiss = 2, // reaches Cancel
    kRoleThird = 3,   // reaches Dismiss
};

// What ControlType answers for a list control; every other control answers 0.
constexpr int32_t kControlTypeDataList = 2;

class NKControl : public __NKBase {
public:
    explicit NKControl(int16_t controlId) : controlId(controlId) {}
    const char* ClassName() const override;

    virtual int32_t ControlType() const { return 0; }
    // Invalidates the whole item without erasing its background.
    virtual void Redraw();
    // Through the host, which keeps its own idea of the item's state.
    virtual void SetEnabled(bool enable);
    virtual bool IsEnabled();
    virtual void SetVisible(bool show);
    // 8-bit or UTF-16 by the host's version; a null text sets the empty text.
    virtual void SetText(const NKString* text);
    // Whatever zero-terminated text the host leaves in a buffer of 5000 units.
    virtual void GetText(NKString* target);
    // Changes the item's outer size by (dx, dy), keeping its place, z-order and activation.
    virtual void ResizeBy(int32_t dx, int32_t dy);

    // The dialog's handle, or null while the window has no open dialog.
    HWND DialogHandle() const;
    // The item's own window, or null.
    HWND ItemHandle() const;

    int16_t controlId;
    NKResourceWindow* window = nullptr; // the owner, not owned
    int32_t commandRole = kRoleOrdinary;
};
