// Text as the host stores it in records and buffers: 8-bit before UTF-16 hosts (IsUnicodeHost),
// UTF-16 little-endian from them on, each ending in a zero unit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "simhost/documents/RecordStore.h"

// Texts are given and returned as UTF-8; on 8-bit hosts each character must fit a byte.
Bytes EncodeHostText(uint32_t hostVersion, const std::string& utf8);
// Reads up to the zero unit or to the end of the bytes, whichever comes first.
std::string DecodeHostText(uint32_t hostVersion, const unsigned char* bytes, size_t size);

// The UTF-16 form alone, for text the host exchanges in UTF-16 whatever its version.
Bytes Utf16HostBytes(const std::u16string& units);
std::u16string Utf16FromHostBytes(const unsigned char* bytes, size_t size);
