#include "sequence.h"

#include "app/project_file.h"
#include "documents.h"
#include "generator.h"
#include "mutation.h"

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

std::optional<Failure> Document(std::unique_ptr<Program>& p, const Step& s, bool& done) {
    // The File menu waits while a dialog is open.
    done = p->services.modalStack.empty();
    if (!done) return std::nullopt;
    switch (s.verb) {
        case Verb::Reopen: return Reopen(p);
        case Verb::Open: return OpenInPlace(*p, false);
        case Verb::New: return OpenInPlace(*p, true);
        default: return OpenMutated(*p, s.a, s.seed);
    }
}

bool OnDocument(const Step& s) {
    return s.verb == Verb::Reopen || s.verb == Verb::Open || s.verb == Verb::New || s.verb == Verb::Mutate;
}

}  // namespace

Tally& Counted() {
    static Tally tally;
    return tally;
}

std::optional<Failure> RunStep(std::unique_ptr<Program>& p, const Step& s) {
    const Program* before = p.get();
    Mark mark = MarkOf(*p);
    try {
        bool done = false;
        if (OnDocument(s)) {
            if (auto failure = Document(p, s, done)) return failure;
        } else {
            done = Perform(*p, s);
        }
        ++(done ? Counted().done : Counted().idle)[static_cast<size_t>(s.verb)];
        // A reopen carries on in a fresh program: everything in it is new.
        if (p.get() != before) mark = Mark{};
        Counted().reports += static_cast<long>(p->jobs().size() - mark.jobs);
        if (auto failure = CheckStep(*p, mark)) return failure;
        for (size_t i = mark.jobs; i < p->jobs().size(); ++i)
            if (auto failure = CheckReprint(*p, p->jobs()[i])) return failure;
    } catch (const std::exception& e) {
        return Failure{"exception", p->page().name(), e.what()};
    }
    return std::nullopt;
}

SequenceResult RunRandom(const Setup& setup, std::uint64_t seed, std::uint64_t number, int maxSteps,
                         const StepObserver& observer) {
    Rng rng(Mix(seed, number));
    const int count = Pick(rng, 1, maxSteps);
    SequenceResult result;
    auto program = std::make_unique<Program>(setup);
    for (int i = 0; i < count; ++i) {
        result.steps.push_back(Generate(*program, rng));
        if (observer) observer(result.steps);
        if ((result.failure = RunStep(program, result.steps.back()))) break;
    }
    return result;
}

SequenceResult RunSteps(const Setup& setup, const std::vector<Step>& steps, const StepObserver& observer) {
    SequenceResult result;
    auto program = std::make_unique<Program>(setup);
    for (const Step& s : steps) {
        result.steps.push_back(s);
        if (observer) observer(result.steps);
        if ((result.failure = RunStep(program, s))) break;
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
    for (size_t cut = 0; cut < size; ++cut, ++cuts) {
        // Cut `cut` bytes from the start are what is left of the file.
        std::vector<Step> steps = start;
        steps.push_back({.verb = Verb::Mutate, .a = 0, .seed = cut});
        if (observer) observer(steps);
        if ((result.failure = RunStep(program, steps.back()))) {
            result.steps = steps;
            return result;
        }
    }
    return result;
}

}  // namespace vado::fuzz
