#include "platform/substitute/WindowSystem.h"

#include "platform/substitute/MessageQueue.h"
#include "platform/substitute/Timers.h"
#include "platform/substitute/Window.h"

namespace substitute {

void ResetWindowSystem() {
    for (HWND window : AllWindows()) {
        const Window* w = Find(window);
        if (w && !IsChildStyle(*w))
            DestroyWindow(window);
    }
    DiscardAllMessages();
    KillAllTimers();
}

std::u16string ClassNameOf(HWND window) {
    const Window* w = Find(window);
    return w ? w->className : std::u16string();
}

} // namespace substitute
