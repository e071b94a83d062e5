#include "manual.h"

#include <map>
#include <regex>
#include <set>

#include "app/catalogue.h"
#include "person.h"
#include "ui/recording_printer.h"

namespace manual {

namespace {

// A caption as a reader writes it: no access-key marks, no closing colon, single blanks.
std::string Plain(const std::string& caption) {
    std::string s;
    for (size_t i = 0; i < caption.size(); ++i)
        if (!(caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] != '&' && caption[i + 1] != ' ') &&
            !(caption[i] == ' ' && (s.empty() || s.back() == ' ')))
            s += caption[i];
    while (!s.empty() && (s.back() == ' ' || s.back() == ':')) s.pop_back();
    return s;
}

// The item of a list a reader names by its text, or -1.
int ItemOf(const ui::ComboBox& list, const std::string& text) {
    for (int i = 0; i < list.listCount(); ++i)
        if (Plain(list.list(i)) == Plain(text)) return i;
    return -1;
}

// The program as it starts, with one page chosen from the tab strip.
struct Program {
    explicit Program(const std::string& form) : page(module.formNamed(form)) {
        if (page) vado::test::ShowPage(module, *page);
    }
    // The windows a person sees over the page, the newest first, then the page.
    std::vector<ui::Form*> shown() {
        std::vector<ui::Form*> forms;
        for (auto it = services.visibleForms.rbegin(); it != services.visibleForms.rend(); ++it)
            if (!dynamic_cast<vado::CatalogueForm*>(*it)) forms.push_back(*it);
        forms.push_back(page);
        return forms;
    }
    ui::HeadlessServices services{"."};
    vado::MainModule module{services};
    bool started = (module.SubMain(), true);
    vado::CatalogueForm* page;
};

// Shown on screen: visible, and inside a frame that is shown.
bool Shown(const ui::Control& c) {
    const ui::Control* frame = c.container.empty() ? nullptr : c.form().find(c.container);
    return c.visible() && (!frame || Shown(*frame));
}

// The label a control is captioned by in its page's layout: the label in the cell before it.
const ui::Control* LabelBefore(const ui::Form& page, const ui::Control& target) {
    for (const auto& section : page.layout.sections)
        for (const auto& row : section.rows)
            for (size_t i = 1; i < row.size(); ++i)
                if (std::count(row[i].controls.begin(), row[i].controls.end(), target.fullName()))
                    for (const auto& before : row[i - 1].controls)
                        if (auto* c = page.find(before); c && c->kind() == ui::Kind::Label && Shown(*c)) return c;
    return nullptr;
}

// A grid's column headings: the texts of its fixed rows, joined.
std::vector<std::string> Headings(const ui::Grid& grid) {
    std::vector<std::string> headings(static_cast<size_t>(grid.cols()));
    for (int c = 0; c < grid.cols(); ++c)
        for (int r = 0; r < grid.fixedRows && r < grid.rows(); ++r)
            if (const std::string t = Plain(grid.textMatrix(r, c)); !t.empty())
                headings[c] += (headings[c].empty() ? "" : " ") + t;
    return headings;
}

// The grids of the forms headed like the table (all its columns, or the first ones).
std::vector<ui::Grid*> GridsHeaded(const std::vector<ui::Form*>& forms, const Table& table, bool allColumns) {
    std::vector<ui::Grid*> grids;
    for (ui::Form* f : forms)
        for (auto& c : f->controls()) {
            if (c->kind() != ui::Kind::Grid) continue;
            const auto headings = Headings(static_cast<ui::Grid&>(*c));
            bool headed = allColumns ? table.header.size() == headings.size() : table.header.size() <= headings.size();
            for (size_t i = 0; headed && i < table.header.size(); ++i) headed = Plain(table.header[i]) == headings[i];
            if (headed) grids.push_back(static_cast<ui::Grid*>(c.get()));
        }
    return grids;
}

// A caption shared by several fields ("Elev (ft)" twice on one sketch) is told apart in the manual by a
// qualifier in parentheses after it, "Elev (ft) (orifice)", and the fields are taken in the page's
// order: the first such row names the first field, the next the next.
ui::Control* FieldCaptioned(ui::Form& page, const std::string& caption, bool shownOnly, const std::set<const ui::Control*>& taken) {
    auto* calc = dynamic_cast<vado::CalculatorForm*>(&page);
    auto find = [&](const std::string& want) -> ui::Control* {
        ui::Control* first = nullptr;
        for (auto& f : calc->fields()) {
            if (Plain(f.label) != want || (shownOnly && !Shown(*f.box))) continue;
            if (!taken.count(f.box)) return f.box;
            if (!first) first = f.box;
        }
        return first;
    };
    static const std::regex qualified(R"(^(.*\S)\s+\([^()]*\)$)");
    std::smatch m;
    if (!calc) return nullptr;
    if (auto* c = find(Plain(caption))) return c;
    return std::regex_match(caption, m, qualified) ? find(Plain(m[1].str())) : nullptr;
}

ui::Control* Captioned(ui::Form& page, const std::string& caption, const std::string& value, bool shownOnly,
                       const std::set<const ui::Control*>& taken = {}) {
    const std::string want = Plain(caption);
    if (auto* field = FieldCaptioned(page, caption, shownOnly, taken)) return field;
    std::vector<ui::Control*> byItem;  // lists without a caption of their own that have the item `value`
    for (auto& c : page.controls()) {
        if (shownOnly && !Shown(*c)) continue;
        const ui::Control* label = LabelBefore(page, *c);
        const ui::Kind kind = c->kind();
        if ((kind == ui::Kind::TextBox || kind == ui::Kind::ComboBox) && label && Plain(label->caption()) == want) return c.get();
        if ((kind == ui::Kind::CheckBox || kind == ui::Kind::OptionButton) && Plain(c->caption()) == want) return c.get();
        if (kind == ui::Kind::Frame && Plain(c->caption()) == want) {
            if (value.empty()) return c.get();
            for (auto& option : page.controls())
                if (option->kind() == ui::Kind::OptionButton && option->container == c->name() &&
                    Plain(option->caption()) == Plain(value) && (!shownOnly || Shown(*option)))
                    return option.get();
        }
        if (kind == ui::Kind::Grid && static_cast<ui::Grid&>(*c).editableColumns > 0) {
            const auto headings = Headings(static_cast<ui::Grid&>(*c));
            if (std::count(headings.begin(), headings.end(), want)) return c.get();
        }
        if (kind == ui::Kind::ComboBox && (!label || Plain(label->caption()).empty()) && !value.empty() &&
            ItemOf(static_cast<ui::ComboBox&>(*c), value) >= 0)
            byItem.push_back(c.get());
    }
    return byItem.size() == 1 ? byItem[0] : nullptr;
}

// Every text the page (what is shown of it) and its open windows show as a result: labels, fields
// (results in boxes, lengths the page writes back) and the texts drawn on pictures.
std::set<std::string> ShownTexts(Program& program) {
    std::set<std::string> texts;
    for (ui::Form* form : program.shown())
        for (auto& c : form->controls()) {
            if (form == program.page && !Shown(*c)) continue;
            if (c->kind() == ui::Kind::Label) texts.insert(Plain(c->caption()));
            if (c->kind() == ui::Kind::TextBox) texts.insert(Plain(static_cast<ui::TextBox&>(*c).text()));
            auto* picture = c->kind() == ui::Kind::PictureBox ? static_cast<ui::PictureBox*>(c.get()) : nullptr;
            if (!picture || !picture->onPaint) continue;
            ui::RecordingPrinter surface;
            picture->onPaint(surface, std::max(picture->minimumWidth, 7200.0), std::max(picture->minimumHeight, 4800.0));
            for (const auto* op : surface.texts()) texts.insert(Plain(op->text));
        }
    return texts;
}

class Run {
  public:
    Run(const std::string& form, ExampleRun& out) : program_(form), out_(out) {
        for (auto& c : page_->controls())
            if (c->kind() == ui::Kind::TextBox) before_[c.get()] = static_cast<ui::TextBox&>(*c).text();
    }

