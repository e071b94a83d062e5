// vadocalc-fuzz: the whole program, headless, driven by random sequences of a person's steps, each
// followed by every check. The sequences run in child processes so a crash or a hang is caught like
// any broken invariant; the first failure is shrunk and written as a replay file.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <utility>

#include "app/project_file.h"
#include "fuzz.h"

namespace vado::fuzz {

namespace {

using Verb = Step::Verb;
using Steps = std::vector<Step>;

constexpr const char* kUsage =
    "usage: vadocalc-fuzz [--seed N] [--first N] [--runs N] [--seconds S [--min-runs N]] [--jobs N]\n"
    "                     [--max-steps N] [--step-limit S] [--out DIR] [--no-truncations] [--fault NAME]\n"
    "       vadocalc-fuzz --replay FILE [--step-limit S]\n"
    "Sequence N of a seed is always the same; --first is the first one's number (default 0), --runs the\n"
    "most run (1000), --seconds a time to stop starting them but not before --min-runs, --jobs the\n"
    "processes running them side by side, --max-steps their length at most (40), --step-limit the seconds\n"
    "a step may take before it is a hang (30). A failure's replay file is written in --out (default .);\n"
    "--replay runs one again. --fault nan-weir, hang-weir or crash-weir switches on a deliberate fault,\n"
    "to see it caught.\n";

struct Options {  // as the usage tells them
    std::uint64_t seed = 1;
    long first = 0, runs = 1000, minRuns = 0;
    double seconds = 0, stepLimit = 30;
    int jobs = 1, maxSteps = 40;
    std::string out = ".";
    bool truncations = true;
    Setup setup;
};

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
        const bool done = !s.onProject() ? Perform(*p, s) : p->services.modalStack.empty();
        if (auto failure = s.onProject() && done ? OnProject(p, s) : std::nullopt) return failure;
        ++(done ? Counted().done[static_cast<size_t>(s.verb)] : Counted().idle);
        // A reopen carries on in a fresh program: everything in it is new.
        if (p.get() != before) messages = jobs = 0;
        Counted().reports += static_cast<long>(p->jobs().size() - jobs);
        return CheckStep(*p, messages, jobs);
    } catch (const std::exception& e) {
        return Failure{"exception", p->page().name(), e.what()};
    }
}

struct Result {
    Steps steps;
    std::optional<Failure> failure;
};
using Observer = std::function<void(const Steps&)>;  // told before each step, with the steps so far

// Steps on one fresh program, each checked, while `next` adds one (it may take back the last).
Result Run(const Setup& setup, const std::function<bool(Program&, Steps&)>& next, const Observer& observer = {}) {
    Result r;
    auto program = std::make_unique<Program>(setup);
    while (!r.failure && next(*program, r.steps)) {
        if (observer) observer(r.steps);
        r.failure = RunStep(program, r.steps.back());
    }
    return r;
}

Result RunSteps(const Setup& setup, const Steps& steps, const Observer& observer = {}) {
    return Run(setup, [&](Program&, Steps& done) { return done.size() < steps.size() && (done.push_back(steps[done.size()]), true); },
               observer);
}

// Sequence `number` of the run seeded with `seed`: 1 to maxSteps random steps.
Result RunRandom(const Setup& setup, std::uint64_t seed, std::uint64_t number, int maxSteps, const Observer& observer) {
    Rng rng(Mix(seed, number));
    const size_t count = static_cast<size_t>(Pick(rng, 1, maxSteps));
    return Run(setup, [&](Program& p, Steps& done) { return done.size() < count && (done.push_back(Generate(p, rng)), true); },
               observer);
}

// Every cut of a small saved project opened in turn, after a field is typed: each refused whole or
// taken whole. A failure's steps are the typing and the one cut.
Result SweepTruncations(const Setup& setup, const Observer& observer) {
    const Steps start = {{.verb = Verb::Tab, .a = 2}, {.verb = Verb::Type, .form = "frmWeir", .control = "txt1H1", .text = "2.5"}};
    std::uint64_t size = 0;
    return Run(setup, [&](Program& p, Steps& done) {
        if (done.size() < start.size()) return done.push_back(start[done.size()]), true;
        if (done.size() == start.size()) size = SmallProject(project::Save(p.module)).size();
        const std::uint64_t cut = done.size() == start.size() ? 0 : done.back().seed + 1;
        done.resize(start.size());
        return cut < size && (done.push_back({.verb = Verb::Mutate, .a = 0, .seed = cut}), true);
    }, observer);
}

