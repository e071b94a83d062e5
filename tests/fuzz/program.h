#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_module.h"
#include "kept_printer.h"
#include "step.h"

namespace vado::fuzz {

// Faults the fuzzer's own test switches on, to see them caught: when the weir page's Compute
// command runs in the length mode, its discharge reads "nan" (nan-weir), the program never comes
// back (hang-weir) or it crashes (crash-weir).
enum class Fault { None, NanWeir, HangWeir, CrashWeir };
std::optional<Fault> FaultNamed(const std::string& name);
std::string FaultName(Fault fault);

struct Setup {
    // The program's folder (where the county list is read) and where projects are saved.
    std::string folder;
    Fault fault = Fault::None;
    // When set, every project file a step opens is also written here (open-1.vado, ...), for a
    // person looking into a replay.
    std::string keepProjects;
};

// A report that came out of the recording printer.
struct PrintedJob {
    short code = 0;
    // lastComputeFailed when the printer was chosen.
    bool computeFailed = false;
    report::test::KeptJob job;
};

// The whole program, headless, as a person meets it after start-up: every page and result
// window, the project-information dialog printing on a recording printer.
class Program {
  public:
    explicit Program(const Setup& setup);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    const Setup& setup;
    ui::HeadlessServices services;
    MainModule module{services};
    // The reports printed so far.
    const std::vector<PrintedJob>& jobs();
    // Texts the person entered that read as "nan" or "inf" themselves: a field or a report line
    // showing them shows what was typed, not a result.
    std::vector<std::string> entered;
    // Whether a text shows "nan" or "inf" that the person did not enter.
    bool Garbage(const std::string& text) const;

    CatalogueForm& page() const { return *module.FormList[module.CurrentForm]; }
    // The form a step may talk to now: the dialog on top when one is open, else the page shown or
    // an open result window; null when `name` is none of them.
    ui::Form* reachable(const std::string& name);
    // Every form there is: the pages, the result windows, the dialogs created so far.
    std::vector<const ui::Form*> forms();

  private:
    std::vector<PrintedJob> jobs_;
    std::vector<report::test::KeptJob> kept_;
    std::vector<std::pair<short, bool>> chosen_;
};

// Does what the step says, as a person would; false when it could not be done now (so it did
// nothing). Steps on project files are not done here (see documents.h).
bool Perform(Program& program, const Step& step);

}  // namespace vado::fuzz
