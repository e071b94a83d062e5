#pragma once
// vadocalc-fuzz: the whole program, headless, driven by seeded random sequences of a person's steps.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/main_module.h"
#include "kept_printer.h"

namespace vado::fuzz {

// One thing a person does. A step names the form it talks to; when that form cannot be reached at
// the time (another page is shown, a dialog is open over it, the control is hidden), the step does
// nothing, so any part of a sequence can be run on its own.
struct Step {
    enum class Verb {
        Tab,       // a: the tab, from 1
        Type,      // text pasted into a field (the field is entered and left)
        Keys,      // text typed key by key into a field, which keeps the focus; "\r" is Enter, "\b"
                   // Backspace, "\x11" to "\x14" the arrows Left, Up, Right, Down
        Choose,    // a: list item, option member or check box value
        Cell,      // a, b: row, column of an editable grid; text
        Move,      // a, b: a click on a grid cell
        GridKey,   // a: key code, b: shift state
        Copy,      // a, b to c, d: a block of cells selected, then Ctrl+C
        DblClick,  // a: a row of a grid double-clicked
        Click,     // a command button
        Print,     // a Print button, then the Print of the project-information dialog
        Example,   // the page's worked example typed field by field; a: 1 with the inputs after it
        Reopen,    // saved, and opened into a fresh program that carries on
        Open,      // File > Open of the saved project in the running program
        New,       // File > New
        Mutate,    // File > Open of the saved project changed by mutation `a` with `seed`
    };
    Verb verb = Verb::Tab;
    std::string form, control, text;
    int a = 0, b = 0, c = 0, d = 0;
    std::uint64_t seed = 0;
    bool operator==(const Step&) const = default;
    bool onProject() const { return verb >= Verb::Reopen; }
};
inline constexpr int kVerbs = 16;
const char* VerbWord(Step::Verb verb);

// A step as one line of a replay file ("type frmWeir txt1Coeff \"3.1\""), and back; several, a line each.
std::string ToLine(const Step& step);
std::optional<Step> FromLine(const std::string& line, std::string& error);
std::string ToText(const std::vector<Step>& steps);
// A text written as a replay file quotes it, read at `pos`, moving past it.
std::optional<std::string> Unquote(const std::string& line, size_t& pos);
// The vadocalc-cli command line that takes the same steps, when the script has them all: one page
// (and at the end a result window of it), a print or a reopen only as the last step.
std::optional<std::string> CliLine(const std::vector<Step>& steps, const std::string& pdf, const std::string& project);

// Faults the fuzzer's own test switches on, to see them caught: the weir page's Compute in the length
// mode shows "nan", never comes back, or crashes.
enum class Fault { None, NanWeir, HangWeir, CrashWeir };
std::optional<Fault> FaultNamed(const std::string& name);
std::string FaultName(Fault fault);

struct Setup {
    std::string folder;  // the program's folder (its county list) and where projects are saved
    Fault fault = Fault::None;
};

// A report that came out of the recording printer; whether the last Compute had failed when it began.
struct PrintedJob {
    short code = 0;
    bool computeFailed = false;
    report::test::KeptJob job;
};

// The whole program, headless, as a person meets it after start-up, printing on a recording printer.
class Program {
  public:
    explicit Program(const Setup& setup);
    Program(const Program&) = delete;

    const Setup& setup;
    ui::HeadlessServices services;
    MainModule module{services};
    const std::vector<PrintedJob>& jobs();  // the reports printed so far
    // Texts the person entered that read as "nan" or "inf" themselves: a field or a report line
    // showing them shows what was typed, not a result.
    std::vector<std::string> entered;
    bool Garbage(const std::string& text) const;  // shows "nan" or "inf" the person did not enter
    CatalogueForm& page() const { return *module.FormList[module.CurrentForm]; }

  private:
    std::vector<PrintedJob> jobs_;
    std::vector<report::test::KeptJob> kept_;
    std::vector<std::pair<short, bool>> chosen_;
};

// Does what a step on a form says, as a person would; false when it could not be done now.
bool Perform(Program& program, const Step& step);

// A broken invariant: what kind, on which form, and the particulars. A smaller sequence must break
// the same signature to count as the same failure.
struct Failure {
    std::string kind, form, detail;
    std::string signature() const { return kind + " on " + form; }
    std::string text() const { return signature() + ": " + detail; }
};

// What must hold after a step (the messages and jobs before it already checked): no NaN or infinity
// shown, drawn or printed; no message box without text or title; every result window holding
// together; a report only after a Compute that succeeded, as a fresh program opening the job prints it.
std::optional<Failure> CheckStep(Program& program, size_t messages, size_t jobs);

using Rng = std::mt19937_64;
int Pick(Rng& rng, int lo, int hi);  // a whole number in [lo, hi]
const std::vector<std::string>& HostileTexts();  // from hostile.txt
// A step a person could take now: on the dialog when one is open, else on the page shown, an open
// result window, the tab strip or the project file.
Step Generate(Program& program, Rng& rng);

// A step on the project file (Reopen, Open, New, Mutate), and what must hold after it; a reopen
// carries on in a fresh program.
std::optional<Failure> OnProject(std::unique_ptr<Program>& program, const Step& step);
inline constexpr int kMutationKinds = 9;
std::string SmallProject(const std::string& project);  // the inputs of the page shown alone
// A printed report is the one a fresh program opening the same job prints by the same command.
std::optional<Failure> CheckReprint(Program& program, const PrintedJob& job);

// What this process did: steps done per verb, steps that found nothing to do, reports, projects opened.
struct Tally {
    std::array<long, kVerbs> done{};
    long idle = 0, sequences = 0, steps = 0, reports = 0, refused = 0, taken = 0;
};
Tally& Counted();  // this process's

}  // namespace vado::fuzz
