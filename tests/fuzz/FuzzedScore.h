// A score built from fuzz input in the simulated host, and the panel opened on it. The score
// starts from the host's own record layouts (staves, names, the score's staff list, the eight
// sets' lists, categories, expression definitions with set names) with every count, number
// and text taken from the input, so that staves are missing or repeated, lists name staves
// that do not exist, and names are long or odd; then some records are cut short, lengthened
// or overwritten with arbitrary bytes, as a damaged document would hold them.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "shell/EntryPoints.h"
#include "shell/HostBridge.h"
#include "shell/HostVersion.h"
#include "shell/PanelInvocation.h"
#include "simhost/desktop/HostDesktop.h"
#include "simhost/desktop/PreferenceFolder.h"
#include "simhost/documents/HostText.h"
#include "simhost/documents/RecordBuilders.h"
#include "simhost/documents/RecordTag.h"
#include "simhost/documents/StaffLists.h"
#include "simhost/hostfunctions/SimHost.h"
#include "staffsetpanel/NKStaffSetPanelWindow.h"

namespace fuzzed {

inline void Check(bool condition) {
    if (!condition)
        std::abort();
}

// The host versions whose text and record layouts differ.
constexpr uint32_t kHostVersions[] = {0x0F000000, 0x10FFFFFF, 0x11000000, 0x12050000};

constexpr uint16_t kDataCategory = 5;

inline uint16_t TextType(char high, char low) {
    return static_cast<uint16_t>((static_cast<unsigned char>(high) << 8) |
                                 static_cast<unsigned char>(low));
}

// Printable text, so that it fits an 8-bit host's code page.
inline std::string Text(FuzzedDataProvider& input, size_t longest) {
    std::string text = input.ConsumeRandomLengthString(longest);
    for (char& c : text)
        c = static_cast<char>(' ' + static_cast<unsigned char>(c) % 95);
    return text;
}

// A set name record's description, or any other text.
inline std::string Description(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        return Text(input, 40);
    case 1:
        return "";
    default:
        return "QM Staff Set Panel " + std::to_string(input.ConsumeIntegralInRange<int>(-1, 10)) +
               (input.ConsumeBool() ? ":" : "") + Text(input, 300);
    }
}

inline std::vector<ListEntry> List(FuzzedDataProvider& input, int staves, size_t longest) {
    std::vector<ListEntry> list;
    const auto count = input.ConsumeIntegralInRange<size_t>(0, longest);
    for (size_t i = 0; i < count && input.remaining_bytes() > 0; ++i) {
        const auto staff = input.ConsumeBool()
                               ? input.ConsumeIntegralInRange<uint16_t>(0, staves + 1)
                               : input.ConsumeIntegral<uint16_t>();
        list.push_back({staff, -288 * static_cast<int32_t>(i)});
    }
    return list;
}

// Damages a few records of the tags: shorter, longer or other bytes.
inline void Damage(FuzzedDataProvider& input, RecordStore& records,
                   const std::vector<uint32_t>& tags) {
    const auto count = input.ConsumeIntegralInRange<int>(0, 6);
    for (int i = 0; i < count && input.remaining_bytes() > 0; ++i) {
        const uint32_t tag = tags[input.ConsumeIntegralInRange<size_t>(0, tags.size() - 1)];
        const std::vector<RecordAddress> addresses = records.AddressesOf(tag);
        if (addresses.empty())
            continue;
        const RecordAddress at =
            addresses[input.ConsumeIntegralInRange<size_t>(0, addresses.size() - 1)];
        Bytes bytes = *records.Find(at);
        switch (input.ConsumeIntegralInRange<int>(0, 2)) {
        case 0:
            bytes.resize(input.ConsumeIntegralInRange<size_t>(0, bytes.size()));
            break;
        case 1: {
            const Bytes tail =
                input.ConsumeBytes<unsigned char>(input.ConsumeIntegralInRange<size_t>(1, 64));
            bytes.insert(bytes.end(), tail.begin(), tail.end());
            break;
        }
        default: {
            const auto offset = input.ConsumeIntegralInRange<size_t>(0, bytes.size());
            const Bytes patch = input.ConsumeBytes<unsigned char>(8);
            for (size_t k = 0; k < patch.size() && offset + k < bytes.size(); ++k)
                bytes[offset + k] = patch[k];
            break;
        }
        }
        records.Put(at, bytes);
    }
}

// Up to 40 staves, some with a name; answers how many.
inline int AddStaves(FuzzedDataProvider& input, uint32_t version, RecordStore& records) {
    const auto staves = input.ConsumeIntegralInRange<int>(0, 40);
    for (int n = 1; n <= staves; ++n) {
        const auto number = static_cast<int16_t>(n);
        if (input.ConsumeBool()) {
            records.Put({SimTag("txbl"), number, 0}, EncodeHostText(version, Text(input, 30)));
            records.Put({SimTag("SOTX"), number, 0},
                        TextBlockRecord(static_cast<uint16_t>(n), TextType('b', 'l')));
        }
        records.Put({SimTag("SOIS"), number, 0},
                    StaffRecord(version, input.ConsumeBool() ? static_cast<uint16_t>(n)
                                                             : input.ConsumeIntegral<uint16_t>()));
    }
    return staves;
}

