#include "simhost/SimHost.h"

namespace {
SimHost* currentHost = nullptr;
}

SimHost::SimHost(uint32_t version, HostExecutable executable,
                 const std::vector<std::string>& leftOut)
    : version_(version), previous_(currentHost),
      presented_(PresentHostModule(executable, leftOut)) {
    currentHost = this;
}

SimHost::~SimHost() {
    WithdrawHostModule();
    currentHost = previous_;
}

SimHost* SimHost::Current() { return currentHost; }

void SimHost::ScriptResult(const std::string& function, int32_t result) {
    scriptedResults_[function] = result;
}

std::optional<int32_t> SimHost::ScriptedResult(const std::string& function) const {
    auto it = scriptedResults_.find(function);
    if (it == scriptedResults_.end())
        return std::nullopt;
    return it->second;
}
