#include "platform/substitute/Timers.h"

#include <algorithm>

#include "platform/substitute/MessageQueue.h"
#include "platform/substitute/Window.h"

namespace {

struct Timer {
    HWND window;
    UINT_PTR id;
    UINT period;
    TIMERPROC procedure;
};

std::vector<Timer>& Timers() {
    static std::vector<Timer> timers;
    return timers;
}

// Ids handed out for timers without a window, from the top of the range Windows uses.
UINT_PTR nextWindowlessId = 0x7FFF;

} // namespace

namespace substitute {

std::vector<ActiveTimer> ActiveTimers() {
    std::vector<ActiveTimer> active;
    for (const Timer& timer : Timers())
        active.push_back({timer.window, timer.id, timer.period});
    return active;
}

int TickTimers() {
    int posted = 0;
    for (const Timer& timer : Timers()) {
        if (IsQueued(timer.window, WM_TIMER, timer.id))
            continue;
        PostMessageW(timer.window, WM_TIMER, timer.id, reinterpret_cast<LPARAM>(timer.procedure));
        ++posted;
    }
    return posted;
}

void KillTimersOf(HWND window) {
    auto& timers = Timers();
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [&](const Timer& t) { return t.window == window; }),
                 timers.end());
}

void KillAllTimers() {
    Timers().clear();
}

} // namespace substitute

extern "C" {

UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT period, TIMERPROC procedure) {
    if (window && !substitute::Find(window))
        return 0;
    if (!window)
        id = nextWindowlessId++;
    for (Timer& timer : Timers()) {
        if (timer.window == window && timer.id == id) {
            timer.period = period;
            timer.procedure = procedure;
            return id;
        }
    }
    Timers().push_back({window, id, period, procedure});
    return id;
}

BOOL WINAPI KillTimer(HWND window, UINT_PTR id) {
    auto& timers = Timers();
    auto it = std::find_if(timers.begin(), timers.end(),
                           [&](const Timer& t) { return t.window == window && t.id == id; });
    if (it == timers.end())
        return FALSE;
    timers.erase(it);
    return TRUE;
}
}
