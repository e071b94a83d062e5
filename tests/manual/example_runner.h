#pragma once
// The manual's worked examples run through the program's pages as a reader follows them.
#include <set>
#include <string>
#include <vector>

#include "markdown.h"

namespace manual {

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
