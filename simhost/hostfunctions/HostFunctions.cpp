#include "simhost/hostfunctions/HostFunctions.h"

#include <algorithm>
#include <cstring>

#include "simhost/desktop/PreferenceFolder.h"
#include "simhost/documents/RecordFormats.h"
#include "simhost/documents/StaffNames.h"
#include "simhost/documents/UtfConversion.h"
#include "simhost/hostfunctions/HostCallServing.h"
#include "simhost/hostfunctions/SimHost.h"

namespace {

// The 8-byte record key: item and sub-number, then four bytes the host carries along.
int16_t KeyItem(const void* key) {
    int16_t item;
    std::memcpy(&item, key, 2); // little-endian hosts only, as the host itself
    return item;
}
int16_t KeySub(const void* key) {
    int16_t sub;
    std::memcpy(&sub, static_cast<const unsigned char*>(key) + 2, 2);
    return sub;
}
void SetKey(void* key, const RecordAddress& address) {
    std::memcpy(key, &address.item, 2);
    std::memcpy(static_cast<unsigned char*>(key) + 2, &address.sub, 2);
}

// The document and record store a record call works on, or null when the call must fail:
// no document, no key, or a format version this host does not exchange the type in.
RecordStore* StoreForCall(SimHost& host, uint32_t tag, const void* key, uint32_t version) {
    SimDocument* document = host.CurrentDocument();
    if (!document || !key)
        return nullptr;
    auto expected = ExpectedRecordVersion(tag, host.Version());
    if (expected && *expected != version)
        return nullptr;
    return &document->StoreFor(tag);
}

// The host refuses a record of a fixed-size type written at another size.
bool SizeAccepted(SimHost& host, uint32_t tag, uint32_t size) {
    auto expected = ExpectedRecordSize(tag, host.Version());
    return !expected || *expected == size;
}

// The records of the part the user is looking at, whose lists the slots count in.
const RecordStore* CurrentPartRecords(SimHost& host) {
    SimDocument* document = host.CurrentDocument();
    return document ? &document->PartRecords(document->CurrentPart()) : nullptr;
}

} // namespace

