// The host's plug-in interface, one entry per function the host executable exports: its name,
// the plug-in's view of the call and what the host receives. Both sides build from this list:
// the plug-in's bridge declares, binds and calls them, the simulated host declares and exports
// its implementations, the tests walk every function. The simulated host takes names and
// signatures alone from here: what it does with a call is its own.
//
// Used as an X-macro list: define NK_HOST_FUNCTION(result, name, failure, parameters,
// hostParameters, hostArguments), then include this file; it is included once per use and
// undefines the macros at its end.
//   result          what the host returns; a 16-bit result reaches the plug-in widened with
//                   its sign
//   name            the exact export name, looked up at run time
//   failure         what the plug-in gets when the host or the function is missing: the same
//                   value the host gives when it refuses (empty for a call without a result)
//   parameters      the call as the plug-in makes it
//   hostParameters  the argument types the host receives, in its order (stdcall)
//   hostArguments   what the bridge passes: the plug-in's arguments and, where the plug-in has
//                   no say, the values the host expects (kApiVersion last, capacities, zeros)
// Two kinds of entry use their own macro, which falls back to NK_HOST_FUNCTION when the
// includer does not tell them apart:
//   NK_HOST_TRANSLATED_FUNCTION  a record load or save, which the plug-in's record type
//                                translation (RecordTypeTranslation.cpp) sits in front of
//   NK_HOST_EDIT_FUNCTION        opens or closes an undoable edit; the bridge counts the
//                                edits open (see the edit section)
//
// What holds for every function:
// - Failure. Results are non-zero for success; failure values are 0 unless an entry says
//   otherwise.
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

#ifndef NK_HOST_FUNCTION_LIST_TYPES
#define NK_HOST_FUNCTION_LIST_TYPES

#include <cstdint>

#include "platform/win32.h"

// The dialog callback handed to NX_Dialog. The host calls it for every message of the dialog,
// on the user-interface thread, with the user data given to NX_Dialog; the result is the
// dialog procedure's result. It must not throw.
typedef INT_PTR(WINAPI* HostDialogCallback)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                            void* userData);

#endif

#ifndef NK_HOST_TRANSLATED_FUNCTION
#define NK_HOST_TRANSLATED_FUNCTION NK_HOST_FUNCTION
#endif
#ifndef NK_HOST_EDIT_FUNCTION
#define NK_HOST_EDIT_FUNCTION NK_HOST_FUNCTION
#endif

// clang-format off

// --- Record store -------------------------------------------------------------------------
//
// Records are addressed by a 32-bit type tag and an 8-byte key: 16-bit item number, 16-bit
// sub-number, then 4 bytes the host carries along. key points to the caller's 8 bytes;
// version is the record's own format version, which depends on the type and the host: these
// calls take it where the others take kApiVersion. Failure value 0: no such record, no
// document, or the host refused the call.

// *size is the buffer's capacity in bytes on entry and the record's size on return (size must
// not be null).
// - A null buffer asks for the size only: *size becomes the record's size, nothing else is
//   written.
// - A buffer at least as large as the record receives it; *size becomes its size.
// - A smaller buffer is refused (0), and *size tells the size needed. Some hosts instead fill
//   the buffer up to its capacity and report the record's full size as success: a caller
//   reads no further than the capacity it offered.
// Through the translation, a family of 'pf' types maps onto the 12-byte 'ot' records the host
// stores; to the caller those types behave as if the host stored them itself, with one
// difference: a load of such a type into a buffer that is too small is refused with *size
// left at the capacity offered, not set to the size needed (a size query with a null buffer
// gives that).
NK_HOST_TRANSLATED_FUNCTION(int16_t, NX_LoadEData, 0,
    (uint32_t tag, void* key, void* buffer, uint32_t* size, uint32_t version),
    (uint32_t, void*, void*, uint32_t*, uint32_t),
    (tag, key, buffer, size, version))
// Writes size bytes from buffer as the record under key, through the translation as above.
NK_HOST_TRANSLATED_FUNCTION(int16_t, NX_SaveEData, 0,
    (uint32_t tag, void* key, const void* buffer, uint32_t size, uint32_t version),
    (uint32_t, void*, const void*, uint32_t, uint32_t),
    (tag, key, buffer, size, version))
// Creates a record from size bytes of buffer. Item -1 with sub-number -1 asks for a new item
// number, sub-number -1 alone for the item's next sub-number; the host writes the key it
// assigned back into key.
NK_HOST_FUNCTION(int16_t, NX_CreateEData, 0,
    (uint32_t tag, void* key, const void* buffer, uint32_t size, uint32_t version),
    (uint32_t, void*, const void*, uint32_t, uint32_t),
    (tag, key, buffer, size, version))
