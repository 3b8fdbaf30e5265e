#include "simhost/HostFunctions.h"

#include <type_traits>

#include "simhost/SimHost.h"

namespace {

template <typename T> int64_t Logged(T value) {
    if constexpr (std::is_pointer_v<T>)
        return static_cast<int64_t>(reinterpret_cast<intptr_t>(value));
    else
        return static_cast<int64_t>(value);
}

// Logs the call with the current host and gives its answer: a scripted result if the test
// asked for one, else what this host does for the function. Without a host, every call fails.
template <typename... Args> int32_t Answer(const char* function, int32_t result, Args... args) {
    SimHost* host = SimHost::Current();
    if (!host)
        return 0;
    host->Log().Record(HostCall{function, {Logged(args)...}});
    if (auto scripted = host->ScriptedResult(function))
        return *scripted;
    return result;
}

// The host functions that documents, dialogs and edits will serve do not serve anything yet:
// they are present, logged, and answer failure.
constexpr int32_t kNotServed = 0;

} // namespace

extern "C" {

int16_t WINAPI Host_NX_LoadEData(uint32_t tag, void* key, void* buffer, uint32_t* size,
                                 uint32_t version) {
    return static_cast<int16_t>(
        Answer("NX_LoadEData", kNotServed, tag, key, buffer, size, version));
}

int16_t WINAPI Host_NX_SaveEData(uint32_t tag, void* key, const void* buffer, uint32_t size,
                                 uint32_t version) {
    return static_cast<int16_t>(
        Answer("NX_SaveEData", kNotServed, tag, key, buffer, size, version));
}

int16_t WINAPI Host_NX_CreateEData(uint32_t tag, void* key, const void* buffer, uint32_t size,
                                   uint32_t version) {
    return static_cast<int16_t>(
        Answer("NX_CreateEData", kNotServed, tag, key, buffer, size, version));
}

int16_t WINAPI Host_NX_DeleteEData(uint32_t tag, void* key, uint32_t version) {
    return static_cast<int16_t>(Answer("NX_DeleteEData", kNotServed, tag, key, version));
}

int16_t WINAPI Host_NX_NextEData(uint32_t tag, void* key, uint32_t zero1, uint32_t zero2,
                                 uint32_t version) {
    return static_cast<int16_t>(
        Answer("NX_NextEData", kNotServed, tag, key, zero1, zero2, version));
}

int32_t WINAPI Host_NX_Dialog(int32_t templateId, SimDialogCallback callback, HWND parent,
                              uint32_t zero, void* userData, uint32_t apiVersion) {
    return Answer("NX_Dialog", kNotServed, templateId, reinterpret_cast<void*>(callback), parent,
                  zero, userData, apiVersion);
}

void WINAPI Host_NX_EndDialog(HWND dialog, uint32_t apiVersion) {
    Answer("NX_EndDialog", kNotServed, dialog, apiVersion);
}

int32_t WINAPI Host_NX_EnableDlgItem(HWND dialog, int32_t id, int32_t enable,
                                     uint32_t apiVersion) {
    return Answer("NX_EnableDlgItem", kNotServed, dialog, id, enable, apiVersion);
}

int32_t WINAPI Host_NX_GetDlgItemVal(HWND dialog, int32_t id, int32_t kind,
                                     uint32_t apiVersion) {
    return Answer("NX_GetDlgItemVal", kNotServed, dialog, id, kind, apiVersion);
}

int32_t WINAPI Host_NX_SetDlgItemVal(HWND dialog, int32_t id, int32_t kind, int32_t value,
                                     uint32_t apiVersion) {
    return Answer("NX_SetDlgItemVal", kNotServed, dialog, id, kind, value, apiVersion);
}

int32_t WINAPI Host_NX_GetDlgString(HWND dialog, int32_t id, char* text, int32_t capacity,
                                    uint32_t apiVersion) {
    return Answer("NX_GetDlgString", kNotServed, dialog, id, text, capacity, apiVersion);
}

int32_t WINAPI Host_NX_GetDlgString_UTF16(HWND dialog, int32_t id, char16_t* text,
                                          int32_t capacity, uint32_t apiVersion) {
    return Answer("NX_GetDlgString_UTF16", kNotServed, dialog, id, text, capacity, apiVersion);
}

int32_t WINAPI Host_NX_SetDlgString(HWND dialog, int32_t id, const char* text,
                                    uint32_t apiVersion) {
    return Answer("NX_SetDlgString", kNotServed, dialog, id, text, apiVersion);
}

int32_t WINAPI Host_NX_SetDlgString_UTF16(HWND dialog, int32_t id, const char16_t* text,
                                          uint32_t apiVersion) {
    return Answer("NX_SetDlgString_UTF16", kNotServed, dialog, id, text, apiVersion);
}

int16_t WINAPI Host_NX_SlotToInst(int32_t slot, int32_t listItem, uint32_t apiVersion) {
    return static_cast<int16_t>(Answer("NX_SlotToInst", kNotServed, slot, listItem, apiVersion));
}

int16_t WINAPI Host_NX_InstToSlot(int32_t staff, int32_t listItem, uint32_t apiVersion) {
    return static_cast<int16_t>(
        Answer("NX_InstToSlot", kNotServed, staff, listItem, apiVersion));
}

int16_t WINAPI Host_NX_GetCurERegions(void* value4, void* region, void* secondRegion,
                                      uint32_t apiVersion) {
    return static_cast<int16_t>(
        Answer("NX_GetCurERegions", kNotServed, value4, region, secondRegion, apiVersion));
}

void WINAPI Host_NX_RedrawMusic(void* region, uint32_t apiVersion) {
    Answer("NX_RedrawMusic", kNotServed, region, apiVersion);
}

int16_t WINAPI Host_NX_GetCurrentTavrinDocument(uint32_t apiVersion) {
    return static_cast<int16_t>(Answer("NX_GetCurrentTavrinDocument", kNotServed, apiVersion));
}

int32_t WINAPI Host_NX_GetVarlunePath(int32_t kind, void* path, uint32_t apiVersion) {
    return Answer("NX_GetVarlunePath", kNotServed, kind, path, apiVersion);
}

int32_t WINAPI Host_NX_StartVarluneEdit(const char* undoText, uint32_t apiVersion) {
    return Answer("NX_StartVarluneEdit", kNotServed, undoText, apiVersion);
}

int32_t WINAPI Host_NX_StartVarluneEdit_UTF16(const char16_t* undoText, uint32_t apiVersion) {
    return Answer("NX_StartVarluneEdit_UTF16", kNotServed, undoText, apiVersion);
}

int32_t WINAPI Host_NX_EndVarluneEdit(uint32_t apiVersion) {
    return Answer("NX_EndVarluneEdit", kNotServed, apiVersion);
}

void WINAPI Host_NX_CancelVarluneEdit(uint32_t apiVersion) {
    Answer("NX_CancelVarluneEdit", kNotServed, apiVersion);
}

int32_t WINAPI Host_NX_ExecuteMenuItem(int32_t command, uint32_t apiVersion) {
    return Answer("NX_ExecuteMenuItem", kNotServed, command, apiVersion);
}

HWND WINAPI Host_NX_GetCurrentWindow(uint32_t apiVersion) {
    Answer("NX_GetCurrentWindow", kNotServed, apiVersion);
    return nullptr;
}

int32_t WINAPI Host_NX_GetCurrentPartID(uint32_t apiVersion) {
    return Answer("NX_GetCurrentPartID", kNotServed, apiVersion);
}

void WINAPI Host_NX_SetCurrentPartID(int32_t partId, uint32_t apiVersion) {
    Answer("NX_SetCurrentPartID", kNotServed, partId, apiVersion);
}

int32_t WINAPI Host_NX_AutoNumberedName_UTF16(int32_t nameTextBlock, int32_t staff,
                                              char16_t* name, int32_t capacity, int32_t options,
                                              uint32_t apiVersion) {
    return Answer("NX_AutoNumberedName_UTF16", kNotServed, nameTextBlock, staff, name, capacity,
                  options, apiVersion);
}
}
