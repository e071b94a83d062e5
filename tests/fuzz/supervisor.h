#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "program.h"

namespace vado::fuzz {

struct Options {
    std::uint64_t seed = 1;
    long first = 0;         // the number of the first sequence
    long runs = 1000;       // sequences at most
    double seconds = 0;     // time budget; 0 for none
    long minRuns = 0;       // sequences run even past the budget
    int jobs = 1;           // processes running sequences side by side
    int maxSteps = 40;
    double stepLimit = 30;  // seconds a step may take before it counts as a hang
    std::string out = ".";  // where replay files are written
    bool truncations = true;
    Setup setup;
};

// Runs the sequences in child processes (so a crash or a hang is caught and reported like any
// broken invariant), stops at the first failure, shrinks its steps and writes them as a replay
// file. Prints the summary; returns the exit status (0 clean, 1 a failure).
int Fuzz(const Options& options, std::ostream& out);

// Runs the steps of a replay file again; returns 0 when they pass, 1 when they fail. `fork`
// false runs them in this process (for a debugger).
int Replay(const Options& options, const std::string& file, bool fork, std::ostream& out);

}  // namespace vado::fuzz