NK_HOST_FUNCTION(int16_t, NX_DeleteEData, 0,
    (uint32_t tag, void* key, uint32_t version),
    (uint32_t, void*, uint32_t),
    (tag, key, version))
// Moves key to the next existing record of the type, in (item, sub-number) order; 0 when
// there is none. The host receives two null pointers before version.
NK_HOST_FUNCTION(int16_t, NX_NextEData, 0,
    (uint32_t tag, void* key, uint32_t version),
    (uint32_t, void*, void*, void*, uint32_t),
    (tag, key, kNoPointer, kNoPointer, version))

// --- Dialogs and their items ----------------------------------------------------------------
//
// dialog is the handle the host created the dialog with, as the callback received it.

// Opens a modeless dialog from the plug-in module's dialog template templateId, owned by
// parent, and routes its messages to callback with userData (both kept while the dialog
// lives). Non-zero when the dialog was created; the host receives 0 in the fourth position.
NK_HOST_FUNCTION(int32_t, NX_Dialog, 0,
    (int32_t templateId, HostDialogCallback callback, HWND parent, void* userData),
    (int32_t, HostDialogCallback, HWND, uint32_t, void*, uint32_t),
    (templateId, callback, parent, kZero, userData, kApiVersion))
// Closes a dialog opened by NX_Dialog. No result.
NK_HOST_FUNCTION(void, NX_EndDialog, ,
    (HWND dialog),
    (HWND, uint32_t),
    (dialog, kApiVersion))
// enable is 0 or 1. Non-zero on success.
NK_HOST_FUNCTION(int32_t, NX_EnableDlgItem, 0,
    (HWND dialog, int32_t controlId, int32_t enable),
    (HWND, int32_t, int32_t, uint32_t),
    (dialog, controlId, enable, kApiVersion))
// Value kind 1 is the check state of a button-like item. The value, 0 on failure.
NK_HOST_FUNCTION(int32_t, NX_GetDlgItemVal, 0,
    (HWND dialog, int32_t controlId, int32_t valueKind),
    (HWND, int32_t, int32_t, uint32_t),
    (dialog, controlId, valueKind, kApiVersion))
NK_HOST_FUNCTION(int32_t, NX_SetDlgItemVal, 0,
    (HWND dialog, int32_t controlId, int32_t valueKind, int32_t value),
    (HWND, int32_t, int32_t, int32_t, uint32_t),
    (dialog, controlId, valueKind, value, kApiVersion))
// The item's text into text, which must hold kDlgStringCapacity units (bytes for the 8-bit
// call); the host receives that capacity after text. Non-zero on success. The caller zeroes
// the first unit beforehand, as a failed call may leave the buffer untouched.
NK_HOST_FUNCTION(int32_t, NX_GetDlgString, 0,
    (HWND dialog, int32_t controlId, char* text),
    (HWND, int32_t, char*, int32_t, uint32_t),
    (dialog, controlId, text, kDlgStringCapacity, kApiVersion))
NK_HOST_FUNCTION(int32_t, NX_GetDlgString_UTF16, 0,
    (HWND dialog, int32_t controlId, char16_t* text),
    (HWND, int32_t, char16_t*, int32_t, uint32_t),
    (dialog, controlId, text, kDlgStringCapacity, kApiVersion))
// Sets the item's text; text is zero-terminated and not null. Non-zero on success.
NK_HOST_FUNCTION(int32_t, NX_SetDlgString, 0,
    (HWND dialog, int32_t controlId, const char* text),
    (HWND, int32_t, const char*, uint32_t),
    (dialog, controlId, text, kApiVersion))
NK_HOST_FUNCTION(int32_t, NX_SetDlgString_UTF16, 0,
    (HWND dialog, int32_t controlId, const char16_t* text),
    (HWND, int32_t, const char16_t*, uint32_t),
    (dialog, controlId, text, kApiVersion))
// A window of the host's, whose top-level ancestor tells whether the host is busy with a
// modal dialog; null is the failure value.
NK_HOST_FUNCTION(HWND, NX_GetCurrentWindow, nullptr,
    (),
    (uint32_t),
    (kApiVersion))

// --- Score and document ---------------------------------------------------------------------

// The staff at 1-based slot of the staff list staffListItem (0 is the score's main list), or
// 0 when there is no such slot.
NK_HOST_FUNCTION(int16_t, NX_SlotToInst, 0,
    (int32_t slot, int32_t staffListItem),
    (int32_t, int32_t, uint32_t),
    (slot, staffListItem, kApiVersion))
