// Sequences run in child processes, so a crash or a hang is caught and reported like any broken
// invariant; the first failure is shrunk and written as a replay file.
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
#include <iostream>
#include <sstream>
#include <thread>
#include <utility>

#include "fuzz.h"

namespace vado::fuzz {

namespace {

std::int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// What a child tells its parent, in memory they share: where it is, what it has done, and the steps
// of the sequence it is running (so they survive a crash or a hang). The sweep of cut projects runs
// first in the first child, as "sequence" -1.
struct Slot {
    std::atomic<std::int64_t> stepStarted{0}, sequence{-1}, sequences{0}, steps{0}, cuts{0};
    Tally tally, cutTally;  // copied in as the child goes, read once it has ended
    std::atomic<std::uint32_t> failureLength{0}, stepsLength{0};
    char failure[16384];
    char stepText[1 << 20];

    static void Put(char* to, size_t room, std::atomic<std::uint32_t>& length, const std::string& text) {
        const size_t n = std::min(text.size(), room);
        std::memcpy(to, text.data(), n);
        length.store(static_cast<std::uint32_t>(n), std::memory_order_release);
    }
    void observe(const std::vector<Step>& steps) {
        Put(stepText, sizeof stepText, stepsLength, ToText(steps));
        stepStarted = NowMs();
    }
    // The end of a sequence or a sweep: the child's status.
    int end(const SequenceResult& r) {
        if (r.failure) Put(failure, sizeof failure, failureLength, r.failure->signature() + "\n" + r.failure->text());
        return r.failure ? kFailed : 0;
    }
    static constexpr int kFailed = 3;
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

struct Outcome {
    enum class End { Passed, Failed, Crashed, Hung } end = End::Passed;
    std::string signature, text;
    std::vector<Step> steps;
    std::int64_t sequence = -1;
};

// A process running `work` on its own slot; the parent watches for its end, or a hang.
class Child {
  public:
    Child(const std::function<int(Slot&)>& work, bool quiet) : slot_(SharedMemory<Slot>()) {
        std::cout.flush();
        if ((pid_ = fork()) < 0) throw std::runtime_error("cannot start a process");
        if (pid_ > 0) return;
        if (quiet) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 1), dup2(null, 2);
        }
        int status = 1;
        try {
            status = work(*slot_);
        } catch (const std::exception& e) {
            status = slot_->end({{}, Failure{"exception", "the program", e.what()}});
        }
        std::cout.flush();
        std::exit(status);
    }
    ~Child() {
        if (!done_) kill(pid_, SIGKILL), waitpid(pid_, nullptr, 0);
        Release(slot_);
    }
    Slot& slot() { return *slot_; }
    const Outcome& outcome() const { return outcome_; }

    // True once the child has ended (or was ended for hanging).
    bool finished(double stepLimit) {
        int status = 0;
        const std::int64_t started = slot_->stepStarted.load();
        if (done_) return true;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            const bool exited = WIFEXITED(status);
            outcome_.end = exited && WEXITSTATUS(status) == 0             ? Outcome::End::Passed
                           : exited && WEXITSTATUS(status) == Slot::kFailed ? Outcome::End::Failed
                                                                          : Outcome::End::Crashed;
            if (WIFSIGNALED(status))
                outcome_.text = "the program crashed (signal " + std::to_string(WTERMSIG(status)) + ", " +
                                strsignal(WTERMSIG(status)) + ")";
            else if (outcome_.end == Outcome::End::Crashed)
                outcome_.text = "the program ended with status " + std::to_string(WEXITSTATUS(status));
        } else if (started > 0 && NowMs() - started > static_cast<std::int64_t>(stepLimit * 1000)) {
            kill(pid_, SIGKILL), waitpid(pid_, nullptr, 0);
            outcome_.end = Outcome::End::Hung;
            outcome_.text = "a step was still unfinished after " + std::to_string(static_cast<int>(stepLimit)) + " s";
        } else {
            return false;
        }
        done_ = true;
        std::istringstream steps(std::string(slot_->stepText, slot_->stepsLength.load(std::memory_order_acquire)));
        std::string line, error;
        while (std::getline(steps, line))
            if (auto s = FromLine(line, error)) outcome_.steps.push_back(*s);
        outcome_.sequence = slot_->sequence.load();
        const std::string f(slot_->failure, slot_->failureLength.load(std::memory_order_acquire));
        const auto nl = f.find('\n');
        outcome_.signature = outcome_.end == Outcome::End::Hung      ? "hang"
                             : outcome_.end == Outcome::End::Crashed ? "crash"
                                                                     : f.substr(0, nl);
        if (outcome_.end == Outcome::End::Failed) outcome_.text = nl == std::string::npos ? f : f.substr(nl + 1);
        return true;
    }

