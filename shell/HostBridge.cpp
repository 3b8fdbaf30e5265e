#include "shell/HostBridge.h"
#include "shell/HostRecordCalls.h"

namespace {

// One binding slot per host function; the order of this list is the order of kExportNames.
enum HostFunction {
    kLoadEData,
    kSaveEData,
    kCreateEData,
    kDeleteEData,
    kNextEData,
    kDialog,
    kEndDialog,
    kEnableDlgItem,
    kGetDlgItemVal,
    kSetDlgItemVal,
    kGetDlgString,
    kGetDlgStringUtf16,
    kSetDlgString,
    kSetDlgStringUtf16,
    kSlotToInst,
    kInstToSlot,
    kGetCurERegions,
    kRedrawMusic,
    kGetCurrentTavrinDocument,
    kGetVarlunePath,
    kStartVarluneEdit,
    kStartVarluneEditUtf16,
    kEndVarluneEdit,
    kCancelVarluneEdit,
    kExecuteMenuItem,
    kGetCurrentWindow,
    kGetCurrentPartID,
    kSetCurrentPartID,
    kAutoNumberedNameUtf16,
    kHostFunctionCount
};

const char* const kExportNames[kHostFunctionCount] = {
    "NX_LoadEData",
    "NX_SaveEData",
    "NX_CreateEData",
    "NX_DeleteEData",
    "NX_NextEData",
    "NX_Dialog",
    "NX_EndDialog",
    "NX_EnableDlgItem",
    "NX_GetDlgItemVal",
    "NX_SetDlgItemVal",
    "NX_GetDlgString",
    "NX_GetDlgString_UTF16",
    "NX_SetDlgString",
    "NX_SetDlgString_UTF16",
    "NX_SlotToInst",
    "NX_InstToSlot",
    "NX_GetCurERegions",
    "NX_RedrawMusic",
    "NX_GetCurrentTavrinDocument",
    "NX_GetVarlunePath",
    "NX_StartVarluneEdit",
    "NX_StartVarluneEdit_UTF16",
    "NX_EndVarluneEdit",
    "NX_CancelVarluneEdit",
    "NX_ExecuteMenuItem",
    "NX_GetCurrentWindow",
    "NX_GetCurrentPartID",
    "NX_SetCurrentPartID",
    "NX_AutoNumberedName_UTF16",
};

struct Binding {
    bool lookedUp = false;
    FARPROC proc = nullptr;
};

struct BridgeState {
    bool moduleLookedUp = false;
    HMODULE hostModule = nullptr;
    Binding bindings[kHostFunctionCount];
    int32_t editNesting = 0;
};

BridgeState bridge;

// Each flag is set before its lookup, so a failed lookup is never repeated.
HMODULE HostModule() {
    if (!bridge.moduleLookedUp) {
        bridge.moduleLookedUp = true;
        bridge.hostModule = GetModuleHandleA("VARLUNE.EXE");
        if (!bridge.hostModule)
            bridge.hostModule = GetModuleHandleA("KESTRIN.EXE");
    }
    return bridge.hostModule;
}

FARPROC Bound(HostFunction function) {
    Binding& binding = bridge.bindings[function];
    if (!binding.lookedUp) {
        binding.lookedUp = true;
        // Without a host module there is nothing to search: a null module handle would make
        // Windows search the running executable instead.
        HMODULE module = HostModule();
        binding.proc = module ? GetProcAddress(module, kExportNames[function]) : nullptr;
    }
    return binding.proc;
}

// Calls the host function with exactly these argument types; R is the host's result type,
// so a 16-bit result is widened with its sign by the caller's return conversion.
template <typename R, typename... Args> R CallHost(HostFunction function, R missing, Args... args) {
    using Function = R(WINAPI*)(Args...);
    FARPROC proc = Bound(function);
    if (!proc)
        return missing;
    // The detour through a generic function pointer type keeps the cast warning-free.
    auto host = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(proc));
    return host(args...);
}

template <typename... Args> void CallHostVoid(HostFunction function, Args... args) {
    using Function = void(WINAPI*)(Args...);
    if (FARPROC proc = Bound(function))
        reinterpret_cast<Function>(reinterpret_cast<void (*)()>(proc))(args...);
}

constexpr uint32_t kZero = 0;
constexpr int32_t kDlgStringUnits = kDlgStringCapacity;
constexpr int32_t kNameUnits = kAutoNumberedNameCapacity;
constexpr int32_t kNoOptions = 0;

} // namespace

int32_t HostLoadEData(uint32_t tag, void* key, void* buffer, uint32_t* size, uint32_t version) {
    return CallHost<int16_t>(kLoadEData, 0, tag, key, buffer, size, version);
}

int32_t HostSaveEData(uint32_t tag, void* key, const void* buffer, uint32_t size,
                      uint32_t version) {
    return CallHost<int16_t>(kSaveEData, 0, tag, key, buffer, size, version);
}

int32_t NX_CreateEData(uint32_t tag, void* key, const void* buffer, uint32_t size,
                       uint32_t version) {
    return CallHost<int16_t>(kCreateEData, 0, tag, key, buffer, size, version);
}

int32_t NX_DeleteEData(uint32_t tag, void* key, uint32_t version) {
    return CallHost<int16_t>(kDeleteEData, 0, tag, key, version);
}

