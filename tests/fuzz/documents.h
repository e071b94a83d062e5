#pragma once

#include <memory>
#include <optional>

#include "checks.h"
#include "program.h"

namespace vado::fuzz {

// The steps on project files, each with what must hold after it.

// Saved into the project folder and opened into a fresh program, which carries on: the fresh one
// holds the same job, and after a Compute of the page shown, shows what the first one shows.
std::optional<Failure> Reopen(std::unique_ptr<Program>& program);

// File > Open of the saved project (`fresh` false), or File > New (`fresh` true), in the running
// program: it then holds exactly what a fresh program opening the same file holds.
std::optional<Failure> OpenInPlace(Program& program, bool fresh);

// File > Open of the saved project changed by a mutation: either refused with one clear message
// and the program left as it was, or taken whole, exactly as a fresh program takes it.
std::optional<Failure> OpenMutated(Program& program, int kind, std::uint64_t seed);

// A report printed by the running program is the report a fresh program opening the same job
// prints by the same command: the Compute of its page succeeds there and the lines agree, so no
// result is printed beside inputs that did not produce it.
std::optional<Failure> CheckReprint(Program& program, const PrintedJob& job);

}  // namespace vado::fuzz
