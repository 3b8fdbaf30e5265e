// A simulated host of a given version with one document, known to the plug-in, and builders
// for the staves and staff lists the data tests put into it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/EntryPoints.h"
#include "simhost/documents/HostText.h"
#include "simhost/documents/RecordBuilders.h"
#include "simhost/documents/RecordFields.h"
#include "simhost/documents/RecordTag.h"
#include "simhost/documents/StaffLists.h"
#include "simhost/hostfunctions/SimHost.h"
#include "tests/support/FreshModule.h"

namespace stafftest {

constexpr uint32_t kOldHost = 0x10FFFFFF;
constexpr uint32_t kHost11 = 0x11000000;
constexpr uint32_t kHost12 = 0x12050000;

constexpr uint16_t kTextTypeBl = 0x626C; // 'bl', the type of staff names

struct HostAt {
    FreshModule fresh;
    SimHost host;
    SimDocument& doc;

    explicit HostAt(uint32_t version) : host(version), doc(host.AddDocument("t")) {
        VarluneExtensionVersion(version);
    }

    RecordStore& Records() { return doc.Records(); }
    RecordStore& Part(int16_t part) { return doc.PartRecords(part); }

    // A staff whose name text block and raw text both have the number 100 + staff.
    void PutStaff(int16_t staff, const std::string& name) {
        auto block = static_cast<int16_t>(100 + staff);
        Records().Put({SimTag("SOIS"), staff, 0},
                      StaffRecord(host.Version(), static_cast<uint16_t>(block)));
        Records().Put({SimTag("SOTX"), block, 0},
                      TextBlockRecord(static_cast<uint16_t>(block), kTextTypeBl));
        Records().Put({0x74780000u | kTextTypeBl, block, 0}, EncodeHostText(host.Version(), name));
    }
};

// The list item number of staff set n.
constexpr int16_t SetList(int n) {
    return static_cast<int16_t>(n - 37);
}

} // namespace stafftest
