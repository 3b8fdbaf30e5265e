// NKString under arbitrary sequences of its operations on arbitrary units, checked against a
// plain std::u16string that does the same work, and against the string's own promises: the
// terminator at Length(), a capacity that is a multiple of 10 and never shrinks, and a narrow
// view of the units' low bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/core/NKString.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

// What the narrow view shows of one unit, written here apart from the string's own code.
unsigned NarrowByteOfModel(char16_t unit) {
    return unit <= 0xFF ? unit : static_cast<unsigned>('?');
}

std::u16string FromNarrow(const char* text) {
    std::u16string units;
    for (; *text; ++text)
        units += static_cast<char16_t>(static_cast<unsigned char>(*text));
    return units;
}

// Narrow text as the callers pass it: zero-terminated, so a zero byte ends it.
std::string NarrowArgument(FuzzedDataProvider& input) {
    return input.ConsumeRandomLengthString(24);
}

std::u16string Units(FuzzedDataProvider& input) {
    std::u16string units;
    const size_t count = input.ConsumeIntegralInRange<size_t>(0, 24);
    for (size_t i = 0; i < count && input.remaining_bytes() > 0; ++i)
        units += static_cast<char16_t>(input.ConsumeIntegral<uint16_t>());
    return units;
}

void Trim(std::u16string& text, const std::u16string& blanks) {
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::u16string::npos) {
        text.clear();
        return;
    }
    text = text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

int32_t Find(const std::u16string& text, const std::u16string& search, int32_t start) {
    if (start < 0)
        start = 0;
    if (static_cast<size_t>(start) > text.size())
        return -1;
    const size_t at = text.find(search, static_cast<size_t>(start));
    return at == std::u16string::npos ? -1 : static_cast<int32_t>(at);
}

bool ReplaceAll(std::u16string& text, const std::u16string& search,
                const std::u16string& replacement) {
    if (search.empty())
        return false;
    bool replaced = false;
    for (size_t at = text.find(search); at != std::u16string::npos;
         at = text.find(search, at + replacement.size())) {
        text.replace(at, search.size(), replacement);
        replaced = true;
    }
    return replaced;
}

// One string and what its text must be.
struct Tracked {
    NKString string;
    std::u16string model;
    uint32_t lastCapacity;

    Tracked() : lastCapacity(string.Capacity()) {}

    void Verify(bool bufferGivenUp = false) {
        const uint32_t length = string.Length();
        Check(length == model.size());
        Check(bufferGivenUp || string.Capacity() >= lastCapacity);
        lastCapacity = string.Capacity();
        if (string.Capacity() != 0) {
            Check(string.Capacity() % 10 == 0);
            Check(length < string.Capacity());
        }
        const char16_t* units = string.WideText();
        Check(units[length] == 0);
        Check(std::u16string(units, length) == model);
        Check(string.CharAt(length) == 0);
        // The narrow view ends at the first zero unit, or at the end; a unit up to 0xFF is its
        // byte, any other "?".
        const char* narrow = string.NarrowText();
        size_t narrowEnd = 0;
        while (narrowEnd < length && model[narrowEnd] != 0)
            ++narrowEnd;
        Check(std::strlen(narrow) == narrowEnd);
        for (size_t i = 0; i < narrowEnd; ++i)
            Check(static_cast<unsigned char>(narrow[i]) == NarrowByteOfModel(model[i]));
    }
};

// Assignments and appends to the first string. True when it gave up its buffer, the one
// time its capacity may shrink.
bool Put(int operation, FuzzedDataProvider& input, Tracked& a, Tracked& b) {
    switch (operation) {
    case 0: {
        const std::string text = NarrowArgument(input);
        a.string.AssignNarrow(text.c_str());
        a.model = FromNarrow(text.c_str());
        break;
    }
    case 1:
        a.string.AssignNarrow(nullptr);
        a.model.clear();
        Check(a.string.Capacity() == 0);
        return true;
    case 2: {
        const std::u16string units = Units(input);
        a.string.AssignWide(units.c_str());
        a.model = units.substr(0, units.find(u'\0'));
        break;
    }
    case 3:
        a.string.Assign(&b.string);
        a.model = b.model;
        break;
    case 4: {
        const auto unit = input.ConsumeIntegral<uint16_t>();
        a.string.AppendChar(unit);
        a.model += static_cast<char16_t>(unit);
        break;
    }
    case 5: {
        // Appending a string to itself included.
        Tracked& other = input.ConsumeBool() ? a : b;
        const std::u16string tail = other.model;
        a.string.Append(&other.string);
        a.model += tail;
        break;
    }
    case 6: {
        const std::string text = NarrowArgument(input);
        a.string.AppendNarrow(text.c_str());
        a.model += FromNarrow(text.c_str());
        break;
    }
    case 7: {
        const auto value = input.ConsumeIntegral<int32_t>();
        const std::u16string digits = FromNarrow(std::to_string(value).c_str());
        if (input.ConsumeBool()) {
            a.string.AssignNumber(value);
            a.model = digits;
        } else {
            a.string.AppendNumber(value);
            a.model += digits;
        }
        break;
    }
    }
    return false;
}

