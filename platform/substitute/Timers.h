// Timers of the substitute window system. SetTimer and KillTimer only record; nothing ticks
// by itself. The host (or a test) decides when time has passed and calls TickTimers, which
// posts one WM_TIMER per running timer, as the system's queue would after each period.
#pragma once

#include <vector>

#include "platform/win32.h"

namespace substitute {

struct ActiveTimer {
    HWND window;
    UINT_PTR id;
    UINT period; // milliseconds, as given to SetTimer
};

// The running timers, in the order they were first set.
std::vector<ActiveTimer> ActiveTimers();

// Posts WM_TIMER (wParam the timer id, lParam its procedure or 0) for every running timer
// that has none waiting yet (Windows never queues two ticks of one timer). Returns how many
// were posted.
int TickTimers();

// Stops every timer of a window that is being destroyed.
void KillTimersOf(HWND window);

// Stops every timer.
void KillAllTimers();

} // namespace substitute
