#include "simhost/scenarios/RandomWalk.h"

#include <random>
#include <vector>

namespace {

const char* const kCaptions[] = {"&Switch To",   "&Add Staves", "R&emove Staves",
                                 "^",            "v",           "&Delete Set",
                                 "&Rename",      "&Create Set", "&Close"};
const char* const kKeys[] = {"Tab",   "Shift+Tab", "Down",  "Up",    "Home",  "End",
                             "Enter", "Escape",    "Space", "Alt+S", "Alt+C", "Alt+A",
                             "Alt+E", "Alt+D",     "Alt+R", "C",     "R",     "Y"};
const char* const kAnswerKeys[] = {"Y", "N", "Enter", "Escape", "Space", "X"};
const char* const kNames[] = {"Brass", "Holz", "", "  Strings  ", "Streicher \xE2\x80\x93 tutti",
                              "\xE5\xBC\xA6", "Percussion and Timpani of the Second Orchestra",
                              "Woodwinds", "B\xE2\x99\xAD Clarinets"};

class Walk {
public:
    explicit Walk(uint32_t seed) : random_(seed) {}

    // 0 to n - 1.
    int Below(int n) { return static_cast<int>(random_() % static_cast<uint32_t>(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool OneIn(int n) { return Below(n) == 0; }
    template <typename T, size_t n>
    const T& AnyOf(const T (&items)[n]) {
        return items[Below(static_cast<int>(n))];
    }

    void Line(const std::string& line) { text_ += line + "\n"; }
    static std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

    void Opening(int dotsPerInch) {
        if (OneIn(4))
            Line("host version 0x10FFFFFF");
        if (dotsPerInch != 96)
            Line("display " + std::to_string(dotsPerInch) + " dpi");
        Line("load score sample");
        documents_ = 1;
        if (OneIn(2)) {
            Line("load score generated " + std::to_string(Between(8, 48)) + " staves " +
                 std::to_string(Between(0, 5)) + " definitions");
            ++documents_;
        }
        if (OneIn(6)) {
            Line(OneIn(2) ? "load score empty" : "load score without data category");
            ++documents_;
        }
        if (OneIn(4))
            Line("write options \"QMSTAFFSETPANEL_WINDOWSHADE=1\"");
        Line("open panel");
    }

    void Action();
    const std::string& Text() const { return text_; }

private:
    std::string Row() { return std::to_string(Below(9)); }
    std::string Staff() { return std::to_string(Between(1, 24)); }

    std::mt19937 random_;
    std::string text_;
    int documents_ = 0;
};

void Walk::Action() {
    struct Choice {
        int weight;
        void (*write)(Walk&);
    };
    static const Choice kChoices[] = {
        {12, [](Walk& w) { w.Line("click row " + w.Row()); }},
        {2, [](Walk& w) { w.Line("double-click row " + w.Row()); }},
        {8,
         [](Walk& w) {
             const int first = w.Between(1, 20);
             w.Line("select staves " + std::to_string(first) + " to " +
                    std::to_string(first + w.Below(7)));
         }},
        {2, [](Walk& w) { w.Line("select staff " + w.Staff()); }},
        {1, [](Walk& w) { w.Line("select nothing"); }},
        {5, [](Walk& w) { w.Line("type " + Quoted(w.AnyOf(kNames))); }},
        {14, [](Walk& w) { w.Line("press " + Quoted(w.AnyOf(kCaptions))); }},
        {6, [](Walk& w) { w.Line(w.OneIn(2) ? "answer Yes" : "answer No"); }},
        {2, [](Walk& w) { w.Line(std::string("answer by key ") + w.AnyOf(kAnswerKeys)); }},
        {12, [](Walk& w) { w.Line(std::string("key ") + w.AnyOf(kKeys)); }},
        {12, [](Walk& w) { w.Line("tick " + std::to_string(w.Between(1, 6))); }},
        {3, [](Walk& w) { w.Line("click into the score"); }},
        {3, [](Walk& w) { w.Line("click into the panel"); }},
        {1, [](Walk& w) { w.Line("host modal dialog up"); }},
        {2, [](Walk& w) { w.Line("host modal dialog down"); }},
        {1,
         [](Walk& w) {
             w.Line("move panel to " + std::to_string(w.Between(0, 900)) + ", " +
                    std::to_string(w.Between(0, 700)));
         }},
        {1, [](Walk& w) { w.Line("close panel by caption"); }},
        {3, [](Walk& w) { w.Line("open panel"); }},
        {4, [](Walk& w) { w.Line("undo"); }},
        {2, [](Walk& w) { w.Line("redo"); }},
        {2,
         [](Walk& w) {
             w.Line("switch to document " + std::to_string(w.Between(1, w.documents_)));
         }},
        {1, [](Walk& w) { w.Line("host adds staff " + Quoted(w.AnyOf(kNames))); }},
        {1, [](Walk& w) { w.Line("host deletes staff " + w.Staff()); }},
        {1,
         [](Walk& w) {
             const int first = w.Between(1, 20);
             w.Line("host sets set " + std::to_string(w.Between(1, 8)) + " to staves " +
                    std::to_string(first) + " to " + std::to_string(first + w.Below(5)));
         }},
        {1,
         [](Walk& w) {
             w.Line("host renames set " + std::to_string(w.Between(1, 8)) + " to " +
                    Quoted(w.AnyOf(kNames)));
         }},
        {1, [](Walk& w) { w.Line(w.OneIn(2) ? "unload plug-in" : "load plug-in"); }},
        {1, [](Walk& w) { w.Line(w.OneIn(2) ? "show" : "show score"); }},
        {1, [](Walk& w) { w.Line(w.OneIn(2) ? "show focus" : "show columns"); }},
    };
    int total = 0;
    for (const Choice& choice : kChoices)
        total += choice.weight;
    int pick = Below(total);
    for (const Choice& choice : kChoices) {
        if (pick < choice.weight) {
            choice.write(*this);
            return;
        }
        pick -= choice.weight;
    }
}

} // namespace

std::string WriteRandomWalk(uint32_t seed, int actions, int dotsPerInch) {
    Walk walk(seed);
    walk.Line("# random walk, seed " + std::to_string(seed));
    walk.Opening(dotsPerInch);
    for (int i = 0; i < actions; ++i)
        walk.Action();
    return walk.Text();
}
