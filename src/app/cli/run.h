#pragma once

#include <ostream>

#include "app/cli/arguments.h"
#include "app/cli/cli.h"

namespace vado::cli {

// A run: the project opened, the steps in order, the report printed, the project saved, then
// what the page shows written to `out`. Returns the exit status (0, or 1 when a file could not
// be read or written); throws UsageError for a form, control or step the program does not have.
int RunSteps(const Arguments& args, std::ostream& out, std::ostream& err,
             const CliEnvironment& env);

}  // namespace vado::cli
