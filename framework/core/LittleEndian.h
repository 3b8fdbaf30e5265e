// Host records are byte layouts, the same on 32 and 64 bits: fields are read and written at
// their offsets, little-endian, never by casting a buffer to a structure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

inline uint16_t ReadLE16(const void* base, size_t offset) {
    const auto* p = static_cast<const unsigned char*>(base) + offset;
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t ReadLE32(const void* base, size_t offset) {
    const auto* p = static_cast<const unsigned char*>(base) + offset;
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline void WriteLE16(void* base, size_t offset, uint16_t value) {
    auto* p = static_cast<unsigned char*>(base) + offset;
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
}

inline void WriteLE32(void* base, size_t offset, uint32_t value) {
    auto* p = static_cast<unsigned char*>(base) + offset;
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(value >> (8 * i));
}
