// What the panel leaves alive in the process, counted the same way before and after a run of
// cycles: the framework objects it holds, what the window system and the host keep for it,
// and the C heap. Counts, not times: a cycle that leaks shows up however fast the machine is.
#pragma once

#include <cstdint>
#include <ostream>

#include "platform/win32.h"
#include "simhost/desktop/PluginDialogs.h"
#include "simhost/hostfunctions/SimHost.h"
#include "staffsetpanel/NKCtrlStaffSetDataList.h"
#include "staffsetpanel/NKStaffSetPanelWindow.h"

#ifdef _WIN32
#include <malloc.h>
#else
#include "platform/substitute/Window.h"
#ifdef __SANITIZE_ADDRESS__
// Part of the AddressSanitizer runtime's interface; g++ ships no header that declares it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif
#endif

struct LiveObjects {
    int32_t listRows = 0;    // rows in the panel list's collection
    int32_t controls = 0;    // control objects of the panel window
    size_t dialogsOpen = 0;  // plug-in dialogs the host has open
    size_t windowsAlive = 0; // windows of this thread, children included
    bool hostEditOpen = false;

    bool operator==(const LiveObjects& other) const {
        return listRows == other.listRows && controls == other.controls &&
               dialogsOpen == other.dialogsOpen && windowsAlive == other.windowsAlive &&
               hostEditOpen == other.hostEditOpen;
    }
};

inline std::ostream& operator<<(std::ostream& out, const LiveObjects& live) {
    return out << "{rows " << live.listRows << ", controls " << live.controls << ", dialogs "
               << live.dialogsOpen << ", windows " << live.windowsAlive << ", edit open "
               << live.hostEditOpen << "}";
}

#ifdef _WIN32
namespace census_detail {
inline BOOL CALLBACK CountOne(HWND, LPARAM counter) {
    ++*reinterpret_cast<size_t*>(counter);
    return TRUE;
}
inline BOOL CALLBACK CountWithChildren(HWND window, LPARAM counter) {
    ++*reinterpret_cast<size_t*>(counter);
    EnumChildWindows(window, CountOne, counter);
    return TRUE;
}
} // namespace census_detail
#endif

inline size_t WindowsAlive() {
#ifdef _WIN32
    size_t count = 0;
    EnumThreadWindows(GetCurrentThreadId(), census_detail::CountWithChildren,
                      reinterpret_cast<LPARAM>(&count));
    return count;
#else
    return substitute::AllWindows().size();
#endif
}

// A panel that does not exist holds nothing.
inline LiveObjects CountLiveObjects(const NKStaffSetPanelWindow* panel, SimHost& host) {
    LiveObjects live;
    if (panel) {
        live.controls = panel->Count();
        live.listRows = panel->setList ? panel->setList->rows.Count() : 0;
    }
    live.dialogsOpen = PluginDialogs::Open().size();
    live.windowsAlive = WindowsAlive();
    live.hostEditOpen = host.EditingDocument() != nullptr;
    return live;
}

// Bytes the C and C++ heap has handed out and not taken back: glibc's count of bytes in
// allocated chunks (mmapped ones included) natively, the sanitizer allocator's count under
// AddressSanitizer, and the sum of the CRT heap's blocks in use on Windows. -1 when the heap
// cannot be walked.
inline int64_t HeapBytesInUse() {
#ifdef _WIN32
    _HEAPINFO entry{};
    int64_t used = 0;
    int status;
    while ((status = _heapwalk(&entry)) == _HEAPOK)
        if (entry._useflag == _USEDENTRY)
            used += static_cast<int64_t>(entry._size);
    return status == _HEAPEND ? used : -1;
#elif defined(__SANITIZE_ADDRESS__)
    return static_cast<int64_t>(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 info = mallinfo2();
    return static_cast<int64_t>(info.uordblks + info.hblkhd);
#endif
}
