#include "platform/substitute/ListView.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/substitute/DisplayScale.h"
#include "platform/substitute/Window.h"

namespace {

using substitute::Find;

// Both follow the list's font, and with it the display's scale.
int HeaderHeight() {
    return substitute::DisplayScale().listHeaderHeight;
}
int RowHeight() {
    return substitute::DisplayScale().listRowHeight;
}
constexpr int kLabelLeft = 2;

struct Row {
    LPARAM data = 0;
    bool callback = false; // the text is asked of the parent
    std::u16string text;
    UINT state = 0; // every state bit but LVIS_FOCUSED, which the list keeps as focusedRow
};

struct Column {
    int format = 0;
    int width = 0;
    std::u16string title;
    int subItem = 0;
};

class ListData : public substitute::ControlData {
public:
    std::vector<Column> columns;
    std::vector<Row> rows;
    int focusedRow = -1;
    int mark = -1;
    DWORD extendedStyle = 0;
    bool buttonDown = false; // a WM_LBUTTONDOWN waits for its WM_LBUTTONUP

    bool Has(int row) const { return row >= 0 && row < static_cast<int>(rows.size()); }
    int Count() const { return static_cast<int>(rows.size()); }
    UINT StateOf(int row) const { return rows[row].state | (focusedRow == row ? LVIS_FOCUSED : 0); }
};

ListData* DataOf(HWND list) {
    return substitute::ControlOf<ListData>(list);
}

bool Has(HWND list, int row) {
    const ListData* data = DataOf(list);
    return data && data->Has(row);
}

// Sends a notification to the parent. The parent may do anything meanwhile, destroying the
// list included: callers look their data up again afterwards.
LRESULT Notify(HWND list, NMHDR& header, UINT code) {
    const substitute::Window* window = Find(list);
    if (!window)
        return 0;
    header.hwndFrom = list;
    header.idFrom = static_cast<UINT_PTR>(window->id);
    header.code = code;
    return SendMessageW(window->parent, WM_NOTIFY, static_cast<WPARAM>(window->id),
                        reinterpret_cast<LPARAM>(&header));
}

LRESULT NotifyChange(HWND list, UINT code, int row, UINT newState, UINT oldState, LPARAM data) {
    NMLISTVIEW change{};
    change.iItem = row;
    change.uNewState = newState;
    change.uOldState = oldState;
    change.uChanged = LVIF_STATE;
    change.lParam = data;
    return Notify(list, change.hdr, code);
}

bool SetState(HWND list, int row, UINT state, UINT mask);

void DeselectAllBut(HWND list, int keep) {
    for (int row = 0; Has(list, row); ++row)
        if (row != keep && (DataOf(list)->rows[row].state & LVIS_SELECTED))
            SetState(list, row, 0, LVIS_SELECTED);
}

// The change itself, between LVN_ITEMCHANGING and LVN_ITEMCHANGED: plain bits, then the
// selection (a single-selection list first deselects the others), then the focus.
void ApplyState(HWND list, int row, UINT state, UINT mask) {
    ListData* data = DataOf(list);
    const UINT plain = mask & ~(LVIS_SELECTED | LVIS_FOCUSED);
    data->rows[row].state = (data->rows[row].state & ~plain) | (state & plain);
    if (state & mask & LVIS_SELECTED) {
        if (Find(list)->style & LVS_SINGLESEL)
            DeselectAllBut(list, row);
        if (!Has(list, row))
            return;
        DataOf(list)->rows[row].state |= LVIS_SELECTED;
    } else if (mask & LVIS_SELECTED) {
        data->rows[row].state &= ~LVIS_SELECTED;
    }
    data = DataOf(list);
    if (state & mask & LVIS_FOCUSED) {
        if (data->focusedRow == -1 && data->mark == -1)
            data->mark = row;
        if (data->focusedRow != -1)
            SetState(list, data->focusedRow, 0, LVIS_FOCUSED);
        if (Has(list, row))
            DataOf(list)->focusedRow = row;
    } else if ((mask & LVIS_FOCUSED) && data->focusedRow == row) {
        data->focusedRow = -1;
    }
}

bool SetState(HWND list, int row, UINT state, UINT mask) {
    if (!Has(list, row))
        return false;
    const UINT oldState = DataOf(list)->StateOf(row);
    const UINT newState = (oldState & ~mask) | (state & mask);
    if (NotifyChange(list, LVN_ITEMCHANGING, row, newState, oldState, DataOf(list)->rows[row].data))
        return false;
    if (!Has(list, row))
        return false;
    if (newState == oldState)
        return true;
    ApplyState(list, row, state, mask);
    if (Has(list, row))
        NotifyChange(list, LVN_ITEMCHANGED, row, newState, oldState, DataOf(list)->rows[row].data);
    return true;
}

LRESULT Insert(HWND list, const LVITEMW* item) {
    ListData* data = DataOf(list);
    if (!item || item->iSubItem != 0 || item->iItem < 0)
        return -1;
    const int row = std::min(item->iItem, data->Count());
    Row added;
    if (item->mask & LVIF_PARAM)
        added.data = item->lParam;
    if (item->mask & LVIF_TEXT) {
        added.callback = item->pszText == LPSTR_TEXTCALLBACKW;
        if (!added.callback && item->pszText)
            added.text = item->pszText;
    }
    data->rows.insert(data->rows.begin() + row, added);
    if (data->focusedRow >= row)
        ++data->focusedRow;
    if (data->mark >= row)
        ++data->mark;
    const UINT state = (item->mask & LVIF_STATE) ? item->state & item->stateMask : 0;
    if (state) {
        NotifyChange(list, LVN_ITEMCHANGING, row, state, 0, 0);
        if (!Has(list, row))
            return row;
        ApplyState(list, row, item->state, item->stateMask);
        if (Has(list, row))
            NotifyChange(list, LVN_ITEMCHANGED, row, state, 0, DataOf(list)->rows[row].data);
    }
    if (Has(list, row)) {
        NMLISTVIEW inserted{};
        inserted.iItem = row;
        inserted.lParam = DataOf(list)->rows[row].data;
        Notify(list, inserted.hdr, LVN_INSERTITEM);
    }
    return row;
}

BOOL Delete(HWND list, int row) {
    if (!Has(list, row))
        return FALSE;
    const int focus = DataOf(list)->focusedRow;
    SetState(list, row, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (!Has(list, row))
        return FALSE;
    NMLISTVIEW gone{};
    gone.iItem = row;
    gone.lParam = DataOf(list)->rows[row].data;
    Notify(list, gone.hdr, LVN_DELETEITEM);
    if (!Has(list, row))
        return FALSE;
    ListData* data = DataOf(list);
    data->rows.erase(data->rows.begin() + row);
    const int count = data->Count();
    if (data->mark > row)
        --data->mark;
    else if (data->mark == row && data->mark >= count)
        data->mark = count - 1;
    // The focus follows its row; the deleted row's focus passes to the row now in its place.
    data->focusedRow = focus < row ? focus : focus > row ? focus - 1 : std::min(row, count - 1);
    return TRUE;
}

BOOL DeleteAll(HWND list) {
    NMLISTVIEW all{};
    all.iItem = -1;
    if (!Notify(list, all.hdr, LVN_DELETEALLITEMS)) {
        for (int row = DataOf(list) ? DataOf(list)->Count() - 1 : -1; row >= 0; --row) {
            if (!Has(list, row))
                continue;
            NMLISTVIEW gone{};
            gone.iItem = row;
            gone.lParam = DataOf(list)->rows[row].data;
            Notify(list, gone.hdr, LVN_DELETEITEM);
        }
    }
    if (ListData* data = DataOf(list)) {
        data->rows.clear();
        data->focusedRow = data->mark = -1;
    }
    return TRUE;
}

int CopyInto(const WCHAR* source, WCHAR* buffer, int capacity) {
    int length = 0;
    while (length < capacity - 1 && source[length])
        ++length;
    std::copy_n(source, length, buffer);
    buffer[length] = 0;
    return length;
}

// The text of a cell into the caller's buffer; returns its length.
int ReadText(HWND list, int row, int subItem, WCHAR* buffer, int capacity) {
    if (!buffer || capacity <= 0 || subItem < 0 || !Has(list, row))
        return 0;
    buffer[0] = 0;
    const Row& stored = DataOf(list)->rows[row];
    if (subItem == 0 && !stored.callback)
        return CopyInto(stored.text.c_str(), buffer, capacity);
    NMLVDISPINFOW request{};
    request.item.mask = LVIF_TEXT;
    request.item.iItem = row;
    request.item.iSubItem = subItem;
    request.item.lParam = stored.data;
    request.item.pszText = buffer;
    request.item.cchTextMax = capacity;
    Notify(list, request.hdr, LVN_GETDISPINFOW);
    const WCHAR* answer = request.item.pszText;
    if (answer && answer != buffer && answer != LPSTR_TEXTCALLBACKW)
        CopyInto(answer, buffer, capacity);
    buffer[capacity - 1] = 0;
    // LVIF_DI_SETITEM in the answer: the list keeps the text and stops asking.
    if ((request.item.mask & LVIF_DI_SETITEM) && subItem == 0 && Has(list, row)) {
        Row& kept = DataOf(list)->rows[row];
        kept.callback = false;
        kept.text = buffer;
    }
    return static_cast<int>(std::u16string(buffer).size());
}

BOOL GetItem(HWND list, LVITEMW* item) {
    if (!item || !Has(list, item->iItem))
        return FALSE;
    const ListData* data = DataOf(list);
    if (item->mask & LVIF_PARAM)
        item->lParam = data->rows[item->iItem].data;
    if (item->mask & LVIF_STATE)
        item->state = item->iSubItem == 0 ? data->StateOf(item->iItem) & item->stateMask : 0;
    if (item->mask & LVIF_TEXT)
        ReadText(list, item->iItem, item->iSubItem, item->pszText, item->cchTextMax);
    return TRUE;
}

// The narrow form: the same, with the text cut to one byte per unit (units above 0xFF, which
// no code page here could show, become '?').
BOOL GetItemNarrow(HWND list, LVITEMA* item) {
    if (!item)
        return FALSE;
    LVITEMW wide{};
    wide.mask = item->mask;
    wide.iItem = item->iItem;
    wide.iSubItem = item->iSubItem;
    wide.stateMask = item->stateMask;
    std::u16string text(item->pszText && item->cchTextMax > 0 ? item->cchTextMax : 0, u'\0');
    wide.pszText = text.empty() ? nullptr : &text[0];
    wide.cchTextMax = static_cast<int>(text.size());
    if (!GetItem(list, &wide))
        return FALSE;
    item->lParam = wide.lParam;
    item->state = wide.state;
    if ((item->mask & LVIF_TEXT) && wide.pszText) {
        int i = 0;
        for (; i < item->cchTextMax - 1 && text[i]; ++i)
            item->pszText[i] = text[i] <= 0xFF ? static_cast<CHAR>(text[i]) : '?';
        item->pszText[i] = 0;
    }
    return TRUE;
}

char16_t Unit(CHAR narrow) {
    return static_cast<unsigned char>(narrow);
}
char16_t Unit(WCHAR wide) {
    return wide;
}

template <typename ColumnRecord> LRESULT InsertColumn(HWND list, int at, const ColumnRecord* c) {
    ListData* data = DataOf(list);
    if (!c || at < 0)
        return -1;
    const int index = std::min(at, static_cast<int>(data->columns.size()));
    Column column;
    if (c->mask & LVCF_FMT)
        column.format = c->fmt;
    if (c->mask & LVCF_WIDTH)
        column.width = c->cx;
    if ((c->mask & LVCF_TEXT) && c->pszText)
        for (auto* unit = c->pszText; *unit; ++unit)
            column.title.push_back(Unit(*unit));
    if (c->mask & LVCF_SUBITEM)
        column.subItem = c->iSubItem;
    data->columns.insert(data->columns.begin() + index, column);
    return index;
}

BOOL GetColumn(HWND list, int index, LVCOLUMNW* c) {
    const ListData* data = DataOf(list);
    if (!c || index < 0 || index >= static_cast<int>(data->columns.size()))
        return FALSE;
    const Column& column = data->columns[index];
    if (c->mask & LVCF_FMT)
        c->fmt = column.format;
    if (c->mask & LVCF_WIDTH)
        c->cx = column.width;
    if (c->mask & LVCF_SUBITEM)
        c->iSubItem = column.subItem;
    if ((c->mask & LVCF_TEXT) && c->pszText && c->cchTextMax > 0)
        CopyInto(column.title.c_str(), c->pszText, c->cchTextMax);
    return TRUE;
}

int TotalWidth(const ListData& data) {
    int total = 0;
    for (const Column& column : data.columns)
        total += column.width;
    return total;
}

BOOL ItemRect(HWND list, int row, RECT* rect) {
    const ListData* data = DataOf(list);
    if (!rect || !data->Has(row))
        return FALSE;
    const LONG top = HeaderHeight() + row * RowHeight();
    switch (rect->left) {
    case LVIR_BOUNDS:
        *rect = {0, top, TotalWidth(*data), top + RowHeight()};
        return TRUE;
    case LVIR_LABEL:
        *rect = {kLabelLeft, top, data->columns.empty() ? 0 : data->columns[0].width,
                 top + RowHeight()};
        return TRUE;
    default:
        return FALSE;
    }
}

struct Hit {
    int row = -1;        // the row under the point, for the click notifications
    int subItem = 0;     // the column under the point
    bool onItem = false; // where a click selects: the whole row with LVS_EX_FULLROWSELECT,
                         // else the label of column 0
};

Hit HitTest(const ListData& data, LPARAM point) {
    const int x = static_cast<short>(LOWORD(point));
    const int y = static_cast<short>(HIWORD(point));
    Hit hit;
    if (y < HeaderHeight() || x < 0 || x >= TotalWidth(data))
        return hit;
    const int row = (y - HeaderHeight()) / RowHeight();
    if (!data.Has(row))
        return hit;
    hit.row = row;
    for (int left = 0; hit.subItem < static_cast<int>(data.columns.size()); ++hit.subItem) {
        left += data.columns[hit.subItem].width;
        if (x < left)
            break;
    }
    const bool fullRow = (data.extendedStyle & LVS_EX_FULLROWSELECT) != 0;
    hit.onItem = fullRow || (x >= kLabelLeft && x < data.columns[0].width);
    return hit;
}

void NotifyActivation(HWND list, UINT code, const Hit& hit, LPARAM point, UINT oldState,
                      UINT newState) {
    NMITEMACTIVATE activation{};
    activation.iItem = hit.row;
    activation.iSubItem = hit.subItem;
    activation.uOldState = oldState;
    activation.uNewState = newState;
    activation.uChanged = oldState != newState ? LVIF_STATE : 0;
    activation.ptAction = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    activation.lParam = hit.row >= 0 ? DataOf(list)->rows[hit.row].data : 0;
    Notify(list, activation.hdr, code);
}

// Measured under Wine: a click on a row that is not selected selects it before the list
// takes the focus; a click on the selected row changes nothing; a click beside the rows
// takes the focus, then deselects.
void ButtonDown(HWND list, LPARAM point) {
    NMHDR released{};
    Notify(list, released, NM_RELEASEDCAPTURE);
    if (!DataOf(list))
        return;
    const Hit hit = HitTest(*DataOf(list), point);
    if (hit.onItem) {
        if (!(DataOf(list)->StateOf(hit.row) & LVIS_SELECTED)) {
            DeselectAllBut(list, hit.row);
            SetState(list, hit.row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            if (Has(list, hit.row))
                DataOf(list)->mark = hit.row;
        }
        if (GetFocus() != list)
            SetFocus(list);
    } else {
        if (GetFocus() != list)
            SetFocus(list);
        DeselectAllBut(list, -1);
    }
    if (ListData* data = DataOf(list))
        data->buttonDown = true;
}

void ButtonUp(HWND list, LPARAM point) {
    ListData* data = DataOf(list);
    if (!data->buttonDown)
        return;
    data->buttonDown = false;
    NotifyActivation(list, NM_CLICK, HitTest(*data, point), point, 0, 0);
}

void DoubleClick(HWND list, LPARAM point) {
    NMHDR released{};
    Notify(list, released, NM_RELEASEDCAPTURE);
    if (!DataOf(list))
        return;
    const Hit hit = HitTest(*DataOf(list), point);
    NotifyActivation(list, NM_DBLCLK, hit, point, 0, 0);
    if (hit.row >= 0 && Has(list, hit.row)) {
        const UINT state = DataOf(list)->StateOf(hit.row);
        NotifyActivation(list, LVN_ITEMACTIVATE, hit, point, state, state | LVIS_ACTIVATING);
    }
}

// Measured under Wine: Up, Down, Home and End move the focus and the selection together to
// their row and make it the selection mark, with the notifications of a click on it; Space
// selects the focused row. A key that leaves the focused row where it is does nothing.
void KeyDown(HWND list, WPARAM key) {
    const ListData* data = DataOf(list);
    const int focused = data->focusedRow;
    int target = -1;
    switch (key) {
    case VK_DOWN:
        target = focused + 1 < data->Count() ? focused + 1 : -1;
        break;
    case VK_UP:
        target = focused - 1;
        break;
    case VK_HOME:
        target = data->Count() > 0 ? 0 : -1;
        break;
    case VK_END:
        target = data->Count() - 1;
        break;
    case VK_SPACE:
        target = focused;
        break;
    default:
        return;
    }
    if (target < 0 || (target == focused && key != VK_SPACE))
        return;
    DeselectAllBut(list, target);
    SetState(list, target, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (Has(list, target))
        DataOf(list)->mark = target;
}

LRESULT NextItem(const ListData& data, int start, UINT flags) {
    for (int row = std::max(start + 1, 0); row < data.Count(); ++row) {
        const UINT state = data.StateOf(row);
        if ((flags & LVNI_SELECTED) && !(state & LVIS_SELECTED))
            continue;
        if ((flags & LVNI_FOCUSED) && !(state & LVIS_FOCUSED))
            continue;
        return row;
    }
    return -1;
}

LRESULT SetStates(HWND list, int row, const LVITEMW* item) {
    if (!item)
        return FALSE;
    if (row != -1)
        return SetState(list, row, item->state, item->stateMask) ? TRUE : FALSE;
    for (int each = 0; Has(list, each); ++each)
        SetState(list, each, item->state, item->stateMask);
    return TRUE;
}

// The list view's own messages (LVM_*).
LRESULT ListViewMessage(HWND list, ListData* data, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (message) {
    case LVM_GETITEMCOUNT:
        return data->Count();
    case LVM_INSERTITEMW:
        return Insert(list, reinterpret_cast<const LVITEMW*>(lParam));
    case LVM_DELETEITEM:
        return Delete(list, index);
    case LVM_DELETEALLITEMS:
        return DeleteAll(list);
    case LVM_GETITEMW:
        return GetItem(list, reinterpret_cast<LVITEMW*>(lParam));
    case LVM_GETITEMA:
        return GetItemNarrow(list, reinterpret_cast<LVITEMA*>(lParam));
    case LVM_GETITEMTEXTW: {
        auto* item = reinterpret_cast<LVITEMW*>(lParam);
        return item ? ReadText(list, index, item->iSubItem, item->pszText, item->cchTextMax) : 0;
    }
    case LVM_SETITEMSTATE:
        return SetStates(list, index, reinterpret_cast<const LVITEMW*>(lParam));
    case LVM_GETITEMSTATE:
        return data->Has(index) ? data->StateOf(index) & static_cast<UINT>(lParam) : 0;
    case LVM_GETNEXTITEM:
        return NextItem(*data, index, static_cast<UINT>(lParam));
    case LVM_GETSELECTIONMARK:
        return data->mark;
    case LVM_SETSELECTIONMARK: {
        const int old = data->mark;
        data->mark = static_cast<int>(lParam);
        return old;
    }
    case LVM_ENSUREVISIBLE:
        return data->Has(index) ? TRUE : FALSE;
    case LVM_REDRAWITEMS:
        return TRUE;
    case LVM_GETITEMRECT:
        return ItemRect(list, index, reinterpret_cast<RECT*>(lParam));
    case LVM_INSERTCOLUMNW:
        return InsertColumn(list, index, reinterpret_cast<const LVCOLUMNW*>(lParam));
    case LVM_INSERTCOLUMNA:
        return InsertColumn(list, index, reinterpret_cast<const LVCOLUMNA*>(lParam));
    case LVM_GETCOLUMNW:
        return GetColumn(list, index, reinterpret_cast<LVCOLUMNW*>(lParam));
    case LVM_GETCOLUMNWIDTH:
        return index >= 0 && index < static_cast<int>(data->columns.size())
                   ? data->columns[index].width
                   : 0;
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
        const DWORD old = data->extendedStyle;
        const DWORD mask = wParam ? static_cast<DWORD>(wParam) : ~DWORD{0};
        data->extendedStyle = (old & ~mask) | (static_cast<DWORD>(lParam) & mask);
        return old;
    }
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return data->extendedStyle;
    default:
        return DefWindowProcW(list, message, wParam, lParam);
    }
}

} // namespace

namespace substitute {

LRESULT CALLBACK ListViewProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!Find(list))
        return 0;
    ListData* data = CreatedControlOf<ListData>(list, message);
    if (!data)
        return DefWindowProcW(list, message, wParam, lParam);
    if (message >= LVM_FIRST && message < LVM_FIRST + 0x100)
        return ListViewMessage(list, data, message, wParam, lParam);
    switch (message) {
    case WM_LBUTTONDOWN:
        ButtonDown(list, lParam);
        return 0;
    case WM_LBUTTONUP:
        ButtonUp(list, lParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        DoubleClick(list, lParam);
        return 0;
    case WM_KEYDOWN:
        KeyDown(list, wParam);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        NMHDR header{};
        Notify(list, header, message == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS);
        return 0;
    }
    case WM_DESTROY:
        DeleteAll(list);
        return 0;
    default:
        return DefWindowProcW(list, message, wParam, lParam);
    }
}

} // namespace substitute
