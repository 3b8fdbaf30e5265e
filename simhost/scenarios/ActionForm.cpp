#include "simhost/scenarios/ActionForm.h"

#include <cstdlib>
#include <cstring>

namespace {

bool ReadNumber(const std::string& word, int base, long long& value) {
    if (word.empty())
        return false;
    char* end = nullptr;
    value = std::strtoll(word.c_str(), &end, base);
    return *end == '\0';
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

const std::vector<ActionForm::Placeholder>& ActionForm::Placeholders() {
    static const std::vector<Placeholder> placeholders = {
        {"<number>", PartKind::Number, "a whole number: 3, -40"},
        {"<hex>", PartKind::Hex, "a hexadecimal number: 0x10FFFFFF"},
        {"<text>", PartKind::Text, "one word, or words in quotes: \"&Create Set\""},
        {"<text>...", PartKind::Texts, "any number of texts, none included"},
        {"<key>", PartKind::Key,
         "a key: Tab, Enter, Escape, Space, Up, Down, Home, End, a letter or digit; "
         "after Shift+ or Alt+ when held with it"},
    };
    return placeholders;
}

ActionForm::Part ActionForm::ReadPart(const std::string& word) {
    if (word.empty() || word[0] != '<')
        return {PartKind::Word, word};
    // The longest placeholder the word starts with: "<text>..." is not "<text>" and "...".
    const Placeholder* longest = nullptr;
    for (const Placeholder& placeholder : Placeholders())
        if (StartsWith(word, placeholder.word) &&
            (!longest || std::strlen(placeholder.word) > std::strlen(longest->word)))
            longest = &placeholder;
    if (!longest)
        return {PartKind::Unknown, word};
    return {longest->kind, word.substr(std::strlen(longest->word))};
}

ActionForm::ActionForm(const char* form) : text_(form) {
    for (size_t start = 0; start <= text_.size();) {
        size_t end = text_.find(' ', start);
        if (end == std::string::npos)
            end = text_.size();
        parts_.push_back(ReadPart(text_.substr(start, end - start)));
        start = end + 1;
    }
}

bool ActionForm::MatchPart(const Part& part, const std::string& word, ActionArguments& arguments) {
    if (part.kind == PartKind::Word)
        return word == part.literal;
    if (!EndsWith(word, part.literal))
        return false;
    const std::string value = word.substr(0, word.size() - part.literal.size());
    long long number = 0;
    switch (part.kind) {
    case PartKind::Number:
    case PartKind::Hex:
        if (!ReadNumber(value, part.kind == PartKind::Hex ? 16 : 10, number))
            return false;
        arguments.numbers.push_back(number);
        return true;
    case PartKind::Text:
    case PartKind::Texts:
    case PartKind::Key:
        arguments.texts.push_back(value);
        return true;
    default:
        return false;
    }
}

bool ActionForm::Match(const std::vector<std::string>& words, ActionArguments& arguments) const {
    ActionArguments found;
    size_t next = 0;
    for (const Part& part : parts_) {
        if (part.kind == PartKind::Texts) {
            while (next < words.size())
                if (!MatchPart(part, words[next++], found))
                    return false;
            break;
        }
        if (next == words.size() || !MatchPart(part, words[next++], found))
            return false;
    }
    if (next != words.size())
        return false;
    arguments = std::move(found);
    return true;
}

std::vector<ActionForm::PlaceholderMeaning> ActionForm::PlaceholderMeanings() {
    std::vector<PlaceholderMeaning> meanings;
    for (const Placeholder& placeholder : Placeholders())
        meanings.push_back({placeholder.word, placeholder.meaning});
    return meanings;
}
