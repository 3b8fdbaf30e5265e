// Every host function the plug-in calls, with its arguments, in call order. Pointers are
// logged by address so a test can tell which buffer was passed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct HostCall {
    std::string function;
    std::vector<int64_t> arguments;
};

class CallLog {
public:
    void Record(HostCall call) { calls_.push_back(std::move(call)); }
    void Clear() { calls_.clear(); }
    const std::vector<HostCall>& Calls() const { return calls_; }
    // Calls of one function, in order.
    std::vector<HostCall> CallsOf(const std::string& function) const;
    size_t CountOf(const std::string& function) const;

private:
    std::vector<HostCall> calls_;
};
