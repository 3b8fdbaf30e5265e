#include "simhost/hostfunctions/HostModule.h"

// The running executable is the host module, under whatever name it was started; its
// exports are fixed when it is linked.
bool PresentHostModule(HostExecutable executable, const std::vector<std::string>& leftOut) {
    return executable == HostExecutable::Varlune && leftOut.empty();
}

void WithdrawHostModule() {}
