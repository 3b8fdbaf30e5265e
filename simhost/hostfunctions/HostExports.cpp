#include "simhost/hostfunctions/HostFunctions.h"
#include "simhost/hostfunctions/HostModule.h"

namespace {
template <typename Function> FARPROC Proc(Function function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}
} // namespace

const std::vector<HostExport>& HostExportTable() {
    static const std::vector<HostExport> table = {
#define NK_HOST_FUNCTION(result, name, failure, parameters, hostParameters, hostArguments)         \
    {#name, Proc(&Host_##name)},
#include "platform/HostFunctionList.h"
    };
    return table;
}
