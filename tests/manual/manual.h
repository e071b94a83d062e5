#pragma once
// The manual's check: the worked examples it reads from the Markdown, run through the pages.
#include <string>
#include <vector>

namespace manual {

struct Table {
    int line = 0;  // of the header, from 1
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

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

struct ExampleRun {
    std::vector<std::string> failures;  // empty when the page did all the example says
    bool designed = false;              // the computation succeeded and showed results
};
// Runs a worked example on a fresh program showing the calculator page `form`: the inputs are entered as a
// person does, the buttons pressed, and what the page then shows is compared with what the example
// says. A control is found by its caption as a reader finds it: a numeric field by its label, a list
// by the label beside it, a check box or an option by its own caption, an option group by its
// frame's caption, a list without a caption by one of its items.
ExampleRun RunExample(const std::string& form, const Example& example);

// Control names of every page and result window, as a script addresses them.
std::vector<std::string> ControlNames();
// The names of a page's controls (with its result windows'), members of a group also by their base
// name; empty for an unknown page.
std::vector<std::string> ControlNamesOf(const std::string& form);
// The captions of the page's inputs a table of inputs cannot name, with why.
std::vector<std::string> UnknownInputs(const std::string& form, const Table& inputs);

}  // namespace manual
