#include "simhost/documents/RecordBuilders.h"

#include "simhost/documents/HostText.h"
#include "simhost/documents/HostVersions.h"
#include "simhost/documents/RecordFields.h"
#include "simhost/documents/RecordFormats.h"
#include "simhost/documents/RecordTag.h"

namespace {
constexpr size_t kDescriptionOffset = 34;
} // namespace

Bytes StaffRecord(uint32_t hostVersion, uint16_t nameTextBlock) {
    Bytes record(StaffRecordSize(hostVersion), 0);
    WriteLittleEndian16(record, 30, nameTextBlock);
    // Layout words of the host's own that a plug-in carries without reading.
    WriteLittleEndian16(record, 94, 0x0101);
    WriteLittleEndian16(record, 98, 0x0005);
    return record;
}

Bytes TextBlockRecord(uint16_t rawTextNumber, uint16_t textType) {
    Bytes record(kTextBlockSize, 0);
    WriteLittleEndian16(record, 0, rawTextNumber);
    WriteLittleEndian16(record, 8, 100);
    WriteLittleEndian16(record, 14, 0x1A08);
    WriteLittleEndian16(record, 24, textType);
    return record;
}

// The name field runs from this offset to the record's last word.
constexpr size_t kCategoryNameOffset = 2;

Bytes CategoryRecord(uint32_t hostVersion, uint16_t id, const std::string& name) {
    Bytes record(CategoryRecordSize(hostVersion), 0);
    WriteLittleEndian16(record, 0, id);
    Bytes text = EncodeHostText(hostVersion, name);
    size_t room = record.size() - kCategoryNameOffset - 2;
    for (size_t i = 0; i < text.size() && i < room; ++i)
        record[kCategoryNameOffset + i] = text[i];
    WriteLittleEndian16(record, record.size() - 2, 1);
    return record;
}

Bytes ExpressionDefRecord(uint32_t hostVersion, uint16_t textBlock, uint16_t category,
                          const std::string& description, uint16_t flags) {
    Bytes record(kDescriptionOffset, 0);
    WriteLittleEndian16(record, 0, textBlock);
    WriteLittleEndian16(record, 10, flags);
    WriteLittleEndian16(record, 26, category);
    Bytes text = EncodeHostText(hostVersion, description);
    record.insert(record.end(), text.begin(), text.end());
    size_t minimum = IsUnicodeHost(hostVersion) ? 38 : 36;
    if (record.size() < minimum)
        record.resize(minimum, 0);
    return record;
}

std::string ExpressionDescription(uint32_t hostVersion, const Bytes& definition) {
    if (definition.size() <= kDescriptionOffset)
        return "";
    return DecodeHostText(hostVersion, definition.data() + kDescriptionOffset,
                          definition.size() - kDescriptionOffset);
}

void PutStaff(RecordStore& records, uint32_t hostVersion, int16_t number,
              const std::string& name) {
    const auto block = static_cast<uint16_t>(number);
    if (!name.empty()) {
        records.Put({SimTag("txbl"), number, 0}, EncodeHostText(hostVersion, name));
        records.Put({SimTag("SOTX"), number, 0}, TextBlockRecord(block, TextType('b', 'l')));
    }
    records.Put({SimTag("SOIS"), number, 0}, StaffRecord(hostVersion, block));
}

std::string CategoryName(uint32_t hostVersion, const Bytes& category) {
    if (category.size() < kCategoryNameOffset + 2)
        return "";
    return DecodeHostText(hostVersion, category.data() + kCategoryNameOffset,
                          category.size() - kCategoryNameOffset - 2);
}

Bytes StaffPercentRecord(int16_t percent) {
    Bytes record(kStaffPercentSize, 0);
    WriteLittleEndian16(record, 0, static_cast<uint16_t>(percent));
    return record;
}
