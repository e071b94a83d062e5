#include "example_runner.h"

#include <algorithm>
#include <map>
#include <memory>
#include <regex>
#include <set>

#include "app/main_module.h"
#include "ui/recording_printer.h"

namespace manual {

namespace {

// A caption as a reader writes it: no access-key marks, no closing colon, single blanks.
std::string Plain(const std::string& caption) {
    std::string s;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] != '&' &&
            caption[i + 1] != ' ')
            continue;
        if (caption[i] == ' ' && (s.empty() || s.back() == ' ')) continue;
        s += caption[i];
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == ':')) s.pop_back();
    return s;
}

// The program as it starts, with one page chosen from the tab strip.
struct Program {
    Program() : services("."), module(services) { module.SubMain(); }
    vado::CatalogueForm* open(const std::string& form) {
        vado::CatalogueForm* page = module.formNamed(form);
        if (!page) return nullptr;
        int number = 0;
        while (module.FormList[number] != page) ++number;
        module.FormList[module.CurrentForm]->tabStrip.clickTab(number + 1);
        return page;
    }
    bool isPage(const ui::Form& f) const {
        return std::find(module.FormList.begin(), module.FormList.end(), &f) !=
               module.FormList.end();
    }
    // The windows a person sees over the page, the newest first, then the page.
    std::vector<ui::Form*> shown(ui::Form& page) {
        std::vector<ui::Form*> forms;
        for (auto it = services.visibleForms.rbegin(); it != services.visibleForms.rend(); ++it)
            if (!isPage(**it)) forms.push_back(*it);
        forms.push_back(&page);
        return forms;
    }
    ui::HeadlessServices services;
    vado::MainModule module;
};

// Shown on screen: visible, and inside a frame that is shown.
bool Shown(const ui::Control& c) {
    if (!c.visible()) return false;
    if (c.container.empty()) return true;
    const ui::Control* frame = c.form().find(c.container);
    return !frame || Shown(*frame);
}

// The label a control is captioned by in its page's layout: the label in the cell before it.
const ui::Control* LabelBefore(const ui::Form& page, const ui::Control& target) {
    for (const auto& section : page.layout.sections)
        for (const auto& row : section.rows)
            for (size_t i = 1; i < row.size(); ++i)
                for (const auto& name : row[i].controls)
                    if (name == target.fullName())
                        for (const auto& before : row[i - 1].controls)
                            if (auto* c = page.find(before);
                                c && c->kind() == ui::Kind::Label && Shown(*c))
                                return c;
    return nullptr;
}

// A grid's column headings: the texts of its fixed rows, joined.
std::vector<std::string> Headings(const ui::Grid& grid) {
    std::vector<std::string> headings;
    for (int c = 0; c < grid.cols(); ++c) {
        std::string h;
        for (int r = 0; r < grid.fixedRows && r < grid.rows(); ++r) {
            const std::string t = Plain(grid.textMatrix(r, c));
            if (!t.empty()) h += (h.empty() ? "" : " ") + t;
        }
        headings.push_back(h);
    }
    return headings;
}

bool HeadedBy(const ui::Grid& grid, const std::vector<std::string>& header) {
    const auto headings = Headings(grid);
    if (header.size() > headings.size()) return false;
    for (size_t c = 0; c < header.size(); ++c)
        if (Plain(header[c]) != headings[c]) return false;
    return true;
}

std::vector<ui::Grid*> Grids(const std::vector<ui::Form*>& forms) {
    std::vector<ui::Grid*> grids;
    for (ui::Form* f : forms)
        for (auto& c : f->controls())
            if (c->kind() == ui::Kind::Grid) grids.push_back(static_cast<ui::Grid*>(c.get()));
    return grids;
}

// The texts drawn on a picture, as on the screen.
std::vector<std::string> DrawnTexts(const ui::PictureBox& picture) {
    if (!picture.onPaint) return {};
    ui::RecordingPrinter surface;
    picture.onPaint(surface, std::max(picture.minimumWidth, 7200.0),
                    std::max(picture.minimumHeight, 4800.0));
    std::vector<std::string> texts;
    for (const auto* op : surface.texts()) texts.push_back(Plain(op->text));
    return texts;
}

