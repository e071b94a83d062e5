// The steps on project files, and what must hold after each: a job saved and opened again is the same
// job, a damaged file is refused whole or taken whole, a report is what the same job prints afresh.
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "app/project_file.h"
#include "fuzz.h"
#include "person.h"
#include "report/frm_info.h"
#include "report/report_bodies.h"

namespace vado::fuzz {

namespace {

using Lines = std::vector<std::string>;

// The first line where two texts part.
std::string FirstDifference(const Lines& a, const Lines& b) {
    for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "(nothing)", y = i < b.size() ? b[i] : "(nothing)";
        if (x != y) return "\"" + x.substr(0, 200) + "\" where the other has \"" + y.substr(0, 200) + "\"";
    }
    return "no difference";
}

Lines SplitLines(const std::string& text) {
    Lines lines;
    for (size_t start = 0, at; start < text.size(); start = at + 1)
        lines.push_back(text.substr(start, (at = std::min(text.find('\n', start), text.size())) - start));
    return lines;
}

// The values of a result window's tables; a window that gathers series shows its last.
Lines WindowValues(const ui::Form& w) {
    Lines lines;
    const auto* series = dynamic_cast<const report::SeriesSource*>(&w);
    for (auto& c : w.controls()) {
        if (c->kind() != ui::Kind::Grid) continue;
        const auto& g = static_cast<const ui::Grid&>(*c);
        for (int r = 0; r < g.rows(); ++r) {
            if (series && r >= g.fixedRows && r < series->LastSeriesFirstRow()) continue;
            std::string line = w.name() + "." + g.name() + ":";
            for (int col = 0; col < g.cols(); ++col) line += " " + g.textMatrix(r, col);
            lines.push_back(line);
        }
    }
    return lines;
}

// What a page shows by its history rather than its inputs, as it is designed to; a reopened page has a
// history of its own, so these are compared for what they can be compared for.
//  - The orifice's size label keeps its design text, "(in)", until a mode option is first clicked, then
//    reads "(in.)": a project keeps the mode, not the clicks, so the size it names is compared.
//  - The trapezoid's sketch repeats the side slope from its first change on; at start-up it is blank
//    while the field holds 2, so it is compared only when both show a slope.
//  - The trapezoid's surface width survives a new channel slope or n (it depends on neither), so after a
//    Compute refused for those it may still show the width of the same section, where a page that
//    never computed that section shows none: a width is compared only with a width.
void CompareAsDesigned(Lines& a, Lines& b, bool computeFailed) {
    const std::string noWidth = "frmTrapezoidal.lbl5Width:  Width @ surface   ft ", noSlope = "frmTrapezoidal.lbl5Slope: ";
    for (auto* lines : {&a, &b})
        for (auto& line : *lines)
            if (line.rfind("frmOrifice.Label2(4)", 0) == 0) line = line.substr(0, line.find(" ("));
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i].rfind(noSlope, 0) == 0 && (a[i] == noSlope || b[i] == noSlope)) a[i] = b[i] = noSlope;
        if (computeFailed && a[i].rfind("frmTrapezoidal.lbl5Width: ", 0) == 0 && (a[i] == noWidth || b[i] == noWidth))
            a[i] = b[i] = noWidth;
    }
}

// The Compute command of the page shown, clicked as a person clicks it: the field being typed in is
// left first (what its check says belongs to that field, not to the job); what the page shows after,
// and each message the Compute gave, once.
Lines ComputeShown(Program& p) {
    CatalogueForm& page = p.page();
    test::Leave(page);
    const size_t before = p.services.messages.size();
    auto* calc = dynamic_cast<CalculatorForm*>(&page);
    if (calc) page.clickButton(calc->cmdCompute, true);
    page.dropFocus();
    auto lines = test::Shown(page);
    // A grid's own cell editor holds the cell it is on, which the grid shows; open or put away, it is no
    // part of the job.
    const auto controls = test::Snapshot(page);
    for (size_t i = controls.size(); i-- > 0;) {
        const ui::Control* holder = controls[i]->container.empty() ? nullptr : page.find(controls[i]->container);
        if (holder && holder->kind() == ui::Kind::Grid) lines.erase(lines.begin() + static_cast<long>(i));
    }
    // Whether the last Compute failed is no part of the job, only of the Compute just run.
    if (calc) lines.push_back(std::string("lastComputeFailed: ") + (p.module.app().lastComputeFailed ? "true" : "false"));
    for (size_t i = before; i < p.services.messages.size(); ++i) {
        const std::string line = "message: " + p.services.messages[i].title + ": " + p.services.messages[i].text;
        if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
    }
    return lines;
}

