#include "platform/HostFiles.h"

#ifdef _WIN32
#include "platform/win32.h"
#else
#include <new>
#include <string>
#include <sys/stat.h>
#endif

namespace {

// Bytes WriteHostFile may still write; negative for no limit.
int64_t writeBudget = -1;

#ifdef _WIN32

const wchar_t* WidePath(const char16_t* path) {
    return reinterpret_cast<const wchar_t*>(path);
}

// A read-only target is refused here, not left to MoveFileEx: Windows refuses to replace it,
// but Wine replaces it all the same.
bool Replaceable(DWORD attributes) {
    return attributes == INVALID_FILE_ATTRIBUTES ||
           (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

#else

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code == U'\\' ? U'/' : code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The host's path as this system names it; false when there is no path or no memory for it.
bool LocalPath(const char* path, std::string& out) {
    if (path == nullptr) {
        return false;
    }
    try {
        for (const char* p = path; *p != 0; ++p) {
            AppendUtf8(out, static_cast<unsigned char>(*p));
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool LocalPath(const char16_t* path, std::string& out) {
    if (path == nullptr) {
        return false;
    }
    try {
        for (const char16_t* p = path; *p != 0; ++p) {
            char32_t code = *p;
            if (code >= 0xD800 && code <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {
                code = 0x10000 + ((code - 0xD800) << 10) + (p[1] - 0xDC00);
                ++p;
            } else if (code >= 0xD800 && code <= 0xDFFF) {
                code = 0xFFFD;
            }
            AppendUtf8(out, code);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

template <typename Unit> FILE* Open(const Unit* path, const char* mode) {
    std::string local;
    return LocalPath(path, local) ? std::fopen(local.c_str(), mode) : nullptr;
}

// A file without write permission for its owner counts as read-only even for a user (such as
// root) whom the system would let write it: the owner marked it so.
template <typename Unit> bool Replace(const Unit* replacement, const Unit* target) {
    std::string from, to;
    if (!LocalPath(replacement, from) || !LocalPath(target, to)) {
        return false;
    }
    struct stat status;
    if (::stat(to.c_str(), &status) == 0 &&
        (S_ISDIR(status.st_mode) || (status.st_mode & S_IWUSR) == 0)) {
        return false;
    }
    return std::rename(from.c_str(), to.c_str()) == 0;
}

template <typename Unit> bool Remove(const Unit* path) {
    std::string local;
    return LocalPath(path, local) && std::remove(local.c_str()) == 0;
}

template <typename Unit> bool Exists(const Unit* path) {
    std::string local;
    struct stat status;
    return LocalPath(path, local) && ::stat(local.c_str(), &status) == 0;
}

#endif

} // namespace

#ifdef _WIN32

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

#else

FILE* OpenHostFile(const char* path, const char* mode) {
    return Open(path, mode);
}

FILE* OpenHostFile(const char16_t* path, const char* mode) {
    return Open(path, mode);
}

bool ReplaceHostFile(const char* replacement, const char* target) {
    return Replace(replacement, target);
}

bool ReplaceHostFile(const char16_t* replacement, const char16_t* target) {
    return Replace(replacement, target);
}

bool RemoveHostFile(const char* path) {
    return Remove(path);
}

bool RemoveHostFile(const char16_t* path) {
    return Remove(path);
}

bool HostFileExists(const char* path) {
    return Exists(path);
}

bool HostFileExists(const char16_t* path) {
    return Exists(path);
}

#endif

bool WriteHostFile(FILE* file, const void* bytes, size_t count) {
    if (file == nullptr) {
        return false;
    }
    size_t allowed = count;
    if (writeBudget >= 0 && static_cast<uint64_t>(writeBudget) < count) {
        allowed = static_cast<size_t>(writeBudget);
    }
    const size_t written = allowed > 0 ? std::fwrite(bytes, 1, allowed, file) : 0;
    if (writeBudget >= 0) {
        writeBudget -= static_cast<int64_t>(written);
    }
    return written == count;
}

void LimitHostFileWritesForTests(int64_t bytes) {
    writeBudget = bytes;
}