// Delta debugging: chunks are left out while the failure stays, then smaller chunks, down to single
// steps, until leaving out any one step makes it pass.
Steps Shrink(Steps steps, const std::function<bool(const Steps&)>& fails) {
    for (size_t chunks = 2; steps.size() >= 2;) {
        const size_t size = (steps.size() + chunks - 1) / chunks;
        bool removed = false;
        for (size_t start = 0; start < steps.size() && !removed; start += size) {
            Steps rest(steps.begin(), steps.begin() + static_cast<long>(start));
            rest.insert(rest.end(), steps.begin() + static_cast<long>(std::min(start + size, steps.size())), steps.end());
            if ((removed = !rest.empty() && fails(rest))) steps = std::move(rest), chunks = std::max<size_t>(chunks - 1, 2);
        }
        if (removed) continue;
        if (size == 1) break;
        chunks = std::min(chunks * 2, steps.size());
    }
    return steps;
}

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

// What a child tells its parent, in memory they share: what it has done, and the steps of the
// sequence it is running (so they survive a crash or a hang).
struct Slot {
    unsigned stepLimit = 30;  // seconds; a step still running then is ended by the alarm
    std::atomic<std::int64_t> sequence{-1};
    Tally tally, cutTally;  // copied in as the child goes, read once it has ended
    std::atomic<std::uint32_t> failureLength{0}, stepsLength{0};
    char failure[16384];
    char stepText[1 << 20];

    static void Put(char* to, size_t room, std::atomic<std::uint32_t>& length, const std::string& text) {
        std::memcpy(to, text.data(), std::min(text.size(), room));
        length.store(static_cast<std::uint32_t>(std::min(text.size(), room)), std::memory_order_release);
    }
    void observe(const Steps& steps) {
        Put(stepText, sizeof stepText, stepsLength, ToText(steps));
        alarm(stepLimit);
    }
    bool end(const Result& r) {  // whether the steps broke an invariant, which is then told
        if (r.failure) Put(failure, sizeof failure, failureLength, r.failure->text());
        return r.failure.has_value();
    }
};

// How a child ended: a failure's text is its signature, ": ", the particulars; empty when it passed.
struct Outcome {
    std::string signature, text;
    Steps steps;
    std::int64_t sequence = -1;  // -1: the sweep of cut projects
};

// A process running `work` on its own slot, each step under an alarm of `stepLimit` seconds.
class Child {
  public:
    Child(const std::function<void(Slot&)>& work, double stepLimit, bool quiet) : slot_(SharedMemory<Slot>()) {
        slot_->stepLimit = static_cast<unsigned>(std::max(1.0, std::ceil(stepLimit)));
        std::cout.flush();
        if ((pid_ = fork()) < 0) throw std::runtime_error("cannot start a process");
        if (pid_ > 0) return;
        if (const int null = quiet ? open("/dev/null", O_WRONLY) : -1; null >= 0) dup2(null, 1), dup2(null, 2);
        try {
            work(*slot_);
        } catch (const std::exception& e) {
            slot_->end({{}, Failure{"exception", "the program", e.what()}});
        }
        alarm(0);
        std::cout.flush();
        std::exit(0);
    }
    ~Child() {
        if (!outcome_) kill(pid_, SIGKILL), waitpid(pid_, nullptr, 0);
        Release(slot_);
    }
    pid_t pid() const { return pid_; }
    Slot& slot() { return *slot_; }

    // How the child ended, given its status (waited for when not given).
    const Outcome& outcome(std::optional<int> status = {}) {
        if (outcome_) return *outcome_;
        if (!status) waitpid(pid_, &status.emplace(), 0);
        Outcome& o = outcome_.emplace();
        const int signal = WIFSIGNALED(*status) ? WTERMSIG(*status) : 0;
        if (signal == SIGALRM) o.text = "hang on the program: a step was still unfinished after " + std::to_string(slot_->stepLimit) + " s";
        else if (signal) o.text = "crash on the program: the program crashed (signal " + std::to_string(signal) + ", " + strsignal(signal) + ")";
        else if (WEXITSTATUS(*status)) o.text = "crash on the program: the program ended with status " + std::to_string(WEXITSTATUS(*status));
        else o.text = std::string(slot_->failure, slot_->failureLength.load(std::memory_order_acquire));
        std::istringstream steps(std::string(slot_->stepText, slot_->stepsLength.load(std::memory_order_acquire)));
        std::string line, error;
        while (std::getline(steps, line))
            if (auto s = FromLine(line, error)) o.steps.push_back(*s);
        o.sequence = slot_->sequence.load();
        o.signature = o.text.substr(0, o.text.find(": "));
        return o;
    }

  private:
    Slot* slot_;
    pid_t pid_ = -1;
    std::optional<Outcome> outcome_;
};

// The steps run in a child of their own, as a replay runs them, to their end.
Outcome RunInChild(const Setup& setup, const Steps& steps, double stepLimit, bool quiet) {
    Child child([&](Slot& slot) { slot.end(RunSteps(setup, steps, [&](auto& s) { slot.observe(s); })); }, stepLimit, quiet);
    return child.outcome();
}