// A page that writes an input when it computes (a circular pipe's diameter reset to a deeper depth, a
// figure's dimension worked out from the others) may not have computed since the person typed, where a
// page given the same texts by opening a file has: the pages whose inputs differ are computed in `a`,
// which must then hold exactly the job `b` holds.
bool SettlesTo(Program& a, const std::string& textA, const std::string& textB) {
    const auto docA = nlohmann::ordered_json::parse(textA), docB = nlohmann::ordered_json::parse(textB);
    for (auto& [name, inputs] : docA["pages"].items()) {
        if (docB["pages"].contains(name) && docB["pages"][name] == inputs) continue;
        auto* calc = dynamic_cast<CalculatorForm*>(a.module.formNamed(name));
        if (!calc) return false;
        calc->clickButton(calc->cmdCompute, true);
        calc->dropFocus();
    }
    return project::Save(a.module) == textB;
}

// Whether `a` holds the job `b` holds, and after a Compute of the page shown shows what `b` shows (its
// result windows included).
std::optional<Failure> SameJob(Program& a, Program& b, const std::string& kind) {
    const std::string page = a.page().name();
    const std::string textA = project::Save(a.module), textB = project::Save(b.module);
    if (textA != textB && !SettlesTo(a, textA, textB))
        return Failure{kind, page, "the job saved again differs: " + FirstDifference(SplitLines(textA), SplitLines(textB))};
    auto shownA = ComputeShown(a), shownB = ComputeShown(b);
    CompareAsDesigned(shownA, shownB, b.module.app().lastComputeFailed);
    for (ui::Form* w : b.module.resultWindows()) {
        if (!w->visible()) continue;
        auto valuesB = WindowValues(*w);
        shownB.insert(shownB.end(), valuesB.begin(), valuesB.end());
        for (ui::Form* other : a.module.resultWindows())
            if (other->name() == w->name()) {
                auto valuesA = other->visible() ? WindowValues(*other) : Lines{other->name() + " closed"};
                shownA.insert(shownA.end(), valuesA.begin(), valuesA.end());
            }
    }
    if (shownA != shownB) return Failure{kind, page, "after Compute: " + FirstDifference(shownA, shownB)};
    return std::nullopt;
}

// Everything the program holds and shows, to tell whether anything changed.
Lines Everything(Program& p) {
    auto lines = SplitLines(project::Save(p.module));
    for (const ui::Form* f : p.forms()) {
        auto shown = test::Shown(*f);
        lines.insert(lines.end(), shown.begin(), shown.end());
        lines.push_back(f->name() + (f->visible() ? " shown" : " hidden"));
    }
    lines.push_back("lastComputeFailed " + std::to_string(p.module.app().lastComputeFailed));
    return lines;
}

// The loads of a project file: the program's own, a fresh one's, compared.
std::optional<Failure> OpenText(Program& a, const std::string& text, const std::string& what, bool mayRefuse) {
    if (!a.setup.keepProjects.empty()) {
        static int kept = 0;
        std::string why;
        project::WriteTextAtomically(
            (std::filesystem::path(a.setup.keepProjects) / ("open-" + std::to_string(++kept) + ".vado")).string(), text, why);
    }
    const auto before = mayRefuse ? Everything(a) : Lines{};
    const project::Loaded loaded = project::Load(a.module, text);
    const std::string page = a.page().name();
    if (!loaded.ok) {
        ++Counted().refused;
        a.services.MsgBox(loaded.error, a.services.AppTitle(), ui::MsgIcon::Exclamation);
        if (!mayRefuse) return Failure{"open-refused", page, what + " was refused: " + loaded.error};
        // A refusal a person can act on: one line, in words, no internals.
        const std::string& e = loaded.error;
        if (e.empty() || e.size() >= 300 || e.find('\n') != std::string::npos || e.find("json") != std::string::npos ||
            e.find("exception") != std::string::npos)
            return Failure{"unclear-refusal", page, what + ": \"" + e + "\""};
        if (const auto after = Everything(a); before != after)
            return Failure{"refusal-changed-the-job", page, what + ": " + FirstDifference(before, after)};
        return std::nullopt;
    }
    ++Counted().taken;
    if (!loaded.skipped.empty()) {
        if (!mayRefuse) return Failure{"open-skipped", page, project::SkippedNotice(loaded.skipped)};
        a.services.MsgBox(project::SkippedNotice(loaded.skipped), a.services.AppTitle(), ui::MsgIcon::Information);
    }
    Program b(a.setup);
    const project::Loaded fresh = project::Load(b.module, text);
    if (!fresh.ok || fresh.skipped != loaded.skipped)
        return Failure{"half-loaded", page, what + " is taken differently by a fresh program"};
    // A file that names no page to show leaves the page shown as it is.
    const auto doc = nlohmann::json::parse(text, nullptr, false);
    if (!doc.is_object() || !doc.contains("shownPage") || !doc["shownPage"].is_string() ||
        !b.module.formNamed(doc["shownPage"].get<std::string>()))
        test::ShowPage(b.module, *b.module.formNamed(page));
    return SameJob(a, b, mayRefuse ? "half-loaded" : "open-differs");
}

}  // namespace

