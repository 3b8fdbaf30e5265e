// The desktop on Windows: real message boxes, closed by a click the host posts, and beeps
// seen through the import address table of the code that beeps.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "simhost/desktop/HostDesktop.h"
#include "simhost/desktop/PluginDialogs.h"
#include "simhost/desktop/PngWriter.h"

namespace {

// The id the system gives the text of a message box.
constexpr int kBoxTextId = 0xFFFF;
const WCHAR kAnsweredProperty[] = L"VarluneBoxAnswered";
// On a box answered by key: its index among the boxes seen, plus one; the last command it
// received; its own window procedure, which the host's watches over.
const WCHAR kKeyBoxProperty[] = L"VarluneKeyBox";
const WCHAR kCommandProperty[] = L"VarluneBoxCommand";
const WCHAR kProcedureProperty[] = L"VarluneBoxProcedure";
// The timers that press the key once the box has set its focus, and that look, once the
// key's messages are taken, whether the box is still open. A timer fires only when nothing
// else waits in the queue.
constexpr UINT_PTR kKeyPressTimer = 0x4B44;
constexpr UINT_PTR kKeyCheckTimer = 0x4B45;
constexpr UINT kKeyPressDelay = 10;
constexpr UINT kKeyCheckDelay = 100;
// The key for the box being answered; there is one box at a time.
UserInput::KeyStroke keyForBox;
// The timer that photographs a box and then clicks its answer: it fires once the box has
// painted, as WM_TIMER comes after WM_PAINT.
constexpr UINT_PTR kPictureTimer = 0x4B46;
constexpr UINT kPictureDelay = 10;
// The picture's file and the click that follows it, for the box being photographed.
std::string pictureOfBox;
struct {
    int id;
    HWND button;
} clickAfterPicture;

std::u16string TextOf(HWND window) {
    std::u16string text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    int length =
        GetWindowTextW(window, reinterpret_cast<WCHAR*>(&text[0]), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(std::max(length, 0)));
    return text;
}

bool HasClass(HWND window, const WCHAR* name) {
    WCHAR className[64] = {};
    GetClassNameW(window, className, 64);
    return lstrcmpiW(className, name) == 0;
}

// A message box that the host has not answered yet. The plug-in's own dialogs are of the
// same window class, but have no box text.
bool IsUnansweredBox(HWND window) {
    if (!HasClass(window, L"#32770") || !GetDlgItem(window, kBoxTextId) ||
        GetPropW(window, kAnsweredProperty))
        return false;
    auto open = PluginDialogs::Open();
    return std::find(open.begin(), open.end(), window) == open.end();
}

// The buttons the box shows, in its order; the box may hold hidden ones.
std::vector<HWND> ButtonsOf(HWND box) {
    std::vector<HWND> buttons;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (HasClass(child, L"Button") && (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE))
            buttons.push_back(child);
    return buttons;
}

BOOL(WINAPI* realMessageBeep)(UINT) = nullptr;

} // namespace

struct HostDesktop::PlatformParts {
    HHOOK boxHook = nullptr;
    struct Redirect {
        HMODULE module;
        FARPROC* slot;
        FARPROC original;
    };
    std::vector<Redirect> redirects;
    std::vector<UINT> beeps;

