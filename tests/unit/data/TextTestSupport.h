// A simulated host of a given version with one document, known to the plug-in, for the tests
// of texts, expression definitions and categories.
#pragma once

#include <cstdint>
#include <string>

#include "framework/core/NKString.h"
#include "shell/EntryPoints.h"
#include "simhost/documents/HostText.h"
#include "simhost/documents/HostVersions.h"
#include "simhost/documents/RecordBuilders.h"
#include "simhost/documents/RecordFields.h"
#include "simhost/documents/RecordTag.h"
#include "simhost/documents/UtfConversion.h"
#include "simhost/hostfunctions/SimHost.h"
#include "tests/support/FreshModule.h"

namespace texttest {

constexpr uint32_t kNarrowHost = 0x10FFFFFF;
constexpr uint32_t kFirstWideHost = 0x11000000;
constexpr uint32_t kWideHost = 0x12050000;

constexpr uint32_t kDefinition = SimTag("SODT");
constexpr uint32_t kTextBlock = SimTag("SOTX");
constexpr uint32_t kEnclosure = SimTag("otDe");
constexpr uint32_t kCategory = SimTag("SOMC");
constexpr uint32_t kExpressionText = SimTag("txxp");

struct TextHost {
    FreshModule fresh;
    SimHost host;
    SimDocument& doc;

    explicit TextHost(uint32_t version) : host(version), doc(host.AddDocument("t")) {
        VarluneExtensionVersion(version);
    }

    bool Wide() const { return IsUnicodeHost(host.Version()); }
    RecordStore& Records() { return doc.Records(); }
    const Bytes* Find(uint32_t tag, int16_t item) { return Records().Find({tag, item, 0}); }
    void Put(uint32_t tag, int16_t item, Bytes bytes) {
        Records().Put({tag, item, 0}, std::move(bytes));
    }
    // A definition whose text "text" is reached through text block and raw text number
    // 50 + item.
    void PutDefinition(int16_t item, const std::string& text, const std::string& description,
                       uint16_t flags = 0, uint16_t category = 0) {
        const auto block = static_cast<int16_t>(50 + item);
        Put(kDefinition, item,
            ExpressionDefRecord(host.Version(), static_cast<uint16_t>(block), category, description,
                                flags));
        Put(kTextBlock, block, TextBlockRecord(static_cast<uint16_t>(block), 0x7870));
        Put(kExpressionText, block, EncodeHostText(host.Version(), text));
    }
};

inline std::string Utf8(const NKString& text) {
    return Utf16ToUtf8(text.WideText());
}

inline std::string Utf8(const NKString* text) {
    return text ? Utf8(*text) : "<null>";
}

inline NKString Text(const std::string& utf8) {
    NKString text;
    text.AssignWide(Utf8ToUtf16(utf8).c_str());
    return text;
}

} // namespace texttest
