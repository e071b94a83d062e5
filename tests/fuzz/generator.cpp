// The random steps: what a person could do now, with the texts no field should be upset by.
#include <cmath>
#include <cstdio>
#include <fstream>

#include "app/catalogue.h"
#include "fuzz.h"
#include "person.h"
#include "worked_examples.h"

namespace vado::fuzz {

namespace {

using Verb = Step::Verb;

bool Chance(Rng& rng, double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; }

template <class T>
const T& PickOf(Rng& rng, const std::vector<T>& items) {
    return items[static_cast<size_t>(Pick(rng, 0, static_cast<int>(items.size()) - 1))];
}

std::string Fixed(double v, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    return buffer;
}

// A text for a field that is no number (a landowner, a site) or a table cell.
std::string FreeText(Rng& rng) {
    static const std::vector<std::string> words = {
        "Hilltop Farm LLC", "O'Brien \"Bud\" & Sons", "Pond 3", "Adams", "PA", "M1", "A-2", "Main",
        std::string(500, 'W'), "caf\xC3\xA9", "\xE6\xB0\xB4", "0.002", "10", "0.004", "25", "1/2"};
    if (Chance(rng, 0.3)) return PickOf(rng, HostileTexts());
    if (Chance(rng, 0.3)) return Fixed(std::uniform_real_distribution<double>(0, 200)(rng), Pick(rng, 0, 3));
    return PickOf(rng, words);
}

// A text for a numeric field: a hostile text, or a number inside, at or just outside its range as its
// declaration gives it (to the decimals its picture shows), or the text it starts with or its worked
// example gives it.
std::string FieldText(Rng& rng, const NumericField* f, const std::string& exampleText) {
    const int roll = Pick(rng, 0, 99);
    if (roll < 22 || !f) return roll < 12 || !f ? PickOf(rng, HostileTexts()) : FreeText(rng);
    if (roll < 40) return !exampleText.empty() && Chance(rng, 0.6) ? exampleText : f->defaultText;
    const auto point = f->format.find('.');
    const int shown = point == std::string::npos ? 0 : static_cast<int>(f->format.size() - point - 1);
    const int decimals = f->wholeNumber ? 0 : std::max(1, shown);
    const double step = f->wholeNumber ? 1.0 : std::pow(10.0, -decimals);
    const double hi = f->lo < f->hi ? f->hi : f->lo + 1000.0;
    switch (Pick(rng, 0, 6)) {
        case 0: return Fixed(f->lo, Pick(rng, 0, decimals));
        case 1: return Fixed(hi, Pick(rng, 0, decimals));
        case 2: return Fixed(f->lo - step, decimals);
        case 3: return Fixed(hi + step, decimals);
        case 4: return Fixed(f->lo + step, decimals);
        default: {
            const double v = std::uniform_real_distribution<double>(f->lo, hi)(rng);
            return Fixed(v, f->wholeNumber ? 0 : Pick(rng, 0, decimals + 2));
        }
    }
}

std::vector<ui::Control*> UsableOf(const ui::Form& form, std::initializer_list<ui::Kind> kinds) {
    std::vector<ui::Control*> found;
    for (ui::Kind kind : kinds)
        for (auto& c : form.controls())
            if (c->kind() == kind && test::Usable(form, *c)) found.push_back(c.get());
    return found;
}

std::optional<Step> TextStep(ui::Form& form, Rng& rng) {
    std::vector<ui::Control*> boxes = UsableOf(form, {ui::Kind::TextBox, ui::Kind::ComboBox});
    std::erase_if(boxes, [](ui::Control* c) {
        return c->kind() == ui::Kind::TextBox ? static_cast<ui::TextBox*>(c)->locked
                                              : static_cast<ui::ComboBox*>(c)->style != ui::ComboBox::Style::DropDownCombo;
    });
    if (boxes.empty()) return std::nullopt;
    ui::Control* c = PickOf(rng, boxes);
    auto* box = c->kind() == ui::Kind::TextBox ? static_cast<ui::TextBox*>(c) : nullptr;
    const auto* calc = dynamic_cast<const CalculatorForm*>(&form);
    const NumericField* field = calc && box ? calc->field(*box) : nullptr;
    Step s{.verb = Verb::Type, .form = form.name(), .control = c->fullName()};
    std::string example;
    if (const auto* e = test::WorkedExampleOf(form.name()))
        for (const auto& step : e->example)
            if (step.rfind(s.control + "=", 0) == 0) example = step.substr(s.control.size() + 1);
    s.text = field ? FieldText(rng, field, example) : FreeText(rng);
    if (box && Chance(rng, 0.12)) {
        // Typed key by key, through the key filter, and maybe Enter; a field that moves on with the
        // arrows (a table's cell editor) gets some.
        s.verb = Verb::Keys;
        if (Chance(rng, 0.3)) s.text += "\b";
        if (box->onKeyDown)
            for (int i = Pick(rng, 0, 3); i > 0; --i) s.text += static_cast<char>(Pick(rng, 0x11, 0x14));
        if (Chance(rng, 0.5)) s.text += "\r";
    }
    return s;
}

std::optional<Step> ChoiceStep(ui::Form& form, Rng& rng) {
    auto choices = UsableOf(form, {ui::Kind::ComboBox, ui::Kind::OptionButton, ui::Kind::CheckBox, ui::Kind::TabStrip});
    // A page's own tab strip is the tab step's.
    std::erase_if(choices, [&](ui::Control* c) {
        return c->kind() == ui::Kind::TabStrip && c->name() == "tabStrip" && dynamic_cast<CatalogueForm*>(&form);
    });
    if (choices.empty()) return std::nullopt;
    ui::Control* c = PickOf(rng, choices);
    Step s{.verb = Verb::Choose, .form = form.name(), .control = c->fullName()};
    if (c->kind() == ui::Kind::ComboBox) {
        const int n = static_cast<ui::ComboBox*>(c)->listCount();
        if (n == 0) return std::nullopt;
        s.a = Pick(rng, 0, n - 1);
    } else if (c->kind() == ui::Kind::OptionButton) {
        s.control = c->name();
        s.a = c->index();
    } else {
        s.a = c->kind() == ui::Kind::CheckBox ? Pick(rng, 0, 1)
                                              : Pick(rng, 1, static_cast<int>(static_cast<ui::TabStrip*>(c)->tabs.size()));
    }
    return s;
}

std::optional<Step> GridStep(ui::Form& form, Rng& rng) {
    auto grids = UsableOf(form, {ui::Kind::Grid});
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
    if (roll < (editable ? 7 : 4)) {
        s.verb = g.onDblClick && Chance(rng, 0.4) ? Verb::DblClick : Verb::Move;
        s.a = Pick(rng, 0, g.rows() - 1);
        s.b = s.verb == Verb::Move ? Pick(rng, 0, g.cols() - 1) : 0;
    } else if (roll < (editable ? 9 : 7)) {
        s.verb = Verb::Copy;
        auto data = [&](int n, int fixed) { return Pick(rng, std::min(fixed, n - 1), n - 1); };
        s.a = data(g.rows(), g.fixedRows), s.b = data(g.cols(), g.fixedCols);
        s.c = data(g.rows(), g.fixedRows), s.d = data(g.cols(), g.fixedCols);
    } else {
        // Ctrl+C with nothing more, C alone, an arrow, Delete, Enter, Ctrl+A.
        static const std::vector<std::pair<int, int>> keys = {
            {67, 2}, {67, 0}, {0x01000013, 0}, {0x01000015, 0}, {0x01000007, 0}, {0x01000004, 0}, {65, 2}};
        const auto& k = PickOf(rng, keys);
        s.verb = Verb::GridKey, s.a = k.first, s.b = k.second;
    }
    return s;
}

// A command button; Print buttons print through the dialog, a page's Exit is left alone (it ends the
// program).
std::optional<Step> ButtonStep(ui::Form& form, Rng& rng, bool print) {
    auto buttons = UsableOf(form, {ui::Kind::CommandButton});
    std::erase_if(buttons, [&](ui::Control* c) {
        return (c->name() == "cmdExit" && dynamic_cast<CatalogueForm*>(&form)) || (c->name() == "cmdPrint") != print;
    });
    if (buttons.empty()) return std::nullopt;
    return Step{.verb = print ? Verb::Print : Verb::Click, .form = form.name(), .control = PickOf(rng, buttons)->fullName()};
}

// A step on one of: the dialog, a result window, the project file, weighted by a roll of 0 to 9.
std::optional<Step> DialogStep(ui::Form& dialog, Rng& rng) {
    const int roll = Pick(rng, 0, 9);
    std::optional<Step> s;
    if (roll < 4) s = TextStep(dialog, rng);
    if (!s && roll < 6) s = GridStep(dialog, rng);
    if (!s && roll < 7) s = ChoiceStep(dialog, rng);
    return s ? s : ButtonStep(dialog, rng, false);
}

std::optional<Step> WindowStep(Program& p, Rng& rng) {
    std::vector<ui::Form*> open = p.module.resultWindows();
    std::erase_if(open, [](ui::Form* w) { return !w->visible(); });
    if (open.empty()) return std::nullopt;
    ui::Form& w = *PickOf(rng, open);
    const int roll = Pick(rng, 0, 9);
    return roll < 4 ? ButtonStep(w, rng, true) : roll < 6 ? ChoiceStep(w, rng) : roll < 8 ? GridStep(w, rng) : ButtonStep(w, rng, false);
}

Step ProjectStep(Rng& rng) {
    const int roll = Pick(rng, 0, 9);
    if (roll >= 7) return Step{.verb = Verb::Mutate, .a = Pick(rng, 0, kMutationKinds - 1), .seed = rng()};
    return Step{.verb = roll < 4 ? Verb::Reopen : roll < 6 ? Verb::Open : Verb::New};
}

}  // namespace

int Pick(Rng& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

const std::vector<std::string>& HostileTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t;
        std::ifstream in(VADO_FUZZ_HOSTILE, std::ios::binary);
        for (std::string line; std::getline(in, line);)
            if (size_t pos = 0; auto text = Unquote(line, pos)) t.push_back(*text);
        if (t.empty()) throw std::runtime_error("no texts in " VADO_FUZZ_HOSTILE);
        return t;
    }();
    return texts;
}

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
