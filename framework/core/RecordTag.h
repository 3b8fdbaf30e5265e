// Record type tags are four characters read from the most significant byte down:
// RecordTagOf("SOIS") is 0x534F4953.
#pragma once

#include <cstdint>

constexpr uint32_t RecordTagOf(const char (&text)[5]) {
    return (static_cast<uint32_t>(static_cast<unsigned char>(text[0])) << 24) |
           (static_cast<uint32_t>(static_cast<unsigned char>(text[1])) << 16) |
           (static_cast<uint32_t>(static_cast<unsigned char>(text[2])) << 8) |
           static_cast<uint32_t>(static_cast<unsigned char>(text[3]));
}
