#include "supervisor.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <ostream>
#include <sstream>
#include <thread>

#include "cli_line.h"
#include "documents.h"
#include "sequence.h"
#include "shrink.h"

namespace vado::fuzz {

namespace {

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// What a child tells its parent, in memory they share: where it is, what it has done, and the
// steps of the sequence it is running (so they survive a crash or a hang).
struct Slot {
    std::atomic<std::int64_t> stepStarted{0};  // ms; 0 between sequences
    std::atomic<std::int64_t> sequence{-1};
    std::atomic<std::int64_t> sequences{0}, steps{0}, cuts{0};
    Tally tally;  // copied in after each sequence, read once the child has ended
    std::atomic<std::uint32_t> failureLength{0}, stepsLength{0};
    char failure[16384];
    char stepText[1 << 20];

    void setSteps(const std::string& text) {
        const size_t n = std::min(text.size(), sizeof stepText);
        std::memcpy(stepText, text.data(), n);
        stepsLength.store(static_cast<std::uint32_t>(n), std::memory_order_release);
    }
    std::string stepsText() const { return std::string(stepText, stepsLength.load(std::memory_order_acquire)); }
    void setFailure(const Failure& f) {
        const std::string text = f.signature() + "\n" + f.text();
        const size_t n = std::min(text.size(), sizeof failure);
        std::memcpy(failure, text.data(), n);
        failureLength.store(static_cast<std::uint32_t>(n), std::memory_order_release);
    }
};

// Shared by every worker of a run.
struct Common {
    std::atomic<std::int64_t> next{0};
    std::atomic<int> stop{0};
};

template <class T>
T* SharedMemory() {
    void* p = mmap(nullptr, sizeof(T), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::runtime_error("no shared memory");
    return new (p) T;
}

template <class T>
void Release(T* p) {
    p->~T();
    munmap(p, sizeof(T));
}

constexpr int kFailedStatus = 3;

// Keeps a slot's copy of the steps in step with the sequence, and the time the last one began.
StepObserver Observe(Slot& slot) {
    auto text = std::make_shared<std::string>();
    auto count = std::make_shared<size_t>(0);
    return [&slot, text, count](const std::vector<Step>& steps) {
        if (steps.size() == *count + 1) {
            *text += ToLine(steps.back()) + "\n";
        } else {
            *text = ToText(steps);
        }
        *count = steps.size();
        slot.setSteps(*text);
        slot.stepStarted.store(NowMs());
    };
}

struct Outcome {
    enum class End { Passed, Failed, Crashed, Hung } end = End::Passed;
    std::string signature, text;
    std::vector<Step> steps;
    std::int64_t sequence = -1;
};

std::vector<Step> ParseSteps(const std::string& text) {
    std::vector<Step> steps;
    std::istringstream in(text);
    std::string line, error;
    while (std::getline(in, line))
        if (auto s = FromLine(line, error)) steps.push_back(*s);
    return steps;
}

// A process running `work` on its own slot; the parent watches for its end, or a hang.
class Child {
  public:
    Child(const std::function<int(Slot&)>& work, bool quiet) : slot_(SharedMemory<Slot>()) {
        std::cout.flush();
        pid_ = fork();
        if (pid_ < 0) throw std::runtime_error("cannot start a process");
        if (pid_ == 0) {
            if (quiet) {
                const int null = open("/dev/null", O_WRONLY);
                dup2(null, 1);
                dup2(null, 2);
            }
            int status = 1;
            try {
                status = work(*slot_);
            } catch (const std::exception& e) {
                slot_->setFailure({"exception", "the program", e.what()});
                status = kFailedStatus;
            }
            std::cout.flush();
            std::exit(status);
        }
    }
    ~Child() {
        if (!done_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        Release(slot_);
    }
    Slot& slot() { return *slot_; }

    // True once the child has ended (or was ended for hanging).
    bool finished(double stepLimit) {
        if (done_) return true;
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            done_ = true;
            outcome_.end = WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Outcome::End::Passed
                           : WIFEXITED(status) && WEXITSTATUS(status) == kFailedStatus ? Outcome::End::Failed
                                                                                     : Outcome::End::Crashed;
            if (outcome_.end == Outcome::End::Crashed)
                outcome_.text = WIFSIGNALED(status) ? "the program crashed (signal " + std::to_string(WTERMSIG(status)) +
                                                          ", " + strsignal(WTERMSIG(status)) + ")"
                                                    : "the program ended with status " + std::to_string(WEXITSTATUS(status));
            collect();
            return true;
        }
        const std::int64_t started = slot_->stepStarted.load();
        if (started > 0 && NowMs() - started > static_cast<std::int64_t>(stepLimit * 1000)) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            done_ = true;
            outcome_.end = Outcome::End::Hung;
            outcome_.text = "a step was still unfinished after " + std::to_string(static_cast<int>(stepLimit)) + " s";
            collect();
            return true;
        }
        return false;
    }
    const Outcome& outcome() const { return outcome_; }

  private:
    void collect() {
        outcome_.steps = ParseSteps(slot_->stepsText());
        outcome_.sequence = slot_->sequence.load();
        if (outcome_.end == Outcome::End::Failed) {
            const std::string f(slot_->failure, slot_->failureLength.load(std::memory_order_acquire));
            const auto nl = f.find('\n');
            outcome_.signature = f.substr(0, nl);
            outcome_.text = nl == std::string::npos ? f : f.substr(nl + 1);
        } else {
            outcome_.signature = outcome_.end == Outcome::End::Hung ? "hang" : "crash";
        }
    }

    Slot* slot_;
    pid_t pid_ = -1;
    bool done_ = false;
    Outcome outcome_;
};

Outcome RunToEnd(const std::function<int(Slot&)>& work, double stepLimit, bool quiet) {
    Child child(work, quiet);
    while (!child.finished(stepLimit)) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return child.outcome();
}

// The steps run in a child of their own, as a replay runs them.
int ReplayWork(Slot& slot, const Setup& setup, const std::vector<Step>& steps) {
    slot.stepStarted.store(NowMs());
    const SequenceResult r = RunSteps(setup, steps, Observe(slot));
    if (!r.failure) return 0;
    slot.setFailure(*r.failure);
    return kFailedStatus;
}

void Add(Tally& into, const Tally& t) {
    for (size_t v = 0; v < into.done.size(); ++v) {
        into.done[v] += t.done[v];
        into.idle[v] += t.idle[v];
    }
    into.reports += t.reports;
    into.refused += t.refused;
    into.taken += t.taken;
}

bool Same(const Outcome& a, const Outcome& b) { return a.end == b.end && a.signature == b.signature; }

std::string StepList(const std::vector<Step>& steps) {
    std::string text;
    for (size_t i = 0; i < steps.size(); ++i) text += "  " + std::to_string(i + 1) + ". " + ToLine(steps[i]) + "\n";
    return text;
}

// Reports a failure, shrinks its steps and writes the replay file.
void Report(const Options& o, const Outcome& found, std::ostream& out) {
    const std::string which = found.sequence >= 0 ? "sequence " + std::to_string(found.sequence) : "the project-file sweep";
    out << "FAILURE in " << which << " of seed " << o.seed << ": " << found.text << "\n"
        << "steps (" << found.steps.size() << "):\n"
        << StepList(found.steps);
    out.flush();
    std::vector<Step> steps = found.steps;
    auto fails = [&](const std::vector<Step>& candidate) {
        return Same(RunToEnd([&](Slot& s) { return ReplayWork(s, o.setup, candidate); }, o.stepLimit, true), found);
    };
    steps = Shrink(steps, fails);
    {
        Program lookup(o.setup);
        auto expanded = ExpandExamples(steps, [&](const std::string& form, const std::string& step) {
            return FromCliStep(lookup, form, step);
        });
        // Written out, a worked example may shrink to the one field that matters; kept when no longer.
        if (expanded.size() != steps.size() && fails(expanded)) {
            auto fewer = Shrink(expanded, fails);
            if (fewer.size() <= steps.size()) steps = std::move(fewer);
        }
    }
    const std::string name = "vadocalc-fuzz-" + std::to_string(o.seed) + "-" +
                             (found.sequence >= 0 ? std::to_string(found.sequence) : std::string("project")) + ".replay";
    const std::string file = (std::filesystem::path(o.out) / name).string();
    std::ofstream replay(file, std::ios::binary);
    replay << "# vadocalc-fuzz replay: " << found.text.substr(0, 300) << "\n"
           << "# seed " << o.seed << ", " << which << ", shrunk from " << found.steps.size() << " to " << steps.size()
           << " steps\n";
    if (o.setup.fault != Fault::None) replay << "fault " << FaultName(o.setup.fault) << "\n";
    replay << ToText(steps);
    replay.close();
    out << "shrunk to " << steps.size() << " steps:\n" << StepList(steps) << "replay file: " << file << "\n"
        << "run it again: vadocalc-fuzz --replay " << file << "\n";
    if (auto line = CliLine(steps, "vadocalc-fuzz.pdf", "vadocalc-fuzz.vado"))
        out << "the same with vadocalc-cli: " << *line << "\n";
}

}  // namespace

int Fuzz(const Options& o, std::ostream& out) {
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
    long cuts = 0, sequences = 0, steps = 0;
    Tally all, cut;
    std::optional<Outcome> found;
    if (o.truncations) {
        Child sweep(
            [&](Slot& slot) {
                long n = 0;
                const SequenceResult r = SweepTruncations(o.setup, n, Observe(slot));
                slot.cuts = n;
                slot.tally = Counted();
                if (!r.failure) return 0;
                slot.setFailure(*r.failure);
                return kFailedStatus;
            },
            false);
        while (!sweep.finished(o.stepLimit)) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        cuts = sweep.slot().cuts;
        cut = sweep.slot().tally;
        if (sweep.outcome().end != Outcome::End::Passed) found = sweep.outcome();
    }
    Common* common = SharedMemory<Common>();
    common->next = o.first;
    if (!found) {
        std::vector<std::unique_ptr<Child>> workers;
        for (int j = 0; j < std::max(1, o.jobs); ++j)
            workers.push_back(std::make_unique<Child>(
                [&](Slot& slot) {
                    const StepObserver observe = Observe(slot);
                    for (;;) {
                        if (common->stop.load()) break;
                        const std::int64_t n = common->next.fetch_add(1);
                        if (n - o.first >= o.runs || (o.seconds > 0 && elapsed() >= o.seconds && n - o.first >= o.minRuns)) break;
                        slot.sequence = n;
                        slot.stepStarted.store(NowMs());
                        const SequenceResult r = RunRandom(o.setup, o.seed, static_cast<std::uint64_t>(n), o.maxSteps, observe);
                        slot.stepStarted.store(0);
                        ++slot.sequences;
                        slot.steps += static_cast<std::int64_t>(r.steps.size());
                        slot.tally = Counted();
                        if (r.failure) {
                            slot.setFailure(*r.failure);
                            common->stop = 1;
                            return kFailedStatus;
                        }
                    }
                    return 0;
                },
                false));
        for (bool running = true; running;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            running = false;
            for (auto& w : workers) {
                if (!w->finished(o.stepLimit)) {
                    running = true;
                    continue;
                }
                if (w->outcome().end != Outcome::End::Passed && !found) {
                    found = w->outcome();
                    common->stop = 1;
                }
            }
        }
        for (auto& w : workers) {
            sequences += w->slot().sequences;
            steps += w->slot().steps;
            Add(all, w->slot().tally);
        }
    }
    Release(common);
    const double seconds = elapsed();
    out << sequences << " sequences, " << steps << " steps, " << (found ? "1 failure" : "0 failures") << " in "
        << static_cast<long>(seconds) << " s (" << static_cast<long>(sequences / std::max(seconds, 1e-3))
        << " sequences/s, " << static_cast<long>(steps / std::max(seconds, 1e-3)) << " steps/s; seed " << o.seed
        << ", " << std::max(1, o.jobs) << " process" << (o.jobs > 1 ? "es" : "") << ")\n";
    out << "steps done:";
    long idle = 0;
    for (int v = 0; v < kVerbs; ++v) {
        out << (v ? ", " : " ") << VerbWord(static_cast<Step::Verb>(v)) << " " << all.done[static_cast<size_t>(v)];
        idle += all.idle[static_cast<size_t>(v)];
    }
    out << "; " << idle << " found nothing to do then; " << all.reports << " reports printed\n";
    if (o.truncations)
        out << "project files: " << cuts << " cuts of a small project (" << cut.refused << " refused, " << cut.taken
            << " taken); " << all.refused + all.taken << " projects opened in a running program (" << all.refused
            << " refused, " << all.taken << " taken)\n";
    out.flush();
    if (!found) return 0;
    Report(o, *found, out);
    return 1;
}

int Replay(const Options& o, const std::string& file, bool fork, std::ostream& out) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        out << "vadocalc-fuzz: cannot read " << file << "\n";
        return 2;
    }
    Options options = o;
    std::vector<Step> steps;
    std::string line, error;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (line.rfind("fault ", 0) == 0) {
            if (auto fault = FaultNamed(line.substr(6))) options.setup.fault = *fault;
            continue;
        }
        auto step = FromLine(line, error);
        if (!step) {
            out << "vadocalc-fuzz: " << file << ": " << error << "\n";
            return 2;
        }
        steps.push_back(*step);
    }
    Outcome outcome;
    if (fork) {
        outcome = RunToEnd([&](Slot& s) { return ReplayWork(s, options.setup, steps); }, options.stepLimit, false);
    } else {
        const SequenceResult r = RunSteps(options.setup, steps);
        outcome.steps = r.steps;
        if (r.failure) outcome = {Outcome::End::Failed, r.failure->signature(), r.failure->text(), r.steps};
    }
    if (outcome.end == Outcome::End::Passed) {
        out << "replay of " << steps.size() << (steps.size() == 1 ? " step" : " steps") << ": passed\n";
        return 0;
    }
    out << "replay of " << steps.size() << (steps.size() == 1 ? " step" : " steps") << ": FAILURE at step " << outcome.steps.size() << " ("
        << (outcome.steps.empty() ? std::string("start") : ToLine(outcome.steps.back())) << "): " << outcome.text << "\n";
    return 1;
}

}  // namespace vado::fuzz
