// The seven functions the host looks up in the plug-in module by name.
//
// What holds for every entry point:
//
// - They are exported undecorated (see QMStaffSetPanel.def and the linker version script
//   QMStaffSetPanel.version-script) with the callee-cleans convention; arguments and
//   results are 32-bit.
// - The host calls them on its user-interface thread, one at a time, and everything the
//   plug-in does afterwards (dialog messages, timers) runs on that thread too. The plug-in
//   starts no threads and takes no locks.
// - Order: VarluneExtensionVersion first, before anything that depends on the host's
//   version; then VarluneExtensionInit; then one of the enumerate functions with index 0 to
//   build the menu. VarluneExtensionGetMenuStatus may come whenever the host updates its
//   menu, VarluneExtensionInvoke whenever the user picks the command, and
//   VarluneExtensionTerminate once, last, before the host unloads the module.
// - Pointers are the host's: the plug-in writes through them during the call only and keeps
//   none. Nothing is thrown out of an entry point.
#pragma once

#include <cstdint>

#include "platform/win32.h"

// Sizes of the menu entry records the host passes to the two enumerate functions.
constexpr uint32_t kMenuEntrySize8Bit = 196;
constexpr uint32_t kMenuEntrySizeUtf16 = 772;

extern "C" {
// Keeps the host's version word for every version-dependent choice (HostVersion.h). Returns
// the plug-in's interface version, 0x0F000000.
uint32_t WINAPI VarluneExtensionVersion(uint32_t hostVersion);
// Sets bit 0 of the host's flag word, leaving the other bits; a null flags pointer is
// ignored. Returns 1.
int32_t WINAPI VarluneExtensionInit(int32_t unused, uint32_t* flags);
// Fills the 8-bit menu entry record, kMenuEntrySize8Bit bytes: menu text, description and
// short name in 64-byte fields, each zero-filled after its text, then a 32-bit 0. Returns 1
// for index 0 or below (read as a signed 16-bit value), 0 for any other index or a null
// record, which is then not written.
int32_t WINAPI VarluneExtensionEnumerate(int32_t unused, int32_t index, void* record);
// Fills the UTF-16 menu entry record, kMenuEntrySizeUtf16 bytes: the same three texts in
// 256-byte fields, each of at most 63 units followed by a zero unit (the rest of each field
// is left as the host had it), then a 32-bit 0. Returns 1 for index 0 only, else 0 with
// nothing written.
int32_t WINAPI VarluneExtensionEnumerate_UTF16(int32_t unused, int32_t index, void* record);
// Opens the panel as a modeless dialog owned by hostWindow, or shows and activates the open
// one. Always returns 0.
int32_t WINAPI VarluneExtensionInvoke(HWND hostWindow, int32_t unused1, int32_t unused2,
                                      int32_t unused3);
// Saves the panel's position to the preference file, then destroys the panel and every
// module object. No result.
void WINAPI VarluneExtensionTerminate(int32_t unused);
// The command is always available: returns 1.
int32_t WINAPI VarluneExtensionGetMenuStatus(int32_t unused);
}
