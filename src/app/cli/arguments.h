#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vado::cli {

// A command line vadocalc-cli cannot run: the message names what is wrong (exit status 2).
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class Command { Run, List, Forms, Batch, Help, Version };

// One step of a run, in the order given on the command line.
struct Step {
    enum class Kind { Assign, Click, Window };
    Kind kind = Kind::Assign;
    std::string text;  // NAME=VALUE, the button's name or the window's name
};

struct Arguments {
    Command command = Command::Run;
    bool json = false;
    bool markdown = false;
    std::string form;  // as typed; empty when none was given
    std::optional<std::string> openFile, printFile, saveFile;
    // --export FILE: the table (.csv) or graph (.png, .svg) of the form the steps ended on;
    // --scale: a PNG's size as a multiple of the graph's.
    std::optional<std::string> exportFile;
    int exportScale = 1;
    // --batch FORM CASES [--out RESULTS]: "-" is standard input or output.
    std::string casesFile;
    std::string outFile = "-";
    std::vector<std::pair<std::string, std::string>> info;  // --info NAME=VALUE, in order
    std::vector<Step> steps;
};

// Reads the whole command line before anything runs, so a mistake anywhere in it (an unknown
// option, a stray argument, an option that needs a value, options that do not go together) is
// reported without running a step. -h/--help and -V/--version answer at once.
Arguments ParseArguments(const std::vector<std::string>& args);

// The synopsis shown with a usage error, and the whole help.
extern const char* const kUsage;
extern const char* const kHelp;

}  // namespace vado::cli
