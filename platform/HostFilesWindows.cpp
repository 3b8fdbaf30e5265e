#include "platform/HostFiles.h"

#include "platform/win32.h"

namespace {

const wchar_t* WidePath(const char16_t* path) {
    return reinterpret_cast<const wchar_t*>(path);
}

// A read-only target is refused here, not left to MoveFileEx: Windows refuses to replace it,
// but Wine replaces it all the same.
bool Replaceable(DWORD attributes) {
    return attributes == INVALID_FILE_ATTRIBUTES ||
           (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

} // namespace

FILE* OpenHostFile(const char* path, const char* mode) {
    return path != nullptr ? std::fopen(path, mode) : nullptr;
}

FILE* OpenHostFile(const char16_t* path, const char* mode) {
    // The modes are short ASCII texts.
    wchar_t wideMode[8] = {};
    for (size_t i = 0; i + 1 < 8 && mode[i] != 0; ++i) {
        wideMode[i] = static_cast<wchar_t>(mode[i]);
    }
    return path != nullptr ? _wfopen(WidePath(path), wideMode) : nullptr;
}

bool ReplaceHostFile(const char* replacement, const char* target) {
    return replacement != nullptr && target != nullptr && Replaceable(GetFileAttributesA(target)) &&
           MoveFileExA(replacement, target, MOVEFILE_REPLACE_EXISTING) != 0;
}

bool ReplaceHostFile(const char16_t* replacement, const char16_t* target) {
    return replacement != nullptr && target != nullptr &&
           Replaceable(GetFileAttributesW(WidePath(target))) &&
           MoveFileExW(WidePath(replacement), WidePath(target), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool RemoveHostFile(const char* path) {
    return path != nullptr && DeleteFileA(path) != 0;
}

bool RemoveHostFile(const char16_t* path) {
    return path != nullptr && DeleteFileW(WidePath(path)) != 0;
}

bool HostFileExists(const char* path) {
    return path != nullptr && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool HostFileExists(const char16_t* path) {
    return path != nullptr && GetFileAttributesW(WidePath(path)) != INVALID_FILE_ATTRIBUTES;
}