std::optional<Failure> Reopen(std::unique_ptr<Program>& program) {
    Program& a = *program;
    // Named by the process: the processes running sequences side by side share the folder.
    const std::string file = (std::filesystem::path(a.setup.folder) / ("job-" + std::to_string(getpid()) + ".vado")).string();
    std::string text, why;
    if (!project::WriteTextAtomically(file, project::Save(a.module), why) || !project::ReadText(file, text, why))
        return Failure{"project-file", a.page().name(), why};
    auto b = std::make_unique<Program>(a.setup);
    const project::Loaded loaded = project::Load(b->module, text);
    if (!loaded.ok) return Failure{"reopen-refused", a.page().name(), loaded.error};
    if (!loaded.skipped.empty()) return Failure{"reopen-skipped", a.page().name(), project::SkippedNotice(loaded.skipped)};
    auto failure = SameJob(a, *b, "reopen-differs");
    b->entered = a.entered;
    program = std::move(b);
    return failure;
}

std::optional<Failure> OpenInPlace(Program& a, bool fresh) {
    static const std::string freshText = [&] {
        Program blank(a.setup);
        return project::Save(blank.module);
    }();
    return OpenText(a, fresh ? freshText : project::Save(a.module), fresh ? "File > New" : "the saved project", false);
}

std::optional<Failure> OpenMutated(Program& a, int kind, std::uint64_t seed) {
    return OpenText(a, Mutate(project::Save(a.module), kind, seed),
                    std::string("the project with a mutation (") + MutationName(kind) + ")", true);
}

std::optional<Failure> CheckReprint(Program& a, const PrintedJob& job) {
    // A stage-discharge report prints the window's graph and no input.
    if (job.code >= 108 && job.code <= 111) return std::nullopt;
    const std::string report = "report " + std::to_string(job.code);
    Program b(a.setup);
    if (!project::Load(b.module, project::Save(a.module)).ok) return Failure{"reopen-refused", report, "the job printed"};
    auto& page = static_cast<CalculatorForm&>(*b.module.FormList[report::TitleNumber(job.code)]);
    test::ShowPage(b.module, page);
    page.clickButton(page.cmdCompute, true);
    if (b.module.app().lastComputeFailed) return Failure{"report-after-failed-compute", report, "the inputs printed do not compute"};
    ui::Form* from = &page;
    std::string print = page.cmdPrint.fullName();
    if (job.code > 100) {
        from = const_cast<ui::Form*>(b.module.resultWindow(job.code));
        if (!from || !from->visible()) return Failure{"stale-report", report, "the inputs printed open no rating window"};
        print = "cmdPrint";
        if (job.code >= 119) {
            static_cast<ui::TabStrip*>(from->find("tabStrip"))->clickTab(job.code / 100);
            print = "cmdPrint(" + std::to_string(job.code / 100 - 1) + ")";
        }
    }
    ui::Control* button = from->find(print);
    const size_t printed = b.jobs().size();
    if (button && button->kind() == ui::Kind::CommandButton) from->clickButton(static_cast<ui::CommandButton&>(*button), true);
    if (auto* dialog = b.services.modalStack.empty() ? nullptr : dynamic_cast<report::FrmInfo*>(b.services.modalStack.back()))
        dialog->clickButton(dialog->cmdPrint, true);
    if (b.jobs().size() == printed) return Failure{"stale-report", report, "the inputs printed print no report"};
    // The day of printing may differ between two prints of the same job.
    auto comparable = [](Lines texts) {
        std::erase_if(texts, [](auto& t) { return t.rfind("Date: ", 0) == 0 && t.size() > 6 && std::isdigit(static_cast<unsigned char>(t[6])); });
        return texts;
    };
    const auto expected = comparable(b.jobs().back().job.texts()), actual = comparable(job.job.texts());
    if (expected != actual) return Failure{"stale-report", report, "printed " + FirstDifference(actual, expected)};
    return std::nullopt;
}

}  // namespace vado::fuzz
