#include "simhost/documents/StaffNames.h"

#include "simhost/documents/HostText.h"
#include "simhost/documents/RecordFields.h"
#include "simhost/documents/RecordFormats.h"
#include "simhost/documents/RecordTag.h"

std::string HostPlainText(const std::string& tagged) {
    std::string plain;
    for (size_t i = 0; i < tagged.size();) {
        if (tagged[i] != '^') {
            plain += tagged[i++];
            continue;
        }
        if (i + 1 < tagged.size() && tagged[i + 1] == '^') {
            plain += '^';
            i += 2;
            continue;
        }
        size_t close = tagged.find(')', i);
        if (close == std::string::npos)
            break;
        std::string tag = tagged.substr(i, close + 1 - i);
        if (tag == "^flat()")
            plain += "\u266D";
        else if (tag == "^sharp()")
            plain += "\u266F";
        i = close + 1;
    }
    return plain;
}

std::optional<std::string> TextBlockText(const SimDocument& document, uint32_t hostVersion,
                                         int16_t textBlock) {
    const Bytes* block = document.Records().Find({SimTag("SOTX"), textBlock, 0});
    // A text block cut short names no text.
    if (!block || block->size() < kTextBlockSize)
        return std::nullopt;
    uint32_t rawTag = 0x74780000u | ReadLittleEndian16(*block, 24);
    const Bytes* raw =
        document.Records().Find({rawTag, static_cast<int16_t>(ReadLittleEndian16(*block, 0)), 0});
    if (!raw)
        return std::nullopt;
    return DecodeHostText(hostVersion, raw->data(), raw->size());
}

std::optional<std::string> NumberedStaffName(const SimDocument& document, uint32_t hostVersion,
                                             int16_t nameTextBlock, int16_t staff) {
    auto text = TextBlockText(document, hostVersion, nameTextBlock);
    if (!text)
        return std::nullopt;
    std::string name = HostPlainText(*text);
    int sharing = 0, rank = 0;
    for (const RecordAddress& address : document.Records().AddressesOf(SimTag("SOIS"))) {
        const Bytes* other = document.Records().Find(address);
        // A staff record cut short has no name to share.
        if (other->size() < 32)
            continue;
        auto otherText = TextBlockText(document, hostVersion,
                                       static_cast<int16_t>(ReadLittleEndian16(*other, 30)));
        if (!otherText || HostPlainText(*otherText) != name)
            continue;
        ++sharing;
        if (address.item <= staff)
            ++rank;
    }
    if (sharing > 1)
        name += " " + std::to_string(rank);
    return name;
}
