#include "app/cli/session.h"

#include <cctype>
#include <optional>

#include "report/frm_info.h"

namespace vado::cli {

namespace {

std::string LowerCase(std::string s) {
    for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::optional<int> ParseIndex(const std::string& s) {
    if (s.empty() || s.size() > 6) return std::nullopt;
    for (char c : s)
        if (c < '0' || c > '9') return std::nullopt;
    return std::stoi(s);
}

// The value a control shows, as the output reports it.
Json ControlValue(const ui::Control& c) {
    switch (c.kind()) {
        case ui::Kind::TextBox:
            return static_cast<const ui::TextBox&>(c).text();
        case ui::Kind::ComboBox:
            return static_cast<const ui::ComboBox&>(c).text();
        case ui::Kind::CheckBox:
            return static_cast<const ui::CheckBox&>(c).value();
        case ui::Kind::Grid:
            return static_cast<const ui::Grid&>(c).cells();
        default:
            return c.caption();
    }
}

Json FormControls(const ui::Form& form) {
    Json controls = Json::object();
    for (auto& c : form.controls()) {
        switch (c->kind()) {
            case ui::Kind::TextBox:
            case ui::Kind::Label:
            case ui::Kind::ComboBox:
            case ui::Kind::CheckBox:
            case ui::Kind::Grid:
                controls[c->fullName()] = ControlValue(*c);
                break;
            case ui::Kind::OptionButton:
                // An option group reports the index of its selected member.
                if (static_cast<const ui::OptionButton&>(*c).value())
                    controls[c->name()] = c->index();
                break;
            default:
                break;
        }
    }
    return controls;
}

ui::Grid* FindGrid(ui::Form& form, const std::string& name) {
    ui::Control* c = form.find(name);
    return c && c->kind() == ui::Kind::Grid ? static_cast<ui::Grid*>(c) : nullptr;
}

}  // namespace

Session::Session(const std::string& appFolder) : services_(appFolder), module_(services_) {}

void Session::open(CatalogueForm& page) {
    page_ = &page;
    ui::TabStrip& strip = module_.FormList[module_.CurrentForm]->tabStrip;
    strip.clickTab(indexOf(page) + 1);
}

void Session::run(const Step& step) {
    switch (step.kind) {
        case Step::Kind::Assign:
            return assign(step.text);
        case Step::Kind::Click:
            return click(step.text);
        case Step::Kind::Window:
            return chooseWindow(step.text);
    }
}

// The form a step talks to: the newest modal dialog, else the result window chosen with
// --window while it stays open, else the page.
ui::Form& Session::target() {
    if (!services_.modalStack.empty()) return *services_.modalStack.back();
    if (window_ && window_->visible()) return *window_;
    return *page_;
}

// --window NAME: the steps after it talk to that open result window.
void Session::chooseWindow(const std::string& name) {
    for (ui::Form* w : module_.resultWindows())
        if (LowerCase(w->name()) == LowerCase(name)) {
            if (!w->visible()) throw UsageError("the window " + w->name() + " is not open");
            window_ = w;
            return;
        }
    throw UsageError("unknown window '" + name + "'");
}

void Session::assign(const std::string& step) {
    auto eq = step.find('=');
    std::string name = step.substr(0, eq);
    std::string value = step.substr(eq + 1);
    services_.context = step;
    ui::Form& form = target();

    if (auto open = name.find('('); open != std::string::npos && name.back() == ')') {
        if (auto* grid = FindGrid(form, name.substr(0, open))) {
            return editCell(*grid, name.substr(open + 1, name.size() - open - 2), value);
        }
    }
    ui::Control* c = form.find(name);
    if (!c) {
        // An option group by its base name: NAME=INDEX clicks member INDEX.
        auto index = ParseIndex(value);
        ui::Control* member = index ? form.find(name + "(" + value + ")") : nullptr;
        if (member && member->kind() == ui::Kind::OptionButton) {
            form.setFocus(member);
            static_cast<ui::OptionButton*>(member)->click();
            return leave(form, step);
        }
        throw UsageError("unknown control '" + name + "' on " + form.name());
    }
    switch (c->kind()) {
        case ui::Kind::TextBox: {
            auto& box = static_cast<ui::TextBox&>(*c);
            form.setFocus(&box);
            box.setSelection(0, static_cast<int>(box.text().size()));
            box.paste(value);
            return leave(form, step);
        }
        case ui::Kind::ComboBox: {
            auto& combo = static_cast<ui::ComboBox&>(*c);
            form.setFocus(&combo);
            auto index = ParseIndex(value);
            if (index && *index < combo.listCount()) {
                combo.setListIndex(*index);
            } else if (combo.style == ui::ComboBox::Style::DropDownCombo) {
                combo.setText(value);
            } else {
                throw UsageError("'" + value + "' is not an item of " + name);
            }
            return leave(form, step);
        }
        case ui::Kind::CheckBox: {
            if (value != "0" && value != "1") throw UsageError("a check box takes 0 or 1: " + step);
            form.setFocus(c);
            static_cast<ui::CheckBox&>(*c).setValue(value == "1");
            return leave(form, step);
        }
        case ui::Kind::OptionButton: {
            form.setFocus(c);
            static_cast<ui::OptionButton&>(*c).click();
            return leave(form, step);
        }
        case ui::Kind::TabStrip: {
            // NAME=INDEX clicks tab INDEX (from 0), as a person chooses a page.
            auto& strip = static_cast<ui::TabStrip&>(*c);
            auto index = ParseIndex(value);
            if (!index || *index >= static_cast<int>(strip.tabs.size()))
                throw UsageError("no tab " + value + " in " + name);
            strip.clickTab(*index + 1);
            return;
        }
        case ui::Kind::Grid: {
            // NAME=ROW makes a row of the grid the current one, as a click on it does.
            auto& grid = static_cast<ui::Grid&>(*c);
            auto row = ParseIndex(value);
            if (!row || *row >= grid.rows()) throw UsageError("no row " + value + " in " + name);
            grid.row = *row;
            grid.col = 0;
            grid.notify();
            return;
        }
        default:
            throw UsageError("'" + name + "' takes no value");
    }
}

void Session::click(const std::string& name) {
    services_.context = name;
    ui::Form& form = target();
    ui::Control* c = form.find(name);
    if (!c) {
        // A one-member command group by its base name (cmdCompute for cmdCompute(1)).
        for (auto& ctl : form.controls())
            if (ctl->kind() == ui::Kind::CommandButton && ctl->name() == name) {
                if (c) throw UsageError("'" + name + "' names several buttons; add the index");
                c = ctl.get();
            }
    }
    if (!c || c->kind() != ui::Kind::CommandButton)
        throw UsageError("unknown button '" + name + "' on " + form.name());
    form.clickButton(static_cast<ui::CommandButton&>(*c), true);
    // The click may have closed the dialog; focus left in a page by a check stays there.
}

void Session::print(const std::string& file,
                    const std::vector<std::pair<std::string, std::string>>& info,
                    std::function<std::unique_ptr<ui::Printer>()> printer) {
    ui::Form& from = target();
    ui::CommandButton* button = nullptr;
    // A window with a Print on each of its pages prints from the page shown.
    for (auto& c : from.controls())
        if (c->kind() == ui::Kind::CommandButton && c->name() == "cmdPrint" && c->visible() &&
            (!button || !button->visible()))
            button = static_cast<ui::CommandButton*>(c.get());
    if (!button) throw UsageError(from.name() + " has no Print command");
    services_.context = "--print";
    report_ = {{"file", file}, {"printed", false}};
    from.clickButton(*button, true);
    auto* dialog = services_.modalStack.empty()
                       ? nullptr
                       : dynamic_cast<report::FrmInfo*>(services_.modalStack.back());
    if (!dialog) return;  // the Compute failed and said why
    for (auto& [name, value] : info) {
        ui::Control* c = dialog->find(name);
        dialog->setFocus(c);
        if (c->kind() == ui::Kind::ComboBox) {
            static_cast<ui::ComboBox*>(c)->setText(value);
        } else {
            auto* box = static_cast<ui::TextBox*>(c);
            box->setSelection(0, static_cast<int>(box->text().size()));
            box->paste(value);
        }
        dialog->leaveFocus();
    }
    services_.selectPrinter = std::move(printer);
    dialog->clickButton(dialog->cmdPrint, true);
    services_.selectPrinter = nullptr;
    report_["printed"] = dialog->lastOutcome() == report::FrmInfo::Outcome::Printed;
    if (dialog->lastOutcome() == report::FrmInfo::Outcome::Failed)
        report_["error"] = dialog->lastError();
}

std::string Session::printError() const {
    return report_.contains("error") ? report_["error"].get<std::string>() : std::string();
}

Json Session::result() {
    Json messages = Json::array();
    for (auto& m : services_.messages)
        messages.push_back({{"after", m.after}, {"title", m.title}, {"text", m.text}});
    Json windows = Json::object();
    for (ui::Form* f : services_.visibleForms) {
        if (isCatalogue(*f)) continue;
        windows[f->name()] = {{"controls", FormControls(*f)}};
    }
    Json j = {{"form", page_->name()},
              {"lastComputeFailed", module_.app().lastComputeFailed},
              {"messages", messages},
              {"controls", FormControls(*page_)},
              {"windows", windows}};
    if (!cancelled_.empty()) j["validationCancelled"] = cancelled_;
    if (!report_.is_null()) j["report"] = report_;
    return j;
}

int Session::indexOf(const CatalogueForm& page) const {
    for (int i = 0; i < static_cast<int>(module_.FormList.size()); ++i)
        if (module_.FormList[i] == &page) return i;
    return 0;
}

bool Session::isCatalogue(const ui::Form& f) const {
    for (auto* p : module_.FormList)
        if (p == &f) return true;
    return false;
}

void Session::editCell(ui::Grid& grid, const std::string& rc, const std::string& value) {
    auto comma = rc.find(',');
    auto r = ParseIndex(rc.substr(0, comma));
    auto col = comma == std::string::npos ? std::nullopt : ParseIndex(rc.substr(comma + 1));
    // A grid the page edits through its own field takes its data rows and input columns.
    const bool pageEdited = grid.editableColumns > 0;
    const bool fits = r && col &&
                      (pageEdited ? *col < grid.editableColumns && *r >= grid.fixedRows &&
                                        (grid.maxRows == 0 || *r < grid.maxRows)
                                  : grid.editable && *col < grid.cols());
    if (!fits) throw UsageError("cannot edit cell (" + rc + ") of " + grid.name());
    if (*r >= grid.rows()) grid.setRows(*r + 1);
    grid.row = *r;
    grid.col = *col;
    grid.setTextMatrix(*r, *col, value);
    if (grid.onCellEdited) grid.onCellEdited(*r, *col);
}

// The focus leaves the control the step worked on. A cancelled validation is recorded and the
// script goes on as if the person had moved on anyway.
void Session::leave(ui::Form& form, const std::string& step) {
    if (!form.leaveFocus()) {
        cancelled_.push_back(step);
        form.dropFocus();
    }
}

}  // namespace vado::cli
