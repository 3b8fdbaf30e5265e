// Which format version and size the host exchanges each record type in, for a host version.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// The record types the host keeps at one size in every version.
constexpr size_t kStaffListEntrySize = 24; // 'SOIu'
constexpr size_t kStaffPercentSize = 10;   // 'dtLP'
constexpr size_t kTextBlockSize = 26;      // 'SOTX'
constexpr size_t kOtRecordSize = 12;       // 'ot..'

// The format version the host accepts for a record type, or nothing for types it takes in
// any version.
std::optional<uint32_t> ExpectedRecordVersion(uint32_t tag, uint32_t hostVersion);
// The size of the record types the host keeps at a fixed size, or nothing for the others.
std::optional<size_t> ExpectedRecordSize(uint32_t tag, uint32_t hostVersion);

size_t StaffRecordSize(uint32_t hostVersion);
size_t CategoryRecordSize(uint32_t hostVersion);
