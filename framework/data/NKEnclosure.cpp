#include "framework/data/NKEnclosure.h"

#include <cstring>
#include <new>

#include "framework/core/RecordTag.h"
#include "shell/HostBridge.h"

NKEnclosure::NKEnclosure() {
    data = area;
}

const char* NKEnclosure::ClassName() const {
    return "NKEnclosure";
}

__NKBaseData* NKEnclosure::CreateInstance() const {
    return new (std::nothrow) NKEnclosure();
}

uint32_t NKEnclosure::ClassTag() const {
    return RecordTagOf("otDe");
}

uint32_t NKEnclosure::RecordVersion() const {
    return kApiVersion;
}

unsigned char* NKEnclosure::AllocateData() {
    data = area;
    return data;
}

void NKEnclosure::CopyDataFrom(const __NKBaseData* other) {
    const auto* enclosure = dynamic_cast<const NKEnclosure*>(other);
    if (!enclosure || enclosure == this)
        return;
    std::memcpy(area, enclosure->area, kEnclosureRecordSize);
    data = area;
    loadedSize = enclosure->loadedSize;
}
