// The thread's posted-message queue (there is one thread). Sent messages go straight to the
// window procedure; posted ones wait here until PeekMessageW takes them.
#pragma once

#include "platform/win32.h"

namespace substitute {

// Drops what is still queued for a window that is being destroyed.
void DiscardMessagesFor(HWND window);

// True when a message with this window, number and wParam is waiting.
bool IsQueued(HWND window, UINT message, WPARAM wParam);

// Empties the queue.
void DiscardAllMessages();

} // namespace substitute
