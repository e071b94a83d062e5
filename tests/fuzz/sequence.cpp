// Sequences of steps, each step followed by every check; and the shrinking of a failing one.
#include "app/project_file.h"
#include "fuzz.h"

namespace vado::fuzz {

namespace {

using Verb = Step::Verb;

// Mixes the run's seed and the sequence number into the sequence's own seed (splitmix64).
std::uint64_t Mix(std::uint64_t seed, std::uint64_t number) {
    std::uint64_t z = seed + 0x9E3779B97F4A7C15ull * (number + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// One step and every check after it, on a program a reopen may replace.
std::optional<Failure> RunStep(std::unique_ptr<Program>& p, const Step& s) {
    const Program* before = p.get();
    size_t messages = p->services.messages.size(), jobs = p->jobs().size();
    try {
        // The File menu waits while a dialog is open.
        bool done = !s.onProject() ? Perform(*p, s) : p->services.modalStack.empty();
        std::optional<Failure> failure;
        if (s.onProject() && done)
            failure = s.verb == Verb::Reopen ? Reopen(p)
                      : s.verb == Verb::Mutate ? OpenMutated(*p, s.a, s.seed)
                                               : OpenInPlace(*p, s.verb == Verb::New);
        if (failure) return failure;
        ++(done ? Counted().done : Counted().idle)[static_cast<size_t>(s.verb)];
        // A reopen carries on in a fresh program: everything in it is new.
        if (p.get() != before) messages = jobs = 0;
        Counted().reports += static_cast<long>(p->jobs().size() - jobs);
        return CheckStep(*p, messages, jobs);
    } catch (const std::exception& e) {
        return Failure{"exception", p->page().name(), e.what()};
    }
}

}  // namespace

Tally& Counted() {
    static Tally tally;
    return tally;
}

SequenceResult RunRandom(const Setup& setup, std::uint64_t seed, std::uint64_t number, int maxSteps,
                         const StepObserver& observer) {
    Rng rng(Mix(seed, number));
    const int count = Pick(rng, 1, maxSteps);
    SequenceResult result;
    auto program = std::make_unique<Program>(setup);
    for (int i = 0; i < count && !result.failure; ++i) {
        result.steps.push_back(Generate(*program, rng));
        if (observer) observer(result.steps);
        result.failure = RunStep(program, result.steps.back());
    }
    return result;
}

SequenceResult RunSteps(const Setup& setup, const std::vector<Step>& steps, const StepObserver& observer) {
    SequenceResult result;
    auto program = std::make_unique<Program>(setup);
    for (size_t i = 0; i < steps.size() && !result.failure; ++i) {
        result.steps.push_back(steps[i]);
        if (observer) observer(result.steps);
        result.failure = RunStep(program, steps[i]);
    }
    return result;
}

SequenceResult SweepTruncations(const Setup& setup, long& cuts, const StepObserver& observer) {
    const std::vector<Step> start = {{.verb = Verb::Tab, .a = 2},
                                     {.verb = Verb::Type, .form = "frmWeir", .control = "txt1H1", .text = "2.5"}};
    SequenceResult result = RunSteps(setup, start, observer);
    if (result.failure) return result;
    auto program = std::make_unique<Program>(setup);
    for (const Step& s : start) RunStep(program, s);
    const size_t size = SmallProject(project::Save(program->module)).size();
    // Cut `cut` bytes from the start are what is left of the file.
    for (size_t cut = 0; cut < size; ++cut, ++cuts) {
        result.steps = start;
        result.steps.push_back({.verb = Verb::Mutate, .a = 0, .seed = cut});
        if (observer) observer(result.steps);
        if ((result.failure = RunStep(program, result.steps.back()))) return result;
    }
    return result;
}

std::vector<Step> Shrink(std::vector<Step> steps, const std::function<bool(const std::vector<Step>&)>& fails) {
    // Delta debugging: chunks are left out while the failure stays, then smaller chunks, down to single
    // steps, until leaving out any one step makes it pass.
    size_t chunks = 2;
    while (steps.size() >= 2) {
        const size_t size = (steps.size() + chunks - 1) / chunks;
        bool removed = false;
        for (size_t start = 0; start < steps.size() && !removed; start += size) {
            std::vector<Step> rest(steps.begin(), steps.begin() + static_cast<long>(start));
            rest.insert(rest.end(), steps.begin() + static_cast<long>(std::min(start + size, steps.size())), steps.end());
            if ((removed = !rest.empty() && fails(rest))) {
                steps = std::move(rest);
                chunks = std::max<size_t>(chunks - 1, 2);
            }
        }
        if (removed) continue;
        if (size == 1) break;
        chunks = std::min(chunks * 2, steps.size());
    }
    return steps;
}

}  // namespace vado::fuzz
