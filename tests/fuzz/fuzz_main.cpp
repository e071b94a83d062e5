// vadocalc-fuzz: the whole program, headless, driven by random sequences of a person's steps, with its
// invariants checked after every step. A failure is shrunk to the fewest steps that still fail and
// written as a replay file.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "fuzz.h"

namespace {

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

}  // namespace

int main(int argc, char** argv) {
    vado::fuzz::Options o;
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
            else if (auto fault = a == "--fault" ? vado::fuzz::FaultNamed(value()) : std::nullopt) o.setup.fault = *fault;
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
    const int status = replay.empty() ? vado::fuzz::Fuzz(o, std::cout) : vado::fuzz::Replay(o, replay, std::cout);
    std::filesystem::remove_all(folder, ec);
    return status;
}