// The 1-based slot of staff in the staff list staffListItem; below 1 when it is not there.
NK_HOST_FUNCTION(int16_t, NX_InstToSlot, 0,
    (int32_t staff, int32_t staffListItem),
    (int32_t, int32_t, uint32_t),
    (staff, staffListItem, kApiVersion))
// Writes 4 bytes to value4 and a 20-byte region record each to region (the current
// selection; start and end measure both 0 mean nothing is selected) and secondRegion.
// Non-zero on success; on failure the buffers may be untouched.
NK_HOST_FUNCTION(int16_t, NX_GetCurERegions, 0,
    (void* value4, void* region, void* secondRegion),
    (void*, void*, void*, uint32_t),
    (value4, region, secondRegion, kApiVersion))
// Redraws the music of a 20-byte region record. No result.
NK_HOST_FUNCTION(void, NX_RedrawMusic, ,
    (void* region),
    (void*, uint32_t),
    (region, kApiVersion))
// The current document's 16-bit id; 0 when there is none.
NK_HOST_FUNCTION(int16_t, NX_GetCurrentTavrinDocument, 0,
    (),
    (uint32_t),
    (kApiVersion))
// Writes the folder of the plug-in's preference files into path, a buffer of
// kHostPathBufferSize bytes that the caller zeroes first: 8-bit text, or UTF-16 of at most 259
// units, zero-terminated, in Windows form ("\" between folders). Path kind 7 names the
// folder on hosts before kHostVersion10, kind 15 from it on; the host fails other kinds.
// Non-zero on success; on failure path is left as it was.
NK_HOST_FUNCTION(int32_t, NX_GetVarlunePath, 0,
    (int32_t pathKind, void* path),
    (int32_t, void*, uint32_t),
    (pathKind, path, kApiVersion))
// Runs a host menu command: 10611 shows all staves, 10611 + s staff set s. Non-zero when the
// host took the command.
NK_HOST_FUNCTION(int32_t, NX_ExecuteMenuItem, 0,
    (int32_t command),
    (int32_t, uint32_t),
    (command, kApiVersion))
// The current part's id. Failure value -1, not 0: part 0 is the score.
NK_HOST_FUNCTION(int32_t, NX_GetCurrentPartID, -1,
    (),
    (uint32_t),
    (kApiVersion))
// Makes a part current. No result.
NK_HOST_FUNCTION(void, NX_SetCurrentPartID, ,
    (int32_t partId),
    (int32_t, uint32_t),
    (partId, kApiVersion))
// The numbered name of a staff, made from its name text block, into name, which must hold
// kAutoNumberedNameCapacity units, zero-terminated; the host receives that capacity after
// name, then 0 as the options. Non-zero when a name was produced.
NK_HOST_FUNCTION(int32_t, NX_AutoNumberedName_UTF16, 0,
    (int32_t nameTextBlock, int32_t staff, char16_t* name),
    (int32_t, int32_t, char16_t*, int32_t, int32_t, uint32_t),
    (nameTextBlock, staff, name, kAutoNumberedNameCapacity, kNoOptions, kApiVersion))

// --- Undoable edits -------------------------------------------------------------------------
//
// A start opens one undo step named by undoText; an end commits it, a cancel discards every
// change since the start. Every start counts as an open edit, even one the host did not take
// or could not be found for, so that the matching end or cancel always reaches the host.
// Non-zero on success. The starts come before the end and the cancel here, so that a walk
// through this list in order closes the edits it opened.
NK_HOST_EDIT_FUNCTION(int32_t, NX_StartVarluneEdit, 0,
    (const char* undoText),
    (const char*, uint32_t),
    (undoText, kApiVersion))
NK_HOST_EDIT_FUNCTION(int32_t, NX_StartVarluneEdit_UTF16, 0,
    (const char16_t* undoText),
    (const char16_t*, uint32_t),
    (undoText, kApiVersion))
// With no edit open through the bridge: returns 1 and calls nothing.
NK_HOST_EDIT_FUNCTION(int32_t, NX_EndVarluneEdit, 0,
    (),
    (uint32_t),
    (kApiVersion))
// With no edit open through the bridge: does nothing. No result.
NK_HOST_EDIT_FUNCTION(void, NX_CancelVarluneEdit, ,
    (),
    (uint32_t),
    (kApiVersion))

// clang-format on

#undef NK_HOST_FUNCTION
#undef NK_HOST_TRANSLATED_FUNCTION
#undef NK_HOST_EDIT_FUNCTION