// Edits of the first string's text, and a copy of it into the second.
void Edit(int operation, FuzzedDataProvider& input, Tracked& a, Tracked& b) {
    switch (operation) {
    case 0:
        a.string.TrimBlanks();
        Trim(a.model, u" \t\r\n");
        break;
    case 1:
        a.string.TrimLineBreaks();
        Trim(a.model, u"\r\n");
        break;
    case 2: {
        const std::string search = NarrowArgument(input);
        const std::string replacement = NarrowArgument(input);
        const bool expected =
            ReplaceAll(a.model, FromNarrow(search.c_str()), FromNarrow(replacement.c_str()));
        Check(a.string.ReplaceAllNarrow(search.c_str(), replacement.c_str()) == expected);
        break;
    }
    case 3: {
        // Taking tags out never lengthens the text; what stays is checked by Verify.
        const size_t before = a.model.size();
        a.string.RemoveFontTags();
        a.model = std::u16string(a.string.WideText(), a.string.Length());
        Check(a.model.size() <= before);
        break;
    }
    case 4: {
        const NKString copy(a.string);
        Check(copy.Equals(&a.string));
        b.string = a.string;
        b.model = a.model;
        b.lastCapacity = 0;
        break;
    }
    }
}

// Questions to the strings, answered as the model answers them.
void Ask(int operation, FuzzedDataProvider& input, Tracked& a, Tracked& b) {
    switch (operation) {
    case 0: {
        const auto start = input.ConsumeIntegralInRange<int32_t>(-3, 40);
        Check(a.string.Find(&b.string, start) == Find(a.model, b.model, start));
        Check(a.string.Find(nullptr, start) == -1);
        break;
    }
    case 1: {
        const std::string text = NarrowArgument(input);
        const auto start = input.ConsumeIntegralInRange<int32_t>(-3, 40);
        Check(a.string.FindNarrow(text.c_str(), start) ==
              Find(a.model, FromNarrow(text.c_str()), start));
        break;
    }
    case 2: {
        Check(a.string.Equals(&b.string) == (a.model == b.model));
        Check(a.string.HasPrefix(&b.string) == (a.model.compare(0, b.model.size(), b.model) == 0));
        Check(!a.string.Equals(nullptr));
        break;
    }
    case 3: {
        const std::string text = NarrowArgument(input);
        // A zero byte ends the narrow argument.
        const size_t used = std::strlen(text.c_str());
        bool prefix = used <= a.model.size();
        for (size_t i = 0; prefix && i < used; ++i)
            prefix = NarrowByteOfModel(a.model[i]) == static_cast<unsigned char>(text[i]);
        Check(a.string.HasNarrowPrefix(text.c_str()) == prefix);
        break;
    }
    case 4: {
        const auto index = input.ConsumeIntegral<uint32_t>();
        Check(a.string.CharAt(index) == (index < a.model.size() ? a.model[index] : 0));
        break;
    }
    }
}

constexpr int kPuts = 8, kEdits = 5, kQuestions = 5;

void Operate(FuzzedDataProvider& input, Tracked& a, Tracked& b) {
    const int operation = input.ConsumeIntegralInRange<int>(0, kPuts + kEdits + kQuestions - 1);
    bool bufferGivenUp = false;
    if (operation < kPuts)
        bufferGivenUp = Put(operation, input, a, b);
    else if (operation < kPuts + kEdits)
        Edit(operation - kPuts, input, a, b);
    else
        Ask(operation - kPuts - kEdits, input, a, b);
    a.Verify(bufferGivenUp);
    b.Verify();
}

} // namespace

// Appending a string to itself doubles it: a few dozen steps would fill the memory.
constexpr size_t kLongest = 1 << 16;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    Tracked first, second;
    first.Verify();
    while (input.remaining_bytes() > 0) {
        for (Tracked* text : {&first, &second}) {
            if (text->model.size() > kLongest) {
                text->string.AssignNarrow("");
                text->model.clear();
            }
        }
        if (input.ConsumeBool())
            Operate(input, first, second);
        else
            Operate(input, second, first);
    }
    return 0;
}
