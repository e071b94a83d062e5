#include "generator.h"

#include "app/catalogue.h"
#include "person.h"
#include "worked_examples.h"

namespace vado::fuzz {

namespace {

using Verb = Step::Verb;

// Mutations of a saved project (see documents.h).
constexpr int kMutations = 9;

std::vector<ui::Control*> UsableOf(const ui::Form& form, ui::Kind kind) {
    std::vector<ui::Control*> found;
    for (ui::Control* c : test::Snapshot(form))
        if (c->kind() == kind && test::Usable(form, *c)) found.push_back(c);
    return found;
}

std::string ExampleText(const ui::Form& page, const std::string& field) {
    if (const auto* e = test::WorkedExampleOf(page.name()))
        for (const auto& step : e->example)
            if (step.compare(0, field.size() + 1, field + "=") == 0) return step.substr(field.size() + 1);
    return {};
}

std::optional<Step> TextStep(ui::Form& form, Rng& rng) {
    std::vector<ui::Control*> boxes;
    for (ui::Control* c : UsableOf(form, ui::Kind::TextBox))
        if (!static_cast<ui::TextBox*>(c)->locked) boxes.push_back(c);
    for (ui::Control* c : UsableOf(form, ui::Kind::ComboBox))
        if (static_cast<ui::ComboBox*>(c)->style == ui::ComboBox::Style::DropDownCombo) boxes.push_back(c);
    if (boxes.empty()) return std::nullopt;
    ui::Control* c = PickOf(rng, boxes);
    const auto* calc = dynamic_cast<const CalculatorForm*>(&form);
    const NumericField* field = calc && c->kind() == ui::Kind::TextBox ? calc->field(static_cast<ui::TextBox&>(*c)) : nullptr;
    Step s{.verb = Verb::Type, .form = form.name(), .control = c->fullName()};
    s.text = field ? FieldText(rng, field, ExampleText(form, c->fullName())) : FreeText(rng);
    if (c->kind() == ui::Kind::TextBox && Chance(rng, 0.12)) {
        // Typed key by key, through the key filter, and maybe Enter.
        s.verb = Verb::Keys;
        if (Chance(rng, 0.3)) s.text += "\b";
        // A field that moves on with the arrows (a table's cell editor) gets some.
        if (static_cast<ui::TextBox*>(c)->onKeyDown)
            for (int i = Pick(rng, 0, 3); i > 0; --i) s.text += static_cast<char>(Pick(rng, 0x11, 0x14));
        if (Chance(rng, 0.5)) s.text += "\r";
    }
    return s;
}

std::optional<Step> ChoiceStep(ui::Form& form, Rng& rng) {
    std::vector<ui::Control*> choices = UsableOf(form, ui::Kind::ComboBox);
    for (auto kind : {ui::Kind::OptionButton, ui::Kind::CheckBox, ui::Kind::TabStrip}) {
        auto more = UsableOf(form, kind);
        choices.insert(choices.end(), more.begin(), more.end());
    }
    std::erase_if(choices, [&](ui::Control* c) { return c->kind() == ui::Kind::TabStrip && c->name() == "tabStrip" &&
                                                         dynamic_cast<CatalogueForm*>(&form); });
    if (choices.empty()) return std::nullopt;
    ui::Control* c = PickOf(rng, choices);
    Step s{.verb = Verb::Choose, .form = form.name(), .control = c->fullName()};
    switch (c->kind()) {
        case ui::Kind::ComboBox: {
            const int n = static_cast<ui::ComboBox*>(c)->listCount();
            if (n == 0) return std::nullopt;
            s.a = Pick(rng, 0, n - 1);
            break;
        }
        case ui::Kind::OptionButton:
            s.control = c->name();
            s.a = c->index();
            break;
        case ui::Kind::CheckBox:
            s.a = Pick(rng, 0, 1);
            break;
        default:
            s.a = Pick(rng, 1, static_cast<int>(static_cast<ui::TabStrip*>(c)->tabs.size()));
    }
    return s;
}

std::optional<Step> GridStep(ui::Form& form, Rng& rng) {
    auto grids = UsableOf(form, ui::Kind::Grid);
    if (grids.empty()) return std::nullopt;
    auto& g = static_cast<ui::Grid&>(*PickOf(rng, grids));
    Step s{.form = form.name(), .control = g.fullName()};
    const bool editable = g.editable || g.editableColumns > 0;
    const int roll = Pick(rng, 0, 9);
    if (editable && roll < 5) {
        s.verb = Verb::Cell;
        const int rows = g.maxRows > 0 ? g.maxRows : g.rows() + 1;
        s.a = Pick(rng, g.fixedRows, std::max(g.fixedRows, std::min(rows - 1, g.rows() + 1)));
        s.b = Pick(rng, 0, std::max(0, (g.editableColumns > 0 ? g.editableColumns : g.cols()) - 1));
        s.text = Chance(rng, 0.2) ? std::string() : FreeText(rng);
        return s;
    }
    if (g.rows() == 0 || g.cols() == 0) return std::nullopt;
    auto row = [&] { return Pick(rng, 0, g.rows() - 1); };
    auto col = [&] { return Pick(rng, 0, g.cols() - 1); };
    if (roll < (editable ? 7 : 4)) {
        s.verb = g.onDblClick && Chance(rng, 0.4) ? Verb::DblClick : Verb::Move;
        s.a = row();
        s.b = s.verb == Verb::Move ? col() : 0;
    } else if (roll < (editable ? 9 : 7)) {
        s.verb = Verb::Copy;
        auto data = [&](int n, int fixed) { return Pick(rng, std::min(fixed, n - 1), n - 1); };
        s.a = data(g.rows(), g.fixedRows), s.b = data(g.cols(), g.fixedCols);
        s.c = data(g.rows(), g.fixedRows), s.d = data(g.cols(), g.fixedCols);
    } else {
        // Ctrl+C with nothing more, C alone, an arrow, Delete, Enter.
        static const std::vector<std::pair<int, int>> keys = {
            {67, 2}, {67, 0}, {0x01000013, 0}, {0x01000015, 0}, {0x01000007, 0}, {0x01000004, 0}, {65, 2}};
        const auto& k = PickOf(rng, keys);
        s.verb = Verb::GridKey;
        s.a = k.first;
        s.b = k.second;
    }
    return s;
}

// A command button; Print buttons print through the dialog, Exit buttons are left alone (they end
// the program).
std::optional<Step> ButtonStep(ui::Form& form, Rng& rng, bool print) {
    std::vector<ui::Control*> buttons;
    for (ui::Control* c : UsableOf(form, ui::Kind::CommandButton)) {
        const bool isPrint = c->name() == "cmdPrint";
        const bool ends = c->name() == "cmdExit" && dynamic_cast<CatalogueForm*>(&form);
        if (!ends && isPrint == print) buttons.push_back(c);
    }
    if (buttons.empty()) return std::nullopt;
    return Step{.verb = print ? Verb::Print : Verb::Click, .form = form.name(), .control = PickOf(rng, buttons)->fullName()};
}

std::optional<Step> DialogStep(ui::Form& dialog, Rng& rng) {
    const int roll = Pick(rng, 0, 9);
    if (roll < 4)
        if (auto s = TextStep(dialog, rng)) return s;
    if (roll < 6)
        if (auto s = GridStep(dialog, rng)) return s;
    if (roll < 7)
        if (auto s = ChoiceStep(dialog, rng)) return s;
    return ButtonStep(dialog, rng, false);
}

std::optional<Step> WindowStep(Program& p, Rng& rng) {
    std::vector<ui::Form*> open;
    for (ui::Form* w : p.module.resultWindows())
        if (w->visible()) open.push_back(w);
    if (open.empty()) return std::nullopt;
    ui::Form& w = *PickOf(rng, open);
    const int roll = Pick(rng, 0, 9);
    if (roll < 4) return ButtonStep(w, rng, true);
    if (roll < 6) return ChoiceStep(w, rng);
    if (roll < 8) return GridStep(w, rng);
    return ButtonStep(w, rng, false);
}

std::optional<Step> ProjectStep(Rng& rng) {
    const int roll = Pick(rng, 0, 9);
    if (roll < 4) return Step{.verb = Verb::Reopen};
    if (roll < 6) return Step{.verb = Verb::Open};
    if (roll < 7) return Step{.verb = Verb::New};
    return Step{.verb = Verb::Mutate, .a = Pick(rng, 0, kMutations - 1), .seed = rng()};
}

}  // namespace

Step Generate(Program& p, Rng& rng) {
    if (!p.services.modalStack.empty()) {
        ui::Form& dialog = *p.services.modalStack.back();
        for (int tries = 0; tries < 8; ++tries)
            if (auto s = DialogStep(dialog, rng)) return *s;
        return Step{.verb = Verb::Click, .form = dialog.name(), .control = "cmdCancel"};
    }
    CatalogueForm& page = p.page();
    // The main page has little to do but lead to the others.
    if (p.module.CurrentForm == 0 && Chance(rng, 0.7)) return Step{.verb = Verb::Tab, .a = Pick(rng, 2, kCatalogueSize)};
    for (int tries = 0; tries < 16; ++tries) {
        const int roll = Pick(rng, 0, 99);
        std::optional<Step> s;
        if (roll < 34) s = TextStep(page, rng);
        else if (roll < 46) s = ChoiceStep(page, rng);
        else if (roll < 52) s = GridStep(page, rng);
        else if (roll < 64) s = ButtonStep(page, rng, false);
        else if (roll < 69) s = ButtonStep(page, rng, true);
        else if (roll < 74 && test::WorkedExampleOf(page.name()))
            s = Step{.verb = Verb::Example, .form = page.name(), .a = Pick(rng, 0, 1)};
        else if (roll < 85) s = Step{.verb = Verb::Tab, .a = Pick(rng, 1, kCatalogueSize)};
        else if (roll < 96) s = WindowStep(p, rng);
        else s = ProjectStep(rng);
        if (s) return *s;
    }
    return Step{.verb = Verb::Tab, .a = Pick(rng, 1, kCatalogueSize)};
}

}  // namespace vado::fuzz