std::string StepList(const Steps& steps) {
    std::string text;
    for (size_t i = 0; i < steps.size(); ++i) text += "  " + std::to_string(i + 1) + ". " + ToLine(steps[i]) + "\n";
    return text;
}

// Reports a failure, shrinks its steps and writes the replay file.
void Report(const Options& o, const Outcome& found, std::ostream& out) {
    const bool sweep = found.sequence < 0;
    const std::string which = sweep ? "the project-file sweep" : "sequence " + std::to_string(found.sequence);
    out << "FAILURE in " << which << " of seed " << o.seed << ": " << found.text << "\nsteps (" << found.steps.size()
        << "):\n" << StepList(found.steps) << std::flush;
    auto fails = [&](const Steps& candidate) {
        const Outcome again = RunInChild(o.setup, candidate, o.stepLimit, true);
        return again.signature == found.signature;
    };
    const Steps steps = Shrink(found.steps, fails);
    const std::string name = "vadocalc-fuzz-" + std::to_string(o.seed) + "-" + (sweep ? "project" : std::to_string(found.sequence));
    const std::string file = (std::filesystem::path(o.out) / (name + ".replay")).string();
    std::ofstream(file, std::ios::binary)
        << "# vadocalc-fuzz replay: " << found.text.substr(0, 300) << "\n# seed " << o.seed << ", " << which
        << ", shrunk from " << found.steps.size() << " to " << steps.size() << " steps\n"
        << (o.setup.fault != Fault::None ? "fault " + FaultName(o.setup.fault) + "\n" : "") << ToText(steps);
    out << "shrunk to " << steps.size() << " steps:\n" << StepList(steps) << "replay file: " << file << "\n"
        << "run it again: vadocalc-fuzz --replay " << file << "\n";
    if (auto line = CliLine(steps, "vadocalc-fuzz.pdf", "vadocalc-fuzz.vado")) out << "the same with vadocalc-cli: " << *line << "\n";
}

// Runs the sequences in child processes until the first failure; 0 clean, 1 on a failure.
int Fuzz(const Options& o, std::ostream& out) {
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
    struct Common {
        std::atomic<std::int64_t> next{0};
        std::atomic<int> stop{0};
    }* common = SharedMemory<Common>();
    common->next = o.first;
    const int jobs = std::max(1, o.jobs);
    std::vector<std::unique_ptr<Child>> workers;
    for (int j = 0; j < jobs; ++j)
        workers.push_back(std::make_unique<Child>(
            [&, j](Slot& slot) {
                auto observe = [&](auto& steps) { slot.observe(steps); };
                // The first child sweeps the cut projects first, as "sequence" -1.
                if (j == 0 && o.truncations) {
                    const Result r = SweepTruncations(o.setup, observe);
                    slot.cutTally = std::exchange(Counted(), Tally{});
                    if (slot.end(r)) return void(common->stop = 1);
                }
                for (std::int64_t n; !common->stop.load();) {
                    n = common->next.fetch_add(1);
                    if (n - o.first >= o.runs || (o.seconds > 0 && elapsed() >= o.seconds && n - o.first >= o.minRuns)) break;
                    slot.sequence = n;
                    const Result r = RunRandom(o.setup, o.seed, static_cast<std::uint64_t>(n), o.maxSteps, observe);
                    ++Counted().sequences, Counted().steps += static_cast<long>(r.steps.size());
                    slot.tally = Counted();
                    if (slot.end(r)) return void(common->stop = 1);
                }
            },
            o.stepLimit, false));
    // The first to fail stops the others after the sequence each is running.
    std::optional<Outcome> found;
    for (size_t left = workers.size(); left > 0;) {
        int status = 0;
        const pid_t pid = wait(&status);
        if (pid < 0) break;
        for (auto& w : workers) {
            if (w->pid() != pid) continue;
            --left;
            if (!w->outcome(status).text.empty() && !found) found = w->outcome(), common->stop = 1;
        }
    }
    Release(common);
    Tally all;
    for (auto& w : workers) {
        const Tally& t = w->slot().tally;
        for (int v = 0; v < kVerbs; ++v) all.done[v] += t.done[v];
        all.idle += t.idle, all.sequences += t.sequences, all.steps += t.steps;
        all.reports += t.reports, all.refused += t.refused, all.taken += t.taken;
    }
    const double seconds = elapsed(), per = 1 / std::max(seconds, 1e-3);
    out << all.sequences << " sequences, " << all.steps << " steps, " << (found ? "1 failure" : "0 failures") << " in "
        << static_cast<long>(seconds) << " s (" << static_cast<long>(all.sequences * per) << " sequences/s, "
        << static_cast<long>(all.steps * per) << " steps/s; seed " << o.seed << ", " << jobs << " process" << (jobs > 1 ? "es" : "")
        << ")\nsteps done:";
    for (int v = 0; v < kVerbs; ++v) out << (v ? ", " : " ") << VerbWord(static_cast<Step::Verb>(v)) << " " << all.done[v];
    out << "; " << all.idle << " found nothing to do then; " << all.reports << " reports printed\n";
    // Each cut is one project opened.
    if (const Tally& cut = workers[0]->slot().cutTally; o.truncations)
        out << "project files: " << cut.refused + cut.taken << " cuts of a small project (" << cut.refused << " refused, "
            << cut.taken << " taken); " << all.refused + all.taken << " projects opened in a running program ("
            << all.refused << " refused, " << all.taken << " taken)\n";
    out.flush();
    if (found) Report(o, *found, out);
    return found ? 1 : 0;
}

