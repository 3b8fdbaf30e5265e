// A host with a score, on which a test runs staff set operations the way the panel does:
// select staves, build a handler, run it through an undo block.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/core/NKString.h"
#include "framework/core/NKUndoBlock.h"
#include "framework/data/NKMusicRegion.h"
#include "framework/ui/NKUI.h"
#include "shell/EntryPoints.h"
#include "simhost/documents/RecordBuilders.h"
#include "simhost/documents/RecordFields.h"
#include "simhost/documents/RecordTag.h"
#include "simhost/documents/SampleScore.h"
#include "simhost/documents/StaffLists.h"
#include "simhost/documents/UtfConversion.h"
#include "staffsetpanel/NKStaffSetPanelHandler.h"
#include "tests/support/FreshModule.h"

struct Operation {
    int32_t kind;
    int32_t set;
    std::string name;      // UTF-8
    int16_t firstSlot = 0; // selection in the main list; 0 for none
    int16_t lastSlot = 0;
};

class StaffSetSession {
public:
    // The sample score, or an empty document when sample is false.
    explicit StaffSetSession(uint32_t version = 0x12050000, bool sample = true)
        : host(version), document(sample ? AddSampleScore(host) : host.AddDocument("empty")),
          version(version) {
        FreshModule::Reset();
        VarluneExtensionVersion(version);
    }
    ~StaffSetSession() { FreshModule::Reset(); }

    bool Run(const Operation& operation) {
        if (operation.firstSlot > 0)
            document.SelectSlots(operation.firstSlot, operation.lastSlot);
        else
            document.ClearSelection();
        NKMusicRegion region;
        region.ReadRecord(document.SelectionRecord().data());
        NKString name;
        std::u16string units = Utf8ToUtf16(operation.name);
        name.AssignWide(units.c_str());
        NKStaffSetPanelHandler handler(&name, operation.set, &ui, &region);
        handler.kind = operation.kind;
        NKUndoBlock block;
        const NKString undoText("Staff Set Panel");
        return block.Run(&handler, &undoText);
    }

    // The host keeps staff set n as the score's staff list n - 37.
    std::vector<ListEntry> List(int32_t set) const {
        return ReadStaffList(*document.FindPartRecords(0), static_cast<int16_t>(set - 37));
    }
    void SetList(int32_t set, const std::vector<ListEntry>& list) {
        WriteStaffList(document.PartRecords(0), static_cast<int16_t>(set - 37), list);
    }
    // Descriptions of every definition filed in the data category, in item order.
    std::vector<std::string> NameRecords() const {
        std::vector<std::string> descriptions;
        for (const RecordAddress& at : document.Records().AddressesOf(SimTag("SODT"))) {
            const Bytes& record = *document.Records().Find(at);
            if ((ReadLittleEndian16(record, 26) & 0x3FFF) == kSampleDataCategory)
                descriptions.push_back(ExpressionDescription(version, record));
        }
        return descriptions;
    }

    SimHost host;
    SimDocument& document;
    uint32_t version;
    NKUI ui{nullptr};
};
