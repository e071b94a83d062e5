// The program run headless, the steps a person takes on its forms, and what must hold after each.
#include <csignal>
#include <cmath>

#include "app/catalogue.h"
#include "fuzz.h"
#include "person.h"
#include "report/frm_info.h"
#include "worked_examples.h"

namespace vado::fuzz {

namespace {

using Verb = Step::Verb;

constexpr std::pair<Fault, const char*> kFaults[] = {
    {Fault::None, "none"}, {Fault::NanWeir, "nan-weir"}, {Fault::HangWeir, "hang-weir"}, {Fault::CrashWeir, "crash-weir"}};

void InjectFault(Program& p) {
    if (p.setup.fault == Fault::None) return;
    auto& weir = *p.module.formNamed("frmWeir");
    auto* compute = static_cast<ui::CommandButton*>(weir.find("cmdCompute(1)"));
    auto* length = static_cast<ui::OptionButton*>(weir.find("opt1Selector(1)"));
    compute->onClick = [original = compute->onClick, length, q = weir.find("lbl1Q"), fault = p.setup.fault] {
        original();
        if (!length->value()) return;
        if (fault == Fault::NanWeir) q->setCaption("Q = nan cfs");
        for (volatile bool forever = fault == Fault::HangWeir; forever;) {
        }
        if (fault == Fault::CrashWeir) std::raise(SIGSEGV);
    };
}

template <class T>
T* Find(ui::Form& form, const std::string& name, ui::Kind kind) {
    ui::Control* c = form.find(name);
    return c && c->kind() == kind && test::Usable(form, *c) ? static_cast<T*>(c) : nullptr;
}

bool TypeInto(ui::Form& form, const Step& s) {
    if (auto* box = Find<ui::TextBox>(form, s.control, ui::Kind::TextBox)) {
        if (!box->locked) test::Paste(form, *box, s.text);
        return !box->locked;
    }
    // The county of the project-information dialog takes any text.
    auto* combo = Find<ui::ComboBox>(form, s.control, ui::Kind::ComboBox);
    if (!combo || combo->style != ui::ComboBox::Style::DropDownCombo) return false;
    form.setFocus(combo);
    combo->setText(s.text);
    test::Leave(form);
    return true;
}

bool TypeKeys(ui::Form& form, const Step& s) {
    auto* box = Find<ui::TextBox>(form, s.control, ui::Kind::TextBox);
    if (!box || !form.setFocus(box)) return false;
    for (unsigned char ch : s.text) {
        // Keys go where the focus is; Enter may have moved it on.
        auto* focused = form.focused();
        if (!focused || focused->kind() != ui::Kind::TextBox) break;
        auto& field = static_cast<ui::TextBox&>(*focused);
        // \x11 to \x14 stand for the arrow keys, which the field's handler sees first (37 to 40).
        if (ch < 0x11 || ch > 0x14) field.typeKey(static_cast<std::int16_t>(ch == '\b' ? 8 : ch));
        else if (field.onKeyDown) field.onKeyDown(37 + ch - 0x11, 0);
    }
    return true;
}

bool Choose(ui::Form& form, const Step& s) {
    ui::Control* c = form.find(s.control);
    if (!c) c = form.find(s.control + "(" + std::to_string(s.a) + ")");  // an option group
    if (!c || !test::Usable(form, *c)) return false;
    if (c->kind() == ui::Kind::TabStrip) {
        auto& strip = static_cast<ui::TabStrip&>(*c);
        if (s.a < 1 || s.a > static_cast<int>(strip.tabs.size())) return false;
        strip.clickTab(s.a);
        return true;
    }
    if (c->kind() == ui::Kind::ComboBox && (s.a < 0 || s.a >= static_cast<ui::ComboBox&>(*c).listCount())) return false;
    return c->kind() != ui::Kind::TextBox && test::Apply(form, s.control + "=" + std::to_string(s.a));
}

// The steps on a grid: a cell edited, a click on a cell, a block copied, a key, a double click.
bool OnGrid(ui::Form& form, const Step& s) {
    auto* g = Find<ui::Grid>(form, s.control, ui::Kind::Grid);
    if (!g) return false;
    const bool at = s.a >= 0 && s.a < g->rows() && s.b >= 0 && s.b < g->cols();
    switch (s.verb) {
        case Verb::Cell: {
            // As vadocalc-cli takes a cell: a grid the page edits through a field of its own takes its
            // data rows and input columns.
            const bool fits = g->editableColumns > 0
                                  ? s.b < g->editableColumns && s.a >= g->fixedRows && (g->maxRows == 0 || s.a < g->maxRows)
                                  : g->editable && s.b < g->cols() && s.a >= g->fixedRows;
            if (!fits || s.a < 0 || s.b < 0) return false;
            test::EditCell(*g, s.a, s.b, s.text);
            return true;
        }
        case Verb::Move:  // as the desktop's table passes a click on: the table takes the focus first
            if (!at) return false;
            form.setFocus(g);
            g->row = g->rowSel = s.a;
            g->col = g->colSel = s.b;
            if (g->onEnterCell && form.setFocus(g)) g->onEnterCell();
            return true;
        case Verb::Copy:  // only cells below and right of the headings can be selected
            if (!at || s.c < 0 || s.c >= g->rows() || s.d < 0 || s.d >= g->cols() ||
                std::min(s.a, s.c) < g->fixedRows || std::min(s.b, s.d) < g->fixedCols)
                return false;
            form.setFocus(g);
            g->row = s.a, g->col = s.b, g->rowSel = s.c, g->colSel = s.d;
            if (g->onKeyDown) g->onKeyDown(67, 2);
            return true;
        case Verb::GridKey:
            if (!g->onKeyDown) return false;
            form.setFocus(g);
            g->onKeyDown(s.a, s.b);
            return true;
        default:  // DblClick
            if (!g->onDblClick || s.a < 0 || s.a >= g->rows()) return false;
            g->row = s.a, g->col = 0;
            g->onDblClick();
            return true;
    }
}

bool Click(Program& p, ui::Form& form, const Step& s) {
    auto* b = Find<ui::CommandButton>(form, s.control, ui::Kind::CommandButton);
    if (!b) return false;
    form.clickButton(*b, true);
    // A Print button opens the project-information dialog, whose Print prints.
    auto* dialog = p.services.modalStack.empty() ? nullptr : dynamic_cast<report::FrmInfo*>(p.services.modalStack.back());
    if (s.verb == Verb::Print && dialog) dialog->clickButton(dialog->cmdPrint, true);
    return true;
}

bool Example(ui::Form& page, const Step& s) {
    const auto* example = test::WorkedExampleOf(page.name());
    if (!example) return false;
    for (const auto& step : example->example) test::Apply(page, step);
    for (const auto& step : s.a ? example->more : std::vector<std::string>{}) test::Apply(page, step);
    return true;
}

std::optional<Failure> CheckOps(const Program& p, const std::vector<ui::RecordedOp>& ops, const std::string& form,
                                const std::string& what) {
    for (const auto& op : ops) {
        if (!std::isfinite(op.x) || !std::isfinite(op.y) || !std::isfinite(op.x2) || !std::isfinite(op.y2))
            return Failure{"not-a-number", form, what + " draws at a coordinate that is no number"};
        if (p.Garbage(op.text)) return Failure{"not-a-number", form, what + " shows \"" + op.text + "\""};
    }
    return std::nullopt;
}

// Every control's texts, and every picture drawn as the screen draws it, at a usual and a cramped size.
std::optional<Failure> CheckForm(const Program& p, const ui::Form& form) {
    for (auto& c : form.controls()) {
        for (const auto& t : test::Texts(*c))
            if (p.Garbage(t)) return Failure{"not-a-number", form.name(), c->fullName() + " shows \"" + t + "\""};
        const auto* picture = c->kind() == ui::Kind::PictureBox ? static_cast<const ui::PictureBox*>(c.get()) : nullptr;
        if (!picture || !picture->onPaint || !test::Usable(form, *c)) continue;
        for (auto [w, h] : {std::pair{4800.0, 3600.0}, std::pair{300.0, 200.0}}) {
            ui::RecordingPrinter screen;
            picture->onPaint(screen, w, h);
            if (auto f = CheckOps(p, screen.ops, form.name(), c->fullName())) return f;
        }
    }
    return std::nullopt;
}

// The form named so when a step may talk to it now: the dialog on top when one is open, else the
// page shown or an open result window.
ui::Form* Reachable(Program& p, const std::string& name) {
    if (!p.services.modalStack.empty()) return p.services.modalStack.back()->name() == name ? p.services.modalStack.back() : nullptr;
    if (p.page().name() == name) return &p.page();
    for (ui::Form* w : p.module.resultWindows())
        if (w->visible() && w->name() == name) return w;
    return nullptr;
}

}  // namespace

std::optional<Fault> FaultNamed(const std::string& name) {
    for (auto [fault, word] : kFaults)
        if (name == word) return fault;
    return std::nullopt;
}

std::string FaultName(Fault fault) { return kFaults[static_cast<int>(fault)].second; }

Program::Program(const Setup& s) : setup(s), services(s.folder) {
    module.SubMain();
    services.selectPrinter = [this]() -> std::unique_ptr<ui::Printer> {
        const report::FrmInfo* dialog = module.reporting().dialog();
        chosen_.emplace_back(dialog ? dialog->ReportCode : 0, module.app().lastComputeFailed);
        return std::make_unique<report::test::KeptPrinter>(kept_);
    };
    InjectFault(*this);
}

const std::vector<PrintedJob>& Program::jobs() {
    // A job is kept when its printer goes, at the end of the print.
    for (size_t i = jobs_.size(); i < kept_.size() && i < chosen_.size(); ++i)
        jobs_.push_back({chosen_[i].first, chosen_[i].second, kept_[i]});
    return jobs_;
}

bool Program::Garbage(const std::string& text) const {
    // A pasted field may hold 400 nines or a long name, which is no result.
    if (text.size() >= 300 || !test::ShowsNotANumber(text)) return false;
    return std::none_of(entered.begin(), entered.end(), [&](auto& e) { return text.find(e) != std::string::npos; });
}

bool Perform(Program& p, const Step& s) {
    if ((s.verb == Verb::Type || s.verb == Verb::Cell) && test::ShowsNotANumber(s.text)) p.entered.push_back(s.text);
    if (s.verb == Verb::Tab) {
        if (!p.services.modalStack.empty() || s.a < 1 || s.a > kCatalogueSize) return false;
        // A tab is a control of the page: a check that keeps the focus where it is keeps the page.
        CatalogueForm& page = p.page();
        if (page.tabStrip.canFocus() && !page.setFocus(&page.tabStrip)) return false;
        page.tabStrip.clickTab(s.a);
        return true;
    }
    ui::Form* form = Reachable(p, s.form);
    if (!form) return false;
    switch (s.verb) {
        case Verb::Type: return TypeInto(*form, s);
        case Verb::Keys: return TypeKeys(*form, s);
        case Verb::Choose: return Choose(*form, s);
        case Verb::Click:
        case Verb::Print: return Click(p, *form, s);
        case Verb::Example: return form == &p.page() && Example(*form, s);
        default: return OnGrid(*form, s);
    }
}

std::optional<Failure> CheckStep(Program& p, size_t messages, size_t jobs) {
    for (size_t i = messages; i < p.services.messages.size(); ++i) {
        const auto& m = p.services.messages[i];
        if (m.text.empty() || m.title.empty())
            return Failure{"empty-message", p.page().name(), "a message box titled \"" + m.title + "\" with text \"" + m.text + "\""};
        if (p.Garbage(m.text)) return Failure{"not-a-number", p.page().name(), "a message reads \"" + m.text + "\""};
    }
    if (auto failure = CheckForm(p, p.page())) return failure;
    for (ui::Form* f : p.services.visibleForms)
        if (auto failure = f != &p.page() ? CheckForm(p, *f) : std::nullopt) return failure;
    for (ui::Form* w : p.module.resultWindows())
        if (std::string why = w->loaded() ? w->Inconsistency() : ""; !why.empty()) return Failure{"inconsistent-window", w->name(), why};
    const auto& printed = p.jobs();
    for (size_t i = jobs; i < printed.size(); ++i) {
        const PrintedJob& job = printed[i];
        const std::string report = "report " + std::to_string(job.code);
        if (!job.job.ended || job.job.killed) {
            const auto* dialog = p.module.reporting().dialog();
            return Failure{"report-failed", report, dialog ? dialog->lastError() : "the job was abandoned"};
        }
        // Every report comes after a Compute command that succeeded, but the water control table's:
        // it prints its last series when that is of the inputs now, whatever another page's Compute
        // did since (that the inputs compute is checked by printing them afresh).
        if (job.code != 118 && job.computeFailed) {
            std::string lines;
            for (const auto& t : job.job.texts()) lines += (lines.empty() ? "" : " / ") + t;
            return Failure{"report-after-failed-compute", report, lines};
        }
        if (auto f = CheckOps(p, job.job.ops, report, "the printed page")) return f;
        if (auto f = CheckReprint(p, job)) return f;
    }
    return std::nullopt;
}

}  // namespace vado::fuzz
