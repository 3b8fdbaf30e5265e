// The host's dialog functions. The dialog comes from the plug-in module's template and its
// messages reach the plug-in's callback (PluginDialogs); the item functions act on the real
// controls. Text is UTF-16 at the window system; the 8-bit functions carry one byte per unit
// (a byte becomes the unit of the same value; a unit up to 0xFF gives its byte, any other
// "?", as an 8-bit host's code page shows a character it lacks).
#include <algorithm>
#include <string>

#include "simhost/hostfunctions/HostCallServing.h"
#include "simhost/desktop/HostDesktop.h"
#include "simhost/hostfunctions/HostFunctions.h"
#include "simhost/desktop/PluginDialogs.h"

namespace {

// Value kind 1 of the item-value functions: the check state of a button-like item. The host
// knows no other kind.
constexpr int32_t kCheckState = 1;

HWND MainWindow() {
    HostDesktop* desktop = HostDesktop::Current();
    return desktop ? desktop->MainWindow() : nullptr;
}

const WCHAR* WideText(const char16_t* text) {
    return reinterpret_cast<const WCHAR*>(text);
}

// The item's text, whole.
std::u16string ItemText(HWND item) {
    std::u16string text(static_cast<size_t>(GetWindowTextLengthW(item)) + 1, u'\0');
    int length =
        GetWindowTextW(item, reinterpret_cast<WCHAR*>(&text[0]), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(std::clamp(length, 0, static_cast<int>(text.size()) - 1)));
    return text;
}

// Copies at most capacity - 1 units of the item's text and a terminator into the buffer,
// each unit converted by the given rule.
template <typename Unit, typename Convert>
int32_t CopyItemText(HWND dialog, int32_t id, Unit* buffer, int32_t capacity, Convert convert) {
    HWND item = GetDlgItem(dialog, id);
    if (!item || !buffer || capacity < 1)
        return 0;
    std::u16string text = ItemText(item);
    size_t count = std::min(text.size(), static_cast<size_t>(capacity - 1));
    std::transform(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(count), buffer,
                   convert);
    buffer[count] = 0;
    return 1;
}

int32_t SetItemText(HWND dialog, int32_t id, const std::u16string& text) {
    HWND item = GetDlgItem(dialog, id);
    return item && SetWindowTextW(item, WideText(text.c_str())) ? 1 : 0;
}

} // namespace

extern "C" {

// The dialog's owner is the parent the plug-in names, or the host's main window when that is
// no window. Non-zero when the dialog was created.
int32_t WINAPI Host_NX_Dialog(int32_t templateId, SimDialogCallback callback, HWND parent,
                              uint32_t zero, void* userData, uint32_t apiVersion) {
    auto open = [=](SimHost& host) -> int32_t {
        HWND owner = IsWindow(parent) ? parent : MainWindow();
        return PluginDialogs::Create(host.PluginModuleHandle(), templateId, owner, callback,
                                     userData) != nullptr;
    };
    return Serve("NX_Dialog", open, templateId, reinterpret_cast<void*>(callback), parent, zero,
                 userData, apiVersion);
}

void WINAPI Host_NX_EndDialog(HWND dialog, uint32_t apiVersion) {
    auto end = [=](SimHost&) -> int32_t { return PluginDialogs::Destroy(dialog); };
    Serve("NX_EndDialog", end, dialog, apiVersion);
}

int32_t WINAPI Host_NX_EnableDlgItem(HWND dialog, int32_t id, int32_t enable, uint32_t apiVersion) {
    auto enableItem = [=](SimHost&) -> int32_t {
        HWND item = GetDlgItem(dialog, id);
        if (!item)
            return 0;
        EnableWindow(item, enable != 0);
        return 1;
    };
    return Serve("NX_EnableDlgItem", enableItem, dialog, id, enable, apiVersion);
}

int32_t WINAPI Host_NX_GetDlgItemVal(HWND dialog, int32_t id, int32_t kind, uint32_t apiVersion) {
    auto value = [=](SimHost&) -> int32_t {
        if (kind != kCheckState || !GetDlgItem(dialog, id))
            return 0;
        return static_cast<int32_t>(IsDlgButtonChecked(dialog, id));
    };
    return Serve("NX_GetDlgItemVal", value, dialog, id, kind, apiVersion);
}

int32_t WINAPI Host_NX_SetDlgItemVal(HWND dialog, int32_t id, int32_t kind, int32_t value,
                                     uint32_t apiVersion) {
    auto setValue = [=](SimHost&) -> int32_t {
        if (kind != kCheckState || !GetDlgItem(dialog, id))
            return 0;
        return CheckDlgButton(dialog, id, static_cast<UINT>(value)) ? 1 : 0;
    };
    return Serve("NX_SetDlgItemVal", setValue, dialog, id, kind, value, apiVersion);
}

int32_t WINAPI Host_NX_GetDlgString(HWND dialog, int32_t id, char* text, int32_t capacity,
                                    uint32_t apiVersion) {
    auto get = [=](SimHost&) -> int32_t {
        return CopyItemText(dialog, id, text, capacity,
                            [](char16_t unit) { return unit <= 0xFF ? static_cast<char>(unit) : '?'; });
    };
    return Serve("NX_GetDlgString", get, dialog, id, text, capacity, apiVersion);
}

int32_t WINAPI Host_NX_GetDlgString_UTF16(HWND dialog, int32_t id, char16_t* text, int32_t capacity,
                                          uint32_t apiVersion) {
    auto get = [=](SimHost&) -> int32_t {
        return CopyItemText(dialog, id, text, capacity, [](char16_t unit) { return unit; });
    };
    return Serve("NX_GetDlgString_UTF16", get, dialog, id, text, capacity, apiVersion);
}

int32_t WINAPI Host_NX_SetDlgString(HWND dialog, int32_t id, const char* text,
                                    uint32_t apiVersion) {
    auto set = [=](SimHost&) -> int32_t {
        if (!text)
            return 0;
        std::u16string units;
        for (const char* byte = text; *byte; ++byte)
            units.push_back(static_cast<char16_t>(static_cast<unsigned char>(*byte)));
        return SetItemText(dialog, id, units);
    };
    return Serve("NX_SetDlgString", set, dialog, id, text, apiVersion);
}

int32_t WINAPI Host_NX_SetDlgString_UTF16(HWND dialog, int32_t id, const char16_t* text,
                                          uint32_t apiVersion) {
    auto set = [=](SimHost&) -> int32_t { return text ? SetItemText(dialog, id, text) : 0; };
    return Serve("NX_SetDlgString_UTF16", set, dialog, id, text, apiVersion);
}

// The host's main window, or none without a desktop. A scripted result or an injected
// failure also gives none: a window handle cannot be scripted.
HWND WINAPI Host_NX_GetCurrentWindow(uint32_t apiVersion) {
    HWND window = nullptr;
    auto current = [&window](SimHost&) -> int32_t {
        window = MainWindow();
        return 1;
    };
    Serve("NX_GetCurrentWindow", current, apiVersion);
    return window;
}
}
