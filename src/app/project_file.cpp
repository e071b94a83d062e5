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

std::string Where(const std::string& page, const std::string& control) { return page + "." + control; }

// The step that puts `value` into the control `name` of `form`, or an error; a control the
// page does not have is skipped.
bool Plan(ui::Form& form, const std::string& name, const Json& value, std::vector<Step>& early,
          std::vector<Step>& late, std::vector<std::string>& skipped, std::string& error) {
    const std::string where = Where(form.name(), name);
    ui::Control* c = form.find(name);
    if (!c) {
        // An option group is saved under its base name.
        if (value.is_number_integer()) {
            const std::string member = name + "(" + std::to_string(value.get<long>()) + ")";
            if (ui::Control* o = form.find(member); o && o->kind() == ui::Kind::OptionButton) {
                auto* option = static_cast<ui::OptionButton*>(o);
                // A click on the option already chosen would still run its handler.
                early.push_back([option] {
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
            auto* box = static_cast<ui::TextBox*>(c);
            const std::string text = value.get<std::string>();
            // As a paste puts it in: no key filter; the range check speaks at the next Compute.
            late.push_back([box, text] { box->setText(text); });
            return true;
        }
        case ui::Kind::ComboBox: {
            auto* combo = static_cast<ui::ComboBox*>(c);
            if (combo->style == ui::ComboBox::Style::DropDownCombo && value.is_string()) {
                const std::string text = value.get<std::string>();
                early.push_back([combo, text] { combo->setText(text); });
                return true;
            }
            if (!value.is_number_integer()) return (error = where + " should hold an item number.", false);
            const long i = value.get<long>();
            if (i < -1 || i >= combo->listCount())
                return (error = where + " has no item " + std::to_string(i) + ".", false);
            early.push_back([combo, i] { combo->setListIndex(static_cast<int>(i)); });
            return true;
        }
        case ui::Kind::CheckBox: {
            if (!value.is_number_integer() || value.get<long>() < 0 || value.get<long>() > 2)
                return (error = where + " should hold 0, 1 or 2.", false);
            auto* box = static_cast<ui::CheckBox*>(c);
            const int v = value.get<int>();
            early.push_back([box, v] { box->setValue(v); });
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
            late.push_back([g, rows] {
                g->setRows(g->fixedRows + std::max<int>(1, static_cast<int>(rows.size())));
                for (int r = g->fixedRows; r < g->rows(); ++r)
                    for (int col = 0; col < g->cols(); ++col) g->setTextMatrix(r, col, "");
                for (size_t r = 0; r < rows.size(); ++r)
                    for (size_t col = 0; col < rows[r].size(); ++col)
                        g->setTextMatrix(g->fixedRows + static_cast<int>(r), static_cast<int>(col), rows[r][col]);
            });
            return true;
        }
        default:
            skipped.push_back(where);
            return true;
    }
}

}  // namespace

std::string Save(MainModule& module, bool withShownPage) {
    const report::ProjectInfo info = module.reporting().projectInfo();
    Json pages = Json::object();
    for (auto* page : module.FormList)
        if (auto inputs = PageInputs(*page); !inputs.empty()) pages[page->name()] = inputs;
    const Json doc = {
        {"format", kFormat},
        {"version", kVersion},
        {"program", std::to_string(ui::Services::kVersionMajor) + "." + std::to_string(ui::Services::kVersionMinor) +
                        "." + std::to_string(ui::Services::kVersionRevision)},
        {"projectInfo",
         {{"owner", info.owner}, {"county", info.county}, {"state", info.state}, {"designer", info.designer},
          {"site", info.site}}},
        {"shownPage", withShownPage ? module.FormList[module.CurrentForm]->name() : std::string()},
        {"pages", pages}};
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
    } catch (const Json::parse_error&) {
        return fail(text.empty() ? "The file is empty." : "The file is not a project: it is not valid JSON.");
    }
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

    std::vector<Step> early, late;
    std::vector<CatalogueForm*> restored;
    for (const auto& [pageName, inputs] : pages.items()) {
        CatalogueForm* page = module.formNamed(pageName);
        if (!page) {
            result.skipped.push_back(pageName);
            continue;
        }
        if (!inputs.is_object()) return fail("The inputs of " + pageName + " are not a list of controls.");
        for (const auto& [name, value] : inputs.items())
            if (!Plan(*page, name, value, early, late, result.skipped, result.error)) return result;
        restored.push_back(page);
    }
    report::ProjectInfo info;
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
    CatalogueForm* shown = nullptr;
    if (doc.contains("shownPage") && doc["shownPage"].is_string())
        shown = module.formNamed(doc["shownPage"].get<std::string>());

    // Everything checked: now the program changes. Lists, options and boxes first (they set the
    // modes the fields belong to), then the texts and the tables.
    for (auto& step : early) step();
    for (auto& step : late) step();
    module.reporting().setProjectInfo(info);
    for (auto* page : restored) {
        page->dropFocus();
        if (auto* calc = dynamic_cast<CalculatorForm*>(page)) {
            calc->inputEdited = false;
            bool ok = true;
            calc->RunCompute(false, ok);
        }
    }
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
