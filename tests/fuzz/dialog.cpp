// Arbitrary sequences of messages delivered straight to the open panel's dialog callback, as
// the host would route them: commands of any item with any notification code, list, tab,
// tree and up-down notifications with any codes, rows, states and sub-items, timer ticks
// with any id, activation, the host's state change, sizes, track sizes, closing, and
// messages the panel has no use for. Pointers are what a real list view or host would pass:
// a row's own item data, a structure of the full size, or null. A closed panel gets no more
// messages; it is opened again, as the menu command would.
#include <cstring>
#include <iterator>

#include "framework/ui/DialogCallback.h"
#include "simhost/desktop/PanelFacts.h"
#include "staffsetpanel/NKCtrlStaffSetDataList.h"
#include "tests/fuzz/FuzzedScore.h"

namespace {

using fuzzed::Check;

// The message that means nothing (WM_NULL).
constexpr UINT kNoMessage = 0;

constexpr int kItems[] = {kSwitchButtonId, kCloseButtonId,  kNameEditId,     kRenameButtonId,
                          kCreateButtonId, kAddButtonId,    kRemoveButtonId, kUpButtonId,
                          kDownButtonId,   kDeleteButtonId, kStaffSetListId};

int ItemId(FuzzedDataProvider& input) {
    if (input.ConsumeIntegralInRange<int>(0, 7) == 0)
        return input.ConsumeIntegral<uint16_t>();
    return kItems[input.ConsumeIntegralInRange<size_t>(0, std::size(kItems) - 1)];
}

// The item data a list view keeps for the row, as it hands it back in notifications; 0 for
// a row the list does not have.
LPARAM RowData(HWND list, int row) {
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return 0;
    return item.lParam;
}

UINT NotificationCode(FuzzedDataProvider& input) {
    const UINT codes[] = {LVN_GETDISPINFOW, LVN_GETDISPINFOA, LVN_ITEMCHANGED, NM_DBLCLK,
                          UDN_DELTAPOS,     TCN_SELCHANGE,    TVN_SELCHANGEDW, TVN_SELCHANGEDA};
    if (input.ConsumeIntegralInRange<int>(0, 9) == 0)
        return input.ConsumeIntegral<UINT>();
    return codes[input.ConsumeIntegralInRange<size_t>(0, std::size(codes) - 1)];
}

// Room for the largest notification the callback reads.
union Notification {
    NMHDR header;
    NMLISTVIEW change;
    NMLVDISPINFOW displayW;
    NMLVDISPINFOA displayA;
    NMUPDOWN upDown;
};

INT_PTR Notify(FuzzedDataProvider& input, HWND dialog, NKStaffSetPanelWindow* panel) {
    Notification note;
    std::memset(&note, 0, sizeof note);
    const int id = ItemId(input);
    const UINT code = NotificationCode(input);
    note.header.idFrom = static_cast<UINT_PTR>(id);
    note.header.hwndFrom = input.ConsumeBool() ? GetDlgItem(dialog, id) : nullptr;
    note.header.code = code;
    HWND list = GetDlgItem(dialog, kStaffSetListId);
    const int row = input.ConsumeIntegralInRange<int>(-2, 10);
    if (code == LVN_GETDISPINFOW || code == LVN_GETDISPINFOA) {
        LVITEMW& item = note.displayW.item; // the two layouts agree up to pszText
        item.mask = input.ConsumeBool() ? LVIF_TEXT : input.ConsumeIntegral<UINT>();
        item.iItem = row;
        item.iSubItem = input.ConsumeBool() ? input.ConsumeIntegralInRange<int>(-1, 4)
                                            : input.ConsumeIntegral<int>();
        item.lParam = RowData(list, row);
        if (code == LVN_GETDISPINFOA)
            note.displayA.item.lParam = item.lParam;
    } else if (code == LVN_ITEMCHANGED) {
        note.change.iItem = row;
        note.change.uOldState = input.ConsumeIntegral<UINT>();
        note.change.uNewState = input.ConsumeIntegral<UINT>();
        note.change.uChanged = LVIF_STATE;
        note.change.lParam = RowData(list, row);
    } else if (code == UDN_DELTAPOS) {
        note.upDown.iPos = input.ConsumeIntegral<int>();
        note.upDown.iDelta = input.ConsumeIntegral<int>();
    }
    const LPARAM pointer =
        input.ConsumeIntegralInRange<int>(0, 15) == 0 ? 0 : reinterpret_cast<LPARAM>(&note);
    const INT_PTR result =
        DialogCallback(dialog, WM_NOTIFY, static_cast<WPARAM>(id), pointer, panel);
    // A display request from one of the panel's controls is answered with text that stays
    // readable, to its terminator, after the call: AddressSanitizer checks every unit read
    // here. One from an id the panel has no control for is not the panel's to answer.
    if (pointer != 0 && code == LVN_GETDISPINFOW && (note.displayW.item.mask & LVIF_TEXT) &&
        panel->FindControl(id) != nullptr) {
        const WCHAR* text = note.displayW.item.pszText;
        Check(text != nullptr);
        while (*text != 0)
            ++text;
    }
    return result;
}

void Deliver(FuzzedDataProvider& input, HWND dialog, NKStaffSetPanelWindow* panel) {
    switch (input.ConsumeIntegralInRange<int>(0, 10)) {
    case 0:
    case 1: {
        const int id = ItemId(input);
        const auto code = input.ConsumeIntegral<uint16_t>();
        DialogCallback(dialog, WM_COMMAND, MAKEWPARAM(id, input.ConsumeBool() ? 0 : code),
                       reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)), panel);
        break;
    }
    case 2:
    case 3:
        Notify(input, dialog, panel);
        break;
    case 4:
        DialogCallback(dialog, WM_TIMER,
                       input.ConsumeBool() ? kPanelTimerId : input.ConsumeIntegral<UINT_PTR>(), 0,
                       panel);
        break;
    case 5: {
        const UINT states[] = {WA_INACTIVE, WA_ACTIVE, WA_CLICKACTIVE};
        DialogCallback(dialog, WM_ACTIVATE,
                       MAKEWPARAM(states[input.ConsumeIntegralInRange<int>(0, 2)],
                                  input.ConsumeIntegral<uint16_t>()),
                       0, panel);
        break;
    }
    case 6:
        DialogCallback(dialog,
                       input.ConsumeBool() ? PanelFacts::kHostStateChanged : WM_WINDOWPOSCHANGING,
                       0, 0, panel);
        break;
    case 7:
        DialogCallback(dialog, WM_SIZE, input.ConsumeIntegralInRange<WPARAM>(0, 4),
                       input.ConsumeIntegral<uint32_t>(), panel);
        break;
    case 8: {
        MINMAXINFO info = {};
        DialogCallback(dialog, WM_GETMINMAXINFO, 0,
                       input.ConsumeBool() ? reinterpret_cast<LPARAM>(&info) : 0, panel);
        break;
    }
    case 9:
        DialogCallback(dialog, input.ConsumeBool() ? WM_CLOSE : WM_SHOWWINDOW, input.ConsumeBool(),
                       0, panel);
        break;
    default:
        // Any message with plain numbers; WM_INITDIALOG comes once, from the host, and the
        // messages whose lParam is a pointer have their own cases above.
        UINT message = input.ConsumeIntegral<UINT>();
        if (message == WM_INITDIALOG || message == WM_NOTIFY || message == WM_GETMINMAXINFO)
            message = kNoMessage;
        DialogCallback(dialog, message, input.ConsumeIntegral<WPARAM>(),
                       input.ConsumeIntegral<uint16_t>(), panel);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    fuzzed::PanelSession session(input);
    for (int messages = 0; messages < 80 && input.remaining_bytes() > 0; ++messages) {
        NKStaffSetPanelWindow* panel = session.OpenPanel();
        if (!panel) {
            session.Reopen();
            continue;
        }
        Deliver(input, panel->dialogHandle, panel);
        session.Desktop().PumpMessages();
        Check(!session.Document().EditOpen());
    }
    return 0;
}
