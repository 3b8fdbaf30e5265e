// The form of one scenario action, as its row in the table of actions writes it and as
// `VARLUNE --script-help` shows it: "select staves <number> to <number>". Literal words must
// be written as they stand; a placeholder word stands for an argument of its kind and may
// carry punctuation after it, which the line must carry too ("move panel to <number>,
// <number>" reads "move panel to 120, 80"). "<text>..." takes the rest of the line, any
// number of texts, none included; it comes last.
#pragma once

#include <string>
#include <vector>

// What a line gave for the placeholders of its action's form, each kind in the form's order.
struct ActionArguments {
    std::vector<long long> numbers; // each <number> and <hex>
    std::vector<std::string> texts; // each <text> and <key>, then each text of "<text>..."
};

class ActionForm {
public:
    // form: words separated by single blanks, the first one literal. A placeholder this class
    // does not know never matches, so a mistyped one leaves an action that no line can name.
    // Not explicit: a row of the table of actions writes its form as it reads.
    ActionForm(const char* form);

    const std::string& Text() const { return text_; }
    const std::string& FirstWord() const { return parts_.front().literal; }

    // True when words (a line split as Scenario.h splits it) take this form; arguments then
    // holds what the placeholders stood for, and is left as it was otherwise.
    bool Match(const std::vector<std::string>& words, ActionArguments& arguments) const;

    // Each kind of placeholder, and what a line may write for it.
    struct PlaceholderMeaning {
        std::string placeholder;
        std::string meaning;
    };
    static std::vector<PlaceholderMeaning> PlaceholderMeanings();

private:
    enum class PartKind { Word, Number, Hex, Text, Texts, Key, Unknown };
    struct Part {
        PartKind kind;
        std::string literal; // the word itself, or the punctuation after a placeholder
    };
    struct Placeholder {
        const char* word;
        PartKind kind;
        const char* meaning; // what a line may write for it
    };

    static const std::vector<Placeholder>& Placeholders();

    static Part ReadPart(const std::string& word);
    static bool MatchPart(const Part& part, const std::string& word, ActionArguments& arguments);

    std::string text_;
    std::vector<Part> parts_;
};
