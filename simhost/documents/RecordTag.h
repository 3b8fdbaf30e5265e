// A record type's tag: four characters packed into 32 bits, the first in the highest byte, as
// the host names its record types ('SOIS', 'txbl').
#pragma once

#include <cstdint>
#include <string>

constexpr uint32_t SimTag(const char (&text)[5]) {
    return (static_cast<uint32_t>(static_cast<unsigned char>(text[0])) << 24) |
           (static_cast<uint32_t>(static_cast<unsigned char>(text[1])) << 16) |
           (static_cast<uint32_t>(static_cast<unsigned char>(text[2])) << 8) |
           static_cast<uint32_t>(static_cast<unsigned char>(text[3]));
}

// The tag's four characters, each one that cannot be printed shown as '?'.
std::string TagText(uint32_t tag);
