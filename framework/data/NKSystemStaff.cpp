#include "framework/data/NKSystemStaff.h"

#include <cstring>

#include "framework/core/LittleEndian.h"
#include "framework/core/RecordTag.h"
#include "shell/HostBridge.h"

namespace {

constexpr uint32_t kSystemStaffTag = RecordTagOf("SOIu");
constexpr uint32_t kCompanionTag = RecordTagOf("dtLP");
constexpr uint32_t kCompanionSize = 10;
constexpr uint32_t kStaffNumberOffset = 0;
constexpr uint32_t kDistanceOffset = 8;

// The companion's key: the list's item number, the entry's staff number as sub-number.
void CompanionKey(unsigned char (&key)[kRecordKeySize], int16_t list, int16_t staff) {
    std::memset(key, 0, sizeof key);
    WriteLE16(key, 0, static_cast<uint16_t>(list));
    WriteLE16(key, 2, static_cast<uint16_t>(staff));
}

} // namespace

NKSystemStaff::NKSystemStaff() {
    data = record;
    loadedSize = kSystemStaffRecordSize;
}

const char* NKSystemStaff::ClassName() const {
    return "NKSystemStaff";
}

unsigned char* NKSystemStaff::AllocateData() {
    data = record;
    return data;
}

__NKBaseData* NKSystemStaff::CreateInstance() const {
    return new NKSystemStaff;
}

uint32_t NKSystemStaff::RecordVersion() const {
    return kApiVersion;
}

uint32_t NKSystemStaff::ClassTag() const {
    return kSystemStaffTag;
}

void NKSystemStaff::CopyDataFrom(const __NKBaseData* other) {
    const auto* entry = dynamic_cast<const NKSystemStaff*>(other);
    if (!entry || entry == this)
        return;
    std::memcpy(record, entry->record, kSystemStaffRecordSize);
    data = record;
    loadedSize = kSystemStaffRecordSize;
    // Entries of the main list never carry a companion value, whatever the field says.
    staffPercent = entry->KeyItem() != 0 ? entry->staffPercent : kDefaultStaffPercent;
}

bool NKSystemStaff::Load(int16_t item, int16_t sub) {
    // A record shorter than the entry must not leave the bytes of the previously loaded one
    // behind: a copy takes all 24 bytes and would save them back under this entry's key.
    std::memset(record, 0, kSystemStaffRecordSize);
    SetKey(item, sub);
    if (!LoadCurrent())
        return false;
    staffPercent = kDefaultStaffPercent;
    if (item != 0)
        LoadCompanion();
    return true;
}

void NKSystemStaff::LoadCompanion() {
    unsigned char companionKey[kRecordKeySize];
    CompanionKey(companionKey, KeyItem(), StaffNumber());
    unsigned char companion[kCompanionSize] = {};
    uint32_t size = kCompanionSize;
    if (NX_LoadEData(kCompanionTag, companionKey, companion, &size, RecordVersion()) != 0)
        staffPercent = static_cast<int16_t>(ReadLE16(companion, 0));
}

bool NKSystemStaff::Save() {
    if (!__NKInciOther::Save())
        return false;
    return SaveCompanion();
}

bool NKSystemStaff::SaveNew(int16_t item) {
    if (!__NKInciOther::SaveNew(item))
        return false;
    return SaveCompanion();
}

// The entry itself is written by now; a companion that cannot be written still fails the
// save, so the caller knows the list is not as it asked.
bool NKSystemStaff::SaveCompanion() {
    unsigned char companionKey[kRecordKeySize];
    CompanionKey(companionKey, KeyItem(), StaffNumber());
    if (staffPercent != kDefaultStaffPercent) {
        unsigned char companion[kCompanionSize] = {};
        WriteLE16(companion, 0, static_cast<uint16_t>(staffPercent));
        return NX_SaveEData(kCompanionTag, companionKey, companion, kCompanionSize,
                            RecordVersion()) != 0;
    }
    if (KeyItem() == 0)
        return true;
    // The host cannot tell a failed delete from a missing record, so ask first: a size
    // record that stays behind would show the staff at its old size.
    uint32_t size = 0;
    if (NX_LoadEData(kCompanionTag, companionKey, nullptr, &size, RecordVersion()) == 0)
        return true;
    return NX_DeleteEData(kCompanionTag, companionKey, RecordVersion()) != 0;
}

int16_t NKSystemStaff::StaffNumber() const {
    return static_cast<int16_t>(ReadLE16(record, kStaffNumberOffset));
}

void NKSystemStaff::SetStaffNumber(int16_t staff) {
    WriteLE16(record, kStaffNumberOffset, static_cast<uint16_t>(staff));
}

int32_t NKSystemStaff::Distance() const {
    return static_cast<int32_t>(ReadLE32(record, kDistanceOffset));
}

void NKSystemStaff::SetDistance(int32_t distance) {
    WriteLE32(record, kDistanceOffset, static_cast<uint32_t>(distance));
}
