#include "shell/HostBridge.h"

#include <cstddef>

#include "shell/HostRecordCalls.h"

namespace {

// One binding slot per host function, named as the function.
enum class HostFunction {
#define NK_HOST_FUNCTION(result, name, failure, parameters, hostParameters, hostArguments) name,
#include "platform/HostFunctionList.h"
    Count
};

constexpr size_t kHostFunctionCount = static_cast<size_t>(HostFunction::Count);

const char* const kExportNames[kHostFunctionCount] = {
#define NK_HOST_FUNCTION(result, name, failure, parameters, hostParameters, hostArguments) #name,
#include "platform/HostFunctionList.h"
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

// The host's function as a pointer of the host's exact signature, or null when it is missing.
template <typename HostPointer> HostPointer Bound(HostFunction function) {
    Binding& binding = bridge.bindings[static_cast<size_t>(function)];
    if (!binding.lookedUp) {
        binding.lookedUp = true;
        // Without a host module there is nothing to search: a null module handle would make
        // Windows search the running executable instead.
        HMODULE module = HostModule();
        binding.proc =
            module ? GetProcAddress(module, kExportNames[static_cast<size_t>(function)]) : nullptr;
    }
    // The detour through a generic function pointer type keeps the cast warning-free.
    return reinterpret_cast<HostPointer>(reinterpret_cast<void (*)()>(binding.proc));
}

// Every start counts as an open edit, even one the host did not take or could not be found
// for, so that the matching end or cancel always reaches the host. An end or a cancel with no
// edit open goes no further.
bool PassesEditCount(HostFunction function) {
    if (function == HostFunction::NX_StartVarluneEdit ||
        function == HostFunction::NX_StartVarluneEdit_UTF16) {
        ++bridge.editNesting;
        return true;
    }
    if (bridge.editNesting <= 0)
        return false;
    --bridge.editNesting;
    return true;
}

// An end the host refuses leaves its edit open: the edit still counts, so that the cancel
// that follows reaches the host.
template <typename Answer, typename Call> Answer CountingRefusedEnd(HostFunction function, Call call) {
    if constexpr (std::is_void_v<Answer>) {
        call();
    } else {
        const Answer answer = call();
        if (function == HostFunction::NX_EndVarluneEdit && answer == 0)
            ++bridge.editNesting;
        return answer;
    }
}

// What an end or a cancel answers when no edit is open: there is nothing left to end.
template <typename Result> Result NoEditOpen() {
    if constexpr (!std::is_void_v<Result>)
        return 1;
}

// The values the host receives in positions the caller has no say over.
void* const kNoPointer = nullptr;
constexpr uint32_t kZero = 0;
constexpr int32_t kNoOptions = 0;

} // namespace

// Calls the host function with the host's own signature, or answers its failure value when the
// host or the function is missing. The host's result converts to the caller's on return, so a
// 16-bit one is widened with its sign.
#define NK_CALL_HOST(result, name, failure, hostParameters, hostArguments)                         \
    using HostPointer = result(WINAPI*) hostParameters;                                            \
    if (HostPointer host = Bound<HostPointer>(HostFunction::name))                                 \
        return host hostArguments;                                                                 \
    return failure;

#define NK_HOST_FUNCTION(result, name, failure, parameters, hostParameters, hostArguments)         \
    BridgeResult<result> name parameters {                                                         \
        NK_CALL_HOST(result, name, failure, hostParameters, hostArguments)                         \
    }
// The plug-in's own NX_LoadEData and NX_SaveEData put the record type translation in front.
#define NK_HOST_TRANSLATED_FUNCTION(result, name, failure, parameters, hostParameters,             \
                                    hostArguments)                                                 \
    namespace untranslated {                                                                       \
    NK_HOST_FUNCTION(result, name, failure, parameters, hostParameters, hostArguments)             \
    }
#define NK_HOST_EDIT_FUNCTION(result, name, failure, parameters, hostParameters, hostArguments)    \
    BridgeResult<result> name parameters {                                                         \
        if (!PassesEditCount(HostFunction::name))                                                  \
            return NoEditOpen<BridgeResult<result>>();                                             \
        return CountingRefusedEnd<BridgeResult<result>>(HostFunction::name, [&] {                  \
            NK_CALL_HOST(result, name, failure, hostParameters, hostArguments)                     \
        });                                                                                        \
    }
#include "platform/HostFunctionList.h"
#undef NK_CALL_HOST

int32_t HostEditNesting() {
    return bridge.editNesting;
}

void ResetHostBridgeForTests() {
    bridge = BridgeState();
}
