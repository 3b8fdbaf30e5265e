// The host's plug-in interface as the simulated host implements it. Exported under the NX_
// names without the Host_ prefix: by VARLUNE.def on Windows, by HostExports natively.
// Arguments are in the order the host receives them; every function takes the interface
// version last.
#pragma once

#include <cstdint>

#include "platform/win32.h"

typedef INT_PTR(WINAPI* SimDialogCallback)(HWND, UINT, WPARAM, LPARAM, void*);

extern "C" {
int16_t WINAPI Host_NX_LoadEData(uint32_t tag, void* key, void* buffer, uint32_t* size,
                                 uint32_t version);
int16_t WINAPI Host_NX_SaveEData(uint32_t tag, void* key, const void* buffer, uint32_t size,
                                 uint32_t version);
int16_t WINAPI Host_NX_CreateEData(uint32_t tag, void* key, const void* buffer, uint32_t size,
                                   uint32_t version);
int16_t WINAPI Host_NX_DeleteEData(uint32_t tag, void* key, uint32_t version);
int16_t WINAPI Host_NX_NextEData(uint32_t tag, void* key, void* zero1, void* zero2,
                                 uint32_t version);
int32_t WINAPI Host_NX_Dialog(int32_t templateId, SimDialogCallback callback, HWND parent,
                              uint32_t zero, void* userData, uint32_t apiVersion);
void WINAPI Host_NX_EndDialog(HWND dialog, uint32_t apiVersion);
int32_t WINAPI Host_NX_EnableDlgItem(HWND dialog, int32_t id, int32_t enable, uint32_t apiVersion);
int32_t WINAPI Host_NX_GetDlgItemVal(HWND dialog, int32_t id, int32_t kind, uint32_t apiVersion);
int32_t WINAPI Host_NX_SetDlgItemVal(HWND dialog, int32_t id, int32_t kind, int32_t value,
                                     uint32_t apiVersion);
int32_t WINAPI Host_NX_GetDlgString(HWND dialog, int32_t id, char* text, int32_t capacity,
                                    uint32_t apiVersion);
int32_t WINAPI Host_NX_GetDlgString_UTF16(HWND dialog, int32_t id, char16_t* text, int32_t capacity,
                                          uint32_t apiVersion);
int32_t WINAPI Host_NX_SetDlgString(HWND dialog, int32_t id, const char* text, uint32_t apiVersion);
int32_t WINAPI Host_NX_SetDlgString_UTF16(HWND dialog, int32_t id, const char16_t* text,
                                          uint32_t apiVersion);
int16_t WINAPI Host_NX_SlotToInst(int32_t slot, int32_t listItem, uint32_t apiVersion);
int16_t WINAPI Host_NX_InstToSlot(int32_t staff, int32_t listItem, uint32_t apiVersion);
int16_t WINAPI Host_NX_GetCurERegions(void* value4, void* region, void* secondRegion,
                                      uint32_t apiVersion);
void WINAPI Host_NX_RedrawMusic(void* region, uint32_t apiVersion);
int16_t WINAPI Host_NX_GetCurrentTavrinDocument(uint32_t apiVersion);
int32_t WINAPI Host_NX_GetVarlunePath(int32_t kind, void* path, uint32_t apiVersion);
int32_t WINAPI Host_NX_StartVarluneEdit(const char* undoText, uint32_t apiVersion);
int32_t WINAPI Host_NX_StartVarluneEdit_UTF16(const char16_t* undoText, uint32_t apiVersion);
int32_t WINAPI Host_NX_EndVarluneEdit(uint32_t apiVersion);
void WINAPI Host_NX_CancelVarluneEdit(uint32_t apiVersion);
int32_t WINAPI Host_NX_ExecuteMenuItem(int32_t command, uint32_t apiVersion);
HWND WINAPI Host_NX_GetCurrentWindow(uint32_t apiVersion);
int32_t WINAPI Host_NX_GetCurrentPartID(uint32_t apiVersion);
void WINAPI Host_NX_SetCurrentPartID(int32_t partId, uint32_t apiVersion);
int32_t WINAPI Host_NX_AutoNumberedName_UTF16(int32_t nameTextBlock, int32_t staff, char16_t* name,
                                              int32_t capacity, int32_t options,
                                              uint32_t apiVersion);
}
