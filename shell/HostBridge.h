// The host's plug-in interface: functions the host executable exports under NX_ names, and
// the plug-in's bridge to them.
//
// What holds for every function here:
//
// - Binding. The plug-in does not link against the host. Each function is looked up by its
//   exact name the first time it is called, in the host executable already loaded into the
//   process ("VARLUNE.EXE", else "KESTRIN.EXE"), and the result is kept for the module's
//   whole life: a lookup is never repeated, nothing is loaded, and nothing resets a binding.
// - Failure. Results are non-zero for success. When the host or the function is missing,
//   the bridge calls nothing and returns the function's failure value, the same value the
//   host gives when it refuses: 0 unless a function says otherwise. Host results of 16 bits
//   (the record calls, NX_SlotToInst, NX_InstToSlot, NX_GetCurERegions,
//   NX_GetCurrentTavrinDocument) come back widened with their sign.
// - Threads. Call only on the host's user-interface thread, the thread that calls the
//   plug-in's entry points (EntryPoints.h). Nothing here locks. A call may re-enter the
//   plug-in on that thread: the host delivers dialog messages to the dialog callback.
// - Ownership. Every pointer passed stays the caller's. The host reads or writes through it
//   during the call only and keeps none, except the dialog callback and its user data, which
//   it keeps for as long as the dialog lives. The host never frees what the plug-in passes,
//   nor does the plug-in free anything the host wrote.
// - Text. The 8-bit calls take and give zero-terminated text in the host's code page, for
//   hosts before UTF-16 text; the _UTF16 calls zero-terminated UTF-16, for hosts from it on
//   (thresholds in HostVersion.h). A buffer the host writes text into receives at most its
//   capacity, terminator included.
// - Fixed arguments. The bridge adds the values the host expects in positions the caller has
//   no say over: kApiVersion last, and the capacities and zeros noted below.
#pragma once

#include <cstdint>

#include "platform/win32.h"

// The interface version: the last argument of every host call except the three record calls
// that take the record's own format version there.
constexpr uint32_t kApiVersion = 0x12050000;

// The dialog callback handed to NX_Dialog. The host calls it for every message of the dialog,
// on the user-interface thread, with the user data given to NX_Dialog; the result is the
// dialog procedure's result. It must not throw.
typedef INT_PTR(WINAPI* HostDialogCallback)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                            void* userData);

// --- Record store -------------------------------------------------------------------------
//
// Records are addressed by a 32-bit type tag and an 8-byte key: 16-bit item number, 16-bit
// sub-number, then 4 bytes the host carries along. key points to the caller's 8 bytes;
// version is the record's own format version, which depends on the type and the host.
// Failure value 0: no such record, no document, or the host refused the call.
//
// NX_LoadEData: *size is the buffer's capacity in bytes on entry and the record's size on
// return (size must not be null).
// - A null buffer asks for the size only: *size becomes the record's size, nothing else is
//   written.
// - A buffer at least as large as the record receives it; *size becomes its size.
// - A smaller buffer is refused (0), and *size tells the size needed. Some hosts instead fill
//   the buffer up to its capacity and report the record's full size as success: a caller
//   reads no further than the capacity it offered.
// NX_SaveEData writes size bytes from buffer as the record under key.
// Both go through the record type translation (RecordTypeTranslation.cpp), which maps a
// family of 'pf' types onto the 12-byte 'ot' records the host stores; to the caller those
// types behave as if the host stored them itself, with one difference: a load of such a type
// into a buffer that is too small is refused with *size left at the capacity offered, not
// set to the size needed (a size query with a null buffer gives that).
int32_t NX_LoadEData(uint32_t tag, void* key, void* buffer, uint32_t* size, uint32_t version);
int32_t NX_SaveEData(uint32_t tag, void* key, const void* buffer, uint32_t size, uint32_t version);
// Creates a record from size bytes of buffer. Item -1 with sub-number -1 asks for a new item
// number, sub-number -1 alone for the item's next sub-number; the host writes the key it
// assigned back into key.
int32_t NX_CreateEData(uint32_t tag, void* key, const void* buffer, uint32_t size,
                       uint32_t version);
int32_t NX_DeleteEData(uint32_t tag, void* key, uint32_t version);
// Moves key to the next existing record of the type, in (item, sub-number) order; 0 when
// there is none. The host receives two null pointers before version.
int32_t NX_NextEData(uint32_t tag, void* key, uint32_t version);