// Every text the page and its open windows show as a result.
std::set<std::string> ShownTexts(Program& program, vado::CatalogueForm& page) {
    std::set<std::string> texts;
    for (ui::Form* form : program.shown(page)) {
        const bool window = form != &page;
        for (auto& c : form->controls()) {
            if (!window && !Shown(*c)) continue;
            if (c->kind() == ui::Kind::Label) texts.insert(Plain(c->caption()));
            // A field's text shows too: results in boxes, and lengths the page writes back.
            if (c->kind() == ui::Kind::TextBox)
                texts.insert(Plain(static_cast<ui::TextBox&>(*c).text()));
            if (c->kind() == ui::Kind::PictureBox)
                for (auto& t : DrawnTexts(static_cast<ui::PictureBox&>(*c))) texts.insert(t);
        }
    }
    return texts;
}

class Run {
  public:
    Run(const std::string& form, ExampleRun& out) : out_(out) {
        page_ = program_.open(form);
        if (!page_) {
            fail("no page " + form);
            return;
        }
        for (auto& c : page_->controls())
            if (c->kind() == ui::Kind::TextBox)
                before_[c.get()] = static_cast<ui::TextBox&>(*c).text();
    }

    void step(const Step& s) {
        const std::string at = "line " + std::to_string(s.line) + ": ";
        switch (s.kind) {
            case Step::Kind::Inputs:
                for (const auto& row : s.table.rows) enter(at, row);
                break;
            case Step::Kind::Table:
                if (pressed_) return checkRows(at, s.table);
                editRows(at, s.table);
                break;
            case Step::Kind::Press:
                press(at, s.button);
                break;
            case Step::Kind::Results:
                checkResults(at, s.table);
                break;
            case Step::Kind::Message:
                expected_.push_back(s.title + ": " + s.text);
                break;
        }
    }

    void finish() {
        std::vector<std::string> shown;
        // A message's closing blanks are not seen.
        for (auto& m : program_.services.messages)
            shown.push_back(m.title + ": " + m.text.substr(0, m.text.find_last_not_of(' ') + 1));
        if (shown != expected_) {
            std::string said, got;
            for (auto& m : expected_) said += "\n    " + m;
            for (auto& m : shown) got += "\n    " + m;
            fail("the example shows the messages:" + (said.empty() ? " none" : said) +
                 "\n  the program showed:" + (got.empty() ? " none" : got));
        }
        out_.designed = out_.failures.empty() && pressed_ && checkedResults_ && shown.empty() &&
                        !program_.module.app().lastComputeFailed;
    }

    bool ready() const { return page_ != nullptr; }

  private:
    void fail(const std::string& why) { out_.failures.push_back(why); }

    void enter(const std::string& at, const std::vector<std::string>& row) {
        if (row.size() < 2) return fail(at + "an input row needs a caption and a value");
        const std::string& caption = row[0];
        const std::string& value = row[1];
        ui::Control* c = ControlCaptioned(*page_, caption, value, entered_);
        if (!c) return fail(at + "the page shows no input \"" + caption + "\"");
        program_.services.context = caption;
        ui::Form& form = *page_;
        switch (c->kind()) {
            case ui::Kind::TextBox: {
                auto& box = static_cast<ui::TextBox&>(*c);
                form.setFocus(&box);
                box.setSelection(0, static_cast<int>(box.text().size()));
                box.paste(value);
                entered_.insert(c);
                break;
            }
            case ui::Kind::ComboBox: {
                auto& list = static_cast<ui::ComboBox&>(*c);
                int item = -1;
                for (int i = 0; i < list.listCount(); ++i)
                    if (Plain(list.list(i)) == Plain(value)) item = i;
                if (item < 0) return fail(at + "\"" + caption + "\" has no item \"" + value + "\"");
                form.setFocus(&list);
                list.setListIndex(item);
                break;
            }
            case ui::Kind::CheckBox:
                if (value != "checked" && value != "not checked")
                    return fail(at + "a check box is \"checked\" or \"not checked\", not \"" +
                                value + "\"");
                form.setFocus(c);
                static_cast<ui::CheckBox&>(*c).setValue(value == "checked" ? 1 : 0);
                break;
            case ui::Kind::OptionButton:
                form.setFocus(c);
                static_cast<ui::OptionButton&>(*c).click();
                break;
            default:
                return fail(at + "\"" + caption + "\" takes no value");
        }
        if (!form.leaveFocus()) form.dropFocus();
    }

