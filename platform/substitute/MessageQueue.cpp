#include "platform/substitute/MessageQueue.h"

#include <algorithm>
#include <deque>

#include "platform/substitute/Window.h"

namespace {

std::deque<MSG>& Queue() {
    static std::deque<MSG> queue;
    return queue;
}

// The window filter of PeekMessageW takes the window's own messages and its children's;
// (HWND)-1 takes only messages posted to no window.
bool MatchesWindow(HWND filter, HWND target) {
    if (!filter)
        return true;
    if (filter == reinterpret_cast<HWND>(-1))
        return target == nullptr;
    return target == filter || substitute::IsDescendant(filter, target);
}

bool MatchesRange(UINT first, UINT last, UINT message) {
    return (first == 0 && last == 0) || (message >= first && message <= last);
}

} // namespace

namespace substitute {

void DiscardMessagesFor(HWND window) {
    auto& queue = Queue();
    queue.erase(
        std::remove_if(queue.begin(), queue.end(), [&](const MSG& m) { return m.hwnd == window; }),
        queue.end());
}

bool IsQueued(HWND window, UINT message, WPARAM wParam) {
    return std::any_of(Queue().begin(), Queue().end(), [&](const MSG& m) {
        return m.hwnd == window && m.message == message && m.wParam == wParam;
    });
}

void DiscardAllMessages() {
    Queue().clear();
}

} // namespace substitute

extern "C" {

LRESULT WINAPI SendMessageW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    const substitute::Window* window = substitute::Find(handle);
    if (!window || !window->procedure)
        return 0;
    return window->procedure(handle, message, wParam, lParam);
}

BOOL WINAPI PostMessageW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handle && !substitute::Find(handle))
        return FALSE;
    MSG posted{};
    posted.hwnd = handle;
    posted.message = message;
    posted.wParam = wParam;
    posted.lParam = lParam;
    Queue().push_back(posted);
    return TRUE;
}

BOOL WINAPI PeekMessageW(MSG* message, HWND window, UINT first, UINT last, UINT remove) {
    auto& queue = Queue();
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (!MatchesWindow(window, it->hwnd) || !MatchesRange(first, last, it->message))
            continue;
        if (message)
            *message = *it;
        if (remove & PM_REMOVE)
            queue.erase(it);
        return TRUE;
    }
    return FALSE;
}

LRESULT WINAPI DispatchMessageW(const MSG* message) {
    if (!message)
        return 0;
    if (message->message == WM_TIMER && message->lParam) {
        const auto procedure = reinterpret_cast<TIMERPROC>(message->lParam);
        procedure(message->hwnd, WM_TIMER, message->wParam, 0);
        return 0;
    }
    return SendMessageW(message->hwnd, message->message, message->wParam, message->lParam);
}
}