    void step(const Step& s) {
        const std::string at = "line " + std::to_string(s.line) + ": ";
        if (s.kind == Step::Kind::Inputs)
            for (const auto& row : s.table.rows) enter(at, row);
        if (s.kind == Step::Kind::Table) pressed_ ? checkRows(at, s.table) : editRows(at, s.table);
        if (s.kind == Step::Kind::Press) press(at, s.button);
        if (s.kind == Step::Kind::Results) checkResults(at, s.table);
        if (s.kind == Step::Kind::Message) expected_.push_back(s.title + ": " + s.text);
    }

    void finish() {
        std::string said, got;
        for (auto& m : expected_) said += "\n    " + m;
        // A message's closing blanks are not seen.
        for (auto& m : program_.services.messages) got += "\n    " + m.title + ": " + m.text.substr(0, m.text.find_last_not_of(' ') + 1);
        if (said != got)
            fail("the example shows the messages:" + (said.empty() ? " none" : said) + "\n  the program showed:" + (got.empty() ? " none" : got));
        out_.designed = out_.failures.empty() && pressed_ && checkedResults_ && got.empty() &&
                        !program_.module.app().lastComputeFailed;
    }

  private:
    void fail(const std::string& why) { out_.failures.push_back(why); }

    void enter(const std::string& at, const std::vector<std::string>& row) {
        if (row.size() < 2) return fail(at + "an input row needs a caption and a value");
        const std::string &caption = row[0], &value = row[1];
        ui::Control* c = Captioned(*page_, caption, value, true, entered_);
        if (!c) return fail(at + "the page shows no input \"" + caption + "\"");
        program_.services.context = caption;
        std::string text = value;  // as a script gives it: a list's item by its number, a check box's 1 or 0
        if (c->kind() == ui::Kind::ComboBox) {
            const int item = ItemOf(static_cast<ui::ComboBox&>(*c), value);
            if (item < 0) return fail(at + "\"" + caption + "\" has no item \"" + value + "\"");
            text = std::to_string(item);
        } else if (c->kind() == ui::Kind::CheckBox) {
            if (value != "checked" && value != "not checked")
                return fail(at + "a check box is \"checked\" or \"not checked\", not \"" + value + "\"");
            text = value == "checked" ? "1" : "0";
        } else if (c->kind() != ui::Kind::TextBox && c->kind() != ui::Kind::OptionButton) {
            return fail(at + "\"" + caption + "\" takes no value");
        }
        vado::test::Apply(*page_, c->fullName() + "=" + text);
        entered_.insert(c);
    }

