#include "simhost/hostfunctions/HostFunctions.h"
#include "simhost/hostfunctions/HostModule.h"

namespace {
template <typename Function> FARPROC Proc(Function function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}
} // namespace

const std::vector<HostExport>& HostExportTable() {
    static const std::vector<HostExport> table = {
        {"NX_LoadEData", Proc(&Host_NX_LoadEData)},
        {"NX_SaveEData", Proc(&Host_NX_SaveEData)},
        {"NX_CreateEData", Proc(&Host_NX_CreateEData)},
        {"NX_DeleteEData", Proc(&Host_NX_DeleteEData)},
        {"NX_NextEData", Proc(&Host_NX_NextEData)},
        {"NX_Dialog", Proc(&Host_NX_Dialog)},
        {"NX_EndDialog", Proc(&Host_NX_EndDialog)},
        {"NX_EnableDlgItem", Proc(&Host_NX_EnableDlgItem)},
        {"NX_GetDlgItemVal", Proc(&Host_NX_GetDlgItemVal)},
        {"NX_SetDlgItemVal", Proc(&Host_NX_SetDlgItemVal)},
        {"NX_GetDlgString", Proc(&Host_NX_GetDlgString)},
        {"NX_GetDlgString_UTF16", Proc(&Host_NX_GetDlgString_UTF16)},
        {"NX_SetDlgString", Proc(&Host_NX_SetDlgString)},
        {"NX_SetDlgString_UTF16", Proc(&Host_NX_SetDlgString_UTF16)},
        {"NX_SlotToInst", Proc(&Host_NX_SlotToInst)},
        {"NX_InstToSlot", Proc(&Host_NX_InstToSlot)},
        {"NX_GetCurERegions", Proc(&Host_NX_GetCurERegions)},
        {"NX_RedrawMusic", Proc(&Host_NX_RedrawMusic)},
        {"NX_GetCurrentTavrinDocument", Proc(&Host_NX_GetCurrentTavrinDocument)},
        {"NX_GetVarlunePath", Proc(&Host_NX_GetVarlunePath)},
        {"NX_StartVarluneEdit", Proc(&Host_NX_StartVarluneEdit)},
        {"NX_StartVarluneEdit_UTF16", Proc(&Host_NX_StartVarluneEdit_UTF16)},
        {"NX_EndVarluneEdit", Proc(&Host_NX_EndVarluneEdit)},
        {"NX_CancelVarluneEdit", Proc(&Host_NX_CancelVarluneEdit)},
        {"NX_ExecuteMenuItem", Proc(&Host_NX_ExecuteMenuItem)},
        {"NX_GetCurrentWindow", Proc(&Host_NX_GetCurrentWindow)},
        {"NX_GetCurrentPartID", Proc(&Host_NX_GetCurrentPartID)},
        {"NX_SetCurrentPartID", Proc(&Host_NX_SetCurrentPartID)},
        {"NX_AutoNumberedName_UTF16", Proc(&Host_NX_AutoNumberedName_UTF16)},
    };
    return table;
}
