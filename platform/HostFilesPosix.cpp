#include "platform/HostFiles.h"

#include <new>
#include <string>
#include <sys/stat.h>

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// The code point starting at p, which is moved past it. 8-bit text is read as Latin-1, the
// only code page whose bytes are their own code points.
char32_t NextCodePoint(const char*& p) {
    return static_cast<unsigned char>(*p++);
}

// A surrogate without its partner stands for no character: it becomes U+FFFD, and the unit
// after a lone high surrogate is read on its own.
char32_t NextCodePoint(const char16_t*& p) {
    const char32_t unit = *p++;
    if (unit >= 0xD800 && unit <= 0xDBFF && *p >= 0xDC00 && *p <= 0xDFFF) {
        return 0x10000 + ((unit - 0xD800) << 10) + (*p++ - 0xDC00);
    }
    return unit >= 0xD800 && unit <= 0xDFFF ? kReplacementCharacter : unit;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
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

// The host's path as this system names it: UTF-8, with "/" for "\". False when there is no
// path or no memory for it.
template <typename Unit> bool LocalPath(const Unit* path, std::string& out) {
    if (path == nullptr) {
        return false;
    }
    try {
        for (const Unit* p = path; *p != 0;) {
            const char32_t code = NextCodePoint(p);
            AppendUtf8(out, code == U'\\' ? U'/' : code);
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

} // namespace

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
