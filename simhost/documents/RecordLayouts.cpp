#include "simhost/documents/RecordLayouts.h"

namespace {
constexpr size_t kDescriptionOffset = 34;
} // namespace

std::string TagText(uint32_t tag) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        char c = static_cast<char>((tag >> shift) & 0xFF);
        text += (c >= 32 && c < 127) ? c : '?';
    }
    return text;
}

bool IsUnicodeHost(uint32_t hostVersion) {
    return hostVersion >= kSimUnicodeHost;
}

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
        return 24;
    if (tag == SimTag("dtLP"))
        return 10;
    if (tag == SimTag("SOTX"))
        return 26;
    if (tag == SimTag("otDe") || tag == SimTag("otpD") || (tag >> 16) == 0x6F74) // 'ot..'
        return 12;
    return std::nullopt;
}

size_t StaffRecordSize(uint32_t hostVersion) {
    return hostVersion >= kSimHost12 ? 136 : IsUnicodeHost(hostVersion) ? 132 : 114;
}

size_t CategoryRecordSize(uint32_t hostVersion) {
    return IsUnicodeHost(hostVersion) ? 296 : 104;
}

// Characters beyond U+FFFF travel as surrogate pairs.
std::u16string Utf8ToUtf16(const std::string& utf8) {
    std::u16string out;
    for (size_t i = 0; i < utf8.size();) {
        auto c = static_cast<unsigned char>(utf8[i]);
        uint32_t code = c;
        size_t extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        if (extra)
            code = c & (0x3F >> extra);
        for (size_t k = 1; k <= extra && i + k < utf8.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += extra + 1;
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
    }
    return out;
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

Bytes EncodeHostText(uint32_t hostVersion, const std::string& utf8) {
    std::u16string units = Utf8ToUtf16(utf8);
    Bytes bytes;
    for (char16_t unit : units) {
        bytes.push_back(static_cast<unsigned char>(unit));
        if (IsUnicodeHost(hostVersion))
            bytes.push_back(static_cast<unsigned char>(unit >> 8));
    }
    bytes.push_back(0);
    if (IsUnicodeHost(hostVersion))
        bytes.push_back(0);
    return bytes;
}

std::string DecodeHostText(uint32_t hostVersion, const unsigned char* bytes, size_t size) {
    std::u16string units;
    if (IsUnicodeHost(hostVersion)) {
        for (size_t i = 0; i + 1 < size; i += 2) {
            char16_t unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
            if (unit == 0)
                break;
            units += unit;
        }
    } else {
        for (size_t i = 0; i < size && bytes[i] != 0; ++i)
            units += static_cast<char16_t>(bytes[i]);
    }
    return Utf16ToUtf8(units);
}

uint16_t Word(const Bytes& record, size_t offset) {
    return static_cast<uint16_t>(record.at(offset) | (record.at(offset + 1) << 8));
}

int32_t Long(const Bytes& record, size_t offset) {
    return static_cast<int32_t>(static_cast<uint32_t>(Word(record, offset)) |
                                (static_cast<uint32_t>(Word(record, offset + 2)) << 16));
}

void PutWord(Bytes& record, size_t offset, uint16_t value) {
    record.at(offset) = static_cast<unsigned char>(value);
    record.at(offset + 1) = static_cast<unsigned char>(value >> 8);
}

void PutLong(Bytes& record, size_t offset, int32_t value) {
    PutWord(record, offset, static_cast<uint16_t>(static_cast<uint32_t>(value)));
    PutWord(record, offset + 2, static_cast<uint16_t>(static_cast<uint32_t>(value) >> 16));
}

Bytes StaffRecord(uint32_t hostVersion, uint16_t nameTextBlock) {
    Bytes record(StaffRecordSize(hostVersion), 0);
    PutWord(record, 30, nameTextBlock);
    // Layout words of the host's own that a plug-in carries without reading.
    PutWord(record, 94, 0x0101);
    PutWord(record, 98, 0x0005);
    return record;
}

Bytes TextBlockRecord(uint16_t rawTextNumber, uint16_t textType) {
    Bytes record(26, 0);
    PutWord(record, 0, rawTextNumber);
    PutWord(record, 8, 100);
    PutWord(record, 14, 0x1A08);
    PutWord(record, 24, textType);
    return record;
}

Bytes CategoryRecord(uint32_t hostVersion, uint16_t id, const std::string& name) {
    Bytes record(CategoryRecordSize(hostVersion), 0);
    PutWord(record, 0, id);
    Bytes text = EncodeHostText(hostVersion, name);
    size_t room = record.size() - 4; // the name field ends before the last word
    for (size_t i = 0; i < text.size() && i < room; ++i)
        record[2 + i] = text[i];
    PutWord(record, record.size() - 2, 1);
    return record;
}

Bytes ExpressionDefRecord(uint32_t hostVersion, uint16_t textBlock, uint16_t category,
                          const std::string& description, uint16_t flags) {
    Bytes record(kDescriptionOffset, 0);
    PutWord(record, 0, textBlock);
    PutWord(record, 10, flags);
    PutWord(record, 26, category);
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

Bytes StaffListEntry(uint16_t staff, int32_t distance) {
    Bytes record(24, 0);
    PutWord(record, 0, staff);
    PutLong(record, 8, distance);
    return record;
}

Bytes StaffPercentRecord(int16_t percent) {
    Bytes record(10, 0);
    PutWord(record, 0, static_cast<uint16_t>(percent));
    return record;
}

std::vector<ListEntry> ReadStaffList(const RecordStore& partRecords, int16_t item) {
    std::vector<ListEntry> list;
    for (const auto& entry : partRecords.ItemRecords(SimTag("SOIu"), item))
        list.push_back({Word(entry.second, 0), Long(entry.second, 8)});
    return list;
}

void WriteStaffList(RecordStore& partRecords, int16_t item, const std::vector<ListEntry>& list) {
    for (const auto& old : partRecords.ItemRecords(SimTag("SOIu"), item))
        partRecords.Erase({SimTag("SOIu"), item, old.first});
    for (size_t i = 0; i < list.size(); ++i)
        partRecords.Put({SimTag("SOIu"), item, static_cast<int16_t>(i)},
                        StaffListEntry(list[i].staff, list[i].distance));
}
