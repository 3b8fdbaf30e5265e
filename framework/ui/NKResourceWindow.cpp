#include "framework/ui/NKResourceWindow.h"

#include <cstdint>

#include "framework/ui/DialogCallback.h"
#include "framework/ui/NKCtrlButton.h"
#include "framework/ui/NKCtrlDataList.h"
#include "framework/ui/NKCtrlEdit.h"
#include "framework/ui/NKUI.h"

namespace {

// The flags of placing the dialog: z-order and activation stay.
constexpr UINT kPlaceOnly = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

struct Rect {
    RECT r{0, 0, 0, 0};
    int32_t Width() const { return r.right - r.left; }
    int32_t Height() const { return r.bottom - r.top; }
};

Rect OuterRect(HWND window) {
    Rect rect;
    GetWindowRect(window, &rect.r);
    return rect;
}

Rect ClientRect(HWND window) {
    Rect rect;
    GetClientRect(window, &rect.r);
    return rect;
}

} // namespace

namespace {

// Ends the dialog through the host. A dialog the host failed to end would go on calling this
// window's callback after the window is gone, or after the module is unloaded: the dialog is
// then destroyed here, while the window still exists to receive its last messages.
void EndDialogOf(HWND& dialogHandle) {
    const HWND dialog = dialogHandle;
    if (IsWindowVisible(dialog))
        NX_EndDialog(dialog);
    dialogHandle = nullptr;
    if (IsWindow(dialog))
        DestroyWindow(dialog);
}

} // namespace

NKResourceWindow::~NKResourceWindow() {
    if (dialogHandle && IsWindowVisible(dialogHandle))
        EndDialogOf(dialogHandle);
    dialogCallback = nullptr;
    dialogHandle = nullptr;
}

void NKResourceWindow::CloseWindow() {
    closed = true;
    if (!dialogHandle)
        return;
    if (IsWindowVisible(dialogHandle))
        EndDialogOf(dialogHandle);
    dialogCallback = nullptr;
    dialogHandle = nullptr;
}

void NKResourceWindow::InitWindow() {
    closed = false;
    Rect outer = OuterRect(dialogHandle);
    minTrackWidth = maxTrackWidth = outer.Width();
    minTrackHeight = maxTrackHeight = outer.Height();
    Rect client = ClientRect(dialogHandle);
    clientWidth = client.Width();
    clientHeight = client.Height();
}

void NKResourceWindow::Cancel() {
    dialogResult = 2;
    if (!closed)
        CloseWindow();
}

void NKResourceWindow::Ok() {
    dialogResult = 1;
    if (!closed)
        CloseWindow();
}

void NKResourceWindow::Dismiss() {
    Cancel();
}

bool NKResourceWindow::HandleCommand(NKControl*) {
    return false;
}

void NKResourceWindow::HandleUpDown(NKControl*, int32_t) {}

void NKResourceWindow::HandleTimer(UINT_PTR) {}

void NKResourceWindow::HandleActivate(bool) {}

void NKResourceWindow::HandleResize(int32_t, int32_t, int32_t, int32_t) {}

namespace {

void DisplayTextW(NKCtrlDataList* list, NMLVDISPINFOW* info) {
    if (!(info->item.mask & LVIF_TEXT))
        return;
    auto* row = list ? reinterpret_cast<const NKDataListRow*>(info->item.lParam) : nullptr;
    const char16_t* text = NKCtrlDataList::CellText(row, info->item.iSubItem);
    info->item.pszText = reinterpret_cast<LPWSTR>(const_cast<char16_t*>(text));
}

void DisplayTextA(NKCtrlDataList* list, NMLVDISPINFOA* info) {
    if (!(info->item.mask & LVIF_TEXT))
        return;
    auto* row = list ? reinterpret_cast<const NKDataListRow*>(info->item.lParam) : nullptr;
    const int32_t cell = info->item.iSubItem;
    const char* text = "???";
    if (row && cell >= 0 && cell < row->Count())
        text = static_cast<const NKString*>(row->GetItemAt(cell))->NarrowText();
    info->item.pszText = const_cast<char*>(text);
}

void ItemChanged(NKCtrlDataList* list, const NMLISTVIEW* change) {
    if (!list)
        return;
    const UINT differs = change->uOldState ^ change->uNewState;
    if (differs & NKCtrlDataList::kCheckedStateImage)
        list->RowCheckChanged(change->iItem,
                              (change->uNewState & NKCtrlDataList::kCheckedStateImage) != 0);
    if (differs & LVIS_SELECTED) {
        if (change->uNewState & LVIS_SELECTED)
            list->RowSelected(change->iItem);
        else
            list->RowDeselected(change->iItem);
    }
}

} // namespace