    // Reads the box as it is activated, before the user could see it, and posts the click of
    // its answer: the box's own loop takes that message before any timer message.
    static LRESULT CALLBACK AnswerBoxes(int code, WPARAM wParam, LPARAM lParam) {
        HostDesktop* desktop = HostDesktop::Current();
        HWND box = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && desktop && IsUnansweredBox(box)) {
            SetPropW(box, kAnsweredProperty, reinterpret_cast<HANDLE>(1));
            BoxSeen seen{
                GetWindow(box, GW_OWNER), TextOf(box), TextOf(GetDlgItem(box, kBoxTextId)), {}, 0};
            std::vector<HWND> buttons = ButtonsOf(box);
            for (HWND button : buttons)
                seen.buttons.push_back(TextOf(button));
            if (desktop->boxesLeftToUser_) {
                desktop->boxesSeen_.push_back(std::move(seen));
                return CallNextHookEx(nullptr, code, wParam, lParam);
            }
            const QueuedAnswer queued = desktop->TakeBox(std::move(seen));
            if (!queued.keyName.empty()) {
                keyForBox = queued.key;
                WatchKeyAnswer(box, desktop->BoxesSeen().size() - 1);
                return CallNextHookEx(nullptr, code, wParam, lParam);
            }
            int answer = queued.button;
            HWND button = GetDlgItem(box, answer);
            if (!button && !buttons.empty()) {
                button = buttons.front();
                answer = GetDlgCtrlID(button);
            }
            if (!desktop->nextBoxPicture_.empty()) {
                pictureOfBox.swap(desktop->nextBoxPicture_);
                desktop->nextBoxPicture_.clear();
                clickAfterPicture = {answer, button};
                SetTimer(box, kPictureTimer, kPictureDelay, &PhotographThenClick);
                return CallNextHookEx(nullptr, code, wParam, lParam);
            }
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static void CALLBACK PhotographThenClick(HWND box, UINT, UINT_PTR, DWORD) {
        KillTimer(box, kPictureTimer);
        HostDesktop* desktop = HostDesktop::Current();
        // Said on the error stream only, as for the panel's pictures: a transcript must not
        // depend on the platform.
        if (desktop && desktop->SaveScreenshot(box, pictureOfBox))
            std::fprintf(stderr, "screenshot saved: %s\n", pictureOfBox.c_str());
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(clickAfterPicture.id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(clickAfterPicture.button));
    }

    // The box's answer to a key is the command that closes it. Its own procedure is wrapped
    // to see that command; a timer, which fires only when the key's messages have all been
    // taken, finds the box still open when the key did not close it, and clicks instead.
    static void WatchKeyAnswer(HWND box, size_t index) {
        SetPropW(box, kKeyBoxProperty, reinterpret_cast<HANDLE>(index + 1));
        SetPropW(box, kProcedureProperty,
                 reinterpret_cast<HANDLE>(GetWindowLongPtrW(box, GWLP_WNDPROC)));
        SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&KeyBoxProc));
        SetTimer(box, kKeyPressTimer, kKeyPressDelay, &PressKeyIntoBox);
    }

    // The key goes where the keyboard's would: to the box's control with the focus.
    static void CALLBACK PressKeyIntoBox(HWND box, UINT, UINT_PTR, DWORD) {
        KillTimer(box, kKeyPressTimer);
        HWND focus = GetFocus();
        if (focus != box && !IsChild(box, focus))
            focus = box;
        UserInput::PostKey(focus, keyForBox);
        SetTimer(box, kKeyCheckTimer, kKeyCheckDelay, &KeyNotTaken);
    }

    static LRESULT CALLBACK KeyBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
        const auto original = reinterpret_cast<WNDPROC>(GetPropW(box, kProcedureProperty));
        if (message == WM_COMMAND)
            SetPropW(box, kCommandProperty, reinterpret_cast<HANDLE>(LOWORD(wParam)));
        if (message == WM_NCDESTROY) {
            const auto index = reinterpret_cast<size_t>(GetPropW(box, kKeyBoxProperty));
            const auto command = reinterpret_cast<UINT_PTR>(GetPropW(box, kCommandProperty));
            HostDesktop* desktop = HostDesktop::Current();
            if (index && desktop)
                desktop->SettleKeyAnswer(index - 1, static_cast<int>(command), true);
            KillTimer(box, kKeyPressTimer);
            KillTimer(box, kKeyCheckTimer);
            SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
            RemovePropW(box, kKeyBoxProperty);
            RemovePropW(box, kCommandProperty);
            RemovePropW(box, kProcedureProperty);
        }
        return CallWindowProcW(original, box, message, wParam, lParam);
    }

    static void CALLBACK KeyNotTaken(HWND box, UINT, UINT_PTR, DWORD) {
        KillTimer(box, kKeyCheckTimer);
        const auto index = reinterpret_cast<size_t>(GetPropW(box, kKeyBoxProperty));
        HostDesktop* desktop = HostDesktop::Current();
        if (!index || !desktop)
            return;
        // Known now; the box's closing must not take it for a key's answer.
        RemovePropW(box, kKeyBoxProperty);
        const int answer = FallbackAnswer(desktop->BoxesSeen()[index - 1]);
        desktop->SettleKeyAnswer(index - 1, answer, false);
        HWND button = GetDlgItem(box, answer);
        if (!button) {
            std::vector<HWND> buttons = ButtonsOf(box);
            if (buttons.empty())
                return;
            button = buttons.front();
        }
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }

    static BOOL WINAPI RecordingMessageBeep(UINT type) {
        if (HostDesktop* desktop = HostDesktop::Current())
            desktop->platform_->beeps.push_back(type);
        return realMessageBeep(type);
    }
};