// --- Dialogs and their items ----------------------------------------------------------------
//
// dialog is the handle the host created the dialog with, as the callback received it.
// Opens a modeless dialog from the plug-in module's dialog template templateId, owned by
// parent, and routes its messages to callback with userData (both kept while the dialog
// lives). Non-zero when the dialog was created; the host passes 0 in the fourth position.
int32_t NX_Dialog(int32_t templateId, HostDialogCallback callback, HWND parent, void* userData);
// Closes a dialog opened by NX_Dialog. No result.
void NX_EndDialog(HWND dialog);
// enable is 0 or 1. Non-zero on success.
int32_t NX_EnableDlgItem(HWND dialog, int32_t controlId, int32_t enable);
// Value kind 1 is the check state of a button-like item. The value, 0 on failure.
int32_t NX_GetDlgItemVal(HWND dialog, int32_t controlId, int32_t valueKind);
int32_t NX_SetDlgItemVal(HWND dialog, int32_t controlId, int32_t valueKind, int32_t value);
// The item's text into text, which must hold kDlgStringCapacity units (bytes for the 8-bit
// call); the bridge announces that capacity to the host. Non-zero on success. The caller
// zeroes the first unit beforehand, as a failed call may leave the buffer untouched.
constexpr int32_t kDlgStringCapacity = 5000;
int32_t NX_GetDlgString(HWND dialog, int32_t controlId, char* text);
int32_t NX_GetDlgString_UTF16(HWND dialog, int32_t controlId, char16_t* text);
// Sets the item's text; text is zero-terminated and not null. Non-zero on success.
int32_t NX_SetDlgString(HWND dialog, int32_t controlId, const char* text);
int32_t NX_SetDlgString_UTF16(HWND dialog, int32_t controlId, const char16_t* text);
// A window of the host's, whose top-level ancestor tells whether the host is busy with a
// modal dialog; null is the failure value.
HWND NX_GetCurrentWindow();

// --- Score and document ---------------------------------------------------------------------
//
// The staff at 1-based slot of the staff list staffListItem (0 is the score's main list), or
// 0 when there is no such slot.
int32_t NX_SlotToInst(int32_t slot, int32_t staffListItem);
// The 1-based slot of staff in the staff list staffListItem; below 1 when it is not there.
int32_t NX_InstToSlot(int32_t staff, int32_t staffListItem);
// Writes 4 bytes to value4 and a 20-byte region record each to region (the current
// selection; start and end measure both 0 mean nothing is selected) and secondRegion.
// Non-zero on success; on failure the buffers may be untouched.
int32_t NX_GetCurERegions(void* value4, void* region, void* secondRegion);
// Redraws the music of a 20-byte region record. No result.
void NX_RedrawMusic(void* region);
// The current document's 16-bit id; 0 when there is none.
int32_t NX_GetCurrentTavrinDocument();
// Writes the folder of the plug-in's preference files into path, a buffer of
// kHostPathBufferSize bytes that the caller zeroes first: 8-bit text, or UTF-16 of at most 259
// units, zero-terminated, in Windows form ("\" between folders). Path kind 7 names the
// folder on hosts before kHostVersion10, kind 15 from it on; the host fails other kinds.
// Non-zero on success; on failure path is left as it was.
constexpr uint32_t kHostPathBufferSize = 520;
int32_t NX_GetVarlunePath(int32_t pathKind, void* path);
// Runs a host menu command: 10611 shows all staves, 10611 + s staff set s. Non-zero when the
// host took the command.
int32_t NX_ExecuteMenuItem(int32_t command);
// The current part's id. Failure value -1, not 0: part 0 is the score.
int32_t NX_GetCurrentPartID();
// Makes a part current. No result.
void NX_SetCurrentPartID(int32_t partId);
// The numbered name of a staff, made from its name text block, into name, which must hold
// kAutoNumberedNameCapacity units, zero-terminated; the bridge announces that capacity and
// passes 0 as the options. Non-zero when a name was produced.
constexpr int32_t kAutoNumberedNameCapacity = 1000;
int32_t NX_AutoNumberedName_UTF16(int32_t nameTextBlock, int32_t staff, char16_t* name);

// --- Undoable edits -------------------------------------------------------------------------
//
// A start opens one undo step named by undoText; an end commits it, a cancel discards every
// change since the start. Every start counts as an open edit, even one the host did not take
// or could not be found for, so that the matching end or cancel always reaches the host. Non-
// zero on success.
int32_t NX_StartVarluneEdit(const char* undoText);
int32_t NX_StartVarluneEdit_UTF16(const char16_t* undoText);
// With no edit open through the bridge: returns 1 and calls nothing.
int32_t NX_EndVarluneEdit();
// With no edit open through the bridge: does nothing. No result.
void NX_CancelVarluneEdit();

// Number of edits started through the bridge and not yet ended or cancelled.
int32_t HostEditNesting();

// Forgets every binding and the edit count, as in a freshly loaded module. For tests only.
void ResetHostBridgeForTests();
