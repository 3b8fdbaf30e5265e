#include "shell/EntryPoints.h"

#include <cstring>

#include "framework/core/LittleEndian.h"
#include "shell/HostVersion.h"
#include "shell/PanelInvocation.h"

namespace {

const char kMenuText[] = "QM Staff Set Panel...";
const char kDescription[] = "Name and view staff sets for the score.";
const char kShortName[] = "Staff Set Panel";

// The version the plug-in reports back; what the host makes of it is the host's affair.
constexpr uint32_t kPluginInterfaceVersion = 0x0F000000;

// 8-bit record: three 64-byte fields, each zero-filled after its text, then an integer 0.
constexpr size_t kNarrowField = 64;

void PutNarrowField(unsigned char* record, size_t offset, const char* text) {
    size_t length = std::strlen(text);
    if (length > kNarrowField)
        length = kNarrowField;
    std::memcpy(record + offset, text, length);
    std::memset(record + offset + length, 0, kNarrowField - length);
}

// UTF-16 record: three 128-unit fields. Each byte of the text becomes the unit of the same
// value; at most 63 units are copied and a zero unit follows. The host owns the rest.
constexpr size_t kWideFieldBytes = 256;
constexpr size_t kWideTextLimit = 63;

void PutWideField(unsigned char* record, size_t offset, const char* text) {
    size_t units = 0;
    for (; units < kWideTextLimit && text[units] != '\0'; ++units)
        WriteLE16(record, offset + 2 * units, static_cast<unsigned char>(text[units]));
    WriteLE16(record, offset + 2 * units, 0);
}

} // namespace

extern "C" {

uint32_t WINAPI VarluneExtensionVersion(uint32_t hostVersion) {
    SetHostVersion(hostVersion);
    return kPluginInterfaceVersion;
}

int32_t WINAPI VarluneExtensionInit(int32_t, uint32_t* flags) {
    if (flags)
        *flags |= 1u;
    return 1;
}

int32_t WINAPI VarluneExtensionEnumerate(int32_t, int32_t index, void* record) {
    if (static_cast<int16_t>(index) >= 1 || !record)
        return 0;
    auto* bytes = static_cast<unsigned char*>(record);
    PutNarrowField(bytes, 0, kMenuText);
    PutNarrowField(bytes, kNarrowField, kDescription);
    PutNarrowField(bytes, 2 * kNarrowField, kShortName);
    WriteLE32(bytes, 3 * kNarrowField, 0);
    return 1;
}

int32_t WINAPI VarluneExtensionEnumerate_UTF16(int32_t, int32_t index, void* record) {
    if (index != 0 || !record)
        return 0;
    auto* bytes = static_cast<unsigned char*>(record);
    PutWideField(bytes, 0, kMenuText);
    PutWideField(bytes, kWideFieldBytes, kDescription);
    PutWideField(bytes, 2 * kWideFieldBytes, kShortName);
    WriteLE32(bytes, 3 * kWideFieldBytes, 0);
    return 1;
}

int32_t WINAPI VarluneExtensionInvoke(HWND hostWindow, int32_t, int32_t, int32_t) {
    return InvokePanel(hostWindow);
}

void WINAPI VarluneExtensionTerminate(int32_t) {
    TerminatePanel();
}

int32_t WINAPI VarluneExtensionGetMenuStatus(int32_t) {
    return 1;
}
}
