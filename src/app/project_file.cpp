#include "app/project_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "ui/safe_file.h"
#include "ui/services.h"

namespace vado::project {

namespace {

using Json = nlohmann::ordered_json;

// The controls a page's inputs are: every one a person sets, except fields that only show a
// result (locked) and a grid's own cell editor.
bool IsInput(const ui::Form& form, const ui::Control& c, bool evenIfLocked = false) {
    switch (c.kind()) {
        case ui::Kind::TextBox: {
            const auto& box = static_cast<const ui::TextBox&>(c);
            if (box.locked && !evenIfLocked) return false;
            const ui::Control* holder = c.container.empty() ? nullptr : form.find(c.container);
            return !(holder && holder->kind() == ui::Kind::Grid);
        }
        case ui::Kind::ComboBox:
        case ui::Kind::CheckBox:
        case ui::Kind::OptionButton:
            return true;
        case ui::Kind::Grid: {
            const auto& g = static_cast<const ui::Grid&>(c);
            return g.editable || g.editableColumns > 0;
        }
        default:
            return false;
    }
}

int InputColumns(const ui::Grid& g) { return g.editableColumns > 0 ? g.editableColumns : g.cols(); }

Json PageInputs(const ui::Form& form) {
    Json inputs = Json::object();
    for (auto& c : form.controls()) {
        if (!IsInput(form, *c)) continue;
        switch (c->kind()) {
            case ui::Kind::TextBox:
                inputs[c->fullName()] = static_cast<const ui::TextBox&>(*c).text();
                break;
            case ui::Kind::ComboBox: {
                const auto& combo = static_cast<const ui::ComboBox&>(*c);
                if (combo.style == ui::ComboBox::Style::DropDownCombo)
                    inputs[c->fullName()] = combo.text();
                else
                    inputs[c->fullName()] = combo.listIndex();
                break;
            }
            case ui::Kind::CheckBox:
                inputs[c->fullName()] = static_cast<const ui::CheckBox&>(*c).value();
                break;
            case ui::Kind::OptionButton:
                if (static_cast<const ui::OptionButton&>(*c).value()) inputs[c->name()] = c->index();
                break;
            case ui::Kind::Grid: {
                const auto& g = static_cast<const ui::Grid&>(*c);
                Json rows = Json::array();
                for (int r = g.fixedRows; r < g.rows(); ++r) {
                    Json row = Json::array();
                    for (int col = 0; col < InputColumns(g); ++col) row.push_back(g.textMatrix(r, col));
                    rows.push_back(row);
                }
                inputs[c->fullName()] = rows;
                break;
            }
            default:
                break;
        }
    }
    return inputs;
}

// One value to put into one control, checked before anything is changed.
using Step = std::function<void()>;

// What opening a project does to one page, in the order a person would do it: the choices of
// lists, options and check boxes first (they set the modes the fields belong to), then the
// texts, typed one by one, then the tables.
struct PageReplay {
    CatalogueForm* page = nullptr;
    std::vector<Step> choices;
    std::vector<std::pair<ui::TextBox*, std::string>> texts;
    std::vector<Step> tables;
    ui::TextBox* lastEntered = nullptr;  // typed last, whatever it holds
};

std::string Where(const std::string& page, const std::string& control) { return page + "." + control; }

// The step that puts `value` into the control `name` of the page, or an error; a control the
// page does not have is skipped.
bool Plan(PageReplay& r, const std::string& name, const Json& value, std::vector<std::string>& skipped,
          std::string& error) {
    ui::Form& form = *r.page;
    const std::string where = Where(form.name(), name);
    ui::Control* c = form.find(name);
    if (!c) {
        // An option group is saved under its base name.
        if (value.is_number_integer()) {
            const std::string member = name + "(" + std::to_string(value.get<long>()) + ")";
            if (ui::Control* o = form.find(member); o && o->kind() == ui::Kind::OptionButton) {
                auto* option = static_cast<ui::OptionButton*>(o);
                // A click on the option already chosen would still run its handler.
                r.choices.push_back([option] {
                    if (!option->value()) option->click();
                });
                return true;
            }
        }
        skipped.push_back(where);
        return true;
    }
    // A field locked now may be an input in the mode the file brings (the pump page's sump area).
    if (!IsInput(form, *c, true)) {
        skipped.push_back(where);
        return true;
    }
    switch (c->kind()) {
        case ui::Kind::TextBox: {
            if (!value.is_string()) return (error = where + " should hold a text.", false);
            // Typed as a paste puts it in: no key filter; the range check speaks at the next Compute.
            r.texts.emplace_back(static_cast<ui::TextBox*>(c), value.get<std::string>());
            return true;
        }
        case ui::Kind::ComboBox: {
            auto* combo = static_cast<ui::ComboBox*>(c);
            if (combo->style == ui::ComboBox::Style::DropDownCombo && value.is_string()) {
                const std::string text = value.get<std::string>();
                r.choices.push_back([combo, text] { combo->setText(text); });
                return true;
            }
            if (!value.is_number_integer()) return (error = where + " should hold an item number.", false);
            const long i = value.get<long>();
            if (i < -1 || i >= combo->listCount())
                return (error = where + " has no item " + std::to_string(i) + ".", false);
            r.choices.push_back([combo, i] { combo->setListIndex(static_cast<int>(i)); });
            return true;
        }
        case ui::Kind::CheckBox: {
            if (!value.is_number_integer() || value.get<long>() < 0 || value.get<long>() > 2)
                return (error = where + " should hold 0, 1 or 2.", false);
            auto* box = static_cast<ui::CheckBox*>(c);
            const int v = value.get<int>();
            r.choices.push_back([box, v] { box->setValue(v); });
            return true;
        }
        case ui::Kind::Grid: {
            auto* g = static_cast<ui::Grid*>(c);
            if (!value.is_array()) return (error = where + " should hold rows of cells.", false);
            const long limit = g->maxRows > 0 ? g->maxRows - g->fixedRows : 32767;
            if (static_cast<long>(value.size()) > limit)
                return (error = where + " holds more rows than the table takes.", false);
            std::vector<std::vector<std::string>> rows;
            for (const auto& row : value) {
                if (!row.is_array() || static_cast<int>(row.size()) > InputColumns(*g))
                    return (error = where + " has a row that is not a list of its input cells.", false);
                std::vector<std::string> cells;
                for (const auto& cell : row) {
                    if (!cell.is_string()) return (error = where + " has a cell that is not a text.", false);
                    cells.push_back(cell.get<std::string>());
                }
                rows.push_back(cells);
            }
            r.tables.push_back([g, rows] {
                g->setRows(g->fixedRows + std::max<int>(1, static_cast<int>(rows.size())));
                for (int row = g->fixedRows; row < g->rows(); ++row)
                    for (int col = 0; col < g->cols(); ++col) g->setTextMatrix(row, col, "");
                for (size_t row = 0; row < rows.size(); ++row)
                    for (size_t col = 0; col < rows[row].size(); ++col)
                        g->setTextMatrix(g->fixedRows + static_cast<int>(row), static_cast<int>(col), rows[row][col]);
            });
            return true;
        }
        default:
            skipped.push_back(where);
            return true;
    }
}

// A person typing `text` into `box`: the field gets the focus, its text is replaced, the focus
// leaves it, and every handler of those events runs (the n a size looks up, the dimension a
// figure computes from). A field a list or an option has hidden since was typed while it showed:
// its handlers run all the same.
void Type(ui::Form& page, ui::TextBox& box, const std::string& text) {
    page.dropFocus();
    const bool focused = page.setFocus(&box);
    if (!focused && box.onGotFocus) box.onGotFocus();
    box.setText(text);
    if (focused) {
        if (!page.leaveFocus()) page.dropFocus();
    } else if (box.onValidate) {
        bool cancel = false;
        box.onValidate(cancel);
    }
}

void Replay(PageReplay& r) {
    for (auto& step : r.choices) step();
    // A text the page already holds needs no typing; the field entered last is entered last again.
    std::string lastText = r.lastEntered ? r.lastEntered->text() : std::string();
    for (auto& [box, text] : r.texts) {
        if (box == r.lastEntered) lastText = text;
        else if (box->text() != text) Type(*r.page, *box, text);
    }
    if (r.lastEntered) Type(*r.page, *r.lastEntered, lastText);
    for (auto& step : r.tables) step();
    r.page->dropFocus();
    if (auto* calc = dynamic_cast<CalculatorForm*>(r.page)) {
        calc->inputEdited = false;
        bool ok = true;
        calc->RunCompute(false, ok);
    }
}

// Message boxes held back while it lives.
struct Silence {
    explicit Silence(ui::Services& s) : services(s) { ++services.silenced; }
    ~Silence() { --services.silenced; }
    ui::Services& services;
};

// "... number overflow parsing '1e999'" gives 1e999.
std::string QuotedToken(const std::string& what) {
    const auto close = what.rfind('\'');
    const auto open = close == std::string::npos || close == 0 ? std::string::npos : what.rfind('\'', close - 1);
    return open == std::string::npos ? std::string() : what.substr(open + 1, close - open - 1);
}

}  // namespace

std::string Save(MainModule& module, bool withShownPage) {
    const report::ProjectInfo info = module.reporting().projectInfo();
    Json pages = Json::object();
    Json lastEntered = Json::object();
    for (auto* page : module.FormList) {
        if (auto inputs = PageInputs(*page); !inputs.empty()) pages[page->name()] = inputs;
        // Which dimension a figure computes from follows the field entered last.
        if (const auto* calc = dynamic_cast<const CalculatorForm*>(page))
            if (const ui::TextBox* box = calc->lastEnteredField(); box && IsInput(*page, *box))
                lastEntered[page->name()] = box->fullName();
    }
    Json doc = {
        {"format", kFormat},
        {"version", kVersion},
        {"program", std::to_string(ui::Services::kVersionMajor) + "." + std::to_string(ui::Services::kVersionMinor) +
                        "." + std::to_string(ui::Services::kVersionRevision)},
        {"projectInfo",
         {{"owner", info.owner}, {"county", info.county}, {"state", info.state}, {"designer", info.designer},
          {"site", info.site}}},
        {"shownPage", withShownPage ? module.FormList[module.CurrentForm]->name() : std::string()},
        {"pages", pages}};
    // Moving through the fields is no change to the job.
    if (withShownPage) doc["lastEntered"] = lastEntered;
    return doc.dump(1) + "\n";
}

Loaded Load(MainModule& module, const std::string& text) {
    Loaded result;
    auto fail = [&](std::string why) {
        result.error = std::move(why);
        return result;
    };
    if (text.size() > kMaxBytes) return fail("The file is too large to be a project.");
    Json doc;
    try {
        doc = Json::parse(text);
    } catch (const Json::out_of_range& e) {
        const std::string token = QuotedToken(e.what());
        return fail("The project holds a number too large to read" + (token.empty() ? "" : " (" + token + ")") + ".");
    } catch (const Json::exception&) {
        return fail(text.empty() ? "The file is empty." : "The file is not a project: it is not valid JSON.");
    }
    std::vector<PageReplay> replays;
    report::ProjectInfo info;
    CatalogueForm* shown = nullptr;
    // Everything is checked before anything changes; no fault of the document ends the program.
    try {
        if (!doc.is_object() || !doc.contains("format") || doc["format"] != kFormat)
            return fail("The file is not a Vadocalc project.");
        if (!doc.contains("version") || !doc["version"].is_number_integer())
            return fail("The project file has no version number.");
        if (doc["version"].get<long>() > kVersion)
            return fail("The project was saved by a later version of Vadocalc (file version " +
                        std::to_string(doc["version"].get<long>()) + "); this one reads version " +
                        std::to_string(kVersion) + ".");
        const Json& pages = doc.contains("pages") ? doc["pages"] : Json::object();
        if (!pages.is_object()) return fail("The project's pages are not a list of pages.");
        const Json& lastEntered = doc.contains("lastEntered") ? doc["lastEntered"] : Json::object();
        if (!lastEntered.is_object()) return fail("The project's last entered fields are not a list of fields.");

        for (const auto& [pageName, inputs] : pages.items()) {
            CatalogueForm* page = module.formNamed(pageName);
            if (!page) {
                result.skipped.push_back(pageName);
                continue;
            }
            if (!inputs.is_object()) return fail("The inputs of " + pageName + " are not a list of controls.");
            PageReplay r{.page = page};
            for (const auto& [name, value] : inputs.items())
                if (!Plan(r, name, value, result.skipped, result.error)) return result;
            // A name that is no text field of the page is of no consequence: nothing is entered last.
            if (lastEntered.contains(pageName) && lastEntered[pageName].is_string()) {
                ui::Control* c = page->find(lastEntered[pageName].get<std::string>());
                if (c && c->kind() == ui::Kind::TextBox && IsInput(*page, *c, true))
                    r.lastEntered = static_cast<ui::TextBox*>(c);
            }
            replays.push_back(std::move(r));
        }
        if (doc.contains("projectInfo")) {
            const Json& p = doc["projectInfo"];
            if (!p.is_object()) return fail("The project information is not a list of entries.");
            std::string* fields[] = {&info.owner, &info.county, &info.state, &info.designer, &info.site};
            const char* keys[] = {"owner", "county", "state", "designer", "site"};
            for (int i = 0; i < 5; ++i) {
                if (!p.contains(keys[i])) continue;
                if (!p[keys[i]].is_string()) return fail(std::string("The project's ") + keys[i] + " is not a text.");
                *fields[i] = p[keys[i]].get<std::string>();
            }
        }
        if (doc.contains("shownPage") && doc["shownPage"].is_string())
            shown = module.formNamed(doc["shownPage"].get<std::string>());
    } catch (const Json::exception&) {
        return fail("The file is not a project: a value in it cannot be read.");
    }

    // Everything checked: now the program changes. Each page is given its inputs as a person
    // would give them, so what it derives from them (a looked-up n, a mode's fields, a
    // written-back dimension) is what typing them gives; what it would have said meanwhile is
    // held back.
    {
        Silence quiet(module.services());
        for (auto& r : replays) Replay(r);
    }
    module.reporting().setProjectInfo(info);
    if (shown && shown != module.FormList[module.CurrentForm]) {
        for (int i = 0; i < static_cast<int>(module.FormList.size()); ++i)
            if (module.FormList[i] == shown) module.FormList[module.CurrentForm]->tabStrip.clickTab(i + 1);
    }
    result.ok = true;
    return result;
}

std::string SkippedNotice(const std::vector<std::string>& skipped) {
    std::string list;
    for (const auto& s : skipped) list += (list.empty() ? "" : ", ") + s;
    return "The project holds values this version of Vadocalc does not have; they were skipped: " + list + ".";
}

bool ReadText(const std::string& path, std::string& text, std::string& error) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) return (error = "The file " + path + " cannot be read.", false);
    if (size > kMaxBytes) return (error = "The file is too large to be a project.", false);
    std::ifstream in(path, std::ios::binary);
    if (!in) return (error = "The file " + path + " cannot be read.", false);
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

bool WriteTextAtomically(const std::string& path, const std::string& text, std::string& error) {
    std::string why;
    if (ui::WriteFileAtomically(path, text, why)) return true;
    error = "The project cannot be written to " + path + ": " + why + ".";
    return false;
}

}  // namespace vado::project
