// The DLL's own entry point, for its unloading alone. The C++ runtime is linked into this
// module, and the pool it keeps for exceptions (about 19 KB on i686) lives in the host's heap:
// without this, every unload of the plug-in would leave one pool behind.
#include "platform/win32.h"

namespace __gnu_cxx {
// Defined by the linked-in C++ runtime; no header declares it.
void __freeres() noexcept;
} // namespace __gnu_cxx

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    // A null reserved means FreeLibrary; when the process itself ends, its heap goes with it
    // and nothing is worth freeing.
    if (reason == DLL_PROCESS_DETACH && !reserved)
        __gnu_cxx::__freeres();
    return TRUE;
}
