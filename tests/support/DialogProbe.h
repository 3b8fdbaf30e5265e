// A host window and the panel's dialog, built from template 20128 of the plug-in module, with
// a record of the messages they receive. The same code runs on Windows (under Wine) and on
// the substitute window system, so a test that states the record it expects states it for
// both: the expectations are what Wine does, measured.
//
// The record keeps only the messages the substitute reproduces (platform/substitute/
// WindowSystem.h says which Wine sends besides). LVN_GETDISPINFOW is recorded apart
// (displayRequests), since Windows asks again whenever it repaints.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "simhost/desktop/PanelFacts.h"

namespace probe {

inline LPCWSTR W(const char16_t* text) {
    return reinterpret_cast<LPCWSTR>(text);
}

inline std::u16string Text(HWND window) {
    WCHAR buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return std::u16string(reinterpret_cast<const char16_t*>(buffer));
}

class MessageLog {
public:
    HWND host = nullptr;
    HWND dialog = nullptr;
    bool recording = true;
    std::vector<std::string> lines;
    // LVN_GETDISPINFOW requests: "item sub cch" with the mask and whether the text buffer
    // was given, e.g. "4 2 64 mask 1".
    std::vector<std::string> displayRequests;

    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(lines);
        return taken;
    }

    std::string NameOf(HWND window) const {
        if (!window)
            return "null";
        if (window == host)
            return "host";
        if (window == dialog)
            return "dlg";
        if (dialog && IsWindow(window) && GetParent(window) == dialog)
            return "item" + std::to_string(GetDlgCtrlID(window));
        return "other";
    }

    void Record(const char* who, UINT message, WPARAM wParam, LPARAM lParam) {
        if (!recording)
            return;
        const std::string text = Format(message, wParam, lParam);
        if (!text.empty())
            lines.push_back(std::string(who) + " " + text);
    }

private:
    static std::string Hex(unsigned long value) {
        char buffer[20];
        std::snprintf(buffer, sizeof buffer, "%lx", value);
        return buffer;
    }
    static std::string Num(long value) { return std::to_string(value); }

    std::string Window(WPARAM value) const { return NameOf(reinterpret_cast<HWND>(value)); }
    std::string Window(LPARAM value) const { return NameOf(reinterpret_cast<HWND>(value)); }

    // A notification's name and, for those that carry them, its row, item data, states and
    // click position. Only the structure that comes with the code is read.
    std::string Notify(const NMHDR* header) const {
        const UINT code = header->code;
        if (code == NM_SETFOCUS)
            return "NM_SETFOCUS";
        if (code == NM_KILLFOCUS)
            return "NM_KILLFOCUS";
        if (code == NM_RELEASEDCAPTURE)
            return "NM_RELEASEDCAPTURE";
        const char* name = code == LVN_ITEMCHANGING     ? "LVN_ITEMCHANGING"
                           : code == LVN_ITEMCHANGED    ? "LVN_ITEMCHANGED"
                           : code == LVN_INSERTITEM     ? "LVN_INSERTITEM"
                           : code == LVN_DELETEITEM     ? "LVN_DELETEITEM"
                           : code == LVN_DELETEALLITEMS ? "LVN_DELETEALLITEMS"
                           : code == NM_CLICK           ? "NM_CLICK"
                           : code == NM_DBLCLK          ? "NM_DBLCLK"
                           : code == LVN_ITEMACTIVATE   ? "LVN_ITEMACTIVATE"
                                                        : nullptr;
        if (!name)
            return "";
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
        if (code == LVN_DELETEALLITEMS)
            return std::string(name) + " " + Num(change->iItem);
        std::string text = std::string(name) + " " + Num(change->iItem) + " lParam " +
                           Num(static_cast<long>(change->lParam));
        if (code == NM_CLICK || code == NM_DBLCLK || code == LVN_ITEMACTIVATE) {
            const auto* click = reinterpret_cast<const NMITEMACTIVATE*>(header);
            text += " sub " + Num(click->iSubItem) + " at " + Num(click->ptAction.x) + "," +
                    Num(click->ptAction.y);
        }
        if (code == LVN_ITEMCHANGING || code == LVN_ITEMCHANGED || code == LVN_ITEMACTIVATE)
            text += " new " + Hex(change->uNewState) + " old " + Hex(change->uOldState) +
                    " changed " + Hex(change->uChanged);
        return text;
    }

    // Messages recorded by their name alone; null for the others.
    static const char* NameAlone(UINT message) {
        switch (message) {
        case WM_CREATE:
            return "WM_CREATE";
        case WM_NCCREATE:
            return "WM_NCCREATE";
        case WM_DESTROY:
            return "WM_DESTROY";
        case WM_NCDESTROY:
            return "WM_NCDESTROY";
        case WM_SETTEXT:
            return "WM_SETTEXT";
        case WM_CLOSE:
            return "WM_CLOSE";
        case WM_SETFONT:
            return "WM_SETFONT";
        default:
            return nullptr;
        }
    }

