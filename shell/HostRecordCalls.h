// The host's own record load and save, before any translation: the same calls as
// NX_LoadEData and NX_SaveEData, without the record type translation in front. Only the
// translation calls them; everything else goes through NX_LoadEData and NX_SaveEData.
#pragma once

#include "shell/HostBridge.h"

namespace untranslated {
#define NK_HOST_FUNCTION(result, name, failure, parameters, hostParameters, hostArguments)
#define NK_HOST_TRANSLATED_FUNCTION(result, name, failure, parameters, hostParameters,             \
                                    hostArguments)                                                 \
    BridgeResult<result> name parameters;
#include "platform/HostFunctionList.h"
} // namespace untranslated
