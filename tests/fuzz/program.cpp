#include "program.h"

#include <algorithm>
#include <csignal>

#include "app/catalogue.h"
#include "person.h"
#include "report/frm_info.h"
#include "worked_examples.h"

namespace vado::fuzz {

namespace {

using Verb = Step::Verb;

void InjectFault(Program& p) {
    if (p.setup.fault == Fault::None) return;
    auto& weir = *p.module.formNamed("frmWeir");
    auto* compute = static_cast<ui::CommandButton*>(weir.find("cmdCompute(1)"));
    auto* length = static_cast<ui::OptionButton*>(weir.find("opt1Selector(1)"));
    auto* q = weir.find("lbl1Q");
    compute->onClick = [original = compute->onClick, length, q, fault = p.setup.fault] {
        original();
        if (!length->value()) return;
        if (fault == Fault::NanWeir) q->setCaption("Q = nan cfs");
        if (fault == Fault::HangWeir)
            for (volatile bool forever = true; forever;) {
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
        if (box->locked) return false;
        test::Paste(form, *box, s.text);
        return true;
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
        // \x11 to \x14 stand for the arrow keys Left, Up, Right and Down, which the field's handler
        // sees first (37 to 40); everything else is a character or a control code.
        if (ch >= 0x11 && ch <= 0x14) {
            if (field.onKeyDown) field.onKeyDown(37 + ch - 0x11, 0);
            continue;
        }
        field.typeKey(static_cast<std::int16_t>(ch == '\b' ? 8 : ch));
    }
    return true;
}

bool Choose(ui::Form& form, const Step& s) {
    ui::Control* c = form.find(s.control);
    if (!c) c = form.find(s.control + "(" + std::to_string(s.a) + ")");  // an option group
    if (!c || !test::Usable(form, *c)) return false;
    switch (c->kind()) {
        case ui::Kind::ComboBox: {
            auto& combo = static_cast<ui::ComboBox&>(*c);
            if (s.a < 0 || s.a >= combo.listCount()) return false;
            form.setFocus(c);
            combo.setListIndex(s.a);
            break;
        }
        case ui::Kind::OptionButton:
            form.setFocus(c);
            static_cast<ui::OptionButton&>(*c).click();
            break;
        case ui::Kind::CheckBox:
            form.setFocus(c);
            static_cast<ui::CheckBox&>(*c).setValue(s.a);
            break;
        case ui::Kind::TabStrip: {
            auto& strip = static_cast<ui::TabStrip&>(*c);
            if (s.a < 1 || s.a > static_cast<int>(strip.tabs.size())) return false;
            strip.clickTab(s.a);
            return true;
        }
        default:
            return false;
    }
    test::Leave(form);
    return true;
}

bool EditCell(ui::Form& form, const Step& s) {
    auto* g = Find<ui::Grid>(form, s.control, ui::Kind::Grid);
    if (!g || s.a < 0 || s.b < 0) return false;
    // As vadocalc-cli takes a cell: a grid the page edits through a field of its own takes its data
    // rows and input columns.
    const bool fits = g->editableColumns > 0
                          ? s.b < g->editableColumns && s.a >= g->fixedRows && (g->maxRows == 0 || s.a < g->maxRows)
                          : g->editable && s.b < g->cols() && s.a >= g->fixedRows;
    if (!fits) return false;
    test::EditCell(*g, s.a, s.b, s.text);
    return true;
}

ui::Grid* GridAt(ui::Form& form, const Step& s) {
    auto* g = Find<ui::Grid>(form, s.control, ui::Kind::Grid);
    return g && s.a >= 0 && s.a < g->rows() && s.b >= 0 && s.b < g->cols() ? g : nullptr;
}

// A click on a cell, as the desktop's table passes it on: the table takes the focus first.
bool MoveTo(ui::Form& form, const Step& s) {
    ui::Grid* g = GridAt(form, s);
    if (!g) return false;
    form.setFocus(g);
    g->row = g->rowSel = s.a;
    g->col = g->colSel = s.b;
    if (g->onEnterCell && form.setFocus(g)) g->onEnterCell();
    return true;
}

// A block of cells dragged over, then Ctrl+C: the table takes the focus, and only its cells below
// and right of the headings can be selected.
bool Copy(ui::Form& form, const Step& s) {
    ui::Grid* g = GridAt(form, s);
    if (!g || s.c < 0 || s.c >= g->rows() || s.d < 0 || s.d >= g->cols()) return false;
    if (std::min(s.a, s.c) < g->fixedRows || std::min(s.b, s.d) < g->fixedCols) return false;
    form.setFocus(g);
    g->row = s.a;
    g->col = s.b;
    g->rowSel = s.c;
    g->colSel = s.d;
    if (g->onKeyDown) g->onKeyDown(67, 2);
    return true;
}

// A key pressed in the table, which has the focus.
bool GridKey(ui::Form& form, const Step& s) {
    auto* g = Find<ui::Grid>(form, s.control, ui::Kind::Grid);
    if (!g || !g->onKeyDown) return false;
    form.setFocus(g);
    g->onKeyDown(s.a, s.b);
    return true;
}

bool DoubleClick(ui::Form& form, const Step& s) {
    auto* g = Find<ui::Grid>(form, s.control, ui::Kind::Grid);
    if (!g || !g->onDblClick || s.a < 0 || s.a >= g->rows()) return false;
    g->row = s.a;
    g->col = 0;
    g->onDblClick();
    return true;
}

bool Click(ui::Form& form, const Step& s) {
    auto* b = Find<ui::CommandButton>(form, s.control, ui::Kind::CommandButton);
    if (!b) return false;
    form.clickButton(*b, true);
    return true;
}

// The Print button, then the Print of the project-information dialog when it opened.
bool Print(Program& p, ui::Form& form, const Step& s) {
    if (!Click(form, s)) return false;
    auto* dialog = p.services.modalStack.empty() ? nullptr
                                                   : dynamic_cast<report::FrmInfo*>(p.services.modalStack.back());
    if (dialog) dialog->clickButton(dialog->cmdPrint, true);
    return true;
}

bool Example(ui::Form& page, const Step& s) {
    const auto* example = test::WorkedExampleOf(page.name());
    if (!example) return false;
    for (const auto& step : example->example) test::Apply(page, step);
    if (s.a)
        for (const auto& step : example->more) test::Apply(page, step);
    return true;
}

}  // namespace

namespace {
constexpr std::pair<Fault, const char*> kFaults[] = {
    {Fault::None, "none"}, {Fault::NanWeir, "nan-weir"}, {Fault::HangWeir, "hang-weir"}, {Fault::CrashWeir, "crash-weir"}};
}  // namespace

std::optional<Fault> FaultNamed(const std::string& name) {
    for (auto [fault, word] : kFaults)
        if (name == word) return fault;
    return std::nullopt;
}

std::string FaultName(Fault fault) {
    for (auto [f, word] : kFaults)
        if (f == fault) return word;
    return "none";
}

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
    while (jobs_.size() < kept_.size() && jobs_.size() < chosen_.size()) {
        const size_t i = jobs_.size();
        jobs_.push_back({chosen_[i].first, chosen_[i].second, kept_[i]});
    }
    return jobs_;
}

ui::Form* Program::reachable(const std::string& name) {
    if (!services.modalStack.empty()) {
        ui::Form* top = services.modalStack.back();
        return top->name() == name ? top : nullptr;
    }
    if (page().name() == name) return &page();
    for (ui::Form* w : module.resultWindows())
        if (w->visible() && w->name() == name) return w;
    return nullptr;
}

std::vector<const ui::Form*> Program::forms() {
    std::vector<const ui::Form*> all(module.FormList.begin(), module.FormList.end());
    for (ui::Form* w : module.resultWindows()) all.push_back(w);
    if (const report::FrmInfo* dialog = module.reporting().dialog()) all.push_back(dialog);
    for (ui::Form* f : services.modalStack)
        if (std::find(all.begin(), all.end(), f) == all.end()) all.push_back(f);
    return all;
}

bool Program::Garbage(const std::string& text) const {
    // A pasted field may hold 400 nines or a long name, which is no result.
    if (text.size() >= 300 || !test::ShowsNotANumber(text)) return false;
    for (const auto& e : entered)
        if (text.find(e) != std::string::npos) return false;
    return true;
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
    ui::Form* form = p.reachable(s.form);
    if (!form) return false;
    switch (s.verb) {
        case Verb::Type: return TypeInto(*form, s);
        case Verb::Keys: return TypeKeys(*form, s);
        case Verb::Choose: return Choose(*form, s);
        case Verb::Cell: return EditCell(*form, s);
        case Verb::Move: return MoveTo(*form, s);
        case Verb::GridKey: return GridKey(*form, s);
        case Verb::Copy: return Copy(*form, s);
        case Verb::DblClick: return DoubleClick(*form, s);
        case Verb::Click: return Click(*form, s);
        case Verb::Print: return Print(p, *form, s);
        case Verb::Example: return form == &p.page() && Example(*form, s);
        default: return false;
    }
}

}  // namespace vado::fuzz