    // Rows typed into a table the page edits, column by column under its headings.
    void editRows(const std::string& at, const Table& table) {
        for (ui::Grid* grid : Grids({page_})) {
            if (grid->editableColumns == 0 || !HeadedBy(*grid, table.header)) continue;
            for (size_t r = 0; r < table.rows.size(); ++r)
                for (size_t c = 0; c < table.rows[r].size() && c < table.header.size(); ++c) {
                    if (table.rows[r][c].empty()) continue;
                    if (static_cast<int>(c) >= grid->editableColumns)
                        return fail(at + "column \"" + table.header[c] + "\" is not typed in");
                    const int row = grid->fixedRows + static_cast<int>(r);
                    if (row >= grid->rows()) grid->setRows(row + 1);
                    grid->row = row;
                    grid->col = static_cast<int>(c);
                    grid->setTextMatrix(row, static_cast<int>(c), table.rows[r][c]);
                    if (grid->onCellEdited) grid->onCellEdited(row, static_cast<int>(c));
                }
            return;
        }
        fail(at + "the page has no table to type in headed like this one");
    }

    void press(const std::string& at, const std::string& caption) {
        if (!pressed_ && dynamic_cast<vado::CalculatorForm*>(page_)) missingInputs(at);
        for (ui::Form* form : program_.shown(*page_))
            for (auto& c : form->controls())
                if (c->kind() == ui::Kind::CommandButton && Shown(*c) && c->enabled() &&
                    Plain(c->caption()) == Plain(caption)) {
                    program_.services.context = caption;
                    form->clickButton(static_cast<ui::CommandButton&>(*c));
                    pressed_ = true;
                    return;
                }
        fail(at + "no button \"" + caption + "\" to press");
    }

    // Every field the page takes at the moment of the first press must be in the example, so a
    // reader who follows it has the page the example had; a length the page wrote back from the
    // values entered follows from them.
    void missingInputs(const std::string& at) {
        auto& calc = static_cast<vado::CalculatorForm&>(*page_);
        for (auto& f : calc.fields()) {
            const bool result = std::count(calc.results.begin(), calc.results.end(), f.box) > 0;
            const bool writtenBack = f.box->text() != before_[f.box];
            if (Shown(*f.box) && f.box->enabled() && !f.box->locked && !result && !writtenBack &&
                !entered_.count(f.box))
                fail(at + "the example leaves \"" + Plain(f.label) + "\" as it happens to be");
        }
    }

    void checkResults(const std::string& at, const Table& table) {
        const auto texts = ShownTexts(program_, *page_);
        bool missed = false;
        for (const auto& row : table.rows) {
            const std::string& shown = row.size() > 1 ? row[1] : row[0];
            if (texts.count(Plain(shown))) continue;
            fail(at + "the page does not show \"" + shown + "\"");
            missed = true;
        }
        if (missed) {
            std::string all;
            for (const auto& t : texts)
                if (!t.empty()) all += "\n    " + t;
            fail(at + "it shows:" + all);
        }
        checkedResults_ = true;
    }

    void checkRows(const std::string& at, const Table& table) {
        for (ui::Grid* grid : Grids(program_.shown(*page_))) {
            if (!HeadedBy(*grid, table.header) ||
                table.header.size() != static_cast<size_t>(grid->cols()))
                continue;
            for (const auto& row : table.rows) {
                bool found = false;
                for (int r = grid->fixedRows; r < grid->rows() && !found; ++r) {
                    found = true;
                    for (size_t c = 0; c < row.size() && found; ++c)
                        found = Plain(grid->textMatrix(r, static_cast<int>(c))) == Plain(row[c]);
                }
                if (!found)
                    fail(at + "the table has no row \"" + row[0] +
                         " | ...\" as the example prints it");
            }
            checkedResults_ = true;
            return;
        }
        fail(at + "no table on the screen is headed like this one");
    }

    Program program_;
    ExampleRun& out_;
    vado::CatalogueForm* page_ = nullptr;
    std::set<const ui::Control*> entered_;
    std::map<const ui::Control*, std::string> before_;  // the fields' texts as the page opened
    std::vector<std::string> expected_;
    bool pressed_ = false;
    bool checkedResults_ = false;
};

// A caption shared by several fields ("Elev (ft)" twice on one sketch) is told apart in the
// manual by a qualifier in parentheses after it, "Elev (ft) (orifice)", and the fields are taken
// in the page's order: the first such row names the first field, the next the next.
ui::Control* FieldCaptioned(ui::Form& page, const std::string& caption, bool shownOnly,
                            const std::set<const ui::Control*>& taken) {
    auto* calc = dynamic_cast<vado::CalculatorForm*>(&page);
    if (!calc) return nullptr;
    auto find = [&](const std::string& want) -> ui::Control* {
        ui::Control* first = nullptr;
        for (auto& f : calc->fields()) {
            if (Plain(f.label) != want || (shownOnly && !Shown(*f.box))) continue;
            if (!taken.count(f.box)) return f.box;
            if (!first) first = f.box;
        }
        return first;
    };
    if (auto* c = find(Plain(caption))) return c;
    static const std::regex qualified(R"(^(.*\S)\s+\([^()]*\)$)");
    std::smatch m;
    return std::regex_match(caption, m, qualified) ? find(Plain(m[1].str())) : nullptr;
}

