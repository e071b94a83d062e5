#include "cli_line.h"

#include "app/catalogue.h"
#include "worked_examples.h"

namespace vado::fuzz {

namespace {

using Verb = Step::Verb;

bool IsWindow(const std::string& form) {
    return form == "frmStageDischarge" || form == "frmRectRiserResults" || form == "frmWaterControlResults";
}

// The dialogs vadocalc-cli talks to while they are open.
bool IsDialog(const std::string& form) { return form == "frmInfo" || form == "frmKeHelp" || form == "frmManningsN"; }

bool AllDigits(const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

std::string ShellWord(const std::string& word) {
    bool bare = !word.empty(), printable = true;
    for (unsigned char ch : word) {
        if (!std::isalnum(ch) && std::string("_=.,/+-:@%").find(static_cast<char>(ch)) == std::string::npos) bare = false;
        if (ch < 0x20 || ch > 0x7E) printable = false;
    }
    if (bare) return word;
    if (printable) {
        std::string q = "'";
        for (char ch : word) q += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
        return q + "'";
    }
    // Bash reads \t, \n, \r, \xHH, \' and \\ back inside $'...'.
    return "$'" + Escaped(word, '\'') + "'";
}

std::optional<std::string> CliLine(const std::vector<Step>& steps, const std::string& pdf,
                                   const std::string& project) {
    std::string page = "frmVado", window;
    std::vector<std::string> args;
    bool reopen = false;
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        const bool last = i + 1 == steps.size();
        if (s.verb == Verb::Tab) {
            // Only the tab that leads to the page, before anything is done on it.
            if (!args.empty() || s.a < 1 || s.a > kCatalogueSize) return std::nullopt;
            page = std::string(kCatalogue[s.a - 1].form);
            continue;
        }
        if (s.verb == Verb::Reopen && last && window.empty()) {
            args.insert(args.end(), {"--save", project});
            reopen = true;
            continue;
        }
        if (s.verb == Verb::Reopen || s.verb == Verb::Open || s.verb == Verb::New || s.verb == Verb::Mutate)
            return std::nullopt;
        if (IsWindow(s.form)) {
            // A window is talked to from the first step on it to the end.
            if (window.empty()) args.insert(args.end(), {"--window", window = s.form});
            if (s.form != window) return std::nullopt;
        } else if (!IsDialog(s.form) && (s.form != page || !window.empty())) {
            return std::nullopt;
        }
        switch (s.verb) {
            case Verb::Type:
                // The county takes a number as an item of its list.
                if (s.form == "frmInfo" && s.control == "cboCounty" && AllDigits(s.text)) return std::nullopt;
                args.push_back(s.control + "=" + s.text);
                break;
            case Verb::Choose:
                args.push_back(s.control + "=" + std::to_string(s.control == "tabStrip" ? s.a - 1 : s.a));
                break;
            case Verb::Cell:
                args.push_back(s.control + "(" + std::to_string(s.a) + "," + std::to_string(s.b) + ")=" + s.text);
                break;
            case Verb::Click:
                // The dialog's own Print has no printer in a script.
                if (s.form == "frmInfo" && s.control == "cmdPrint") return std::nullopt;
                args.insert(args.end(), {"--click", s.control});
                break;
            case Verb::Print:
                if (!last || IsDialog(s.form)) return std::nullopt;
                args.insert(args.end(), {"--print", pdf});
                break;
            case Verb::Example:
                if (const auto* e = test::WorkedExampleOf(s.form)) {
                    args.insert(args.end(), e->example.begin(), e->example.end());
                    if (s.a) args.insert(args.end(), e->more.begin(), e->more.end());
                }
                break;
            default:
                return std::nullopt;
        }
    }
    std::string line = "vadocalc-cli ";
    line += page;
    for (const auto& a : args) line += " " + ShellWord(a);
    if (reopen) line += " && vadocalc-cli --open " + ShellWord(project) + " " + page + " --click cmdCompute";
    return line;
}

Step FromCliStep(Program& program, const std::string& form, const std::string& cliStep) {
    const auto eq = cliStep.find('=');
    const std::string name = cliStep.substr(0, eq), value = cliStep.substr(eq + 1);
    ui::Form* f = program.module.formNamed(form);
    if (const auto open = name.find('('); f && open != std::string::npos && name.find(',') != std::string::npos) {
        ui::Control* g = f->find(name.substr(0, open));
        if (g && g->kind() == ui::Kind::Grid)
            return {.verb = Verb::Cell, .form = form, .control = g->name(), .text = value,
                    .a = std::stoi(name.substr(open + 1)), .b = std::stoi(name.substr(name.find(',') + 1))};
    }
    ui::Control* c = f ? f->find(name) : nullptr;
    if (c && c->kind() == ui::Kind::TextBox) return {.verb = Verb::Type, .form = form, .control = name, .text = value};
    return {.verb = Verb::Choose, .form = form, .control = name, .a = std::stoi(value)};
}

}  // namespace vado::fuzz
