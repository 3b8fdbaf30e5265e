#include "simhost/hostfunctions/Handshake.h"

#include <cstdio>
#include <vector>

#include "simhost/documents/HostText.h"
#include "simhost/documents/RecordFields.h"
#include "simhost/documents/UtfConversion.h"

namespace {

constexpr size_t kNarrowRecordSize = 196;
constexpr size_t kNarrowField = 64;
constexpr size_t kWideRecordSize = 772;
constexpr size_t kWideFieldBytes = 256;

std::string NarrowField(const std::vector<unsigned char>& record, size_t offset) {
    std::string text;
    for (size_t i = 0; i < kNarrowField && record[offset + i] != 0; ++i)
        text += static_cast<char>(record[offset + i]);
    return text;
}

std::string WideField(const std::vector<unsigned char>& record, size_t offset) {
    return Utf16ToUtf8(Utf16FromHostBytes(record.data() + offset, kWideFieldBytes));
}

std::string Hex(uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", value);
    return buffer;
}

void AppendEntry(std::string& out, const char* heading, const MenuEntry& entry) {
    out += "  " + std::string(heading) + " (answer " + std::to_string(entry.result) + "):\n";
    out += "    Menu text:    \"" + entry.menuText + "\"\n";
    out += "    Description:  \"" + entry.description + "\"\n";
    out += "    Short name:   \"" + entry.shortName + "\"\n";
    out += "    Final field:  " + std::to_string(entry.trailer) + "\n";
}

} // namespace

HandshakeReport RunHandshake(PluginModule& plugin, uint32_t hostVersion) {
    HandshakeReport report;
    report.hostVersion = hostVersion;
    report.answeredVersion = plugin.Version(hostVersion);
    report.initResult = plugin.Init(&report.initFlags);

    std::vector<unsigned char> narrow(kNarrowRecordSize, 0);
    report.narrowEntry.result = plugin.Enumerate(0, narrow.data());
    report.narrowEntry.menuText = NarrowField(narrow, 0);
    report.narrowEntry.description = NarrowField(narrow, kNarrowField);
    report.narrowEntry.shortName = NarrowField(narrow, 2 * kNarrowField);
    report.narrowEntry.trailer = ReadLittleEndian32(narrow, 3 * kNarrowField);

    std::vector<unsigned char> wide(kWideRecordSize, 0);
    report.wideEntry.result = plugin.EnumerateUtf16(0, wide.data());
    report.wideEntry.menuText = WideField(wide, 0);
    report.wideEntry.description = WideField(wide, kWideFieldBytes);
    report.wideEntry.shortName = WideField(wide, 2 * kWideFieldBytes);
    report.wideEntry.trailer = ReadLittleEndian32(wide, 3 * kWideFieldBytes);

    std::vector<unsigned char> unused(kNarrowRecordSize, 0);
    report.secondEntryResult = plugin.Enumerate(1, unused.data());
    report.menuStatus = plugin.GetMenuStatus();
    return report;
}

std::string FormatHandshake(const HandshakeReport& report, const std::string& pluginPath) {
    std::string out;
    out += "Host version " + Hex(report.hostVersion) + " loads " + pluginPath + "\n";
    out += "  Plug-in answered version " + Hex(report.answeredVersion) + "\n";
    out += "  Init answered " + std::to_string(report.initResult) + ", host flags now " +
           Hex(report.initFlags) + "\n";
    AppendEntry(out, "Menu entry, 8-bit record", report.narrowEntry);
    AppendEntry(out, "Menu entry, UTF-16 record", report.wideEntry);
    out += "  Entry 1 answered " + std::to_string(report.secondEntryResult) +
           (report.secondEntryResult == 0 ? " (one menu command)\n" : "\n");
    out += "  Menu status " + std::to_string(report.menuStatus) +
           (report.menuStatus != 0 ? " (command enabled)\n" : " (command disabled)\n");
    return out;
}
