#include "framework/ui/NKCtrlDataList.h"

#include "framework/core/NKString.h"
#include "shell/HostVersion.h"

namespace {

// Shared by every list: the list view copies the text out before it asks again.
constexpr uint32_t kDisplayUnits = 512;
char16_t displayBuffer[kDisplayUnits];

// Past the end of the list: the list view appends.
constexpr int kAppendColumn = 1000;
constexpr int kAppendItem = 10000;

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

} // namespace

LRESULT NKCtrlDataList::Send(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageW(ItemHandle(), message, wParam, lParam);
}

void NKCtrlDataList::RowCheckChanged(int32_t item, bool checked) {
    if (NKDataListRow* row = RowOfItem(item))
        row->checked = checked;
}

NKDataListRow* NKCtrlDataList::RowOfItem(int32_t index) {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    item.iSubItem = 0;
    if (!Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<NKDataListRow*>(item.lParam);
}

bool NKCtrlDataList::AddColumn(const NKString* title, int32_t width) {
    NKString text;
    text.Assign(title);
    if (HostUsesUtf16()) {
        LVCOLUMNW column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = width;
        column.pszText = reinterpret_cast<LPWSTR>(const_cast<char16_t*>(text.WideText()));
        column.iSubItem = 0;
        return Send(LVM_INSERTCOLUMNW, kAppendColumn, reinterpret_cast<LPARAM>(&column)) != -1;
    }
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<char*>(text.NarrowText());
    column.iSubItem = 0;
    return Send(LVM_INSERTCOLUMNA, kAppendColumn, reinterpret_cast<LPARAM>(&column)) != -1;
}

int32_t NKCtrlDataList::AddRow(NKDataListRow* row) {
    if (!row)
        return -1;
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_DI_SETITEM;
    item.iItem = kAppendItem;
    item.iSubItem = 0;
    item.pszText = LPSTR_TEXTCALLBACKW;
    item.lParam = reinterpret_cast<LPARAM>(row);
    auto index = static_cast<int32_t>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    row->list = this;
    row->itemIndex = index;
    if (index >= 0)
        SetItemState(index, row->checked ? kCheckedStateImage : kUncheckedStateImage,
                     LVIS_STATEIMAGEMASK);
    rows.Add(row);
    return index;
}

bool NKCtrlDataList::RemoveFirstRow() {
    NKDataListRow* row = RowOfItem(0);
    if (!Send(LVM_DELETEITEM, 0, 0))
        return false;
    int32_t at = rows.IndexOf(row);
    if (at >= 0)
        rows.RemoveAt(at);
    return true;
}

void NKCtrlDataList::RemoveAllRows() {
    while (Send(LVM_GETITEMCOUNT, 0, 0) > 0)
        if (!RemoveFirstRow())
            return; // items still point at their rows
    // Rows whose list view went with a closed dialog show nothing any more; without this
    // every opening of the dialog would add another full set of rows.
    rows.ClearAll();
}

void NKCtrlDataList::SelectRow(int32_t index) {
    SetItemState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SetSelectionMark(index);
    EnsureVisible(index);
}

int32_t NKCtrlDataList::SelectionMark() {
    return static_cast<int32_t>(Send(LVM_GETSELECTIONMARK, 0, 0));
}

int32_t NKCtrlDataList::SetSelectionMark(int32_t index) {
    return static_cast<int32_t>(Send(LVM_SETSELECTIONMARK, 0, index));
}

bool NKCtrlDataList::SetItemState(int32_t index, UINT state, UINT stateMask) {
    LVITEMW item{};
    item.state = state;
    item.stateMask = stateMask;
    const auto address = reinterpret_cast<LPARAM>(&item);
    return Send(LVM_SETITEMSTATE, static_cast<WPARAM>(index), address) != 0;
}

bool NKCtrlDataList::EnsureVisible(int32_t index) {
    return Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE) != 0;
}

bool NKCtrlDataList::RedrawItems(int32_t first, int32_t last) {
    return Send(LVM_REDRAWITEMS, static_cast<WPARAM>(first), last) != 0;
}

DWORD NKCtrlDataList::ExtendedStyle() {
    return static_cast<DWORD>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

DWORD NKCtrlDataList::SetExtendedStyle(DWORD style) {
    // Mask 0: every bit is set from style.
    return static_cast<DWORD>(Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style)));
}

const char16_t* NKCtrlDataList::CellText(const NKDataListRow* row, int32_t cell) {
    if (!row || cell < 0 || cell >= row->Count())
        return u"???";
    const auto* text = static_cast<const NKString*>(row->GetItemAt(cell));
    const char16_t* units = text ? text->WideText() : u"";
    uint32_t length = text ? text->Length() : 0;
    // A longer text is cut to what the buffer holds, never in the middle of a surrogate pair.
    if (length > kDisplayUnits - 1) {
        length = kDisplayUnits - 1;
        if (IsHighSurrogate(units[length - 1]))
            --length;
    }
    for (uint32_t i = 0; i < length; ++i)
        displayBuffer[i] = units[i];
    displayBuffer[length] = 0;
    return displayBuffer;
}
