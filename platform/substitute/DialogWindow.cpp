#include "platform/substitute/DialogWindow.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/substitute/DialogKeys.h"
#include "platform/substitute/DialogTemplate.h"
#include "platform/substitute/DisplayScale.h"
#include "platform/substitute/Geometry.h"
#include "platform/substitute/ModuleRegistry.h"
#include "platform/substitute/Window.h"
#include "platform/substitute/WindowLifetime.h"

namespace {

using substitute::Find;
using substitute::Window;

struct BaseUnits {
    int x, y;
};

// Dialog base units as Wine derives them from the template's font at the display's scale
// (measured with MapDialogRect). A template without a font of this table gets the system
// font's units (GetDialogBaseUnits there).
BaseUnits UnitsOf(const substitute::DialogTemplate& dialog) {
    const substitute::ScaleMeasurements& scale = substitute::DisplayScale();
    if (dialog.hasFont && dialog.pointSize == 8 && dialog.faceName == u"MS Sans Serif")
        return {scale.dialogUnitsX, scale.dialogUnitsY};
    return {scale.systemUnitsX, scale.systemUnitsY};
}

// There is no GDI here: the font handed to the dialog with WM_SETFONT is only a token.
const WPARAM kDialogFont = 0x0A000001;

// A module loaded from "dir/name.so" keeps its templates in "dir/name.res", compiled from
// the same .rc file that the Windows build links into the DLL.
std::string ResourceFileOf(const std::string& moduleFile) {
    const size_t slash = moduleFile.find_last_of('/');
    const size_t dot = moduleFile.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? moduleFile.substr(0, dot) : moduleFile) + ".res";
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool Usable(const Window& window) {
    return (window.style & WS_VISIBLE) && !(window.style & WS_DISABLED);
}

// The first visible, enabled control with WS_TABSTOP; failing that, the first visible,
// enabled control; else null.
HWND DefaultFocusControl(HWND dialog) {
    const Window* window = Find(dialog);
    if (!window)
        return nullptr;
    for (HWND child : window->children)
        if (Usable(*Find(child)) && (Find(child)->style & WS_TABSTOP))
            return child;
    for (HWND child : window->children)
        if (Usable(*Find(child)))
            return child;
    return nullptr;
}

LRESULT DefaultProcessing(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = Find(dialog);
    switch (message) {
    case WM_CLOSE:
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (substitute::IsDescendant(dialog, GetFocus()))
                window->savedFocus = GetFocus();
        } else if (Find(window->savedFocus)) {
            const HWND saved = window->savedFocus;
            window->savedFocus = nullptr;
            SetFocus(saved);
        }
        return 0;
    case WM_SETFOCUS: {
        HWND target = Find(window->savedFocus) ? window->savedFocus : DefaultFocusControl(dialog);
        window->savedFocus = nullptr;
        if (target)
            substitute::FocusDialogControl(target);
        return 0;
    }
    default: {
        LRESULT result = 0;
        if (substitute::DialogKeyProcessing(dialog, message, wParam, lParam, result))
            return result;
        return DefWindowProcW(dialog, message, wParam, lParam);
    }
    }
}

// Controls of a dialog: WS_BORDER becomes a sunken client edge and the parent is not told of
// their creation (both measured under Wine).
bool CreateItem(HWND dialog, const substitute::DialogItem& item, BaseUnits units,
                HINSTANCE instance) {
    substitute::Creation creation;
    creation.className = item.className;
    creation.text = item.text;
    creation.style = (item.style & ~WS_POPUP) | WS_CHILD;
    creation.exStyle = item.exStyle | WS_EX_NOPARENTNOTIFY;
    if (creation.style & WS_BORDER) {
        creation.style &= ~WS_BORDER;
        creation.exStyle |= WS_EX_CLIENTEDGE;
    }
    const int x = substitute::MulDiv(item.x, units.x, 4);
    const int y = substitute::MulDiv(item.y, units.y, 8);
    creation.rect = {x, y, x + substitute::MulDiv(item.cx, units.x, 4),
                     y + substitute::MulDiv(item.cy, units.y, 8)};
    creation.parent = dialog;
    creation.id = item.id;
    creation.instance = instance;
    return substitute::CreateWindowObject(creation) != nullptr;
}

// The outer rectangle, in screen coordinates for a popup: the template's position counts
// from the owner's client area, then the dialog is pushed back inside the screen (the rule
// Wine applies, measured with owners near every edge).
RECT DialogRect(const substitute::DialogTemplate& dialog, BaseUnits units, DWORD style,
                DWORD exStyle, HWND owner) {
    const substitute::Insets frame = substitute::NonClientInsets(style, exStyle);
    const LONG width = substitute::MulDiv(dialog.cx, units.x, 4) + frame.left + frame.right;
    const LONG height = substitute::MulDiv(dialog.cy, units.y, 8) + frame.top + frame.bottom;
    LONG left = substitute::MulDiv(dialog.x, units.x, 4) - frame.left;
    LONG top = substitute::MulDiv(dialog.y, units.y, 8) - frame.top;
    if (!(style & WS_CHILD)) {
        if (const Window* ownerWindow = Find(owner)) {
            const RECT origin = substitute::ClientScreenRect(*ownerWindow);
            left += origin.left;
            top += origin.top;
        }
        const LONG overRight =
            left + width + GetSystemMetrics(SM_CXDLGFRAME) - GetSystemMetrics(SM_CXSCREEN);
        const LONG overBottom =
            top + height + GetSystemMetrics(SM_CYDLGFRAME) - GetSystemMetrics(SM_CYSCREEN);
        if (overRight > 0)
            left -= overRight;
        if (overBottom > 0)
            top -= overBottom;
        left = std::max<LONG>(left, 0);
        top = std::max<LONG>(top, 0);
    }
    return {left, top, left + width, top + height};
}

