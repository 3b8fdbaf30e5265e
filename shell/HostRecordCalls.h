// The host's own record load and save, before any translation. Only the translation calls
// them; everything else goes through NX_LoadEData and NX_SaveEData.
#pragma once

#include <cstdint>

int32_t HostLoadEData(uint32_t tag, void* key, void* buffer, uint32_t* size, uint32_t version);
int32_t HostSaveEData(uint32_t tag, void* key, const void* buffer, uint32_t size, uint32_t version);