void HostDesktop::PlatformPartsDeleter::operator()(PlatformParts* parts) const {
    delete parts;
}

void HostDesktop::StartAnsweringBoxes() {
    platform_.reset(new PlatformParts);
    platform_->boxHook =
        SetWindowsHookExW(WH_CBT, PlatformParts::AnswerBoxes, nullptr, GetCurrentThreadId());
}

void HostDesktop::StopAnsweringBoxes() {
    if (platform_->boxHook)
        UnhookWindowsHookEx(platform_->boxHook);
    for (const PlatformParts::Redirect& redirect : platform_->redirects) {
        // A module unloaded before the desktop goes has taken its table with it.
        HMODULE holder = nullptr;
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                               GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCWSTR>(redirect.slot), &holder);
        if (holder != redirect.module)
            continue;
        DWORD protection;
        VirtualProtect(redirect.slot, sizeof(FARPROC), PAGE_READWRITE, &protection);
        *redirect.slot = redirect.original;
        VirtualProtect(redirect.slot, sizeof(FARPROC), protection, &protection);
    }
    platform_.reset();
}

bool HostDesktop::RecordBeepsOf(HMODULE module) {
    FARPROC real = GetProcAddress(GetModuleHandleW(L"user32.dll"), "MessageBeep");
    if (!module || !real)
        return false;
    realMessageBeep = reinterpret_cast<BOOL(WINAPI*)(UINT)>(reinterpret_cast<void (*)()>(real));
    auto replacement = reinterpret_cast<FARPROC>(
        reinterpret_cast<void (*)()>(&PlatformParts::RecordingMessageBeep));

    // The module's import address table: one slot per imported function, holding its address.
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress)
        return false;
    bool found = false;
    for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         library->Name; ++library) {
        for (auto* slot = reinterpret_cast<FARPROC*>(base + library->FirstThunk); *slot; ++slot) {
            if (*slot != real)
                continue;
            DWORD protection;
            VirtualProtect(slot, sizeof(FARPROC), PAGE_READWRITE, &protection);
            *slot = replacement;
            VirtualProtect(slot, sizeof(FARPROC), protection, &protection);
            platform_->redirects.push_back({module, slot, real});
            found = true;
        }
    }
    return found;
}

std::vector<UINT> HostDesktop::Beeps() const {
    return platform_->beeps;
}

bool HostDesktop::SaveScreenshot(HWND window, const std::string& pngPath) const {
    RECT rect;
    if (!GetWindowRect(window, &rect))
        return false;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;
    // Paint whatever is still waiting for WM_PAINT: the host's loop never runs between the
    // scenario's steps, and the screen shows only what was painted.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    GdiFlush();

    // The window's own pixels, frame included: what it painted, whether or not the display
    // has shown it yet.
    HDC screen = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, previous);

    // Rows from the top, 3 bytes a pixel in blue, green, red order, each row padded to 4 bytes.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    std::vector<uint8_t> pixels(stride * static_cast<size_t>(height));
    int rows = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info,
                         DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    if (rows != height)
        return false;

    std::vector<uint8_t> rgb;
    rgb.reserve(static_cast<size_t>(width) * 3 * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = pixels.data() + stride * static_cast<size_t>(y);
        for (int x = 0; x < width; ++x)
            rgb.insert(rgb.end(), {row[3 * x + 2], row[3 * x + 1], row[3 * x]});
    }
    return WritePng(pngPath, static_cast<uint32_t>(width), static_cast<uint32_t>(height), rgb);
}

bool HostDesktop::UseDisplayScale(int dotsPerInch, std::string& why) {
    HDC screen = GetDC(nullptr);
    const int actual = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    if (actual == dotsPerInch)
        return true;
    // Wine reads the scale from the prefix when its server starts.
    why = "the display runs at " + std::to_string(actual) + " dpi, not " +
          std::to_string(dotsPerInch) +
          ": set LogPixels to that under HKCU\\Control Panel\\Desktop (and under "
          "HKLM\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts) "
          "of the Wine prefix, or use tests/windows/display-prefix.sh";
    return false;
}
