// How every exported host function answers: it is logged with the current host, an injected
// failure or a scripted result takes precedence, and only then does the host do its work.
#pragma once

#include <cstdint>
#include <type_traits>

#include "simhost/hostfunctions/SimHost.h"

template <typename T> int64_t Logged(T value) {
    if constexpr (std::is_pointer_v<T>)
        return static_cast<int64_t>(reinterpret_cast<intptr_t>(value));
    else
        return static_cast<int64_t>(value);
}

// Logs the call with the current host and gives its answer: 0 for an injected failure, a
// scripted result if a test asked for one, else what the behaviour does with the host.
// Without a host, every call fails.
template <typename Behaviour, typename... Args>
int32_t Serve(const char* function, Behaviour behaviour, Args... args) {
    SimHost* host = SimHost::Current();
    if (!host)
        return 0;
    host->Log().Record(HostCall{function, {Logged(args)...}});
    if (host->ConsumeInjectedFailure(function))
        return 0;
    if (auto scripted = host->ScriptedResult(function))
        return *scripted;
    return behaviour(*host);
}

// A call whose answer does not depend on the host's state.
template <typename... Args> int32_t Answer(const char* function, int32_t result, Args... args) {
    return Serve(
        function, [result](SimHost&) { return result; }, args...);
}
