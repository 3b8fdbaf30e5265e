// The host's plug-in interface as the simulated host implements it: Host_NX_LoadEData for
// NX_LoadEData and so on, with the arguments in the order the host receives them. Exported
// under the NX_ names without the Host_ prefix: natively by HostExports, on Windows by the
// .def file the build makes from these symbols.
#pragma once

#define NK_HOST_FUNCTION(result, name, failure, parameters, hostParameters, hostArguments)         \
    extern "C" result WINAPI Host_##name hostParameters;
#include "platform/HostFunctionList.h"

// The dialog callback as the simulated host's dialogs keep it.
typedef HostDialogCallback SimDialogCallback;
