#pragma once

#include <optional>
#include <string>
#include <vector>

#include "program.h"
#include "step.h"

namespace vado::fuzz {

// The vadocalc-cli command line that takes the same steps, when there is one: the steps stay on
// one page (and, at the end, a result window of it) and are all of the kinds the script has; a
// print only as the last step, into `pdf`; a reopen only as the last step, as a save into
// `project` and a second command that opens it and computes.
std::optional<std::string> CliLine(const std::vector<Step>& steps, const std::string& pdf,
                                   const std::string& project);

// The step that a vadocalc-cli step ("txt1Coeff=3.1", "opt1Selector=1", "grdData(2,0)=M1") is
// on `form` of `program`.
Step FromCliStep(Program& program, const std::string& form, const std::string& cliStep);

// A word as the shell reads it back: bare, in single quotes, or in $'...' with escapes.
std::string ShellWord(const std::string& word);

}  // namespace vado::fuzz
