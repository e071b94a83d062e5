#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ui/printer.h"

namespace vado {

// What vadocalc-cli takes from the process it runs in.
struct CliEnvironment {
    // The program's folder, the first place rain.txt, the report logo and the manual are
    // looked for (see FindSideFile).
    std::string appFolder = ".";
    // Opens the PDF file a --print job writes; may throw ui::PrintError.
    std::function<std::unique_ptr<ui::Printer>(const std::string& file)> pdfPrinter;
};

// vadocalc-cli: drives one page of the program without a window, step by step as a person
// would, and prints what the page shows; or answers --help, --version, --forms and --list.
// Returns the process exit status: 0 when the steps ran, 1 when a requested report or project
// could not be written or a project could not be opened, 2 for a usage error.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const CliEnvironment& env = {});

}  // namespace vado