int32_t NX_NextEData(uint32_t tag, void* key, uint32_t version) {
    void* const none = nullptr; // the host takes two pointers here, always null
    return CallHost<int16_t>(kNextEData, 0, tag, key, none, none, version);
}

int32_t NX_Dialog(int32_t templateId, HostDialogCallback callback, HWND parent, void* userData) {
    return CallHost<int32_t>(kDialog, 0, templateId, callback, parent, kZero, userData,
                             kApiVersion);
}

void NX_EndDialog(HWND dialog) {
    CallHostVoid(kEndDialog, dialog, kApiVersion);
}

int32_t NX_EnableDlgItem(HWND dialog, int32_t controlId, int32_t enable) {
    return CallHost<int32_t>(kEnableDlgItem, 0, dialog, controlId, enable, kApiVersion);
}

int32_t NX_GetDlgItemVal(HWND dialog, int32_t controlId, int32_t valueKind) {
    return CallHost<int32_t>(kGetDlgItemVal, 0, dialog, controlId, valueKind, kApiVersion);
}

int32_t NX_SetDlgItemVal(HWND dialog, int32_t controlId, int32_t valueKind, int32_t value) {
    return CallHost<int32_t>(kSetDlgItemVal, 0, dialog, controlId, valueKind, value, kApiVersion);
}

int32_t NX_GetDlgString(HWND dialog, int32_t controlId, char* text) {
    return CallHost<int32_t>(kGetDlgString, 0, dialog, controlId, text, kDlgStringUnits,
                             kApiVersion);
}

int32_t NX_GetDlgString_UTF16(HWND dialog, int32_t controlId, char16_t* text) {
    return CallHost<int32_t>(kGetDlgStringUtf16, 0, dialog, controlId, text, kDlgStringUnits,
                             kApiVersion);
}

int32_t NX_SetDlgString(HWND dialog, int32_t controlId, const char* text) {
    return CallHost<int32_t>(kSetDlgString, 0, dialog, controlId, text, kApiVersion);
}

int32_t NX_SetDlgString_UTF16(HWND dialog, int32_t controlId, const char16_t* text) {
    return CallHost<int32_t>(kSetDlgStringUtf16, 0, dialog, controlId, text, kApiVersion);
}

HWND NX_GetCurrentWindow() {
    return CallHost<HWND>(kGetCurrentWindow, static_cast<HWND>(nullptr), kApiVersion);
}

int32_t NX_SlotToInst(int32_t slot, int32_t staffListItem) {
    return CallHost<int16_t>(kSlotToInst, 0, slot, staffListItem, kApiVersion);
}

int32_t NX_InstToSlot(int32_t staff, int32_t staffListItem) {
    return CallHost<int16_t>(kInstToSlot, 0, staff, staffListItem, kApiVersion);
}

int32_t NX_GetCurERegions(void* value4, void* region, void* secondRegion) {
    return CallHost<int16_t>(kGetCurERegions, 0, value4, region, secondRegion, kApiVersion);
}

void NX_RedrawMusic(void* region) {
    CallHostVoid(kRedrawMusic, region, kApiVersion);
}

int32_t NX_GetCurrentTavrinDocument() {
    return CallHost<int16_t>(kGetCurrentTavrinDocument, 0, kApiVersion);
}

int32_t NX_GetVarlunePath(int32_t pathKind, void* path) {
    return CallHost<int32_t>(kGetVarlunePath, 0, pathKind, path, kApiVersion);
}

int32_t NX_ExecuteMenuItem(int32_t command) {
    return CallHost<int32_t>(kExecuteMenuItem, 0, command, kApiVersion);
}

int32_t NX_GetCurrentPartID() {
    return CallHost<int32_t>(kGetCurrentPartID, -1, kApiVersion);
}

void NX_SetCurrentPartID(int32_t partId) {
    CallHostVoid(kSetCurrentPartID, partId, kApiVersion);
}

int32_t NX_AutoNumberedName_UTF16(int32_t nameTextBlock, int32_t staff, char16_t* name) {
    return CallHost<int32_t>(kAutoNumberedNameUtf16, 0, nameTextBlock, staff, name, kNameUnits,
                             kNoOptions, kApiVersion);
}

int32_t NX_StartVarluneEdit(const char* undoText) {
    ++bridge.editNesting;
    return CallHost<int32_t>(kStartVarluneEdit, 0, undoText, kApiVersion);
}

int32_t NX_StartVarluneEdit_UTF16(const char16_t* undoText) {
    ++bridge.editNesting;
    return CallHost<int32_t>(kStartVarluneEditUtf16, 0, undoText, kApiVersion);
}

int32_t NX_EndVarluneEdit() {
    if (bridge.editNesting <= 0)
        return 1;
    --bridge.editNesting;
    return CallHost<int32_t>(kEndVarluneEdit, 0, kApiVersion);
}

void NX_CancelVarluneEdit() {
    if (bridge.editNesting <= 0)
        return;
    --bridge.editNesting;
    CallHostVoid(kCancelVarluneEdit, kApiVersion);
}

int32_t HostEditNesting() {
    return bridge.editNesting;
}

void ResetHostBridgeForTests() {
    bridge = BridgeState();
}
