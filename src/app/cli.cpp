#include "app/cli.h"

#include <nlohmann/json.hpp>
#include <cctype>
#include <optional>
#include <stdexcept>

#include "app/main_module.h"
#include "app/project_file.h"
#include "report/frm_info.h"
#include "shared/number_format.h"

namespace vado {

namespace {

using Json = nlohmann::ordered_json;

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

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
                if (static_cast<const ui::OptionButton&>(*c).value()) controls[c->name()] = c->index();
                break;
            default:
                break;
        }
    }
    return controls;
}

class Session {
public:
    explicit Session(const std::string& appFolder) : services_(appFolder), module_(services_) {}

    MainModule& module() { return module_; }
    ui::HeadlessServices& services() { return services_; }

    void open(CatalogueForm& page) {
        page_ = &page;
        ui::TabStrip& strip = module_.FormList[module_.CurrentForm]->tabStrip;
        strip.clickTab(indexOf(page) + 1);
    }

    // The form a step talks to: the newest modal dialog, else the result window chosen with
    // --window while it stays open, else the page.
    ui::Form& target() {
        if (!services_.modalStack.empty()) return *services_.modalStack.back();
        if (window_ && window_->visible()) return *window_;
        return *page_;
    }

    // --window NAME: the steps after it talk to that open result window.
    void chooseWindow(const std::string& name) {
        for (ui::Form* w : module_.resultWindows())
            if (LowerCase(w->name()) == LowerCase(name)) {
                if (!w->visible()) throw UsageError("the window " + w->name() + " is not open");
                window_ = w;
                return;
            }
        throw UsageError("unknown window '" + name + "'");
    }