  private:
    Slot* slot_;
    pid_t pid_ = -1;
    bool done_ = false;
    Outcome outcome_;
};

// The steps run in a child of their own, as a replay runs them, to their end.
Outcome RunInChild(const Setup& setup, const std::vector<Step>& steps, double stepLimit, bool quiet) {
    Child child(
        [&](Slot& slot) {
            slot.stepStarted = NowMs();
            return slot.end(RunSteps(setup, steps, [&](auto& s) { slot.observe(s); }));
        },
        quiet);
    while (!child.finished(stepLimit)) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return child.outcome();
}

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
        << StepList(found.steps) << std::flush;
    auto fails = [&](const std::vector<Step>& candidate) {
        const Outcome again = RunInChild(o.setup, candidate, o.stepLimit, true);
        return again.end == found.end && again.signature == found.signature;
    };
    std::vector<Step> steps = Shrink(found.steps, fails);
    // Written out, a worked example may shrink to the one field that matters; kept when no longer.
    if (auto expanded = ExpandExamples(steps); expanded.size() != steps.size() && fails(expanded))
        if (auto fewer = Shrink(expanded, fails); fewer.size() <= steps.size()) steps = std::move(fewer);
    const std::string file = (std::filesystem::path(o.out) / ("vadocalc-fuzz-" + std::to_string(o.seed) + "-" +
                                                              (found.sequence >= 0 ? std::to_string(found.sequence) : "project") +
                                                              ".replay"))
                                 .string();
    std::ofstream(file, std::ios::binary)
        << "# vadocalc-fuzz replay: " << found.text.substr(0, 300) << "\n# seed " << o.seed << ", " << which
        << ", shrunk from " << found.steps.size() << " to " << steps.size() << " steps\n"
        << (o.setup.fault != Fault::None ? "fault " + FaultName(o.setup.fault) + "\n" : "") << ToText(steps);
    out << "shrunk to " << steps.size() << " steps:\n" << StepList(steps) << "replay file: " << file << "\n"
        << "run it again: vadocalc-fuzz --replay " << file << "\n";
    if (auto line = CliLine(steps, "vadocalc-fuzz.pdf", "vadocalc-fuzz.vado")) out << "the same with vadocalc-cli: " << *line << "\n";
}

}  // namespace

