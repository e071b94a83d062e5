#pragma once

#include <optional>
#include <string>

#include "program.h"

namespace vado::fuzz {

// A broken invariant: what kind, on which form, and the particulars.
struct Failure {
    std::string kind;
    std::string form;
    std::string detail;
    // What a smaller sequence must break to count as the same failure.
    std::string signature() const { return kind + " on " + form; }
    std::string text() const { return kind + " on " + form + ": " + detail; }
};

// Where the checks of one step start from: what the program had shown and printed before it.
struct Mark {
    size_t messages = 0;
    size_t jobs = 0;
};
Mark MarkOf(Program& program);

// What must hold after every step: no NaN or infinity in any control of a shown form, in a picture
// drawn on screen, a message or a printed line; no message box without text or title; every
// result window in a state that holds together; a report printed only after a Compute that
// succeeded, finished and readable.
std::optional<Failure> CheckStep(Program& program, const Mark& before);

// The controls that show something wrong on a form, as a failure.
std::optional<Failure> CheckForm(const Program& program, const ui::Form& form);

}  // namespace vado::fuzz
