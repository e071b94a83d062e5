#pragma once

#include <string>

#include "app/cli/cli.h"
#include "app/cli/session.h"

namespace vado::cli {

// --export FILE: writes the table (.csv) or the graph (.svg, .png at `scale`) of the form the
// steps ended on, replacing the file all at once. The outcome as the output reports it:
// {"file", "written"} and, when nothing was written, "error".
Json ExportForm(ui::Form& form, const std::string& file, int scale, const CliEnvironment& env);

}  // namespace vado::cli
