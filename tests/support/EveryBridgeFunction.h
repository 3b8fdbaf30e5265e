// One call of every bridge function with the value it must answer when its host function
// cannot be found. Ends and cancels follow a start, so that each of them reaches the binding.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "shell/HostBridge.h"

struct BridgeCall {
    const char* function;
    std::function<int64_t()> call; // the bridge's answer, widened; 0 for functions without one
    int64_t missing;
};

class EveryBridgeFunction {
public:
    std::vector<BridgeCall> Calls() {
        HWND dialog = reinterpret_cast<HWND>(uintptr_t{9});
        auto none = [](std::function<void()> f) {
            return [f] {
                f();
                return int64_t{0};
            };
        };
        return {
            {"NX_LoadEData", [this] { return NX_LoadEData(1, key, buffer, &size, 0); }, 0},
            {"NX_SaveEData", [this] { return NX_SaveEData(1, key, buffer, 12, 0); }, 0},
            {"NX_CreateEData", [this] { return NX_CreateEData(1, key, buffer, 12, 0); }, 0},
            {"NX_DeleteEData", [this] { return NX_DeleteEData(1, key, 0); }, 0},
            {"NX_NextEData", [this] { return NX_NextEData(1, key, 0); }, 0},
            {"NX_Dialog", [] { return NX_Dialog(20128, nullptr, nullptr, nullptr); }, 0},
            {"NX_EndDialog", none([=] { NX_EndDialog(dialog); }), 0},
            {"NX_EnableDlgItem", [=] { return NX_EnableDlgItem(dialog, 1, 1); }, 0},
            {"NX_GetDlgItemVal", [=] { return NX_GetDlgItemVal(dialog, 1, 0); }, 0},
            {"NX_SetDlgItemVal", [=] { return NX_SetDlgItemVal(dialog, 1, 0, 5); }, 0},
            {"NX_GetDlgString", [=] { return NX_GetDlgString(dialog, 1, narrow); }, 0},
            {"NX_GetDlgString_UTF16", [=] { return NX_GetDlgString_UTF16(dialog, 1, wide); }, 0},
            {"NX_SetDlgString", [=] { return NX_SetDlgString(dialog, 1, "x"); }, 0},
            {"NX_SetDlgString_UTF16", [=] { return NX_SetDlgString_UTF16(dialog, 1, u"x"); }, 0},
            {"NX_SlotToInst", [] { return NX_SlotToInst(1, 0); }, 0},
            {"NX_InstToSlot", [] { return NX_InstToSlot(1, 0); }, 0},
            {"NX_GetCurERegions", [this] { return NX_GetCurERegions(buffer, buffer, buffer); }, 0},
            {"NX_RedrawMusic", none([this] { NX_RedrawMusic(buffer); }), 0},
            {"NX_GetCurrentTavrinDocument", [] { return NX_GetCurrentTavrinDocument(); }, 0},
            {"NX_GetVarlunePath", [this] { return NX_GetVarlunePath(15, buffer); }, 0},
            {"NX_ExecuteMenuItem", [] { return NX_ExecuteMenuItem(10611); }, 0},
            {"NX_GetCurrentWindow",
             [] { return static_cast<int64_t>(reinterpret_cast<intptr_t>(NX_GetCurrentWindow())); },
             0},
            {"NX_GetCurrentPartID", [] { return NX_GetCurrentPartID(); }, -1},
            {"NX_SetCurrentPartID", none([] { NX_SetCurrentPartID(0); }), 0},
            {"NX_AutoNumberedName_UTF16", [this] { return NX_AutoNumberedName_UTF16(1, 1, wide); },
             0},
            {"NX_StartVarluneEdit", [] { return NX_StartVarluneEdit("Staff Set Panel"); }, 0},
            {"NX_EndVarluneEdit", [] { return NX_EndVarluneEdit(); }, 0},
            {"NX_StartVarluneEdit_UTF16",
             [] { return NX_StartVarluneEdit_UTF16(u"Staff Set Panel"); }, 0},
            {"NX_CancelVarluneEdit", none([] { NX_CancelVarluneEdit(); }), 0},
        };
    }

private:
    unsigned char key[8] = {};
    unsigned char buffer[520] = {};
    uint32_t size = 12;
    char narrow[kDlgStringCapacity] = {};
    char16_t wide[kDlgStringCapacity] = {};
};