bool NKResourceWindow::HandleNotify(WPARAM controlId, const NMHDR* header) {
    NKControl* control = FindControl(LOWORD(controlId));
    if (!control || !header)
        return false;
    // Only list controls take list notifications.
    auto* list = control->ControlType() == kControlTypeDataList
                     ? static_cast<NKCtrlDataList*>(control)
                     : nullptr;
    switch (header->code) {
    case UDN_DELTAPOS: {
        const auto* upDown = reinterpret_cast<const NMUPDOWN*>(header);
        const bool buddyInt = (GetWindowLongW(header->hwndFrom, GWL_STYLE) & UDS_SETBUDDYINT) != 0;
        // A delta of INT_MIN has no negation; the control cannot move that far anyway.
        const int32_t reversed = upDown->iDelta == INT32_MIN ? INT32_MAX : -upDown->iDelta;
        HandleUpDown(control, buddyInt ? upDown->iDelta : reversed);
        break;
    }
    case TCN_SELCHANGE:
    case TVN_SELCHANGEDW:
    case TVN_SELCHANGEDA:
        if (control->window)
            control->window->HandleCommand(control);
        break;
    case LVN_GETDISPINFOW:
        DisplayTextW(list, reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(header)));
        break;
    case LVN_GETDISPINFOA:
        DisplayTextA(list, reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(header)));
        break;
    case LVN_ITEMCHANGED:
        ItemChanged(list, reinterpret_cast<const NMLISTVIEW*>(header));
        break;
    case NM_DBLCLK:
        if (list)
            list->RowDoubleClicked();
        break;
    default:
        break;
    }
    return false;
}

void NKResourceWindow::Open(HWND parent) {
    if (dialogHandle) {
        ShowWindow(dialogHandle, SW_SHOWNORMAL);
        if (dialogHandle)
            SetActiveWindow(dialogHandle);
        return;
    }
    dialogCallback = DialogCallback;
    NX_Dialog(resourceId, dialogCallback, parent, this);
}

NKControl* NKResourceWindow::FindControl(int32_t id) const {
    for (int32_t i = 0; i < count; ++i) {
        auto* control = static_cast<NKControl*>(items[i]);
        if (control && control->controlId == id)
            return control;
    }
    return nullptr;
}

void NKResourceWindow::AddControl(NKControl* control) {
    if (!control)
        return;
    control->window = this;
    Add(control);
}

NKCtrlButton* NKResourceWindow::AddButton(int16_t id) {
    auto* button = new NKCtrlButton(id);
    AddControl(button);
    return button;
}

NKCtrlEdit* NKResourceWindow::AddEdit(int16_t id) {
    auto* edit = new NKCtrlEdit(id);
    AddControl(edit);
    return edit;
}

void NKResourceWindow::SyncEnabledWithHost() {
    if (keepEnabled)
        return;
    HWND top = NX_GetCurrentWindow();
    while (HWND parent = top ? GetParent(top) : nullptr)
        top = parent;
    EnableWindow(dialogHandle, IsWindowEnabled(top) ? TRUE : FALSE);
}

bool NKResourceWindow::CanResize() const {
    return dialogHandle && MessageBoxIdle();
}

// Folded, only the frame and the caption bar show: the outer height less the client area.
// Measured rather than summed from system metrics, so the caption is never cut whatever
// frame the system draws around a dialog.
void NKResourceWindow::Fold() {
    if (!CanResize())
        return;
    Rect outer = OuterRect(dialogHandle);
    Rect client = ClientRect(dialogHandle);
    shaded = true;
    unshadedHeight = outer.Height();
    SetWindowPos(dialogHandle, nullptr, 0, 0, outer.Width(), outer.Height() - client.Height(),
                 kSizeOnly);
}

void NKResourceWindow::Unfold() {
    if (!CanResize())
        return;
    shaded = false;
    SetWindowPos(dialogHandle, nullptr, 0, 0, OuterRect(dialogHandle).Width(), unshadedHeight,
                 kSizeOnly);
}

void NKResourceWindow::SetShade(bool folded) {
    if (!CanResize() || shaded == folded)
        return;
    if (folded)
        Fold();
    else
        Unfold();
}

void NKResourceWindow::RememberPlacement() {
    // Without a dialog there is no position to take: a close that comes before the dialog
    // exists would otherwise remember the screen's corner.
    if (!dialogHandle)
        return;
    const bool wasShaded = shaded;
    if (shaded)
        Unfold();
    Rect outer = OuterRect(dialogHandle);
    rememberedX = outer.r.left;
    rememberedY = outer.r.top;
    rememberedWidth = outer.Width();
    rememberedHeight = outer.Height();
    positionKnown = true;
    sizeKnown = false;
    if (wasShaded && !shaded)
        Fold();
}

int32_t NKResourceWindow::ScaledWidth(int32_t widthAt100Percent) const {
    RECT baseUnit{0, 0, 4, 0}; // four horizontal dialog units make one base unit
    if (!dialogHandle || !MapDialogRect(dialogHandle, &baseUnit) || baseUnit.right <= 0)
        return widthAt100Percent;
    return MulDiv(widthAt100Percent, baseUnit.right, kDesignBaseUnitX);
}

bool NKResourceWindow::ApplyPlacement() {
    if (!positionKnown)
        return false;
    const bool wasShaded = shaded;
    if (shaded)
        Unfold();
    if (sizeKnown) {
        if (rememberedWidth < minTrackWidth)
            rememberedWidth = minTrackWidth;
        if (rememberedHeight < minTrackHeight)
            rememberedHeight = minTrackHeight;
    }
    // A monitor may have gone since the position was taken; a dialog put there could not be
    // reached, so it stays where the host placed it.
    Rect outer = OuterRect(dialogHandle);
    RECT target{rememberedX, rememberedY, rememberedX + outer.Width(),
                rememberedY + outer.Height()};
    if (MonitorFromRect(&target, MONITOR_DEFAULTTONULL)) {
        SetWindowPos(dialogHandle, nullptr, rememberedX, rememberedY, rememberedWidth,
                     rememberedHeight, kPlaceOnly | (sizeKnown ? 0 : SWP_NOSIZE));
    }
    placementApplied = true;
    if (wasShaded && !shaded)
        Fold();
    return true;
}
