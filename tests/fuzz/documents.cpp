// The steps on project files, and what must hold after each: a job saved and opened again is the same
// job, a damaged file is refused whole or taken whole, a report is what the same job prints afresh.
#include <unistd.h>

#include <cstring>
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
using Json = nlohmann::ordered_json;

size_t Below(Rng& rng, size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(rng); }

// Every value of the document, depth first, so one can be picked and replaced.
void Collect(Json& j, std::vector<Json*>& all) {
    all.push_back(&j);
    if (j.is_structured())
        for (auto& child : j) Collect(child, all);
}

// A member of one of the document's objects: the object and where the member is in it.
std::pair<Json*, Json::iterator> AnyMember(Json& doc, Rng& rng) {
    std::vector<Json*> all;
    Collect(doc, all);
    std::erase_if(all, [](Json* j) { return !j->is_object() || j->empty(); });
    Json* object = all[Below(rng, all.size())];
    return {object, std::next(object->begin(), static_cast<long>(Below(rng, object->size())))};
}

// A value of another type than `j`.
Json OtherType(const Json& j, Rng& rng) {
    const std::vector<Json> others = {nullptr, true, 7, -1.5, "12", Json::array({1, "2"}), Json::object({{"x", 1}})};
    for (;;)
        if (const Json& v = others[Below(rng, others.size())]; v.type() != j.type()) return v;
}

