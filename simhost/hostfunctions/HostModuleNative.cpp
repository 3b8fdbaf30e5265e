#include <algorithm>

#include "platform/substitute/ModuleRegistry.h"
#include "simhost/hostfunctions/HostModule.h"

namespace {
const char* const kVarlune = "VARLUNE.EXE";
const char* const kKestrin = "KESTRIN.EXE";
} // namespace

bool PresentHostModule(HostExecutable executable, const std::vector<std::string>& leftOut) {
    WithdrawHostModule();
    if (executable == HostExecutable::None)
        return true;
    std::vector<substitute::Export> exports;
    for (const HostExport& entry : HostExportTable())
        if (std::find(leftOut.begin(), leftOut.end(), entry.name) == leftOut.end())
            exports.push_back({entry.name, entry.proc});
    substitute::RegisterModule(executable == HostExecutable::Varlune ? kVarlune : kKestrin,
                               std::move(exports));
    return true;
}

void WithdrawHostModule() {
    substitute::UnregisterModule(kVarlune);
    substitute::UnregisterModule(kKestrin);
}