    std::string Format(UINT message, WPARAM wParam, LPARAM lParam) const {
        if (const char* name = NameAlone(message))
            return name;
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        switch (message) {
        case WM_MOVE:
            return "WM_MOVE " + Num(static_cast<short>(LOWORD(lParam))) + " " +
                   Num(static_cast<short>(HIWORD(lParam)));
        case WM_SIZE:
            return "WM_SIZE " + Num(static_cast<long>(wParam)) + " " + Num(LOWORD(lParam)) + " " +
                   Num(HIWORD(lParam));
        case WM_ACTIVATE:
            return "WM_ACTIVATE " + Num(LOWORD(wParam)) + " " + Window(lParam);
        case WM_NCACTIVATE:
            return "WM_NCACTIVATE " + Num(static_cast<long>(wParam));
        case WM_SETFOCUS:
            return "WM_SETFOCUS " + Window(wParam);
        case WM_KILLFOCUS:
            return "WM_KILLFOCUS " + Window(wParam);
        case WM_ENABLE:
            return "WM_ENABLE " + Num(static_cast<long>(wParam));
        case WM_SHOWWINDOW:
            return "WM_SHOWWINDOW " + Num(static_cast<long>(wParam));
        case WM_GETMINMAXINFO: {
            const auto* info = reinterpret_cast<const MINMAXINFO*>(lParam);
            return "WM_GETMINMAXINFO max " + Num(info->ptMaxSize.x) + "x" + Num(info->ptMaxSize.y) +
                   " at " + Num(info->ptMaxPosition.x) + "," + Num(info->ptMaxPosition.y) +
                   " track " + Num(info->ptMinTrackSize.x) + "x" + Num(info->ptMinTrackSize.y) +
                   " to " + Num(info->ptMaxTrackSize.x) + "x" + Num(info->ptMaxTrackSize.y);
        }
        case WM_WINDOWPOSCHANGING:
        case WM_WINDOWPOSCHANGED:
            return std::string(message == WM_WINDOWPOSCHANGING ? "WM_WINDOWPOSCHANGING "
                                                               : "WM_WINDOWPOSCHANGED ") +
                   Num(pos->x) + " " + Num(pos->y) + " " + Num(pos->cx) + " " + Num(pos->cy) + " " +
                   Hex(pos->flags);
        case WM_NOTIFY: {
            const std::string notification = Notify(reinterpret_cast<const NMHDR*>(lParam));
            return notification.empty() ? "" : "WM_NOTIFY " + notification;
        }
        case WM_INITDIALOG:
            return "WM_INITDIALOG " + Window(wParam) + " " +
                   Hex(static_cast<unsigned long>(lParam));
        case WM_COMMAND:
            return "WM_COMMAND " + Num(LOWORD(wParam)) + " " + Hex(HIWORD(wParam)) + " " +
                   Window(lParam);
        case WM_SYSCOMMAND:
            return "WM_SYSCOMMAND " + Hex(static_cast<unsigned long>(wParam));
        case WM_TIMER:
            return "WM_TIMER " + Num(static_cast<long>(wParam));
        default:
            return "";
        }
    }
};

inline MessageLog*& CurrentLog() {
    static MessageLog* log = nullptr;
    return log;
}

// How the dialog procedure answers display requests: by writing into the list's buffer, or
// by pointing the request at a text of its own, as the panel does.
enum class DisplayAnswer { IntoBuffer, OwnText };

inline DisplayAnswer& CurrentDisplayAnswer() {
    static DisplayAnswer answer = DisplayAnswer::IntoBuffer;
    return answer;
}

inline void AnswerDisplayRequest(NMLVDISPINFOW* request) {
    static std::u16string own;
    own = u"r" + std::u16string(1, static_cast<char16_t>(u'0' + request->item.iItem % 10)) + u"c" +
          std::u16string(1, static_cast<char16_t>(u'0' + request->item.iSubItem % 10));
    if (CurrentDisplayAnswer() == DisplayAnswer::OwnText) {
        request->item.pszText = const_cast<LPWSTR>(W(own.c_str()));
        return;
    }
    if (!request->item.pszText || request->item.cchTextMax <= 0)
        return;
    const size_t count = std::min<size_t>(own.size(), request->item.cchTextMax - 1);
    for (size_t i = 0; i < count; ++i)
        request->item.pszText[i] = own[i];
    request->item.pszText[count] = 0;
}

