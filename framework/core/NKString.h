// The framework's one text type.
#pragma once

#include "framework/core/NKBase.h"

#include <cstdint>

// Text is kept as UTF-16 code units. The narrow view has one byte per unit: a unit up to 0xFF
// is its own byte (documents of 8-bit hosts hold those bytes), any other unit is "?", as a
// code page shows a character it lacks (a character beyond U+FFFF, two units, is "??"). The
// low byte alone would turn an en dash into a control character. Narrow input becomes units
// of the same value (0 to 255): there is no code-page conversion, so narrow-to-wide-to-narrow
// and wide-to-wide round trips are exact.
//
// Whenever a buffer exists the unit at Length() is 0, and its capacity is a multiple of 10.
// The buffer only grows; only AssignNarrow(nullptr) and destruction give it up.
//
// A null NKString* argument is "no string" (no match, nothing to append); a null narrow text
// is the empty text. When memory runs out, the operation leaves the string as it was.
class NKString : public __NKBase {
public:
    // An empty text with a buffer of 10 units.
    NKString();
    // A null text gives an empty string without a buffer.
    explicit NKString(const char* narrow);
    // Copies carry the text (into a buffer of the copy's own) and the owner's slots.
    NKString(const NKString& other);
    NKString& operator=(const NKString& other);
    ~NKString() override;

    const char* ClassName() const override;

    // Null frees the buffer: the string is then empty and has none.
    void AssignNarrow(const char* text);
    void AssignWide(const char16_t* text);
    void Assign(const NKString* other);

    // Owned by the string and valid until the next NarrowText call on it or its destruction;
    // never null.
    const char* NarrowText() const;
    // The units, zero-terminated; u"" when there is no buffer, never null.
    const char16_t* WideText() const;

    uint32_t Length() const { return length; }
    uint32_t Capacity() const { return capacity; }
    // Room for a text of this many units and its terminator, so that assigning or appending
    // up to that length copies nothing more: the capacity becomes the smallest multiple of
    // 10 above units, unless it already is at least units + 1. The text stays as it is. False,
    // with the string unchanged, when the room cannot be had: no memory, or a buffer of 4 GB
    // or more.
    bool Reserve(uint64_t units);
    // 0 for an index not below Length().
    char16_t CharAt(uint32_t index) const;

    void AppendChar(char16_t unit);
    void Append(const NKString* other);
    void AppendNarrow(const char* text);
    // Decimal, as "%d" prints it.
    void AssignNumber(int32_t value);
    void AppendNumber(int32_t value);

    // All comparisons are unit by unit and case-sensitive.
    bool Equals(const NKString* other) const;
    bool HasPrefix(const NKString* other) const;
    // Compared as the narrow view shows the units.
    bool HasNarrowPrefix(const char* text) const;
    // The first index at or after start where the text occurs, or -1. A negative start
    // searches from 0; an empty text is found at start when start is not beyond Length().
    int32_t Find(const NKString* other, int32_t start = 0) const;
    int32_t FindNarrow(const char* text, int32_t start = 0) const;

    // Remove space, tab, CR and LF (TrimLineBreaks: CR and LF only) from both ends.
    void TrimBlanks();
    void TrimLineBreaks();

    // Replaces every occurrence left to right; the search goes on after each inserted
    // replacement, so a replacement containing the search text is not replaced again. An
    // empty or null search text replaces nothing; a null replacement is the empty text.
    // True when anything was replaced.
    bool ReplaceAllNarrow(const char* search, const char* replacement);

    // Reduces host-formatted text to display text: takes out font, size and "^nfx" tags,
    // keeps every other tag (such as "^flat()"), turns "^^" into "^" and drops a tag left
    // open at the end. True when a font, size or "^nfx" tag was taken out.
    bool RemoveFontTags();

private:
    bool CopyFrom(const NKString& other);
    void Trim(bool spacesAndTabsToo);

    uint32_t length = 0;
    // In units; 0 exactly when chars is null.
    uint32_t capacity = 0;
    char16_t* chars = nullptr;
    mutable char* narrowCopy = nullptr;
};

// One unit as the narrow view shows it.
inline char NarrowByteOf(char16_t unit) {
    return unit <= 0xFF ? static_cast<char>(unit) : '?';
}
