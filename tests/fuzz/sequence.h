#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "checks.h"
#include "program.h"
#include "step.h"

namespace vado::fuzz {

// What the steps of this process did: per verb, the steps done and those that found nothing to do
// at the time (their form or control not there), the reports printed and the project files opened.
struct Tally {
    std::array<long, kVerbs> done{}, idle{};
    long reports = 0;
    long refused = 0, taken = 0;
};
Tally& Counted();

// Told before each step runs, with the steps of the sequence so far (the one starting last).
using StepObserver = std::function<void(const std::vector<Step>& steps)>;

struct SequenceResult {
    std::vector<Step> steps;
    std::optional<Failure> failure;
};

// One step and every check after it, on a program a reopen may replace.
std::optional<Failure> RunStep(std::unique_ptr<Program>& program, const Step& step);

// Sequence `number` of the run seeded with `seed`: 1 to maxSteps steps, each chosen from what the
// program shows at the time, until one breaks an invariant.
SequenceResult RunRandom(const Setup& setup, std::uint64_t seed, std::uint64_t number, int maxSteps,
                         const StepObserver& observer = {});

// Given steps on a fresh program, until one breaks an invariant.
SequenceResult RunSteps(const Setup& setup, const std::vector<Step>& steps, const StepObserver& observer = {});

// A fresh program that has taken `setup`, then every byte of its saved project cut off in turn and
// opened: each must be refused whole or taken whole. Returns the number of cuts tried.
SequenceResult SweepTruncations(const Setup& setup, long& cuts, const StepObserver& observer = {});

}  // namespace vado::fuzz