// Answers 0 to every message, as the plug-in's dialog callback does to all it handles.
inline INT_PTR CALLBACK ProbeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageLog* log = CurrentLog();
    if (!log)
        return 0;
    if (!log->dialog)
        log->dialog = dialog;
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_GETDISPINFOW) {
        auto* request = reinterpret_cast<NMLVDISPINFOW*>(lParam);
        if (log->recording)
            log->displayRequests.push_back(std::to_string(request->item.iItem) + " " +
                                           std::to_string(request->item.iSubItem) + " " +
                                           std::to_string(request->item.cchTextMax) + " mask " +
                                           std::to_string(request->item.mask));
        AnswerDisplayRequest(request);
        return 0;
    }
    if (dialog == log->dialog)
        log->Record("dlg", message, wParam, lParam);
    return 0;
}

inline LRESULT CALLBACK ProbeHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (MessageLog* log = CurrentLog())
        log->Record(window == log->host ? "host" : "newhost", message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

struct HostPlacement {
    int x, y, width, height;
};

// The panel's template as a dialog owned by a visible, active host window (or by none). The
// record starts with the dialog's creation.
class DialogProbe {
public:
    static constexpr LPARAM kInitParam = 0x1234;

    explicit DialogProbe(HostPlacement host = {100, 50, 600, 400}, bool withHost = true) {
        CurrentLog() = &log;
        CurrentDisplayAnswer() = DisplayAnswer::IntoBuffer;
        INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&classes);
        WNDCLASSW hostClass{};
        hostClass.lpfnWndProc = ProbeHostProc;
        hostClass.lpszClassName = W(u"NKProbeHost");
        RegisterClassW(&hostClass); // fails harmlessly when an earlier test registered it
        module = LoadLibraryA(NK_PLUGIN_MODULE_PATH);
        if (withHost) {
            log.host = CreateWindowExW(0, W(u"NKProbeHost"), W(u"Host"), WS_OVERLAPPEDWINDOW,
                                       host.x, host.y, host.width, host.height, nullptr, nullptr,
                                       nullptr, nullptr);
            ShowWindow(log.host, SW_SHOW);
            Pump();
        }
        log.Take();
        dialog = CreateDialogParamW(module, MAKEINTRESOURCEW(PanelFacts::kTemplateId), log.host,
                                    ProbeDialogProc, kInitParam);
        Pump();
        list = GetDlgItem(dialog, PanelFacts::kListId);
    }

    ~DialogProbe() {
        log.recording = false;
        if (IsWindow(dialog))
            DestroyWindow(dialog);
        if (IsWindow(log.host))
            DestroyWindow(log.host);
        Pump();
        if (module)
            FreeLibrary(module);
        CurrentLog() = nullptr;
    }

    DialogProbe(const DialogProbe&) = delete;
    DialogProbe& operator=(const DialogProbe&) = delete;

    HWND Item(int id) const { return GetDlgItem(dialog, id); }

    // Dispatches everything waiting, as a host's message loop does.
    void Pump() {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (IsWindow(dialog) && IsDialogMessageW(dialog, &message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    // The panel's columns, and rows with text to be asked for, item data 100 + row and the
    // unchecked state image, as the panel adds them; then the record is emptied.
    void FillList(int rows = 9) {
        SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
        const char16_t* titles[] = {u"#", u"Name", u"Staves", u"Top", u"Bottom"};
        const int widths[] = {40, 110, 50, 80, 80};
        for (int i = 0; i < 5; ++i) {
            LVCOLUMNW column{};
            column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
            column.cx = widths[i];
            column.pszText = const_cast<LPWSTR>(W(titles[i]));
            SendMessageW(list, LVM_INSERTCOLUMNW, 1000, reinterpret_cast<LPARAM>(&column));
        }
        for (int i = 0; i < rows; ++i) {
            LVITEMW item{};
            item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_DI_SETITEM;
            item.iItem = 10000;
            item.pszText = LPSTR_TEXTCALLBACKW;
            item.lParam = 100 + i;
            const LRESULT index =
                SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
            SetState(static_cast<int>(index), 0x1000, LVIS_STATEIMAGEMASK);
        }
        Pump();
        log.Take();
        log.displayRequests.clear();
    }

    BOOL SetState(int row, UINT state, UINT mask) {
        LVITEMW item{};
        item.state = state;
        item.stateMask = mask;
        return static_cast<BOOL>(SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                                              reinterpret_cast<LPARAM>(&item)));
    }

    UINT StateOf(int row) const {
        return static_cast<UINT>(
            SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), 0xFFFF));
    }

    int Mark() const { return static_cast<int>(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0)); }

    MessageLog log;
    HMODULE module = nullptr;
    HWND dialog = nullptr;
    HWND list = nullptr;
};

inline RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

inline std::string Describe(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
           std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

inline std::string ClientSize(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return std::to_string(rect.right) + "x" + std::to_string(rect.bottom);
}

} // namespace probe
