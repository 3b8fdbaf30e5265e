#include "simhost/documents/RecordFormats.h"

#include "simhost/documents/HostVersions.h"
#include "simhost/documents/RecordTag.h"

std::optional<uint32_t> ExpectedRecordVersion(uint32_t tag, uint32_t hostVersion) {
    if (tag == SimTag("SOIS"))
        return hostVersion >= kSimHost12    ? 0x12000000
               : IsUnicodeHost(hostVersion) ? 0x11000000
                                            : 0x0F000000;
    if (tag == SimTag("SOMC"))
        return IsUnicodeHost(hostVersion) ? 0x11000000 : 0x0F000000;
    if (tag == SimTag("SODT"))
        return IsUnicodeHost(hostVersion) ? kSimApiVersion : 0x0F000000;
    if ((tag >> 16) == 0x7478) // 'tx..' raw text: the host's own version
        return hostVersion;
    if (tag == SimTag("SOIu") || tag == SimTag("dtLP") || tag == SimTag("SOTX") ||
        tag == SimTag("otDe") || tag == SimTag("otpD"))
        return kSimApiVersion;
    return std::nullopt;
}

std::optional<size_t> ExpectedRecordSize(uint32_t tag, uint32_t hostVersion) {
    if (tag == SimTag("SOIS"))
        return StaffRecordSize(hostVersion);
    if (tag == SimTag("SOMC"))
        return CategoryRecordSize(hostVersion);
    if (tag == SimTag("SOIu"))
        return kStaffListEntrySize;
    if (tag == SimTag("dtLP"))
        return kStaffPercentSize;
    if (tag == SimTag("SOTX"))
        return kTextBlockSize;
    if (tag == SimTag("otDe") || tag == SimTag("otpD") || (tag >> 16) == 0x6F74) // 'ot..'
        return kOtRecordSize;
    return std::nullopt;
}

size_t StaffRecordSize(uint32_t hostVersion) {
    return hostVersion >= kSimHost12 ? 136 : IsUnicodeHost(hostVersion) ? 132 : 114;
}

size_t CategoryRecordSize(uint32_t hostVersion) {
    return IsUnicodeHost(hostVersion) ? 296 : 104;
}