    // Rows typed into a table the page edits, column by column under its headings.
    void editRows(const std::string& at, const Table& table) {
        for (ui::Grid* grid : GridsHeaded({page_}, table, false)) {
            if (grid->editableColumns == 0) continue;
            for (size_t r = 0; r < table.rows.size(); ++r)
                for (size_t c = 0; c < table.rows[r].size() && c < table.header.size(); ++c) {
                    if (table.rows[r][c].empty()) continue;
                    if (static_cast<int>(c) >= grid->editableColumns)
                        return fail(at + "column \"" + table.header[c] + "\" is not typed in");
                    vado::test::EditCell(*grid, grid->fixedRows + static_cast<int>(r), static_cast<int>(c), table.rows[r][c]);
                }
            return;
        }
        fail(at + "the page has no table to type in headed like this one");
    }

    void press(const std::string& at, const std::string& caption) {
        // Every field the page takes at the first press must be in the example, so a reader who follows
        // it has the page the example had; a length the page wrote back from the values entered follows.
        if (auto* calc = pressed_ ? nullptr : dynamic_cast<vado::CalculatorForm*>(page_))
            for (auto& f : calc->fields())
                if (Shown(*f.box) && f.box->enabled() && !f.box->locked && !std::count(calc->results.begin(), calc->results.end(), f.box) &&
                    f.box->text() == before_[f.box] && !entered_.count(f.box))
                    fail(at + "the example leaves \"" + Plain(f.label) + "\" as it happens to be");
        for (ui::Form* form : program_.shown())
            for (auto& c : form->controls())
                if (c->kind() == ui::Kind::CommandButton && Shown(*c) && c->enabled() && Plain(c->caption()) == Plain(caption)) {
                    program_.services.context = caption;
                    form->clickButton(static_cast<ui::CommandButton&>(*c));
                    pressed_ = true;
                    return;
                }
        fail(at + "no button \"" + caption + "\" to press");
    }

