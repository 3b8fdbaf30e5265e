// The simulated host's own knowledge of its record layouts: which format version each record
// type is exchanged in for a host version, and how to build and read the records the sample
// score and the tests put into a document. Written from the byte layouts, independently of
// the plug-in's record classes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "simhost/documents/RecordStore.h"

constexpr uint32_t SimTag(const char (&text)[5]) {
    return (static_cast<uint32_t>(static_cast<unsigned char>(text[0])) << 24) |
           (static_cast<uint32_t>(static_cast<unsigned char>(text[1])) << 16) |
           (static_cast<uint32_t>(static_cast<unsigned char>(text[2])) << 8) |
           static_cast<uint32_t>(static_cast<unsigned char>(text[3]));
}
std::string TagText(uint32_t tag);

constexpr uint32_t kSimApiVersion = 0x12050000;

// The host versions from which the host changes its text and record layouts: the simulated
// host's own thresholds, independent of the plug-in's.
constexpr uint32_t kSimUnicodeHost = 0x11000000; // UTF-16 text and its record layouts
constexpr uint32_t kSimHost12 = 0x12000000;      // the larger staff record

// The format version the host accepts for a record type, or nothing for types it takes in
// any version.
std::optional<uint32_t> ExpectedRecordVersion(uint32_t tag, uint32_t hostVersion);
bool IsUnicodeHost(uint32_t hostVersion);
// The size of the record types the host keeps at a fixed size, or nothing for the others.
std::optional<size_t> ExpectedRecordSize(uint32_t tag, uint32_t hostVersion);

size_t StaffRecordSize(uint32_t hostVersion);
size_t CategoryRecordSize(uint32_t hostVersion);

// Text as the host stores it: 8-bit below version 0x11000000, UTF-16 from there on.
// Texts are given and returned as UTF-8; on 8-bit hosts each character must fit a byte.
Bytes EncodeHostText(uint32_t hostVersion, const std::string& utf8);
std::string DecodeHostText(uint32_t hostVersion, const unsigned char* bytes, size_t size);
std::u16string Utf8ToUtf16(const std::string& utf8);
std::string Utf16ToUtf8(const std::u16string& text);

// Record builders.
Bytes StaffRecord(uint32_t hostVersion, uint16_t nameTextBlock);
Bytes TextBlockRecord(uint16_t rawTextNumber, uint16_t textType);
Bytes CategoryRecord(uint32_t hostVersion, uint16_t id, const std::string& name);
Bytes ExpressionDefRecord(uint32_t hostVersion, uint16_t textBlock, uint16_t category,
                          const std::string& description, uint16_t flags = 0);
Bytes StaffListEntry(uint16_t staff, int32_t distance);
Bytes StaffPercentRecord(int16_t percent);

// Record readers.
uint16_t Word(const Bytes& record, size_t offset);
int32_t Long(const Bytes& record, size_t offset);
void PutWord(Bytes& record, size_t offset, uint16_t value);
void PutLong(Bytes& record, size_t offset, int32_t value);
std::string ExpressionDescription(uint32_t hostVersion, const Bytes& definition);

struct ListEntry {
    uint16_t staff;
    int32_t distance;
    bool operator==(const ListEntry& o) const { return staff == o.staff && distance == o.distance; }
};
std::vector<ListEntry> ReadStaffList(const RecordStore& partRecords, int16_t item);
void WriteStaffList(RecordStore& partRecords, int16_t item, const std::vector<ListEntry>& list);
