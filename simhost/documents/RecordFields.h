// The integer fields of a host record: little-endian, at a byte offset. An offset beyond the
// record throws std::out_of_range.
#pragma once

#include <cstddef>
#include <cstdint>

#include "simhost/documents/RecordStore.h"

uint16_t ReadLittleEndian16(const Bytes& record, size_t offset);
int32_t ReadLittleEndian32(const Bytes& record, size_t offset);
void WriteLittleEndian16(Bytes& record, size_t offset, uint16_t value);
void WriteLittleEndian32(Bytes& record, size_t offset, int32_t value);
