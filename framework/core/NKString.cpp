#include "framework/core/NKString.h"

#include <cinttypes>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <new>

namespace {

// Smallest index at or after start where needle occurs in text, or -1. Narrow needles are
// passed as unsigned bytes so that 0x80..0xFF compare equal to the units of the same value.
template <typename Unit>
int32_t FindUnits(const char16_t* text, uint32_t textLength, const Unit* needle,
                  uint64_t needleLength, int32_t start) {
    // A negative start would read before the text.
    int64_t pos = start < 0 ? 0 : start;
    for (; static_cast<uint64_t>(pos) + needleLength <= textLength; ++pos) {
        uint64_t k = 0;
        while (k < needleLength && text[pos + k] == static_cast<char16_t>(needle[k])) {
            ++k;
        }
        if (k == needleLength) {
            return static_cast<int32_t>(pos);
        }
    }
    return -1;
}

const unsigned char* Bytes(const char* text) {
    return reinterpret_cast<const unsigned char*>(text);
}

bool StartsWithNarrow(const char16_t* units, uint32_t length, const char* prefix) {
    const size_t n = std::strlen(prefix);
    if (length < n) {
        return false;
    }
    for (size_t i = 0; i < n; ++i) {
        if (NarrowByteOf(units[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

// A closed tag ("^word(...)") that RemoveFontTags takes out. Every tag text ends with ")",
// so a prefix match alone decides; "^fontMus", "^fontTxt" and "^fontNum" are "^font" tags.
bool IsFontTag(const char16_t* tag, uint32_t length) {
    return StartsWithNarrow(tag, length, "^font") || StartsWithNarrow(tag, length, "^Font") ||
           StartsWithNarrow(tag, length, "^nfx") || StartsWithNarrow(tag, length, "^size");
}

} // namespace

NKString::NKString() {
    chars = new (std::nothrow) char16_t[10];
    if (chars != nullptr) {
        capacity = 10;
        chars[0] = 0;
    }
}

NKString::NKString(const char* narrow) : NKString() {
    AssignNarrow(narrow);
}

NKString::NKString(const NKString& other) : __NKBase(other) {
    CopyFrom(other);
}

NKString& NKString::operator=(const NKString& other) {
    if (this != &other && CopyFrom(other)) {
        UserData = other.UserData;
        UserPointer = other.UserPointer;
    }
    return *this;
}

NKString::~NKString() {
    delete[] chars;
    chars = nullptr;
    length = 0;
    capacity = 0;
    delete[] narrowCopy;
    narrowCopy = nullptr;
}

const char* NKString::ClassName() const {
    return "NKString";
}

bool NKString::Reserve(uint64_t units) {
    // Assigning or appending up to n units, and appending one unit to n - 1 (regrown once
    // n + 1 reaches the capacity), all come to this: the capacity becomes the smallest
    // multiple of 10 above n. A buffer of exactly n + 1 units already is that size and is
    // kept rather than replaced by one of the same size.
    if (units >= UINT32_MAX) {
        // No capacity holds it, and units + 1 could wrap to 0.
        return false;
    }
    if (capacity >= units + 1) {
        return true;
    }
    const uint64_t grownCapacity = (units + 10) / 10 * 10;
    // The byte size must fit in 32 bits: a size that wrapped would give a short buffer.
    if (grownCapacity * sizeof(char16_t) > UINT32_MAX) {
        return false;
    }
    char16_t* grown = new (std::nothrow) char16_t[static_cast<size_t>(grownCapacity)];
    if (grown == nullptr) {
        return false;
    }
    if (length > 0) {
        std::memcpy(grown, chars, length * sizeof(char16_t));
    }
    grown[length] = 0;
    delete[] chars;
    chars = grown;
    capacity = static_cast<uint32_t>(grownCapacity);
    return true;
}

bool NKString::CopyFrom(const NKString& other) {
    if (!Reserve(other.length)) {
        return false;
    }
    if (other.length > 0) {
        std::memcpy(chars, other.chars, other.length * sizeof(char16_t));
    }
    length = other.length;
    chars[length] = 0;
    return true;
}

void NKString::AssignNarrow(const char* text) {
    if (text == nullptr) {
        delete[] chars;
        chars = nullptr;
        length = 0;
        capacity = 0;
        return;
    }
    const size_t n = std::strlen(text);
    if (!Reserve(n)) {
        return;
    }
    for (size_t i = 0; i < n; ++i) {
        chars[i] = Bytes(text)[i];
    }
    length = static_cast<uint32_t>(n);
    chars[length] = 0;
}

void NKString::AssignWide(const char16_t* text) {
    if (text == nullptr) {
        text = u"";
    }
    uint64_t n = 0;
    while (text[n] != 0) {
        ++n;
    }
    // A text taken from this string's own buffer is never longer than it, so Reserve keeps
    // the buffer and the overlapping move below is safe.
    if (!Reserve(n)) {
        return;
    }
    std::memmove(chars, text, static_cast<size_t>(n) * sizeof(char16_t));
    length = static_cast<uint32_t>(n);
    chars[length] = 0;
}

void NKString::Assign(const NKString* other) {
    if (other == this) {
        // Already its own text; copying would hand memcpy overlapping ranges.
        return;
    }
    if (other == nullptr) {
        AssignNarrow("");
        return;
    }
    CopyFrom(*other);
}

const char* NKString::NarrowText() const {
    char* copy = new (std::nothrow) char[static_cast<size_t>(length) + 1];
    delete[] narrowCopy;
    narrowCopy = copy;
    if (copy == nullptr) {
        return "";
    }
    for (uint32_t i = 0; i < length; ++i) {
        copy[i] = NarrowByteOf(chars[i]);
    }
    copy[length] = 0;
    return copy;
}

const char16_t* NKString::WideText() const {
    return chars != nullptr ? chars : u"";
}

char16_t NKString::CharAt(uint32_t index) const {
    return index < length ? chars[index] : 0;
}

void NKString::AppendChar(char16_t unit) {
    if (!Reserve(static_cast<uint64_t>(length) + 1)) {
        return;
    }
    chars[length] = unit;
    ++length;
    chars[length] = 0;
}

void NKString::Append(const NKString* other) {
    if (other == nullptr || other->length == 0) {
        return;
    }
    const uint32_t n = other->length;
    if (!Reserve(static_cast<uint64_t>(length) + n)) {
        return;
    }
    // Read other->chars only now: appending a string to itself may have moved the buffer.
    std::memmove(chars + length, other->chars, n * sizeof(char16_t));
    length += n;
    chars[length] = 0;
}

void NKString::AppendNarrow(const char* text) {
    if (text == nullptr || text[0] == 0) {
        return;
    }
    const size_t n = std::strlen(text);
    if (!Reserve(static_cast<uint64_t>(length) + n)) {
        return;
    }
    for (size_t i = 0; i < n; ++i) {
        chars[length + i] = Bytes(text)[i];
    }
    length += static_cast<uint32_t>(n);
    chars[length] = 0;
}

void NKString::AssignNumber(int32_t value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%" PRId32, value);
    AssignNarrow(digits);
}

void NKString::AppendNumber(int32_t value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%" PRId32, value);
    AppendNarrow(digits);
}

bool NKString::Equals(const NKString* other) const {
    if (other == nullptr || other->length != length) {
        return false;
    }
    return length == 0 || std::memcmp(chars, other->chars, length * sizeof(char16_t)) == 0;
}

bool NKString::HasPrefix(const NKString* other) const {
    if (other == nullptr || other->length > length) {
        return false;
    }
    return other->length == 0 ||
           std::memcmp(chars, other->chars, other->length * sizeof(char16_t)) == 0;
}

bool NKString::HasNarrowPrefix(const char* text) const {
    // Compares unit by unit rather than through NarrowText, which would invalidate a narrow
    // pointer the caller may still hold.
    return StartsWithNarrow(chars, length, text != nullptr ? text : "");
}

int32_t NKString::Find(const NKString* other, int32_t start) const {
    if (other == nullptr) {
        return -1;
    }
    return FindUnits(chars, length, other->chars, other->length, start);
}

int32_t NKString::FindNarrow(const char* text, int32_t start) const {
    if (text == nullptr) {
        text = "";
    }
    return FindUnits(chars, length, Bytes(text), std::strlen(text), start);
}

void NKString::Trim(bool spacesAndTabsToo) {
    auto trimmed = [spacesAndTabsToo](char16_t unit) {
        return unit == 13 || unit == 10 || (spacesAndTabsToo && (unit == u' ' || unit == 9));
    };
    uint32_t end = length;
    while (end > 0 && trimmed(chars[end - 1])) {
        --end;
    }
    uint32_t begin = 0;
    while (begin < end && trimmed(chars[begin])) {
        ++begin;
    }
    if (begin == 0 && end == length) {
        return;
    }
    std::memmove(chars, chars + begin, (end - begin) * sizeof(char16_t));
    length = end - begin;
    chars[length] = 0;
}

void NKString::TrimBlanks() {
    Trim(true);
}

void NKString::TrimLineBreaks() {
    Trim(false);
}

bool NKString::ReplaceAllNarrow(const char* search, const char* replacement) {
    // An empty search text is found everywhere, also right after each insertion: replacing
    // it would never end.
    if (search == nullptr || search[0] == 0) {
        return false;
    }
    if (replacement == nullptr) {
        replacement = "";
    }
    const size_t searchLength = std::strlen(search);
    const size_t replacementLength = std::strlen(replacement);

    // Searching the result from just after an inserted replacement is searching the original
    // from just after the replaced occurrence, so one pass over the original suffices.
    uint64_t occurrences = 0;
    for (int32_t p = FindNarrow(search, 0); p >= 0;
         p = FindNarrow(search, static_cast<int32_t>(p + searchLength))) {
        ++occurrences;
    }
    if (occurrences == 0) {
        return false;
    }
    const uint64_t resultLength =
        length - occurrences * searchLength + occurrences * replacementLength;

    NKString result;
    if (!result.Reserve(resultLength)) {
        return false;
    }
    uint32_t from = 0;
    uint64_t to = 0;
    for (int32_t p = FindNarrow(search, 0); p >= 0;
         p = FindNarrow(search, static_cast<int32_t>(p + searchLength))) {
        const uint32_t at = static_cast<uint32_t>(p);
        std::memcpy(result.chars + to, chars + from, (at - from) * sizeof(char16_t));
        to += at - from;
        for (size_t i = 0; i < replacementLength; ++i) {
            result.chars[to++] = Bytes(replacement)[i];
        }
        from = at + static_cast<uint32_t>(searchLength);
    }
    std::memcpy(result.chars + to, chars + from, (length - from) * sizeof(char16_t));
    result.length = static_cast<uint32_t>(resultLength);
    result.chars[result.length] = 0;

    // Copied rather than swapped in: this string's buffer never shrinks.
    return CopyFrom(result);
}

bool NKString::RemoveFontTags() {
    // Rewritten in place: the output never gets ahead of the input, and while a tag is open
    // nothing is written, so the tag's own units are still there when it is kept.
    bool removedAny = false;
    bool inTag = false;
    uint32_t tagStart = 0;
    uint32_t out = 0;
    for (uint32_t i = 0; i < length; ++i) {
        const char16_t unit = chars[i];
        if (inTag) {
            if (unit != u')') {
                continue;
            }
            inTag = false;
            const uint32_t tagLength = i + 1 - tagStart;
            if (IsFontTag(chars + tagStart, tagLength)) {
                removedAny = true;
            } else {
                std::memmove(chars + out, chars + tagStart, tagLength * sizeof(char16_t));
                out += tagLength;
            }
        } else if (unit == u'^') {
            if (i + 1 < length && chars[i + 1] == u'^') {
                chars[out++] = u'^';
                ++i;
            } else {
                inTag = true;
                tagStart = i;
            }
        } else {
            chars[out++] = unit;
        }
    }
    // A tag still open here is dropped with its caret, and does not count as removed.
    if (out != length) {
        length = out;
        chars[length] = 0;
    }
    return removedAny;
}
