#include "simhost/documents/HostText.h"

#include "simhost/documents/HostVersions.h"
#include "simhost/documents/UtfConversion.h"

Bytes Utf16HostBytes(const std::u16string& units) {
    Bytes bytes;
    for (char16_t unit : units) {
        bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
        bytes.push_back(static_cast<unsigned char>(unit >> 8));
    }
    bytes.insert(bytes.end(), 2, 0);
    return bytes;
}

std::u16string Utf16FromHostBytes(const unsigned char* bytes, size_t size) {
    std::u16string units;
    for (size_t i = 0; i + 1 < size; i += 2) {
        const auto unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (unit == 0)
            break;
        units += unit;
    }
    return units;
}

Bytes EncodeHostText(uint32_t hostVersion, const std::string& utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    if (IsUnicodeHost(hostVersion))
        return Utf16HostBytes(units);
    Bytes bytes;
    for (char16_t unit : units)
        bytes.push_back(static_cast<unsigned char>(unit));
    bytes.push_back(0);
    return bytes;
}

std::string DecodeHostText(uint32_t hostVersion, const unsigned char* bytes, size_t size) {
    if (IsUnicodeHost(hostVersion))
        return Utf16ToUtf8(Utf16FromHostBytes(bytes, size));
    std::u16string units;
    for (size_t i = 0; i < size && bytes[i] != 0; ++i)
        units += static_cast<char16_t>(bytes[i]);
    return Utf16ToUtf8(units);
}
