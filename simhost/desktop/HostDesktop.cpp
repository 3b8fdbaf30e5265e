#include "simhost/desktop/HostDesktop.h"

#include "simhost/desktop/PanelFacts.h"
#include "simhost/desktop/PluginDialogs.h"

namespace {

HostDesktop* currentDesktop = nullptr;

const WCHAR* WideText(const char16_t* text) {
    return reinterpret_cast<const WCHAR*>(text);
}

const char16_t kWindowClass[] = u"VarluneHostWindow";

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Closing either window is the host's decision (the desktop's lifetime), not the user's.
    if (message == WM_CLOSE)
        return 0;
    // A modal dialog or message box of the host or of a plug-in has come or gone.
    if (message == WM_ENABLE)
        for (HWND dialog : PluginDialogs::Open())
            SendMessageW(dialog, PanelFacts::kHostStateChanged, 0, 0);
    return DefWindowProcW(window, message, wParam, lParam);
}

// Registered once per process; a second registration would only fail.
void RegisterHostWindowClass() {
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = HostWindowProc;
    windowClass.lpszClassName = WideText(kWindowClass);
    registered = RegisterClassW(&windowClass) != 0;
}

bool HasSeveralButtons(const BoxSeen& box) {
    return box.buttons.size() > 1;
}

} // namespace

HostDesktop::HostDesktop() {
    RegisterHostWindowClass();
    mainWindow_ = CreateWindowExW(0, WideText(kWindowClass), WideText(u"Varlune"),
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600, nullptr,
                                  nullptr, nullptr, nullptr);
    StartAnsweringBoxes();
    currentDesktop = this;
}

HostDesktop::~HostDesktop() {
    TakeDownModalDialog();
    StopAnsweringBoxes();
    if (mainWindow_)
        DestroyWindow(mainWindow_);
    if (currentDesktop == this)
        currentDesktop = nullptr;
}

HostDesktop* HostDesktop::Current() {
    return currentDesktop;
}

bool HostDesktop::PutUpModalDialog() {
    if (modalDialog_)
        return true;
    // As a modal dialog comes up: made and shown over its owner, which is disabled meanwhile.
    modalDialog_ =
        CreateWindowExW(WS_EX_DLGMODALFRAME, WideText(kWindowClass), WideText(u"Score Settings"),
                        WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 200, 150, 400, 300,
                        mainWindow_, nullptr, nullptr, nullptr);
    if (!modalDialog_)
        return false;
    EnableWindow(mainWindow_, FALSE);
    return true;
}

void HostDesktop::TakeDownModalDialog() {
    if (!modalDialog_)
        return;
    // Enabled first, as a modal dialog ends: the owner can take the activation back.
    EnableWindow(mainWindow_, TRUE);
    DestroyWindow(modalDialog_);
    modalDialog_ = nullptr;
}

void HostDesktop::PumpMessages() {
    MSG message;
    auto next = [&message] {
        return PeekMessageW(&message, nullptr, 0, WM_TIMER - 1, PM_REMOVE) ||
               PeekMessageW(&message, nullptr, WM_TIMER + 1, 0xFFFFFFFFu, PM_REMOVE);
    };
    while (next()) {
        if (PluginDialogs::TakeDialogMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void HostDesktop::AnswerNextBoxes(const std::vector<int>& answers) {
    for (int answer : answers)
        answers_.push_back({answer, {}, {}});
}

void HostDesktop::AnswerNextBoxByKey(const std::string& name, const UserInput::KeyStroke& key) {
    answers_.push_back({0, name, key});
}

HostDesktop::QueuedAnswer HostDesktop::TakeBox(BoxSeen box) {
    QueuedAnswer taken;
    taken.button = HasSeveralButtons(box) ? IDNO : IDOK;
    // A key answers any box; a click waits for a box with a choice.
    const bool keyNext = !answers_.empty() && !answers_.front().keyName.empty();
    if ((HasSeveralButtons(box) || keyNext) && !answers_.empty()) {
        const QueuedAnswer next = answers_.front();
        answers_.pop_front();
        if (!next.keyName.empty())
            taken = next;
        else if (next.button == IDYES || next.button == IDNO)
            taken.button = next.button;
    }
    box.answer = taken.keyName.empty() ? taken.button : 0;
    box.key = taken.keyName;
    boxesSeen_.push_back(std::move(box));
    return taken;
}

void HostDesktop::SettleKeyAnswer(size_t box, int answer, bool closedByKey) {
    if (box >= boxesSeen_.size())
        return;
    boxesSeen_[box].answer = answer;
    boxesSeen_[box].closedByKey = closedByKey;
}

int HostDesktop::FallbackAnswer(const BoxSeen& box) {
    return HasSeveralButtons(box) ? IDNO : IDOK;
}
