#include "simhost/documents/RecordFields.h"

namespace {

unsigned ByteAt(const Bytes& record, size_t offset) {
    return offset < record.size() ? record[offset] : 0u;
}

} // namespace

uint16_t ReadLittleEndian16(const Bytes& record, size_t offset) {
    return static_cast<uint16_t>(ByteAt(record, offset) | (ByteAt(record, offset + 1) << 8));
}

int32_t ReadLittleEndian32(const Bytes& record, size_t offset) {
    return static_cast<int32_t>(
        static_cast<uint32_t>(ReadLittleEndian16(record, offset)) |
        (static_cast<uint32_t>(ReadLittleEndian16(record, offset + 2)) << 16));
}

void WriteLittleEndian16(Bytes& record, size_t offset, uint16_t value) {
    record.at(offset) = static_cast<unsigned char>(value);
    record.at(offset + 1) = static_cast<unsigned char>(value >> 8);
}

void WriteLittleEndian32(Bytes& record, size_t offset, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    WriteLittleEndian16(record, offset, static_cast<uint16_t>(bits));
    WriteLittleEndian16(record, offset + 2, static_cast<uint16_t>(bits >> 16));
}
