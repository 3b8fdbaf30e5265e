#include "platform/substitute/Edit.h"

#include <algorithm>
#include <string>

#include "platform/substitute/Window.h"

namespace {

// The selection runs from anchor to caret, in either order.
class EditData : public substitute::ControlData {
public:
    size_t anchor = 0;
    size_t caret = 0;
};

void Notify(HWND edit, WORD code) {
    const substitute::Window* window = substitute::Find(edit);
    if (window)
        SendMessageW(window->parent, WM_COMMAND, MAKEWPARAM(window->id, code),
                     reinterpret_cast<LPARAM>(edit));
}

void NotifyChange(HWND edit) {
    Notify(edit, EN_UPDATE);
    Notify(edit, EN_CHANGE);
}

void ReplaceSelection(HWND edit, const std::u16string& replacement) {
    substitute::Window* window = substitute::Find(edit);
    auto* data = dynamic_cast<EditData*>(window->control.get());
    const size_t start = std::min(data->anchor, data->caret);
    const size_t end = std::max(data->anchor, data->caret);
    window->text.replace(start, end - start, replacement);
    data->anchor = data->caret = start + replacement.size();
    NotifyChange(edit);
}

void SetSelection(HWND edit, WPARAM start, LPARAM end) {
    substitute::Window* window = substitute::Find(edit);
    auto* data = dynamic_cast<EditData*>(window->control.get());
    const size_t length = window->text.size();
    // A start of -1 removes the selection and leaves the caret; -1 or any value past the text
    // stands for its end.
    if (static_cast<INT_PTR>(start) == -1) {
        data->anchor = data->caret;
        return;
    }
    data->anchor = std::min<size_t>(start, length);
    data->caret = end < 0 ? length : std::min<size_t>(static_cast<size_t>(end), length);
}

void Type(HWND edit, char16_t unit) {
    substitute::Window* window = substitute::Find(edit);
    auto* data = dynamic_cast<EditData*>(window->control.get());
    if (unit == u'\b') {
        if (data->anchor == data->caret) {
            if (data->caret == 0)
                return;
            data->anchor = data->caret - 1;
        }
        ReplaceSelection(edit, u"");
    } else if (unit >= 0x20 && unit != 0x7F) {
        ReplaceSelection(edit, std::u16string(1, unit));
    }
}

} // namespace

namespace substitute {

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!Find(edit))
        return 0;
    EditData* data = CreatedControlOf<EditData>(edit, message);
    if (!data)
        return DefWindowProcW(edit, message, wParam, lParam);
    switch (message) {
    case WM_SETTEXT:
        DefWindowProcW(edit, message, wParam, lParam);
        data->anchor = data->caret = 0;
        NotifyChange(edit);
        return TRUE;
    case WM_CHAR:
        Type(edit, static_cast<char16_t>(wParam));
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case EM_SETSEL:
        SetSelection(edit, wParam, lParam);
        return 0;
    case EM_REPLACESEL:
        ReplaceSelection(edit, lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"");
        return 0;
    case WM_SETFOCUS:
        Notify(edit, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        Notify(edit, EN_KILLFOCUS);
        return 0;
    default:
        return DefWindowProcW(edit, message, wParam, lParam);
    }
}

} // namespace substitute
