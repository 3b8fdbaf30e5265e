#include "simhost/hostfunctions/CallLog.h"

#include <algorithm>

std::vector<HostCall> CallLog::CallsOf(const std::string& function) const {
    std::vector<HostCall> result;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(result),
                 [&](const HostCall& call) { return call.function == function; });
    return result;
}

size_t CallLog::CountOf(const std::string& function) const {
    return static_cast<size_t>(
        std::count_if(calls_.begin(), calls_.end(),
                      [&](const HostCall& call) { return call.function == function; }));
}
