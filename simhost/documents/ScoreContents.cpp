#include "simhost/documents/ScoreContents.h"

#include "simhost/documents/HostVersions.h"
#include "simhost/documents/RecordBuilders.h"
#include "simhost/documents/RecordFields.h"
#include "simhost/documents/RecordTag.h"
#include "simhost/documents/StaffLists.h"
#include "simhost/documents/StaffNames.h"

namespace {

constexpr size_t kNameTextBlockOffset = 30;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string StaffText(const SimDocument& document, uint32_t hostVersion, uint16_t staff) {
    const auto item = static_cast<int16_t>(staff);
    const Bytes* record = document.Records().Find({SimTag("SOIS"), item, 0});
    std::optional<std::string> name;
    if (record) {
        const auto block = static_cast<int16_t>(ReadLittleEndian16(*record, kNameTextBlockOffset));
        if (IsUnicodeHost(hostVersion)) {
            name = NumberedStaffName(document, hostVersion, block, item);
        } else if (auto text = TextBlockText(document, hostVersion, block)) {
            name = Replaced(Replaced(HostPlainText(*text), "\u266D", "b"), "\u266F", "#");
        }
    }
    return name && !name->empty() ? *name : "Staff #" + std::to_string(staff);
}

// The category's id, or nothing when no category has that name.
std::optional<uint16_t> CategoryNamed(const SimDocument& document, uint32_t hostVersion,
                                      const std::string& wanted) {
    for (const RecordAddress& at : document.Records().AddressesOf(SimTag("SOMC")))
        if (CategoryName(hostVersion, *document.Records().Find(at)) == wanted)
            return ReadLittleEndian16(*document.Records().Find(at), 0);
    return std::nullopt;
}

std::optional<std::string> StoredName(const SimDocument& document, uint32_t hostVersion,
                                      uint16_t category, int set) {
    const std::string prefix = "QM Staff Set Panel " + std::to_string(set) + ":";
    for (const RecordAddress& at : document.Records().AddressesOf(SimTag("SODT"))) {
        const Bytes& record = *document.Records().Find(at);
        if (ReadLittleEndian16(record, 26) != category)
            continue;
        const std::string description = ExpressionDescription(hostVersion, record);
        if (description.compare(0, prefix.size(), prefix) == 0)
            return description.substr(prefix.size());
    }
    return std::nullopt;
}

} // namespace

ScoreContents ReadScoreContents(const SimDocument& document, uint32_t hostVersion) {
    ScoreContents contents;
    const RecordStore* score = document.FindPartRecords(0);
    if (!score)
        return contents;
    contents.staves = ReadStaffList(*score, 0).size();
    const auto category = CategoryNamed(document, hostVersion, "QM Plug-in Data");
    for (int set = 1; set <= 8; ++set) {
        StaffSetContents& contentsOfSet = contents.sets[static_cast<size_t>(set - 1)];
        for (const ListEntry& entry : ReadStaffList(*score, static_cast<int16_t>(set - 37)))
            contentsOfSet.staves.push_back(StaffText(document, hostVersion, entry.staff));
        if (category)
            contentsOfSet.name = StoredName(document, hostVersion, *category, set);
    }
    return contents;
}

std::vector<std::string> ScoreStaffNames(const SimDocument& document, uint32_t hostVersion) {
    std::vector<std::string> names;
    if (const RecordStore* score = document.FindPartRecords(0))
        for (const ListEntry& entry : ReadStaffList(*score, 0))
            names.push_back(StaffText(document, hostVersion, entry.staff));
    return names;
}

std::vector<std::vector<std::string>> PanelRowsOf(const ScoreContents& contents) {
    std::vector<std::vector<std::string>> rows{
        {"-", "All Staves", std::to_string(contents.staves), "", ""}};
    for (size_t slot = 0; slot < contents.sets.size(); ++slot) {
        const StaffSetContents& set = contents.sets[slot];
        const std::string number = std::to_string(slot + 1);
        if (set.staves.empty()) {
            rows.push_back({number, "-", "-", "-", "-"});
            continue;
        }
        const std::string name = set.name && !set.name->empty() ? *set.name : "(No Name)";
        rows.push_back({number, name, std::to_string(set.staves.size()), set.staves.front(),
                        set.staves.back()});
    }
    return rows;
}
