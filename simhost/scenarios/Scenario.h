// A scenario: what a user does with the host and the panel, one action per line, read by
// people who have never seen the code. The runner (ScenarioRunner) carries the actions out
// and writes what the user sees into a transcript.
//
//   # a comment; blank lines are ignored
//   host version 0x10FFFFFF          only as the first action: the host the plug-in meets
//   load score sample                also: empty | without data category |
//                                    generated 200 staves 100 definitions
//   switch to document 2
//   select staves 2 to 4             slots of the score's main list; or: select nothing
//   open panel                       picks "QM Staff Set Panel..." in the host's menu
//   click row 3                      rows 0 (All Staves) to 8
//   double-click row 3
//   type "Strings"                   replaces the name field's text, as typing over it does
//   press "&Create Set"              the button with that caption
//   answer Yes                       (or No) the next message box, when it comes
//   tick 5                           the panel's timer fires that many times
//   click into the score             the host's window becomes active
//   click into the panel
//   host modal dialog up             (or down)
//   move panel to 120, 80
//   close panel by caption           the caption's close box
//   write options "KEY=value" ...    replaces qmpluginoptions.txt with these lines
//   write prefs "KEY=value" ...      replaces qmpluginprefs.txt with these lines
//   unload plug-in                   the host quits: terminate, then unload the module
//   load plug-in
//   undo                             (or redo) in the host
//   fail call 2 of NX_SaveEData      the second call from now of that host function fails
//   rename set 1 outside the panel to "Winds"
//   show                             the panel as the user sees it
//   show prefs                       the two preference files
//   screenshot folded                saves the panel's picture (under Windows only)
#pragma once

#include <string>
#include <vector>

struct ScenarioAction {
    int line = 0;
    std::string text;               // the line as written, without blanks at either end
    std::vector<std::string> words; // split at blanks; quoted texts stay whole, unquoted
};

struct Scenario {
    std::vector<ScenarioAction> actions;
    std::string error; // empty when the file was read; else what was wrong
};

Scenario ReadScenario(const std::string& path);