    void checkResults(const std::string& at, const Table& table) {
        const auto texts = ShownTexts(program_);
        std::string all;
        bool missed = false;
        for (const auto& row : table.rows)
            if (const std::string& shown = row.size() > 1 ? row[1] : row[0]; !texts.count(Plain(shown)))
                missed = true, fail(at + "the page does not show \"" + shown + "\"");
        for (const auto& t : texts) all += t.empty() ? "" : "\n    " + t;
        if (missed) fail(at + "it shows:" + all);
        checkedResults_ = true;
    }

    void checkRows(const std::string& at, const Table& table) {
        const auto grids = GridsHeaded(program_.shown(), table, true);
        if (grids.empty()) return fail(at + "no table on the screen is headed like this one");
        const ui::Grid& grid = *grids.front();
        for (const auto& row : table.rows) {
            bool found = false;
            for (int r = grid.fixedRows; r < grid.rows() && !found; ++r) {
                found = true;
                for (size_t c = 0; c < row.size() && found; ++c) found = Plain(grid.textMatrix(r, static_cast<int>(c))) == Plain(row[c]);
            }
            if (!found) fail(at + "the table has no row \"" + row[0] + " | ...\" as the example prints it");
        }
        checkedResults_ = true;
    }

    Program program_;
    ExampleRun& out_;
    vado::CatalogueForm* page_ = program_.page;
    std::set<const ui::Control*> entered_;
    std::map<const ui::Control*, std::string> before_;  // the fields' texts as the page opened
    std::vector<std::string> expected_;
    bool pressed_ = false, checkedResults_ = false;
};

}  // namespace

ExampleRun RunExample(const std::string& form, const Example& example) {
    ExampleRun out;
    Run run(form, out);
    for (const Step& s : example.steps) run.step(s);
    run.finish();
    return out;
}

std::vector<std::string> ControlNamesOf(const std::string& form) {
    Program program(form);
    if (!program.page) return {};
    std::vector<ui::Form*> forms = program.module.resultWindows();
    forms.push_back(program.page);
    std::set<std::string> names;
    for (ui::Form* f : forms) {
        names.insert(f->name());
        for (auto& c : f->controls()) names.insert({c->name(), c->fullName()});
    }
    return {names.begin(), names.end()};
}

std::vector<std::string> ControlNames() {
    std::set<std::string> names;
    for (const auto& page : vado::kCatalogue)
        for (const auto& name : ControlNamesOf(std::string(page.form))) names.insert(name);
    return {names.begin(), names.end()};
}

std::vector<std::string> UnknownInputs(const std::string& form, const Table& inputs) {
    Program program(form);
    if (!program.page) return {"no page " + form};
    std::vector<std::string> unknown;
    for (const auto& row : inputs.rows)
        // A list without a caption of its own is known by its items: the row's default is one.
        if (!row.empty() && !Captioned(*program.page, row[0], "", false) &&
            !Captioned(*program.page, row[0], row.size() > 3 ? row[3] : "", false))
            unknown.push_back("the page shows no input \"" + row[0] + "\"");
    return unknown;
}

}  // namespace manual