    void assign(const std::string& step) {
        auto eq = step.find('=');
        std::string name = step.substr(0, eq);
        std::string value = step.substr(eq + 1);
        services_.context = step;
        ui::Form& form = target();

        if (auto open = name.find('('); open != std::string::npos && name.back() == ')') {
            if (auto* grid = findGrid(form, name.substr(0, open))) {
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
                if (value != "0" && value != "1")
                    throw UsageError("a check box takes 0 or 1: " + step);
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

    void click(const std::string& name) {
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

    // The page's Print command; when it opens the project-information dialog, the dialog's
    // fields are filled and its Print button pressed with `printer` as the person's choice.
    void print(const std::string& file, const std::vector<std::pair<std::string, std::string>>& info,
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
    // The reason a requested report could not be written, or "".
    std::string printError() const {
        return report_.contains("error") ? report_["error"].get<std::string>() : std::string();
    }

    Json result() {
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

private:
    int indexOf(const CatalogueForm& page) const {
        for (int i = 0; i < static_cast<int>(module_.FormList.size()); ++i)
            if (module_.FormList[i] == &page) return i;
        return 0;
    }

    bool isCatalogue(const ui::Form& f) const {
        for (auto* p : module_.FormList)
            if (p == &f) return true;
        return false;
    }

    static ui::Grid* findGrid(ui::Form& form, const std::string& name) {
        ui::Control* c = form.find(name);
        return c && c->kind() == ui::Kind::Grid ? static_cast<ui::Grid*>(c) : nullptr;
    }

    void editCell(ui::Grid& grid, const std::string& rc, const std::string& value) {
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

    // The focus leaves the control the step worked on. A cancelled validation is recorded and
    // the script goes on as if the person had moved on anyway.
    void leave(ui::Form& form, const std::string& step) {
        if (!form.leaveFocus()) {
            cancelled_.push_back(step);
            form.dropFocus();
        }
    }

    ui::HeadlessServices services_;
    MainModule module_;
    CatalogueForm* page_ = nullptr;
    ui::Form* window_ = nullptr;
    std::vector<std::string> cancelled_;
    Json report_;  // how a --print ended
};

// The inputs and results of a page as the manual shows them: a Markdown table.
void PrintMarkdownList(const CatalogueForm& page, std::ostream& out) {
    auto* calc = dynamic_cast<const CalculatorForm*>(&page);
    if (!calc) return;
    auto cell = [](std::string s) {
        for (size_t at = s.find('|'); at != std::string::npos; at = s.find('|', at + 2)) s.replace(at, 1, "\\|");
        return s;
    };
    out << "| Field | Label | Unit | Range | Default |\n|---|---|---|---|---|\n";
    for (auto& f : calc->fields()) {
        std::string range = f.lo < f.hi ? FormatNumber(f.lo, f.format) + " to " + FormatNumber(f.hi, f.format)
                                        : "at least " + FormatNumber(f.lo, f.format);
        if (f.wholeNumber) range += ", whole numbers";
        out << "| `" << f.box->fullName() << "` | " << cell(f.label) << " | " << cell(f.unit) << " | " << range
            << " | " << (f.defaultText.empty() ? "(blank)" : cell(f.defaultText)) << " |\n";
    }
    out << "\nResults: ";
    for (size_t i = 0; i < calc->results.size(); ++i)
        out << (i ? ", " : "") << "`" << calc->results[i]->fullName() << "`";
    out << ".\n";
}

void PrintList(const CatalogueForm& page, std::ostream& out) {
    out << page.name() << "\n";
    auto* calc = dynamic_cast<const CalculatorForm*>(&page);
    if (!calc) {
        out << "  (no input fields)\n";
        return;
    }
    out << "fields:\n";
    for (auto& f : calc->fields()) {
        out << "  " << f.box->fullName() << "  \"" << f.label << "\"";
        if (!f.unit.empty()) out << "  unit: " << f.unit;
        if (f.lo < f.hi)
            out << "  range: " << FormatNumber(f.lo, f.format) << " to " << FormatNumber(f.hi, f.format);
        else
            out << "  range: at least " << FormatNumber(f.lo, f.format);
        if (f.wholeNumber) out << "  whole numbers";
        out << "  default: \"" << f.defaultText << "\"\n";
    }
    out << "results:\n";
    for (auto* r : calc->results) out << "  " << r->fullName() << "\n";
}

void PrintReadable(const Json& j, std::ostream& out) {
    out << j["form"].get<std::string>() << "\n";
    for (auto& m : j["messages"])
        out << "message after " << m["after"].get<std::string>() << ": [" << m["title"].get<std::string>()
            << "] " << m["text"].get<std::string>() << "\n";
    if (j.contains("validationCancelled"))
        for (auto& s : j["validationCancelled"])
            out << "validation cancelled: " << s.get<std::string>() << "\n";
    out << "lastComputeFailed: " << (j["lastComputeFailed"].get<bool>() ? "true" : "false") << "\n";
    if (j.contains("report")) {
        const Json& r = j["report"];
        if (r["printed"].get<bool>()) out << "report: printed to " << r["file"].get<std::string>() << "\n";
        else if (r.contains("error")) out << "report: not printed: " << r["error"].get<std::string>() << "\n";
        else out << "report: not printed\n";
    }
    for (auto& [name, value] : j["controls"].items())
        out << name << ": " << (value.is_string() ? value.get<std::string>() : value.dump()) << "\n";
    for (auto& [name, w] : j["windows"].items()) {
        out << "window " << name << "\n";
        for (auto& [cname, value] : w["controls"].items())
            out << "  " << cname << ": " << (value.is_string() ? value.get<std::string>() : value.dump())
                << "\n";
    }
}

constexpr const char* kUsage =
    "usage: vadocalc-cli [--json] [--open FILE.vado] FORM STEP... [--print FILE.pdf [--info NAME=VALUE]...]\n"
    "                    [--save FILE.vado]\n"
    "       vadocalc-cli --list [--markdown] FORM\n"
    "steps: NAME=TEXT  NAME=INDEX  grid(r,c)=TEXT  --click NAME  --window NAME\n"
    "info:  txtOwnerName  cboCounty  txtState  txtDesigner  txtSite\n";

bool IsInfoField(const std::string& name) {
    for (const char* f : report::kInfoFields)
        if (name == f) return true;
    return false;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const CliEnvironment& env) {
    try {
        bool json = false, list = false, markdown = false;
        std::optional<std::string> openFile;
        size_t i = 0;
        for (; i < args.size(); ++i) {
            if (args[i] == "--json") json = true;
            else if (args[i] == "--list") list = true;
            else if (args[i] == "--markdown") markdown = true;
            else if (args[i] == "--open" && i + 1 < args.size()) openFile = args[++i];
            else break;
        }
        if (i >= args.size()) {
            err << kUsage;
            return 2;
        }
        Session session(env.appFolder);
        session.module().SubMain();
        CatalogueForm* page = session.module().formNamed(args[i]);
        if (!page) throw UsageError("unknown form '" + args[i] + "'");
        if (list) {
            if (markdown)
                PrintMarkdownList(*page, out);
            else
                PrintList(*page, out);
            return 0;
        }
        if (openFile) {
            std::string text, why;
            if (!project::ReadText(*openFile, text, why)) {
                err << "vadocalc-cli: " << why << "\n";
                return 1;
            }
            const project::Loaded loaded = project::Load(session.module(), text);
            if (!loaded.ok) {
                err << "vadocalc-cli: " << *openFile << ": " << loaded.error << "\n";
                return 1;
            }
            if (!loaded.skipped.empty()) {
                session.services().context = "--open";
                session.services().MsgBox(project::SkippedNotice(loaded.skipped), "Vadocalc",
                                          ui::MsgIcon::Information);
            }
        }
        session.open(*page);
        std::optional<std::string> printFile, saveFile;
        std::vector<std::pair<std::string, std::string>> info;
        for (++i; i < args.size(); ++i) {
            const std::string& a = args[i];
            if (a == "--print") {
                if (++i >= args.size() || args[i].empty()) throw UsageError("--print needs a file name");
                if (printFile) throw UsageError("--print is given twice");
                printFile = args[i];
            } else if (a == "--info") {
                if (++i >= args.size()) throw UsageError("--info needs NAME=VALUE");
                auto eq = args[i].find('=');
                std::string name = args[i].substr(0, eq);
                if (eq == std::string::npos || !IsInfoField(name))
                    throw UsageError("malformed --info '" + args[i] +
                                     "' (expected txtOwnerName, cboCounty, txtState, "
                                     "txtDesigner or txtSite=VALUE)");
                info.emplace_back(name, args[i].substr(eq + 1));
            } else if (a == "--save") {
                if (++i >= args.size() || args[i].empty()) throw UsageError("--save needs a file name");
                saveFile = args[i];
            } else if (a == "--window") {
                if (++i >= args.size()) throw UsageError("--window needs a window name");
                session.chooseWindow(args[i]);
            } else if (a == "--click") {
                if (++i >= args.size()) throw UsageError("--click needs a button name");
                session.click(args[i]);
            } else if (a == "--json") {
                json = true;
            } else if (a.rfind("--", 0) == 0) {
                throw UsageError("unknown option '" + a + "'");
            } else if (a.find('=') == std::string::npos || a.front() == '=') {
                throw UsageError("malformed step '" + a + "' (expected NAME=VALUE)");
            } else {
                session.assign(a);
            }
        }
        if (!info.empty() && !printFile) throw UsageError("--info needs --print");
        if (printFile) {
            if (!env.pdfPrinter) throw UsageError("this build cannot print");
            const std::string file = *printFile;
            session.print(file, info, [&env, file] { return env.pdfPrinter(file); });
        }
        std::string saveError;
        if (saveFile) {
            if (!project::WriteTextAtomically(*saveFile, project::Save(session.module()), saveError))
                saveError = saveError.empty() ? "the project was not saved" : saveError;
        }
        Json j = session.result();
        if (json) out << j.dump(1) << "\n";
        else PrintReadable(j, out);
        if (!saveError.empty()) {
            err << "vadocalc-cli: " << saveError << "\n";
            return 1;
        }
        if (std::string why = session.printError(); !why.empty()) {
            err << "vadocalc-cli: the report was not written: " << why << "\n";
            return 1;
        }
        return 0;
    } catch (const UsageError& e) {
        err << "vadocalc-cli: " << e.what() << "\n";
        return 2;
    }
}

}  // namespace vado
