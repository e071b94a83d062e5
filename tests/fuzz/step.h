#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vado::fuzz {

// One thing a person does. A step names the form it talks to; when that form cannot be reached
// at the time (another page is shown, a dialog is open over it, the control is hidden), the step
// does nothing, so any part of a sequence can be run on its own.
struct Step {
    enum class Verb {
        Tab,        // a: the tab, from 1
        Type,       // text pasted into a field (the field is entered and left)
        Keys,       // text typed key by key into a field, which keeps the focus; "\r" is Enter,
                    // "\b" Backspace, "\x11" to "\x14" the arrows Left, Up, Right, Down
        Choose,     // a: list item, option member or check box value
        Cell,       // a, b: row, column of an editable grid; text
        Move,       // a, b: a click on a grid cell
        GridKey,    // a: key code, b: shift state
        Copy,       // a, b to c, d: a block of cells selected, then Ctrl+C
        DblClick,   // a: a row of a grid double-clicked
        Click,      // a command button
        Print,      // a Print button, then the Print of the project-information dialog
        Example,    // the page's worked example typed field by field; a: 1 with the inputs after it
        Reopen,     // saved, and opened into a fresh program that carries on
        Open,       // File > Open of the saved project in the running program
        New,        // File > New
        Mutate,     // File > Open of the saved project changed by mutation `a` with `seed`
    };
    Verb verb = Verb::Tab;
    std::string form;
    std::string control;
    std::string text;
    int a = 0, b = 0, c = 0, d = 0;
    std::uint64_t seed = 0;

    bool operator==(const Step&) const = default;
};

inline constexpr int kVerbs = 16;
// The word of a verb in a replay file.
const char* VerbWord(Step::Verb verb);

// A step as one line of a replay file ("type frmWeir txt1Coeff \"3.1\""), and back.
std::string ToLine(const Step& step);
std::optional<Step> FromLine(const std::string& line, std::string& error);

// The text with `quote` and the backslash escaped, \t \n \r, and \xHH for every other byte outside
// printable ASCII: any text (invalid UTF-8 included) in one line of printable characters.
std::string Escaped(const std::string& text, char quote);
// The text escaped in double quotes, as a replay file holds it.
std::string Quote(const std::string& text);
// The text of a quoted token starting at `pos`; pos is moved past it.
std::optional<std::string> Unquote(const std::string& line, size_t& pos);

// Several steps, one per line.
std::string ToText(const std::vector<Step>& steps);

}  // namespace vado::fuzz