// The score's order and the sets' lists, mostly in the score itself (part 0); answers how
// many parts hold lists.
inline int16_t AddLists(FuzzedDataProvider& input, SimDocument& document, int staves) {
    const int16_t parts = input.ConsumeBool() ? 1 : 3;
    for (int16_t part = 0; part < parts; ++part) {
        RecordStore& lists = document.PartRecords(part);
        WriteStaffList(lists, 0, List(input, staves, 48));
        for (int set = 1; set <= 8; ++set) {
            if (input.ConsumeBool())
                WriteStaffList(lists, static_cast<int16_t>(set - 37), List(input, staves, 12));
            if (input.ConsumeIntegralInRange<int>(0, 7) == 0)
                lists.Put({SimTag("dtLP"), static_cast<int16_t>(set - 37),
                           input.ConsumeIntegralInRange<int16_t>(0, 40)},
                          StaffPercentRecord(input.ConsumeIntegral<int16_t>()));
        }
    }
    return parts;
}

// Categories, the data category among them or not, and text expression definitions in them.
inline void AddDefinitions(FuzzedDataProvider& input, uint32_t version, RecordStore& records) {
    const auto categories = input.ConsumeIntegralInRange<int>(0, 4);
    for (int c = 0; c < categories; ++c) {
        const uint16_t id =
            input.ConsumeBool() ? kDataCategory : input.ConsumeIntegralInRange<uint16_t>(0, 9);
        const std::string name = input.ConsumeBool() ? "QM Plug-in Data" : Text(input, 40);
        records.Put({SimTag("SOMC"), static_cast<int16_t>(id), 0},
                    CategoryRecord(version, id, name));
    }
    const auto definitions = input.ConsumeIntegralInRange<int>(0, 24);
    for (int d = 1; d <= definitions; ++d) {
        const auto item = static_cast<int16_t>(d);
        const auto block = static_cast<int16_t>(1000 + d);
        records.Put({SimTag("txxp"), block, 0}, EncodeHostText(version, Text(input, 20)));
        records.Put({SimTag("SOTX"), block, 0},
                    TextBlockRecord(static_cast<uint16_t>(block), TextType('x', 'p')));
        const uint16_t category =
            input.ConsumeBool() ? kDataCategory : input.ConsumeIntegralInRange<uint16_t>(0, 9);
        records.Put({SimTag("SODT"), item, 0},
                    ExpressionDefRecord(version, static_cast<uint16_t>(block), category,
                                        Description(input), input.ConsumeIntegral<uint16_t>()));
    }
}

// Builds the score as the current document of the host.
inline SimDocument& AddScore(SimHost& host, FuzzedDataProvider& input) {
    const uint32_t version = host.Version();
    SimDocument& document = host.AddDocument("Fuzzed score");
    RecordStore& records = document.Records();
    const int staves = AddStaves(input, version, records);
    const int16_t parts = AddLists(input, document, staves);
    AddDefinitions(input, version, records);
    Damage(input, records,
           {SimTag("SOIS"), SimTag("SOTX"), SimTag("txbl"), SimTag("txxp"), SimTag("SOMC"),
            SimTag("SODT")});
    for (int16_t part = 0; part < parts; ++part)
        Damage(input, document.PartRecords(part), {SimTag("SOIu"), SimTag("dtLP")});
    if (parts > 1 && input.ConsumeBool())
        document.SetCurrentPart(input.ConsumeIntegralInRange<int16_t>(0, parts - 1));
    if (input.ConsumeBool())
        document.SelectSlots(input.ConsumeIntegralInRange<int16_t>(-1, staves + 1),
                             input.ConsumeIntegralInRange<int16_t>(-1, staves + 1));
    return document;
}

// The plug-in module, loaded once for its dialog template.
inline HMODULE PluginModule() {
    static const HMODULE module = LoadLibraryA(NK_PLUGIN_MODULE_PATH);
    Check(module != nullptr);
    return module;
}

// One preference folder for the whole run, emptied for each session: the panel's remembered
// position is the session's own, and no folder is made and removed per input.
inline const std::filesystem::path& PreferenceFolder() {
    static const std::filesystem::path folder = MakeTemporaryFolder();
    std::error_code ignored;
    for (const auto& file : std::filesystem::directory_iterator(folder, ignored))
        std::filesystem::remove(file.path(), ignored);
    return folder;
}

inline void ResetModule() {
    ResetHostBridgeForTests();
    ResetHostVersionForTests();
}

// A host of a version the input chooses, its desktop, a fuzzed score and the panel opened
// on it as the menu command opens it. The panel is terminated and the module reset when the
// session ends.
class PanelSession {
public:
    explicit PanelSession(FuzzedDataProvider& input)
        : host_((ResetModule(), kHostVersions[input.ConsumeIntegralInRange<size_t>(0, 3)])),
          document_(AddScore(host_, input)) {
        host_.SetPluginModule(PluginModule());
        host_.SetPreferenceFolder(PreferenceFolder());
        host_.SetNumberedNamesFail(input.ConsumeBool());
        VarluneExtensionVersion(host_.Version());
        InvokePanel(desktop_.MainWindow());
        desktop_.PumpMessages();
    }
    ~PanelSession() {
        TerminatePanel();
        ResetModule();
    }
    PanelSession(const PanelSession&) = delete;
    PanelSession& operator=(const PanelSession&) = delete;

    SimHost& Host() { return host_; }
    HostDesktop& Desktop() { return desktop_; }
    SimDocument& Document() { return document_; }
    // The panel while its dialog is open, else null.
    NKStaffSetPanelWindow* OpenPanel() {
        NKStaffSetPanelWindow* panel = Panel();
        return panel != nullptr && panel->dialogHandle != nullptr ? panel : nullptr;
    }
    // Opens the panel again after it was closed.
    void Reopen() {
        InvokePanel(desktop_.MainWindow());
        desktop_.PumpMessages();
    }

private:
    SimHost host_;
    HostDesktop desktop_;
    SimDocument& document_;
};

} // namespace fuzzed