ui::Control* Captioned(ui::Form& page, const std::string& caption, const std::string& value,
                       bool shownOnly, const std::set<const ui::Control*>& taken = {}) {
    const std::string want = Plain(caption);
    auto shown = [shownOnly](const ui::Control& c) { return !shownOnly || Shown(c); };
    if (auto* field = FieldCaptioned(page, caption, shownOnly, taken)) return field;
    ui::Control* uncaptioned = nullptr;
    int uncaptionedCount = 0;
    for (auto& c : page.controls()) {
        if (!shown(*c)) continue;
        const ui::Control* label = LabelBefore(page, *c);
        if ((c->kind() == ui::Kind::TextBox || c->kind() == ui::Kind::ComboBox) && label &&
            Plain(label->caption()) == want)
            return c.get();
        if ((c->kind() == ui::Kind::CheckBox || c->kind() == ui::Kind::OptionButton) &&
            Plain(c->caption()) == want)
            return c.get();
        if (c->kind() == ui::Kind::Frame && Plain(c->caption()) == want) {
            if (value.empty()) return c.get();
            for (auto& option : page.controls())
                if (option->kind() == ui::Kind::OptionButton && option->container == c->name() &&
                    Plain(option->caption()) == Plain(value) && shown(*option))
                    return option.get();
        }
        if (c->kind() == ui::Kind::Grid && static_cast<ui::Grid&>(*c).editableColumns > 0) {
            const auto headings = Headings(static_cast<ui::Grid&>(*c));
            if (std::find(headings.begin(), headings.end(), want) != headings.end()) return c.get();
        }
        if (c->kind() == ui::Kind::ComboBox && (!label || Plain(label->caption()).empty())) {
            auto& list = static_cast<ui::ComboBox&>(*c);
            for (int i = 0; i < list.listCount(); ++i)
                if (!value.empty() && Plain(list.list(i)) == Plain(value)) {
                    uncaptioned = c.get();
                    ++uncaptionedCount;
                    break;
                }
        }
    }
    return uncaptionedCount == 1 ? uncaptioned : nullptr;
}

}  // namespace

ui::Control* ControlCaptioned(ui::Form& page, const std::string& caption, const std::string& value,
                              const std::set<const ui::Control*>& taken) {
    return Captioned(page, caption, value, true, taken);
}

ExampleRun RunExample(const std::string& form, const Example& example) {
    ExampleRun out;
    Run run(form, out);
    if (!run.ready()) return out;
    for (const Step& s : example.steps) run.step(s);
    run.finish();
    return out;
}

std::vector<std::string> ControlNames() {
    Program program;
    std::set<std::string> names;
    for (auto* form : program.module.FormList) {
        for (const auto& name : ControlNamesOf(form->name())) names.insert(name);
        names.insert(form->name());
    }
    return {names.begin(), names.end()};
}

std::vector<std::string> ControlNamesOf(const std::string& form) {
    Program program;
    vado::CatalogueForm* page = program.open(form);
    if (!page) return {};
    std::vector<ui::Form*> forms{page};
    for (ui::Form* w : program.module.resultWindows()) forms.push_back(w);
    std::set<std::string> names;
    for (ui::Form* f : forms) {
        names.insert(f->name());
        for (auto& c : f->controls()) {
            names.insert(c->name());
            names.insert(c->fullName());
        }
    }
    return {names.begin(), names.end()};
}

std::vector<std::string> UnknownInputs(const std::string& form, const Table& inputs) {
    Program program;
    vado::CatalogueForm* page = program.open(form);
    if (!page) return {"no page " + form};
    std::vector<std::string> unknown;
    for (const auto& row : inputs.rows) {
        if (row.empty()) continue;
        // A list without a caption of its own is known by its items: the row's default is one.
        if (!Captioned(*page, row[0], "", false) &&
            !Captioned(*page, row[0], row.size() > 3 ? row[3] : "", false))
            unknown.push_back("the page shows no input \"" + row[0] + "\"");
    }
    return unknown;
}

}  // namespace manual
