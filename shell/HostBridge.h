// The host's plug-in interface: functions exported by the host executable under NX_ names.
// The plug-in does not link against them; each is looked up by name the first time it is
// needed and called through a cached pointer. A host function that cannot be found makes
// its bridge function return the value the host would give for failure.
#pragma once

#include <cstdint>

#include "platform/win32.h"

// Passed as the last argument of every host call except the three record calls that take
// the record's own format version there.
constexpr uint32_t kApiVersion = 0x12050000;

// The dialog callback handed to NX_Dialog; the host calls it for every message of the dialog.
typedef INT_PTR(WINAPI* HostDialogCallback)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                            void* userData);

// Record store. key points to the 8-byte record key. Loads and saves go through the record
// type translation (RecordTypeTranslation.cpp), which maps a family of 'pf' types onto the
// 'ot' records the host stores.
int32_t NX_LoadEData(uint32_t tag, void* key, void* buffer, uint32_t* size, uint32_t version);
int32_t NX_SaveEData(uint32_t tag, void* key, const void* buffer, uint32_t size, uint32_t version);
int32_t NX_CreateEData(uint32_t tag, void* key, const void* buffer, uint32_t size,
                       uint32_t version);
int32_t NX_DeleteEData(uint32_t tag, void* key, uint32_t version);
int32_t NX_NextEData(uint32_t tag, void* key, uint32_t version);

// Dialogs and their items.
int32_t NX_Dialog(int32_t templateId, HostDialogCallback callback, HWND parent, void* userData);
void NX_EndDialog(HWND dialog);
int32_t NX_EnableDlgItem(HWND dialog, int32_t controlId, int32_t enable);
int32_t NX_GetDlgItemVal(HWND dialog, int32_t controlId, int32_t valueKind);
int32_t NX_SetDlgItemVal(HWND dialog, int32_t controlId, int32_t valueKind, int32_t value);
// The text buffers must hold 5000 units, the capacity the bridge announces to the host.
constexpr int32_t kDlgStringCapacity = 5000;
int32_t NX_GetDlgString(HWND dialog, int32_t controlId, char* text);
int32_t NX_GetDlgString_UTF16(HWND dialog, int32_t controlId, char16_t* text);
int32_t NX_SetDlgString(HWND dialog, int32_t controlId, const char* text);
int32_t NX_SetDlgString_UTF16(HWND dialog, int32_t controlId, const char16_t* text);
HWND NX_GetCurrentWindow();

// Score and document.
int32_t NX_SlotToInst(int32_t slot, int32_t staffListItem);
int32_t NX_InstToSlot(int32_t staff, int32_t staffListItem);
int32_t NX_GetCurERegions(void* value4, void* region, void* secondRegion);
void NX_RedrawMusic(void* region);
int32_t NX_GetCurrentTavrinDocument();
int32_t NX_GetVarlunePath(int32_t pathKind, void* path);
int32_t NX_ExecuteMenuItem(int32_t command);
int32_t NX_GetCurrentPartID();
void NX_SetCurrentPartID(int32_t partId);
// The output buffer must hold 1000 units.
constexpr int32_t kAutoNumberedNameCapacity = 1000;
int32_t NX_AutoNumberedName_UTF16(int32_t nameTextBlock, int32_t staff, char16_t* name);

// Undoable edits. Every start counts as an open edit, even one the host did not take, so
// that the matching end or cancel always reaches the host.
int32_t NX_StartVarluneEdit(const char* undoText);
int32_t NX_StartVarluneEdit_UTF16(const char16_t* undoText);
int32_t NX_EndVarluneEdit();
void NX_CancelVarluneEdit();

// Number of edits started through the bridge and not yet ended or cancelled.
int32_t HostEditNesting();

// Forgets every binding and the edit count, as in a freshly loaded module. For tests only.
void ResetHostBridgeForTests();
