#pragma once
// The parts of the manual's check: the Markdown it reads (tables, links and pictures, headings and
// their anchors, the text a reader sees, the worked examples), and the examples run through the pages.
#include <set>
#include <string>
#include <vector>

namespace manual {

struct Table {
    int line = 0;  // of the header, from 1
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};
std::vector<Table> Tables(const std::string& text);

// The anchors a page offers: its headings as Markdown renderers make them (lower case, punctuation
// dropped, blanks as hyphens), and every name="..." or id="...".
std::vector<std::string> Anchors(const std::string& text);

struct Link {
    int line = 0;
    std::string target;
    bool picture = false;
};
// The links and pictures of a page, Markdown or HTML, outside comments and fenced code.
std::vector<Link> Links(const std::string& text);

// The text a reader sees: without comments, link targets, HTML tags and fenced code.
std::string VisibleText(const std::string& text);

// One step of a worked example, as the reader is told to make it.
struct Step {
    enum class Kind { Inputs, Press, Results, Table, Message } kind = Kind::Inputs;
    int line = 0;
    Table table;                      // Inputs, Results, Table
    std::string button, title, text;  // Press: the button's caption; Message: the box's title and text
};
struct Example {
    int line = 0;
    std::vector<Step> steps;
};
// The worked examples of a page: each runs from "<!-- example -->" to "<!-- end example -->". Inside
// one, a table headed "Input" gives values to enter, "Press **Caption**" a button to press, a table
// headed "Result" the texts the page then shows (its second column), any other table rows of a
// rating table (entered before the first press, shown after it), and a quoted "> **Title**: text" a
// message box the program shows.
std::vector<Example> Examples(const std::string& text, std::string& error);

struct ExampleRun {
    std::vector<std::string> failures;  // empty when the page did all the example says
    bool designed = false;              // the computation succeeded and showed results
};

// Runs a worked example on a fresh program: the page `form` is chosen from the tab strip, the inputs
// are entered as a person does (into a field: select its text, paste, leave it; a list item chosen;
// an option or a check box clicked), the buttons pressed, and what the page then shows is compared
// with what the example says it shows. A control is found by its caption as a reader finds it: a
// numeric field by its label, a list by the label beside it, a check box or an option by its own
// caption, an option group by its frame's caption, a list without a caption by one of its items.
ExampleRun RunExample(const std::string& form, const Example& example);

// Control names of every page and result window, as a script addresses them.
std::vector<std::string> ControlNames();
// The names of a page's controls (with its result windows'), members of a group also by their base
// name; empty for an unknown page.
std::vector<std::string> ControlNamesOf(const std::string& form);
// The captions of the page's inputs a table of inputs cannot name, with why.
std::vector<std::string> UnknownInputs(const std::string& form, const Table& inputs);

}  // namespace manual
