// The seven functions the host looks up in the plug-in module by name. They are exported
// undecorated (see QMStaffSetPanel.def and QMStaffSetPanel.map) with the callee-cleans
// convention the host calls them with.
#pragma once

#include <cstdint>

#include "platform/win32.h"

// Sizes of the menu entry records the host passes to the two enumerate functions.
constexpr uint32_t kMenuEntrySize8Bit = 196;
constexpr uint32_t kMenuEntrySizeUtf16 = 772;

extern "C" {
uint32_t WINAPI VarluneExtensionVersion(uint32_t hostVersion);
int32_t WINAPI VarluneExtensionInit(int32_t unused, uint32_t* flags);
int32_t WINAPI VarluneExtensionEnumerate(int32_t unused, int32_t index, void* record);
int32_t WINAPI VarluneExtensionEnumerate_UTF16(int32_t unused, int32_t index, void* record);
int32_t WINAPI VarluneExtensionInvoke(HWND hostWindow, int32_t unused1, int32_t unused2,
                                      int32_t unused3);
void WINAPI VarluneExtensionTerminate(int32_t unused);
int32_t WINAPI VarluneExtensionGetMenuStatus(int32_t unused);
}
