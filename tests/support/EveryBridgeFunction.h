// One call of every bridge function, in the order of the host function list, with sample
// arguments: each integer its own value, each buffer its own zero-filled block large enough
// for any host function, each window handle a made-up one. The list keeps the edit starts
// before the end and the cancel, so each of them reaches the binding.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "shell/HostBridge.h"

struct BridgeCall {
    std::string function;
    std::function<int64_t()> call;  // the bridge's answer, widened; 0 for functions without one
    int64_t missing;                // the answer when the host function cannot be found
    std::vector<int64_t> arguments; // the arguments passed, pointers by address
};

class EveryBridgeFunction {
public:
    std::vector<BridgeCall> Calls() {
        std::vector<BridgeCall> calls;
#define NK_HOST_FUNCTION(result, name, failure, parameters, hostParameters, hostArguments)         \
    calls.push_back(Call(#name, name));
#include "platform/HostFunctionList.h"
        return calls;
    }

private:
    static INT_PTR WINAPI SampleCallback(HWND, UINT, WPARAM, LPARAM, void*) {
        return 0;
    }

    template <typename Value> static int64_t Logged(Value value) {
        if constexpr (std::is_pointer_v<Value>)
            return static_cast<int64_t>(reinterpret_cast<intptr_t>(value));
        else
            return static_cast<int64_t>(value);
    }

    template <typename Parameter> Parameter Sample() {
        if constexpr (std::is_same_v<Parameter, HostDialogCallback>) {
            return &SampleCallback;
        } else if constexpr (std::is_same_v<Parameter, HWND>) {
            return reinterpret_cast<HWND>(uintptr_t{0x5150});
        } else if constexpr (std::is_pointer_v<Parameter>) {
            buffers_.emplace_back(kBufferBytes, static_cast<unsigned char>(0));
            return reinterpret_cast<Parameter>(buffers_.back().data());
        } else {
            return static_cast<Parameter>(++lastNumber_);
        }
    }

    template <typename Result, typename... Parameters>
    BridgeCall Call(const char* function, Result (*bridge)(Parameters...)) {
        // A braced list makes the samples in parameter order.
        auto arguments = std::make_shared<std::tuple<Parameters...>>(
            std::tuple<Parameters...>{Sample<Parameters>()...});
        std::vector<int64_t> logged = std::apply(
            [](auto... values) { return std::vector<int64_t>{Logged(values)...}; }, *arguments);
        auto call = [bridge, arguments]() -> int64_t {
            if constexpr (std::is_void_v<Result>) {
                std::apply(bridge, *arguments);
                return 0;
            } else {
                return Logged(std::apply(bridge, *arguments));
            }
        };
        // Part 0 is the score, so a missing host cannot answer 0 for the current part.
        const int64_t missing = std::string(function) == "NX_GetCurrentPartID" ? -1 : 0;
        return {function, call, missing, logged};
    }

    // The largest buffer a host function may write: kDlgStringCapacity UTF-16 units.
    static constexpr size_t kBufferBytes = kDlgStringCapacity * sizeof(char16_t);
    std::deque<std::vector<unsigned char>> buffers_;
    int64_t lastNumber_ = 100;
};
