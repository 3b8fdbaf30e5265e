#include "platform/substitute/Window.h"

#include <map>

#include "platform/substitute/Geometry.h"

namespace {

struct Table {
    std::map<uintptr_t, std::unique_ptr<substitute::Window>> windows;
    // Windows' own handles are small even numbers; starting well above the values tests
    // use as stand-ins for foreign windows keeps those from ever naming a real one.
    uintptr_t next = 0x20000;
};

Table& TheTable() {
    static Table table;
    return table;
}

uintptr_t Key(HWND handle) {
    return reinterpret_cast<uintptr_t>(handle);
}

} // namespace

namespace substitute {

Window* Find(HWND handle) {
    auto& windows = TheTable().windows;
    auto it = windows.find(Key(handle));
    return it == windows.end() ? nullptr : it->second.get();
}

HWND Keep(std::unique_ptr<Window> window) {
    Table& table = TheTable();
    const uintptr_t key = table.next;
    table.next += 4;
    window->handle = reinterpret_cast<HWND>(key);
    table.windows.emplace(key, std::move(window));
    return reinterpret_cast<HWND>(key);
}

void Forget(HWND handle) {
    TheTable().windows.erase(Key(handle));
}

std::vector<HWND> AllWindows() {
    std::vector<HWND> all;
    for (const auto& entry : TheTable().windows)
        all.push_back(entry.second->handle);
    return all;
}

bool IsChildStyle(const Window& window) {
    return (window.style & WS_CHILD) != 0;
}

HWND TopLevelOf(HWND handle) {
    Window* window = Find(handle);
    while (window && IsChildStyle(*window) && Find(window->parent))
        window = Find(window->parent);
    return window ? window->handle : nullptr;
}

bool IsDescendant(HWND ancestor, HWND descendant) {
    Window* window = Find(descendant);
    while (window && IsChildStyle(*window)) {
        if (window->parent == ancestor)
            return true;
        window = Find(window->parent);
    }
    return false;
}

RECT ScreenRect(const Window& window) {
    RECT rect = window.rect;
    if (IsChildStyle(window)) {
        if (const Window* parent = Find(window.parent)) {
            const RECT origin = ClientScreenRect(*parent);
            rect.left += origin.left;
            rect.right += origin.left;
            rect.top += origin.top;
            rect.bottom += origin.top;
        }
    }
    return rect;
}

RECT ClientScreenRect(const Window& window) {
    return ClientFromOuter(ScreenRect(window), window.style, window.exStyle);
}

} // namespace substitute
