#include "platform/substitute/DialogTemplate.h"

#include "platform/substitute/WindowClasses.h"

namespace {

constexpr WORD kDialogResourceType = 5; // RT_DIALOG

// Little-endian reads that fail, rather than run past the end, on short data.
class Reader {
public:
    Reader(const std::vector<uint8_t>& bytes, size_t begin, size_t end)
        : bytes_(bytes), begin_(begin), end_(end), at_(begin) {}

    bool Word(WORD& value) {
        if (at_ + 2 > end_)
            return Fail();
        value = static_cast<WORD>(bytes_[at_] | bytes_[at_ + 1] << 8);
        at_ += 2;
        return true;
    }
    bool Short(short& value) {
        WORD word = 0;
        if (!Word(word))
            return false;
        value = static_cast<short>(word);
        return true;
    }
    bool Dword(DWORD& value) {
        WORD low = 0, high = 0;
        if (!Word(low) || !Word(high))
            return false;
        value = static_cast<DWORD>(low) | static_cast<DWORD>(high) << 16;
        return true;
    }
    bool Skip(size_t count) {
        if (at_ + count > end_)
            return Fail();
        at_ += count;
        return true;
    }
    bool String(std::u16string& text) {
        text.clear();
        for (WORD unit = 0; Word(unit) && unit != 0;)
            text.push_back(static_cast<char16_t>(unit));
        return ok_;
    }
    // A name or an ordinal: 0xFFFF introduces an ordinal, 0 stands for neither.
    bool NameOrOrdinal(std::u16string& name, WORD& ordinal) {
        name.clear();
        ordinal = 0;
        WORD first = 0;
        if (!Word(first))
            return false;
        if (first == 0xFFFF)
            return Word(ordinal);
        if (first == 0)
            return true;
        name.push_back(static_cast<char16_t>(first));
        std::u16string rest;
        if (!String(rest))
            return false;
        name += rest;
        return true;
    }
    // Aligns to four bytes counted from the start of this reader's range.
    bool AlignDword() { return Skip((4 - (at_ - begin_) % 4) % 4); }

private:
    bool Fail() {
        ok_ = false;
        return false;
    }
    const std::vector<uint8_t>& bytes_;
    size_t begin_, end_, at_;
    bool ok_ = true;
};

bool ReadItem(Reader& reader, substitute::DialogItem& item) {
    DWORD helpId = 0, id = 0;
    std::u16string className, text;
    WORD classOrdinal = 0, textOrdinal = 0, extra = 0;
    if (!reader.AlignDword() || !reader.Dword(helpId) || !reader.Dword(item.exStyle) ||
        !reader.Dword(item.style) || !reader.Short(item.x) || !reader.Short(item.y) ||
        !reader.Short(item.cx) || !reader.Short(item.cy) || !reader.Dword(id) ||
        !reader.NameOrOrdinal(className, classOrdinal) ||
        !reader.NameOrOrdinal(text, textOrdinal) || !reader.Word(extra) || !reader.Skip(extra))
        return false;
    item.id = static_cast<int>(id);
    item.className = classOrdinal ? substitute::ClassOfOrdinal(classOrdinal) : className;
    item.text = text;
    return true;
}

bool ReadTemplate(Reader reader, substitute::DialogTemplate& dialog) {
    WORD version = 0, signature = 0, count = 0, ordinal = 0;
    DWORD helpId = 0;
    std::u16string menu, windowClass;
    if (!reader.Word(version) || !reader.Word(signature) || version != 1 || signature != 0xFFFF)
        return false;
    if (!reader.Dword(helpId) || !reader.Dword(dialog.exStyle) || !reader.Dword(dialog.style) ||
        !reader.Word(count) || !reader.Short(dialog.x) || !reader.Short(dialog.y) ||
        !reader.Short(dialog.cx) || !reader.Short(dialog.cy) ||
        !reader.NameOrOrdinal(menu, ordinal) || !reader.NameOrOrdinal(windowClass, ordinal) ||
        !reader.String(dialog.title))
        return false;
    dialog.hasFont = (dialog.style & DS_SETFONT) != 0;
    if (dialog.hasFont) {
        WORD weight = 0, italicAndCharset = 0;
        if (!reader.Word(dialog.pointSize) || !reader.Word(weight) ||
            !reader.Word(italicAndCharset) || !reader.String(dialog.faceName))
            return false;
    }
    dialog.items.assign(count, {});
    for (substitute::DialogItem& item : dialog.items)
        if (!ReadItem(reader, item))
            return false;
    return true;
}

} // namespace

namespace substitute {

bool ParseDialogResource(const std::vector<uint8_t>& resFile, WORD id, DialogTemplate& dialog) {
    size_t entry = 0;
    while (entry + 8 <= resFile.size()) {
        Reader header(resFile, entry, resFile.size());
        DWORD dataSize = 0, headerSize = 0;
        std::u16string typeName, name;
        WORD type = 0, nameOrdinal = 0;
        if (!header.Dword(dataSize) || !header.Dword(headerSize) ||
            !header.NameOrOrdinal(typeName, type) || !header.NameOrOrdinal(name, nameOrdinal))
            return false;
        const size_t data = entry + headerSize;
        if (headerSize < 8 || data > resFile.size() || dataSize > resFile.size() - data)
            return false;
        if (typeName.empty() && type == kDialogResourceType && name.empty() && nameOrdinal == id)
            return ReadTemplate(Reader(resFile, data, data + dataSize), dialog);
        entry = (data + dataSize + 3) & ~size_t{3};
    }
    return false;
}

} // namespace substitute
