#include "framework/settings/NKTextFileStream.h"

#include <new>
#include <string>

#include "framework/settings/NKSettingsPair.h"
#include "framework/settings/NKSettingsPairs.h"
#include "framework/settings/TextUnits.h"
#include "platform/HostFiles.h"

bool NKTextFileStream::OpenRead() {
    return Open("rb");
}

bool NKTextFileStream::OpenWrite() {
    return Open("w+");
}

int NKTextFileStream::NextByte() {
    const int byte = std::getc(file);
    if (byte == EOF && std::ferror(file) != 0) {
        readFailed = true;
    }
    return byte;
}

NKString* NKTextFileStream::ReadLine() {
    if (file == nullptr) {
        return nullptr;
    }
    int byte = NextByte();
    if (byte == EOF) {
        return nullptr;
    }
    std::string bytes;
    try {
        for (; byte != '\n' && byte != '\r' && byte != EOF; byte = NextByte()) {
            bytes += static_cast<char>(byte);
        }
    } catch (const std::bad_alloc&) {
        readFailed = true;
        return nullptr;
    }
    if (byte == '\r') {
        const int next = NextByte();
        if (next != '\n' && next != EOF) {
            std::ungetc(next, file);
        }
    }
    NKString* line = new (std::nothrow) NKString();
    if (line == nullptr ||
        !AssignUnits(*line, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())) {
        delete line;
        readFailed = true;
        return nullptr;
    }
    return line;
}

NKStrings* NKTextFileStream::ReadAllLines() {
    if (file == nullptr) {
        return nullptr;
    }
    NKStrings* lines = new (std::nothrow) NKStrings();
    if (lines == nullptr) {
        readFailed = true;
        return nullptr;
    }
    while (NKString* line = ReadLine()) {
        line->TrimLineBreaks();
        if (!lines->Add(line)) {
            readFailed = true;
            break;
        }
    }
    return lines;
}

bool NKTextFileStream::WriteUnits(const NKString& text) {
    // The narrow view holds Length() bytes and a terminator even when a unit is zero.
    return WriteHostFile(file, text.NarrowText(), text.Length());
}

bool NKTextFileStream::WritePair(const NKSettingsPair* pair) {
    return file != nullptr && pair != nullptr && WriteUnits(pair->key) &&
           WriteHostFile(file, "=", 1) && WriteUnits(pair->value) && WriteHostFile(file, "\n", 1);
}

bool NKTextFileStream::WritePairs(const NKSettingsPairs* pairs) {
    if (file == nullptr || pairs == nullptr) {
        return false;
    }
    for (int32_t i = 0; i < pairs->Count(); ++i) {
        if (!WritePair(pairs->ElementAt(i))) {
            return false;
        }
    }
    return true;
}
