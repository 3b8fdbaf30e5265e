#include "platform/HostFiles.h"

bool WriteHostFile(FILE* file, const void* bytes, size_t count) {
    return file != nullptr && std::fwrite(bytes, 1, count, file) == count;
}
