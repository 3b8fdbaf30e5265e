#include "simhost/desktop/HostMenuBar.h"

#include <vector>

#include "simhost/documents/ScoreContents.h"
#include "simhost/documents/UtfConversion.h"
#include "simhost/documents/ViewCommands.h"

namespace {

std::wstring Wide(const std::string& utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    return std::wstring(units.begin(), units.end());
}

void SetItemText(HMENU menu, UINT id, const std::wstring& text) {
    ModifyMenuW(menu, id, MF_BYCOMMAND | MF_STRING, id, text.c_str());
}

void EnableItem(HMENU menu, UINT id, bool enabled) {
    EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

// "&3 Symphony No. 1 (sample)": the number is the item's mnemonic.
std::wstring DocumentItemText(const SimDocument& document) {
    return L"&" + std::to_wstring(document.Id()) + L" " + Wide(document.Title());
}

std::wstring StaffSetItemText(int set, const StaffSetContents& contents) {
    // As the panel lists them: a stored set without a name is "(No Name)".
    std::wstring text = L"Staff Set &" + std::to_wstring(set) + L"  ";
    if (contents.staves.empty())
        return text + L"(empty)";
    return text + (contents.name && !contents.name->empty() ? Wide(*contents.name) : L"(No Name)");
}

} // namespace

HostMenuBar::HostMenuBar(HWND window, SimHost& host, const std::string& pluginCommand)
    : window_(window), host_(host), bar_(CreateMenu()), file_(CreatePopupMenu()),
      edit_(CreatePopupMenu()), view_(CreatePopupMenu()) {
    for (SimDocument* document : host.Documents())
        AppendMenuW(file_, MF_STRING, kFirstDocumentCommand + document->Id() - 1,
                    DocumentItemText(*document).c_str());
    AppendMenuW(file_, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file_, MF_STRING, kExitCommand, L"E&xit");
    AppendMenuW(edit_, MF_STRING, kUndoCommand, L"&Undo\tCtrl+Z");
    AppendMenuW(edit_, MF_STRING, kRedoCommand, L"&Redo\tCtrl+Y");
    AppendMenuW(view_, MF_STRING, kShowAllStavesCommand, L"&All Staves");
    for (int set = 1; set <= kStaffSetsInView; ++set)
        AppendMenuW(view_, MF_STRING, ShowStaffSetCommand(set),
                    (L"Staff Set &" + std::to_wstring(set)).c_str());
    HMENU plugins = CreatePopupMenu();
    AppendMenuW(plugins, MF_STRING, kPluginCommand, Wide(pluginCommand).c_str());

    AppendMenuW(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(file_), L"&File");
    AppendMenuW(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(edit_), L"&Edit");
    AppendMenuW(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(view_), L"&View");
    AppendMenuW(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(plugins), L"&Plug-ins");
    SetMenu(window, bar_);

    ACCEL keys[] = {{FVIRTKEY | FCONTROL, 'Z', kUndoCommand},
                    {FVIRTKEY | FCONTROL, 'Y', kRedoCommand}};
    shortcuts_ = CreateAcceleratorTableW(keys, 2);
}

HostMenuBar::~HostMenuBar() {
    DestroyAcceleratorTable(shortcuts_);
    // The window may outlive the bar; a menu bar is destroyed with its window otherwise.
    if (IsWindow(window_) && GetMenu(window_) == bar_)
        SetMenu(window_, nullptr);
    DestroyMenu(bar_);
}

void HostMenuBar::Refresh() {
    SimDocument* current = host_.CurrentDocument();
    for (SimDocument* document : host_.Documents()) {
        const UINT id = static_cast<UINT>(kFirstDocumentCommand + document->Id() - 1);
        CheckMenuItem(file_, id, MF_BYCOMMAND | (document == current ? MF_CHECKED : MF_UNCHECKED));
    }
    std::vector<std::string> undo, redo;
    if (current) {
        undo = current->UndoHistory();
        redo = current->RedoHistory();
    }
    SetItemText(edit_, kUndoCommand,
                undo.empty() ? L"&Undo\tCtrl+Z" : L"&Undo " + Wide(undo.back()) + L"\tCtrl+Z");
    SetItemText(edit_, kRedoCommand,
                redo.empty() ? L"&Redo\tCtrl+Y" : L"&Redo " + Wide(redo.front()) + L"\tCtrl+Y");
    EnableItem(edit_, kUndoCommand, !undo.empty());
    EnableItem(edit_, kRedoCommand, !redo.empty());

    if (current) {
        const ScoreContents contents = ReadScoreContents(*current, host_.Version());
        for (int set = 1; set <= kStaffSetsInView; ++set)
            SetItemText(view_, static_cast<UINT>(ShowStaffSetCommand(set)),
                        StaffSetItemText(set, contents.sets[static_cast<size_t>(set - 1)]));
    }
    const int shown = current ? current->ViewedSet() : 0;
    CheckMenuRadioItem(view_, kShowAllStavesCommand, ShowStaffSetCommand(kStaffSetsInView),
                       ShowStaffSetCommand(shown), MF_BYCOMMAND);
    for (int id = kShowAllStavesCommand; id <= ShowStaffSetCommand(kStaffSetsInView); ++id)
        EnableItem(view_, static_cast<UINT>(id), current != nullptr);
}

bool HostMenuBar::TranslateShortcut(MSG& message) {
    // Ctrl+Z in the plug-in's name field is the field's own undo.
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd))
        return false;
    return TranslateAcceleratorW(window_, shortcuts_, &message) != 0;
}