// The document with the value a marker was put in for written as `with`, text that may be no JSON.
const char* const kMarker = "@@vado-fuzz-value@@";
std::string Replaced(const Json& doc, const std::string& with) {
    std::string text = doc.dump(1);
    const auto at = text.find(std::string("\"") + kMarker + "\"");
    return at == std::string::npos ? text : text.replace(at, std::strlen(kMarker) + 2, with);
}

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
    for (size_t i = page.controls().size(); i-- > 0;) {
        const ui::Control* holder = page.controls()[i]->container.empty() ? nullptr : page.find(page.controls()[i]->container);
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

// The pages, the result windows, the dialogs made so far.
std::vector<const ui::Form*> Forms(Program& p) {
    std::vector<const ui::Form*> all(p.module.FormList.begin(), p.module.FormList.end());
    for (ui::Form* w : p.module.resultWindows()) all.push_back(w);
    if (const report::FrmInfo* dialog = p.module.reporting().dialog()) all.push_back(dialog);
    for (ui::Form* f : p.services.modalStack)
        if (std::find(all.begin(), all.end(), f) == all.end()) all.push_back(f);
    return all;
}

// Everything the program holds and shows, to tell whether anything changed.
Lines Everything(Program& p) {
    auto lines = SplitLines(project::Save(p.module));
    for (const ui::Form* f : Forms(p)) {
        auto shown = test::Shown(*f);
        lines.insert(lines.end(), shown.begin(), shown.end());
        lines.push_back(f->name() + (f->visible() ? " shown" : " hidden"));
    }
    lines.push_back("lastComputeFailed " + std::to_string(p.module.app().lastComputeFailed));
    return lines;
}

constexpr const char* kMutations[kMutationKinds] = {"cut short",     "wrong type",    "number",
                                                   "deep nesting",  "long string",   "invalid UTF-8",
                                                   "duplicate key", "byte changed",  "part removed or renamed"};

// A saved project damaged as kMutations[kind] says; the same three arguments give the same text.
std::string Mutate(const std::string& project, int kind, std::uint64_t seed) {
    Rng rng(seed);
    if (kind == 0) {
        const std::string small = SmallProject(project);
        return small.substr(0, small.empty() ? 0 : seed % small.size());
    }
    if (kind == 7) {
        std::string text = project;
        if (!text.empty()) text[Below(rng, text.size())] = static_cast<char>(Below(rng, 256));
        return text;
    }
    if (kind == 5) {
        // A bad sequence just inside the quotes of one of the document's strings.
        static const std::vector<std::string> bad = {"\xFF", "\xC3", "\xED\xA0\x80", "\xF8\x88\x80\x80\x80", "\x80"};
        std::vector<size_t> at;
        for (size_t i = 0, inside = 0; i < project.size(); ++i)
            if (project[i] == '\\') ++i;
            else if (project[i] == '"' && (inside = !inside)) at.push_back(i + 1);
        if (at.empty()) return project;
        const size_t pos = at[Below(rng, at.size())];
        return project.substr(0, pos) + bad[Below(rng, bad.size())] + project.substr(pos);
    }
    Json doc = Json::parse(project, nullptr, false);
    if (!doc.is_object() || doc.empty()) return project;
    std::vector<Json*> all;
    Collect(doc, all);
    // Never the root: its members are where the reading happens.
    Json* target = all[1 + Below(rng, all.size() - 1)];
    switch (kind) {
        case 1: *target = OtherType(*target, rng); return doc.dump(1);
        case 2: {
            // Numbers JSON can carry and numbers no double can hold, put in as text.
            static const std::vector<std::string> numbers = {
                "1e999", "-1e999", "1e308", "-1", "0", "-0", "1.5", "2147483648", "-2147483649",
                "9223372036854775808", "18446744073709551616", "1e-999", "32768", "99999999999999999999999"};
            *target = kMarker;
            return Replaced(doc, numbers[Below(rng, numbers.size())]);
        }
        case 3: {
            const size_t depth = 1000 + Below(rng, 200000);
            *target = kMarker;
            const bool arrays = Below(rng, 2) == 0;
            std::string nested;
            for (size_t i = 0; i < depth; ++i) nested += arrays ? "[" : "{\"a\":";
            return Replaced(doc, nested + "1" + std::string(depth, arrays ? ']' : '}'));
        }
        case 4: *target = std::string(1000 + Below(rng, 300000), "0123456789.Ee-x"[Below(rng, 15)]); return doc.dump(1);
        case 6: {
            // A key of an object given again with another value: the parser keeps one of them.
            auto [object, it] = AnyMember(doc, rng);
            const std::string key = it.key(), original = it.value().dump(), other = OtherType(it.value(), rng).dump();
            (*object)[key] = kMarker;
            const bool otherFirst = Below(rng, 2) == 0;
            return Replaced(doc, (otherFirst ? other : original) + ", " + Json(key).dump() + ": " + (otherFirst ? original : other));
        }
        default: {
            // A member removed, or renamed to something this version does not know.
            auto [object, it] = AnyMember(doc, rng);
            const std::string key = it.key();
            Json value = it.value();
            object->erase(key);
            if (Below(rng, 2)) (*object)[key + (Below(rng, 2) ? "X" : "(7)")] = value;
            return doc.dump(1);
        }
    }
}

// The loads of a project file: the program's own, a fresh one's, compared.
std::optional<Failure> OpenText(Program& a, const std::string& text, const std::string& what, bool mayRefuse) {
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

Tally& Counted() {
    static Tally tally;
    return tally;
}

std::optional<Failure> OnProject(std::unique_ptr<Program>& program, const Step& s) {
    Program& a = *program;
    // File > New and File > Open leave the program holding exactly what a fresh program opening the
    // same file holds.
    if (s.verb == Step::Verb::New) {
        static const std::string blank = [&] { Program fresh(a.setup); return project::Save(fresh.module); }();
        return OpenText(a, blank, "File > New", false);
    }
    const std::string saved = project::Save(a.module);
    if (s.verb == Step::Verb::Open) return OpenText(a, saved, "the saved project", false);
    // A damaged file is refused with one clear message and the program left as it was, or taken
    // whole, exactly as a fresh program takes it.
    if (s.verb == Step::Verb::Mutate) {
        const int kind = (s.a % kMutationKinds + kMutationKinds) % kMutationKinds;
        return OpenText(a, Mutate(saved, kind, s.seed), std::string("the project with a mutation (") + kMutations[kind] + ")", true);
    }
    // Saved and opened into a fresh program, which carries on: it holds the same job and, after a
    // Compute of the page shown, shows what the first one shows. The file is named by the process:
    // the processes running sequences side by side share the folder.
    const std::string file = (std::filesystem::path(a.setup.folder) / ("job-" + std::to_string(getpid()) + ".vado")).string();
    std::string text, why;
    if (!project::WriteTextAtomically(file, saved, why) || !project::ReadText(file, text, why))
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

std::string SmallProject(const std::string& project) {
    try {
        Json doc = Json::parse(project);
        const Json shown = doc.value("shownPage", Json());
        for (const char* part : {"pages", "lastEntered"}) {
            if (!doc.contains(part) || !doc[part].is_object()) continue;
            Json kept = Json::object();
            if (shown.is_string() && doc[part].contains(shown.get<std::string>()))
                kept[shown.get<std::string>()] = doc[part][shown.get<std::string>()];
            doc[part] = kept;
        }
        return doc.dump(1) + "\n";
    } catch (const Json::exception&) {
        return project;
    }
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
    const size_t printed = b.jobs().size();
    Perform(b, {.verb = Step::Verb::Print, .form = from->name(), .control = print});
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
