// The integer fields of a host record: little-endian, at a byte offset.
//
// A record the host reads may be shorter than its type: a damaged document, or a plug-in that
// saved fewer bytes. The host reads such a record into a zeroed structure, so the bytes it
// lacks read as zero; a short record never ends the host. Writing is for records the host
// builds at their full size itself: an offset beyond the record throws std::out_of_range.
#pragma once

#include <cstddef>
#include <cstdint>

#include "simhost/documents/RecordStore.h"

uint16_t ReadLittleEndian16(const Bytes& record, size_t offset);
int32_t ReadLittleEndian32(const Bytes& record, size_t offset);
void WriteLittleEndian16(Bytes& record, size_t offset, uint16_t value);
void WriteLittleEndian32(Bytes& record, size_t offset, int32_t value);