HWND CreateDialogFromTemplate(const substitute::DialogTemplate& dialog, HINSTANCE instance,
                              HWND parent, DLGPROC procedure, LPARAM param) {
    const BaseUnits units = UnitsOf(dialog);
    const bool child = (dialog.style & WS_CHILD) != 0;
    DWORD style = dialog.style | DS_3DLOOK | (child ? 0 : WS_CLIPSIBLINGS);
    DWORD exStyle = dialog.exStyle | WS_EX_CONTROLPARENT;
    if (dialog.style & DS_MODALFRAME)
        exStyle |= WS_EX_DLGMODALFRAME;
    if ((exStyle & WS_EX_DLGMODALFRAME) || (style & (WS_THICKFRAME | WS_DLGFRAME)))
        exStyle |= WS_EX_WINDOWEDGE;
    const HWND owner = child ? parent : substitute::TopLevelOf(parent);

    substitute::Creation creation;
    creation.className = u"#32770";
    creation.text = dialog.title;
    creation.style = style & ~WS_VISIBLE;
    creation.exStyle = exStyle;
    creation.rect = DialogRect(dialog, units, style, exStyle, owner);
    creation.parent = owner;
    creation.instance = instance;
    const HWND handle = substitute::CreateWindowObject(creation);
    if (!handle)
        return nullptr;
    // The dialog procedure joins after the window's own creation messages, as on Windows.
    Find(handle)->dialogProcedure = procedure;
    Find(handle)->dialogUnits = {units.x, units.y};
    if (dialog.hasFont)
        SendMessageW(handle, WM_SETFONT, kDialogFont, 0);
    for (const substitute::DialogItem& item : dialog.items) {
        if (!Find(handle))
            return nullptr;
        if (!CreateItem(handle, item, units, instance)) {
            DestroyWindow(handle);
            return nullptr;
        }
    }
    if (!Find(handle))
        return nullptr;
    // Answering TRUE asks for the focus on the first tab stop.
    if (SendMessageW(handle, WM_INITDIALOG, reinterpret_cast<WPARAM>(DefaultFocusControl(handle)),
                     param) &&
        Find(handle)) {
        if (const HWND focus = DefaultFocusControl(handle))
            substitute::FocusDialogControl(focus);
    }
    if (Find(handle) && (dialog.style & WS_VISIBLE))
        ShowWindow(handle, SW_SHOWNORMAL);
    return Find(handle) ? handle : nullptr;
}

} // namespace

namespace substitute {

LRESULT CALLBACK DialogWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const Window* window = Find(dialog);
    if (!window)
        return 0;
    if (const DLGPROC procedure = window->dialogProcedure) {
        const INT_PTR result = procedure(dialog, message, wParam, lParam);
        // A dialog ended by its own procedure gets no default processing.
        if (!Find(dialog) || message == WM_INITDIALOG)
            return result;
        // A handled message answers the dialog's message result, which nothing here sets.
        if (result)
            return 0;
    }
    return DefaultProcessing(dialog, message, wParam, lParam);
}

} // namespace substitute

extern "C" HWND WINAPI CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent,
                                          DLGPROC dialogProc, LPARAM initParam) {
    // Templates are found by number only; the module's templates have no names.
    if (!IS_INTRESOURCE(templateName))
        return nullptr;
    const std::string moduleFile = substitute::LoadedModuleFile(instance);
    if (moduleFile.empty())
        return nullptr;
    substitute::DialogTemplate dialog;
    const WORD id = static_cast<WORD>(reinterpret_cast<UINT_PTR>(templateName));
    if (!substitute::ParseDialogResource(ReadFile(ResourceFileOf(moduleFile)), id, dialog))
        return nullptr;
    return CreateDialogFromTemplate(dialog, instance, parent, dialogProc, initParam);
}

extern "C" BOOL WINAPI MapDialogRect(HWND dialog, RECT* rect) {
    const Window* window = Find(dialog);
    if (!window || !rect || window->dialogUnits.x == 0)
        return FALSE;
    const POINT units = window->dialogUnits;
    *rect = {substitute::MulDiv(rect->left, units.x, 4), substitute::MulDiv(rect->top, units.y, 8),
             substitute::MulDiv(rect->right, units.x, 4),
             substitute::MulDiv(rect->bottom, units.y, 8)};
    return TRUE;
}