int Replay(const Options& o, const std::string& file, std::ostream& out) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return out << "vadocalc-fuzz: cannot read " << file << "\n", 2;
    Setup setup = o.setup;
    Steps steps;
    for (std::string line, error; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        if (line.rfind("fault ", 0) == 0) setup.fault = FaultNamed(line.substr(6)).value_or(setup.fault);
        else if (auto step = FromLine(line, error)) steps.push_back(*step);
        else return out << "vadocalc-fuzz: " << file << ": " << error << "\n", 2;
    }
    const Outcome outcome = RunInChild(setup, steps, o.stepLimit, false);
    out << "replay of " << steps.size() << (steps.size() == 1 ? " step" : " steps") << ": ";
    if (outcome.text.empty()) return out << "passed\n", 0;
    out << "FAILURE at step " << outcome.steps.size() << " ("
        << (outcome.steps.empty() ? std::string("start") : ToLine(outcome.steps.back())) << "): " << outcome.text << "\n";
    return 1;
}

}  // namespace

}  // namespace vado::fuzz

using namespace vado::fuzz;

int main(int argc, char** argv) {
    Options o;
    std::string replay;
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        for (size_t i = 0; i < args.size(); ++i) {
            const std::string& a = args[i];
            auto value = [&]() -> const std::string& {
                if (i + 1 >= args.size()) throw std::invalid_argument(a + " needs a value");
                return args[++i];
            };
            if (a == "--seed") o.seed = std::stoull(value());
            else if (a == "--runs") o.runs = std::stol(value());
            else if (a == "--first") o.first = std::stol(value());
            else if (a == "--seconds") o.seconds = std::stod(value());
            else if (a == "--min-runs") o.minRuns = std::stol(value());
            else if (a == "--jobs") o.jobs = std::stoi(value());
            else if (a == "--max-steps") o.maxSteps = std::max(1, std::stoi(value()));
            else if (a == "--step-limit") o.stepLimit = std::stod(value());
            else if (a == "--out") o.out = value();
            else if (a == "--replay") replay = value();
            else if (a == "--no-truncations") o.truncations = false;
            else if (auto fault = a == "--fault" ? FaultNamed(value()) : std::nullopt) o.setup.fault = *fault;
            else if (a == "--fault") throw std::invalid_argument("unknown fault " + args[i]);
            else if (a == "-h" || a == "--help") return std::cout << kUsage, 0;
            else throw std::invalid_argument("unknown option " + a);
        }
    } catch (const std::exception& e) {
        return std::cerr << "vadocalc-fuzz: " << e.what() << "\n" << kUsage, 2;
    }
    // The program's folder and the project folder: a temporary one of this run's own, in memory where
    // there is such a folder (every reopen writes the project through to it), with a county list.
    std::error_code ec;
    const auto temp = std::filesystem::is_directory("/dev/shm", ec) && access("/dev/shm", W_OK) == 0
                          ? std::filesystem::path("/dev/shm")
                          : std::filesystem::temp_directory_path(ec);
    const auto folder = temp / ("vadocalc-fuzz-" + std::to_string(getpid()));
    if (std::filesystem::create_directories(folder, ec); ec)
        return std::cerr << "vadocalc-fuzz: cannot make a temporary folder: " << ec.message() << "\n", 2;
    // One name in Latin-1, as an old county list may be written.
    std::ofstream(folder / "rain.txt") << "\"Adams\",1,2,3,4,5,6,7\n\"O'Brien, \"\"North\"\"\",1,2,3,4,5,6,7\nDo\xF1"
                                          "a Ana,1,2,3,4,5,6,7\n";
    o.setup.folder = folder.string();
    const int status = replay.empty() ? Fuzz(o, std::cout) : Replay(o, replay, std::cout);
    std::filesystem::remove_all(folder, ec);
    return status;
}