int Fuzz(const Options& o, std::ostream& out) {
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
    Common* common = SharedMemory<Common>();
    common->next = o.first;
    const int jobs = std::max(1, o.jobs);
    std::vector<std::unique_ptr<Child>> workers;
    for (int j = 0; j < jobs; ++j)
        workers.push_back(std::make_unique<Child>(
            [&, j](Slot& slot) {
                auto observe = [&](auto& steps) { slot.observe(steps); };
                if (j == 0 && o.truncations) {
                    long cuts = 0;
                    const SequenceResult r = SweepTruncations(o.setup, cuts, observe);
                    slot.cuts = cuts;
                    slot.cutTally = std::exchange(Counted(), Tally{});
                    if (r.failure) return common->stop = 1, slot.end(r);
                }
                for (std::int64_t n; !common->stop.load();) {
                    n = common->next.fetch_add(1);
                    if (n - o.first >= o.runs || (o.seconds > 0 && elapsed() >= o.seconds && n - o.first >= o.minRuns)) break;
                    slot.sequence = n;
                    slot.stepStarted = NowMs();
                    const SequenceResult r = RunRandom(o.setup, o.seed, static_cast<std::uint64_t>(n), o.maxSteps, observe);
                    slot.stepStarted = 0;
                    ++slot.sequences;
                    slot.steps += static_cast<std::int64_t>(r.steps.size());
                    slot.tally = Counted();
                    if (r.failure) return common->stop = 1, slot.end(r);
                }
                return 0;
            },
            false));
    std::optional<Outcome> found;
    for (bool running = true; running;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        running = false;
        for (auto& w : workers) {
            if (!w->finished(o.stepLimit)) running = true;
            else if (w->outcome().end != Outcome::End::Passed && !found) found = w->outcome(), common->stop = 1;
        }
    }
    Release(common);
    long sequences = 0, steps = 0, idle = 0;
    Tally all;
    for (auto& w : workers) {
        sequences += w->slot().sequences, steps += w->slot().steps;
        for (int v = 0; v < kVerbs; ++v) all.done[v] += w->slot().tally.done[v], all.idle[v] += w->slot().tally.idle[v];
        all.reports += w->slot().tally.reports, all.refused += w->slot().tally.refused, all.taken += w->slot().tally.taken;
    }
    const double seconds = elapsed();
    out << sequences << " sequences, " << steps << " steps, " << (found ? "1 failure" : "0 failures") << " in "
        << static_cast<long>(seconds) << " s (" << static_cast<long>(sequences / std::max(seconds, 1e-3))
        << " sequences/s, " << static_cast<long>(steps / std::max(seconds, 1e-3)) << " steps/s; seed " << o.seed << ", "
        << jobs << " process" << (jobs > 1 ? "es" : "") << ")\nsteps done:";
    for (int v = 0; v < kVerbs; ++v) {
        out << (v ? ", " : " ") << VerbWord(static_cast<Step::Verb>(v)) << " " << all.done[v];
        idle += all.idle[v];
    }
    out << "; " << idle << " found nothing to do then; " << all.reports << " reports printed\n";
    const Tally& cut = workers[0]->slot().cutTally;
    if (o.truncations)
        out << "project files: " << workers[0]->slot().cuts << " cuts of a small project (" << cut.refused << " refused, "
            << cut.taken << " taken); " << all.refused + all.taken << " projects opened in a running program ("
            << all.refused << " refused, " << all.taken << " taken)\n";
    out.flush();
    if (found) Report(o, *found, out);
    return found ? 1 : 0;
}

int Replay(const Options& o, const std::string& file, bool fork, std::ostream& out) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return out << "vadocalc-fuzz: cannot read " << file << "\n", 2;
    Setup setup = o.setup;
    std::vector<Step> steps;
    std::string line, error;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (line.rfind("fault ", 0) == 0) {
            setup.fault = FaultNamed(line.substr(6)).value_or(setup.fault);
            continue;
        }
        auto step = FromLine(line, error);
        if (!step) return out << "vadocalc-fuzz: " << file << ": " << error << "\n", 2;
        steps.push_back(*step);
    }
    Outcome outcome;
    if (fork) {
        outcome = RunInChild(setup, steps, o.stepLimit, false);
    } else if (const SequenceResult r = RunSteps(setup, steps); r.failure) {
        outcome = {Outcome::End::Failed, r.failure->signature(), r.failure->text(), r.steps};
    }
    out << "replay of " << steps.size() << (steps.size() == 1 ? " step" : " steps") << ": ";
    if (outcome.end == Outcome::End::Passed) return out << "passed\n", 0;
    out << "FAILURE at step " << outcome.steps.size() << " ("
        << (outcome.steps.empty() ? std::string("start") : ToLine(outcome.steps.back())) << "): " << outcome.text << "\n";
    return 1;
}

}  // namespace vado::fuzz