extern "C" {

int16_t WINAPI Host_NX_LoadEData(uint32_t tag, void* key, void* buffer, uint32_t* size,
                                 uint32_t version) {
    auto load = [=](SimHost& host) -> int32_t {
        RecordStore* store = StoreForCall(host, tag, key, version);
        if (!store || !size)
            return 0;
        const Bytes* record = store->Find({tag, KeyItem(key), KeySub(key)});
        if (!record)
            return 0;
        auto recordSize = static_cast<uint32_t>(record->size());
        if (buffer) {
            if (*size < recordSize && !host.OverReportingLoads()) {
                *size = recordSize;
                return 0;
            }
            // An empty record has no data pointer to hand memcpy.
            std::copy_n(record->begin(), std::min(*size, recordSize),
                        static_cast<unsigned char*>(buffer));
        }
        *size = recordSize;
        return buffer && host.FailingLoadsWrite() ? 0 : 1;
    };
    return static_cast<int16_t>(Serve("NX_LoadEData", load, tag, key, buffer, size, version));
}

int16_t WINAPI Host_NX_SaveEData(uint32_t tag, void* key, const void* buffer, uint32_t size,
                                 uint32_t version) {
    auto save = [=](SimHost& host) -> int32_t {
        RecordStore* store = StoreForCall(host, tag, key, version);
        if (!store || !buffer || !SizeAccepted(host, tag, size))
            return 0;
        const auto* bytes = static_cast<const unsigned char*>(buffer);
        store->Put({tag, KeyItem(key), KeySub(key)}, Bytes(bytes, bytes + size));
        return 1;
    };
    return static_cast<int16_t>(Serve("NX_SaveEData", save, tag, key, buffer, size, version));
}

int16_t WINAPI Host_NX_CreateEData(uint32_t tag, void* key, const void* buffer, uint32_t size,
                                   uint32_t version) {
    auto create = [=](SimHost& host) -> int32_t {
        RecordStore* store = StoreForCall(host, tag, key, version);
        if (!store || !buffer || !SizeAccepted(host, tag, size))
            return 0;
        const auto* bytes = static_cast<const unsigned char*>(buffer);
        auto created = store->Create({tag, KeyItem(key), KeySub(key)}, Bytes(bytes, bytes + size));
        if (!created)
            return 0;
        SetKey(key, *created);
        return 1;
    };
    return static_cast<int16_t>(Serve("NX_CreateEData", create, tag, key, buffer, size, version));
}

int16_t WINAPI Host_NX_DeleteEData(uint32_t tag, void* key, uint32_t version) {
    auto erase = [=](SimHost& host) -> int32_t {
        RecordStore* store = StoreForCall(host, tag, key, version);
        return store && store->Erase({tag, KeyItem(key), KeySub(key)}) ? 1 : 0;
    };
    return static_cast<int16_t>(Serve("NX_DeleteEData", erase, tag, key, version));
}

int16_t WINAPI Host_NX_NextEData(uint32_t tag, void* key, void* zero1, void* zero2,
                                 uint32_t version) {
    auto next = [=](SimHost& host) -> int32_t {
        RecordStore* store = StoreForCall(host, tag, key, version);
        if (!store)
            return 0;
        auto found = store->Next({tag, KeyItem(key), KeySub(key)});
        if (!found)
            return 0;
        SetKey(key, *found);
        return 1;
    };
    return static_cast<int16_t>(Serve("NX_NextEData", next, tag, key, zero1, zero2, version));
}

int16_t WINAPI Host_NX_SlotToInst(int32_t slot, int32_t listItem, uint32_t apiVersion) {
    auto slotToStaff = [=](SimHost& host) -> int32_t {
        const RecordStore* part = CurrentPartRecords(host);
        return part ? host.Slots().StaffIn(*part, static_cast<int16_t>(listItem), slot) : 0;
    };
    return static_cast<int16_t>(Serve("NX_SlotToInst", slotToStaff, slot, listItem, apiVersion));
}

int16_t WINAPI Host_NX_InstToSlot(int32_t staff, int32_t listItem, uint32_t apiVersion) {
    auto staffToSlot = [=](SimHost& host) -> int32_t {
        const RecordStore* part = CurrentPartRecords(host);
        return part ? host.Slots().SlotOf(*part, static_cast<int16_t>(listItem), staff) : 0;
    };
    return static_cast<int16_t>(Serve("NX_InstToSlot", staffToSlot, staff, listItem, apiVersion));
}

int16_t WINAPI Host_NX_GetCurERegions(void* value4, void* region, void* secondRegion,
                                      uint32_t apiVersion) {
    auto regions = [=](SimHost& host) -> int32_t {
        SimDocument* document = host.CurrentDocument();
        if (!document || !region || !secondRegion)
            return 0;
        const Bytes& selection = document->SelectionRecord();
        std::copy(selection.begin(), selection.end(), static_cast<unsigned char*>(region));
        const Bytes& redraw = document->RedrawRecord();
        std::copy(redraw.begin(), redraw.end(), static_cast<unsigned char*>(secondRegion));
        if (value4)
            std::memset(value4, 0, 4);
        return 1;
    };
    return static_cast<int16_t>(
        Serve("NX_GetCurERegions", regions, value4, region, secondRegion, apiVersion));
}

void WINAPI Host_NX_RedrawMusic(void* region, uint32_t apiVersion) {
    Answer("NX_RedrawMusic", 1, region, apiVersion);
}

int16_t WINAPI Host_NX_GetCurrentTavrinDocument(uint32_t apiVersion) {
    auto current = [](SimHost& host) -> int32_t {
        SimDocument* document = host.CurrentDocument();
        return document ? document->Id() : 0;
    };
    return static_cast<int16_t>(Serve("NX_GetCurrentTavrinDocument", current, apiVersion));
}

// Path kinds 7 (older hosts) and 15 both name the preference folder; every other kind fails.
// The buffer gets the folder in the host's form (see PreferenceFolder.h): 8-bit text below
// version 0x11000000, UTF-16 from it on, terminator included in at most 520 bytes; nothing is
// written when the call fails.
int32_t WINAPI Host_NX_GetVarlunePath(int32_t kind, void* path, uint32_t apiVersion) {
    auto folder = [=](SimHost& host) -> int32_t {
        constexpr size_t kPathBufferSize = 520;
        if (!path || (kind != 7 && kind != 15))
            return 0;
        auto text = HostFolderText(host.Version(), host.PreferenceFolder(), kPathBufferSize);
        if (!text)
            return 0;
        std::memcpy(path, text->data(), text->size());
        return 1;
    };
    return Serve("NX_GetVarlunePath", folder, kind, path, apiVersion);
}

int32_t WINAPI Host_NX_StartVarluneEdit(const char* undoText, uint32_t apiVersion) {
    auto start = [=](SimHost& host) -> int32_t {
        SimDocument* document = host.CurrentDocument();
        return document && undoText && !host.EditingDocument() && document->StartEdit(undoText);
    };
    return Serve("NX_StartVarluneEdit", start, undoText, apiVersion);
}

int32_t WINAPI Host_NX_StartVarluneEdit_UTF16(const char16_t* undoText, uint32_t apiVersion) {
    auto start = [=](SimHost& host) -> int32_t {
        SimDocument* document = host.CurrentDocument();
        return document && undoText && !host.EditingDocument() &&
               document->StartEdit(Utf16ToUtf8(undoText));
    };
    return Serve("NX_StartVarluneEdit_UTF16", start, undoText, apiVersion);
}

int32_t WINAPI Host_NX_EndVarluneEdit(uint32_t apiVersion) {
    auto end = [](SimHost& host) -> int32_t {
        SimDocument* document = host.EditingDocument();
        return document && document->EndEdit();
    };
    return Serve("NX_EndVarluneEdit", end, apiVersion);
}

void WINAPI Host_NX_CancelVarluneEdit(uint32_t apiVersion) {
    auto cancel = [](SimHost& host) -> int32_t {
        SimDocument* document = host.EditingDocument();
        return document && document->CancelEdit();
    };
    Serve("NX_CancelVarluneEdit", cancel, apiVersion);
}

int32_t WINAPI Host_NX_ExecuteMenuItem(int32_t command, uint32_t apiVersion) {
    auto execute = [=](SimHost& host) -> int32_t { return host.ExecuteCommand(command); };
    return Serve("NX_ExecuteMenuItem", execute, command, apiVersion);
}

int32_t WINAPI Host_NX_GetCurrentPartID(uint32_t apiVersion) {
    auto current = [](SimHost& host) -> int32_t {
        SimDocument* document = host.CurrentDocument();
        return document ? document->CurrentPart() : 0;
    };
    return Serve("NX_GetCurrentPartID", current, apiVersion);
}

void WINAPI Host_NX_SetCurrentPartID(int32_t partId, uint32_t apiVersion) {
    auto setPart = [=](SimHost& host) -> int32_t {
        SimDocument* document = host.CurrentDocument();
        return document && document->SetCurrentPart(static_cast<int16_t>(partId));
    };
    Serve("NX_SetCurrentPartID", setPart, partId, apiVersion);
}

int32_t WINAPI Host_NX_AutoNumberedName_UTF16(int32_t nameTextBlock, int32_t staff, char16_t* name,
                                              int32_t capacity, int32_t options,
                                              uint32_t apiVersion) {
    auto numberedName = [=](SimHost& host) -> int32_t {
        SimDocument* document = host.CurrentDocument();
        if (!document || !name || capacity < 1 || host.NumberedNamesFail())
            return 0;
        auto text =
            NumberedStaffName(*document, host.Version(), static_cast<int16_t>(nameTextBlock),
                              static_cast<int16_t>(staff));
        if (!text)
            return 0;
        std::u16string units = Utf8ToUtf16(*text);
        size_t count = std::min(units.size(), static_cast<size_t>(capacity - 1));
        std::copy(units.begin(), units.begin() + static_cast<std::ptrdiff_t>(count), name);
        name[count] = 0;
        return 1;
    };
    return Serve("NX_AutoNumberedName_UTF16", numberedName, nameTextBlock, staff, name, capacity,
                 options, apiVersion);
}
}
