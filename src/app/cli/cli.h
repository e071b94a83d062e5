#pragma once

#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ui/printer.h"
#include "ui/surface.h"

namespace vado {

// What vadocalc-cli takes from the process it runs in.
struct CliEnvironment {
    // The program's folder, the first place rain.txt, the report logo and the manual are
    // looked for (see FindSideFile).
    std::string appFolder = ".";
    // Opens the PDF file a --print job writes; may throw ui::PrintError.
    std::function<std::unique_ptr<ui::Printer>(const std::string& file)> pdfPrinter;
    // Writes a graph drawn by `draw` to a PNG (`scale` times its size) or SVG file, by the
    // file's extension; false with the reason when it cannot.
    using GraphDrawing = std::function<void(ui::Surface&, double width, double height)>;
    std::function<bool(const std::string& file, const GraphDrawing& draw, int scale,
                       std::string& why)>
        graphWriter;
    // What "-" reads (standard input), and whether standard error is a terminal (a long batch
    // then shows its progress there).
    std::istream* input = nullptr;
    bool errIsTerminal = false;
};

// vadocalc-cli: drives one page of the program without a window, step by step as a person
// would, and prints what the page shows; or answers --help, --version, --forms and --list.
// Returns the process exit status: 0 when the steps ran, 1 when a requested report, export or
// project could not be written, a project could not be opened or a batch case was malformed, 2
// for a usage error.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const CliEnvironment& env = {});

}  // namespace vado
