// The simulated host's one conversion between UTF-8, in which it keeps and prints text, and
// UTF-16, in which the host and Win32 exchange it. What cannot be converted becomes U+FFFD
// rather than being dropped or guessed at: a lone surrogate, high or low, and on the UTF-8
// side a malformed or overlong sequence, or one that encodes a surrogate.
#pragma once

#include <cstddef>
#include <string>

// Characters beyond U+FFFF become surrogate pairs.
std::u16string Utf8ToUtf16(const std::string& utf8);
// A high surrogate followed by a low one becomes the one character they encode.
std::string Utf16ToUtf8(const std::u16string& text);

// How many characters UTF-8 text holds: its bytes that do not continue a sequence.
size_t Utf8CharacterCount(const std::string& utf8);
