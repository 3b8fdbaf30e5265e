#include "simhost/desktop/ScoreWindow.h"

#include <cstdio>

#include "simhost/desktop/PluginDialogs.h"
#include "simhost/documents/UtfConversion.h"
#include "simhost/documents/ViewCommands.h"

namespace {

const WCHAR kOwnerProperty[] = L"VarluneScoreWindow";
constexpr int kStaffListId = 100;
// The journal follows the host this often: the plug-in changes the view and the undo steps
// by host calls, and a person's clicks in the panel reach the host that way.
constexpr UINT_PTR kJournalTimer = 0x5354;
constexpr UINT kJournalPeriod = 200;
// Windows keeps owned windows above their owner. Wine's desktop, when a click activates this
// window, puts it above the plug-in's dialogs after the activation's own messages, so the
// dialogs are raised again a little later.
constexpr UINT_PTR kRaiseDialogsTimer = 0x5355;
constexpr UINT kRaiseDialogsDelay = 150;

// The staff list stands at the right of the client area, beside the place where the panel
// opens, and shows 24 rows before it scrolls.
constexpr RECT kStaffListPlace = {556, 8, 780, 8 + 24 * StaffPicker::kRowHeight + 4};
constexpr RECT kHelpPlace = {12, 360, 540, 440};
constexpr RECT kStatusPlace = {12, 450, 540, 490};

HWND MakeStatic(HWND parent, const RECT& place, const WCHAR* text) {
    HWND label = CreateWindowExW(0, L"Static", text, WS_CHILD | WS_VISIBLE, place.left, place.top,
                                 place.right - place.left, place.bottom - place.top, parent,
                                 nullptr, nullptr, nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return label;
}

} // namespace

ScoreWindow::ScoreWindow(HostDesktop& desktop, SimHost& host, PluginModule& plugin,
                         const std::string& pluginCommand)
    : desktop_(desktop), host_(host), plugin_(plugin), window_(desktop.MainWindow()),
      desktopProcedure_(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC))),
      menus_(window_, host, pluginCommand), staves_(window_, kStaffListId, kStaffListPlace),
      status_(MakeStatic(window_, kStatusPlace, L"")) {
    MakeStatic(window_, kHelpPlace,
               L"Select staves in the list on the right: click one, Shift+click another.\n"
               L"Plug-ins > QM Staff Set Panel... opens the panel. View shows all staves or a "
               L"staff set; Edit undoes and redoes; File switches between the two scores.");
    SetPropW(window_, kOwnerProperty, this);
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
    if (SimDocument* document = host_.CurrentDocument())
        staves_.Show(*document, host_.Version());
    DrawMenuBar(window_);
    const POINT first = staves_.FirstRowCentre();
    std::printf("staff list: staff 1 at %ld, %ld on the screen, each next staff %d pixels lower\n",
                static_cast<long>(first.x), static_cast<long>(first.y), StaffPicker::kRowHeight);
    Report();
    SetTimer(window_, kJournalTimer, kJournalPeriod, nullptr);
    SetFocus(staves_.Handle());
}

ScoreWindow::~ScoreWindow() {
    KillTimer(window_, kJournalTimer);
    KillTimer(window_, kRaiseDialogsTimer);
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(desktopProcedure_));
    RemovePropW(window_, kOwnerProperty);
}

LRESULT CALLBACK ScoreWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<ScoreWindow*>(GetPropW(window, kOwnerProperty));
    switch (message) {
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    case WM_ERASEBKGND: {
        // The desktop's window class paints no background of its own.
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            SetTimer(window, kRaiseDialogsTimer, kRaiseDialogsDelay, nullptr);
        break;
    case WM_INITMENUPOPUP:
        self->menus_.Refresh();
        return 0;
    case WM_TIMER:
        if (wParam == kRaiseDialogsTimer) {
            KillTimer(window, kRaiseDialogsTimer);
            for (HWND dialog : PluginDialogs::Open())
                SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return 0;
        }
        if (wParam == kJournalTimer) {
            self->Report();
            return 0;
        }
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == kStaffListId) {
            if (HIWORD(wParam) == LBN_SELCHANGE && self->host_.CurrentDocument())
                self->staves_.TakeSelection(*self->host_.CurrentDocument());
        } else if (lParam == 0) { // a menu item or a shortcut
            self->Command(LOWORD(wParam));
        }
        self->Report();
        return 0;
    default:
        break;
    }
    return CallWindowProcW(self->desktopProcedure_, window, message, wParam, lParam);
}

void ScoreWindow::Command(int id) {
    SimDocument* document = host_.CurrentDocument();
    if (id == HostMenuBar::kExitCommand) {
        PostQuitMessage(0);
    } else if (id == HostMenuBar::kPluginCommand) {
        plugin_.Invoke(window_);
    } else if (id == HostMenuBar::kUndoCommand && document) {
        document->Undo();
    } else if (id == HostMenuBar::kRedoCommand && document) {
        document->Redo();
    } else if (id >= HostMenuBar::kFirstDocumentCommand && id < HostMenuBar::kExitCommand) {
        const auto documentId = static_cast<int16_t>(id - HostMenuBar::kFirstDocumentCommand + 1);
        if (host_.SwitchToDocument(documentId))
            staves_.Show(*host_.CurrentDocument(), host_.Version());
    } else if (IsViewCommand(id)) {
        host_.ExecuteCommand(id);
    }
}

void ScoreWindow::Report() {
    bool printed = false;
    for (const std::string& line : journal_.Changes(host_, desktop_)) {
        std::printf("%s\n", line.c_str());
        printed = true;
    }
    if (!printed)
        return;
    std::fflush(stdout);
    const std::u16string status = Utf8ToUtf16(SessionJournal::Status(host_));
    SetWindowTextW(status_, reinterpret_cast<const WCHAR*>(status.c_str()));
}
