// The plug-in's bridge to the host: the functions the host executable exports under NX_ names,
// as the plug-in calls them. Each function, with what it returns, its failure value, its
// buffers and who owns them, is documented at its entry in platform/HostFunctionList.h, which
// declares them here; what holds for every one of them is said at the top of that list and
// below.
//
// - Binding. The plug-in does not link against the host. Each function is looked up by its
//   exact name the first time it is called, in the host executable already loaded into the
//   process ("VARLUNE.EXE", else "KESTRIN.EXE"), and the result is kept for the module's
//   whole life: a lookup is never repeated, nothing is loaded, and nothing resets a binding.
// - Missing host. When the host or the function is missing, the bridge calls nothing and
//   returns the function's failure value.
// - Fixed arguments. The bridge adds the values the host expects in positions the caller has
//   no say over: kApiVersion last, and the capacities and zeros the list notes.
#pragma once

#include <cstdint>
#include <type_traits>

#include "platform/win32.h"

// The interface version: the last argument of every host call except the record calls, which
// take the record's own format version there.
constexpr uint32_t kApiVersion = 0x12050000;

// Capacities the bridge announces to the host for the caller's text buffers, in units.
constexpr int32_t kDlgStringCapacity = 5000;
constexpr int32_t kAutoNumberedNameCapacity = 1000;
// The size in bytes of the buffer NX_GetVarlunePath writes the preference folder into.
constexpr uint32_t kHostPathBufferSize = 520;

// The result type the plug-in sees for a host result type.
template <typename HostResult>
using BridgeResult = std::conditional_t<std::is_same_v<HostResult, int16_t>, int32_t, HostResult>;

#define NK_HOST_FUNCTION(result, name, failure, parameters, hostParameters, hostArguments)         \
    BridgeResult<result> name parameters;
#include "platform/HostFunctionList.h"

// Number of edits started through the bridge and not yet ended or cancelled.
int32_t HostEditNesting();

// Forgets every binding and the edit count, as in a freshly loaded module. For tests only.
void ResetHostBridgeForTests();
