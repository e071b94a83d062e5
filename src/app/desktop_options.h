#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vado {

// The desktop program's command line, read before any window exists so that --help, --version
// and a mistake are answered on a terminal without a display.
struct DesktopOptions {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    std::string error;        // for UsageError: what is wrong, naming the argument
    std::string projectFile;  // `vadocalc FILE.vado`: the project to open at start
    bool resetSettings = false;  // --reset-settings: forget what earlier runs remembered
};

// Takes the program's own options, Qt's (-platform NAME, -style NAME, ... which Qt reads
// itself) and at most one project file; "--" ends the options. Anything else is an error.
DesktopOptions ParseDesktopArgs(const std::vector<std::string>& args);

// Writes the help, the version or the error (with a pointer to --help) and returns the exit
// status: 0, or 2 for a usage error. `appFolder` is the program's folder, for the places the
// help names.
int AnswerWithoutWindow(const DesktopOptions& options, const std::string& appFolder,
                        std::ostream& out, std::ostream& err);

}  // namespace vado
