#include "shell/HostBridge.h"

int32_t NX_LoadEData(uint32_t tag, void* key, void* buffer, uint32_t* size, uint32_t version) {
    return HostLoadEData(tag, key, buffer, size, version);
}

int32_t NX_SaveEData(uint32_t tag, void* key, const void* buffer, uint32_t size,
                     uint32_t version) {
    return HostSaveEData(tag, key, buffer, size, version);
}
