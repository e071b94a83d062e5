// Steps as lines of a replay file, and as a vadocalc-cli command line.
#include <cstdio>
#include <sstream>

#include "app/catalogue.h"
#include "fuzz.h"
#include "worked_examples.h"

namespace vado::fuzz {

namespace {

using Verb = Step::Verb;

// The word of each verb, and the operands it takes after it, in order: form, control, numbers (a,
// b, c, d in order), seed, quoted text.
struct Shape {
    const char* word;
    bool form, control;
    int numbers;
    bool seed, text;
};
constexpr std::array<Shape, kVerbs> kShapes = {{{"tab", 0, 0, 1, 0, 0},      {"type", 1, 1, 0, 0, 1},
                                                {"keys", 1, 1, 0, 0, 1},     {"choose", 1, 1, 1, 0, 0},
                                                {"cell", 1, 1, 2, 0, 1},     {"move", 1, 1, 2, 0, 0},
                                                {"gridkey", 1, 1, 2, 0, 0},  {"copy", 1, 1, 4, 0, 0},
                                                {"dblclick", 1, 1, 1, 0, 0}, {"click", 1, 1, 0, 0, 0},
                                                {"print", 1, 1, 0, 0, 0},    {"example", 1, 0, 1, 0, 0},
                                                {"reopen", 0, 0, 0, 0, 0},   {"open", 0, 0, 0, 0, 0},
                                                {"new", 0, 0, 0, 0, 0},      {"mutate", 0, 0, 1, 1, 0}}};

// The next blank-separated word from `pos`.
std::string Word(const std::string& line, size_t& pos) {
    pos = std::min(line.find_first_not_of(' ', pos), line.size());
    const size_t start = pos;
    pos = std::min(line.find(' ', pos), line.size());
    return line.substr(start, pos - start);
}

// Any text in one line of printable ASCII: `quote` and the backslash escaped, \t \n \r, \xHH for
// every other byte.
std::string Escaped(const std::string& text, char quote) {
    std::string q;
    for (unsigned char ch : text) {
        char hex[5];
        if (ch == '\t' || ch == '\n' || ch == '\r') q += ch == '\t' ? "\\t" : ch == '\n' ? "\\n" : "\\r";
        else if (ch == static_cast<unsigned char>(quote) || ch == '\\') q += std::string("\\") + static_cast<char>(ch);
        else if (ch >= 0x20 && ch <= 0x7E) q += static_cast<char>(ch);
        else q += (std::snprintf(hex, sizeof hex, "\\x%02X", ch), hex);
    }
    return q;
}

// A word as the shell reads it back: bare, in single quotes, or in $'...' with escapes.
std::string ShellWord(const std::string& word) {
    bool bare = !word.empty(), printable = true;
    for (unsigned char ch : word) {
        bare = bare && (std::isalnum(ch) || std::string("_=.,/+-:@%").find(static_cast<char>(ch)) != std::string::npos);
        printable = printable && ch >= 0x20 && ch <= 0x7E;
    }
    if (bare) return word;
    if (!printable) return "$'" + Escaped(word, '\'') + "'";  // bash reads \t \n \r \xHH \' \\ back in $'...'
    std::string q = "'";
    for (char ch : word) q += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return q + "'";
}

}  // namespace

const char* VerbWord(Step::Verb verb) { return kShapes[static_cast<size_t>(verb)].word; }

std::optional<std::string> Unquote(const std::string& line, size_t& pos) {
    pos = std::min(line.find_first_not_of(' ', pos), line.size());
    if (pos >= line.size() || line[pos] != '"') return std::nullopt;
    std::string text;
    for (++pos; pos < line.size(); ++pos) {
        const char ch = line[pos];
        if (ch == '"') return ++pos, text;
        if (ch != '\\') {
            text += ch;
        } else if (++pos >= line.size()) {
            return std::nullopt;
        } else if (line[pos] == 'x') {
            unsigned value = 0;
            if (pos + 2 >= line.size() || std::sscanf(line.substr(pos + 1, 2).c_str(), "%2X", &value) != 1)
                return std::nullopt;
            text += static_cast<char>(value);
            pos += 2;
        } else {
            text += line[pos] == 't' ? '\t' : line[pos] == 'n' ? '\n' : line[pos] == 'r' ? '\r' : line[pos];
        }
    }
    return std::nullopt;
}

std::string ToLine(const Step& step) {
    const Shape& shape = kShapes[static_cast<size_t>(step.verb)];
    std::ostringstream line;
    line << shape.word;
    if (shape.form) line << ' ' << step.form;
    if (shape.control) line << ' ' << step.control;
    const int numbers[] = {step.a, step.b, step.c, step.d};
    for (int i = 0; i < shape.numbers; ++i) line << ' ' << numbers[i];
    if (shape.seed) line << ' ' << step.seed;
    if (shape.text) line << " \"" << Escaped(step.text, '"') << '"';
    return line.str();
}

std::optional<Step> FromLine(const std::string& line, std::string& error) {
    size_t pos = 0;
    const std::string word = Word(line, pos);
    Step step;
    const Shape* shape = nullptr;
    for (size_t v = 0; v < kShapes.size(); ++v)
        if (word == kShapes[v].word) shape = &kShapes[v], step.verb = static_cast<Verb>(v);
    auto fail = [&](const std::string& why) { return error = why, std::nullopt; };
    if (!shape) return fail("unknown step '" + word + "'");
    if (shape->form && (step.form = Word(line, pos)).empty()) return fail("no form in: " + line);
    if (shape->control && (step.control = Word(line, pos)).empty()) return fail("no control in: " + line);
    try {
        int* numbers[] = {&step.a, &step.b, &step.c, &step.d};
        for (int i = 0; i < shape->numbers; ++i) *numbers[i] = std::stoi(Word(line, pos));
        if (shape->seed) step.seed = std::stoull(Word(line, pos));
    } catch (const std::exception&) {
        return fail("a number is missing in: " + line);
    }
    if (shape->text) {
        auto text = Unquote(line, pos);
        if (!text) return fail("no quoted text in: " + line);
        step.text = *text;
    }
    if (!Word(line, pos).empty()) return fail("more than the step takes in: " + line);
    return step;
}

std::string ToText(const std::vector<Step>& steps) {
    std::string text;
    for (const auto& s : steps) text += ToLine(s) + "\n";
    return text;
}

std::optional<std::string> CliLine(const std::vector<Step>& steps, const std::string& pdf, const std::string& project) {
    auto among = [](const std::string& form, const std::string& names) { return (" " + names + " ").find(" " + form + " ") != std::string::npos; };
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
        if (s.onProject()) return std::nullopt;
        // The dialogs vadocalc-cli talks to while they are open; a result window is talked to from
        // the first step on it to the end.
        const bool dialog = among(s.form, "frmInfo frmKeHelp frmManningsN");
        if (among(s.form, "frmStageDischarge frmRectRiserResults frmWaterControlResults")) {
            if (window.empty()) args.insert(args.end(), {"--window", window = s.form});
            if (s.form != window) return std::nullopt;
        } else if (!dialog && (s.form != page || !window.empty())) {
            return std::nullopt;
        }
        switch (s.verb) {
            case Verb::Type:
                // The county takes a number as an item of its list.
                if (s.control == "cboCounty" && !s.text.empty() && s.text.find_first_not_of("0123456789") == std::string::npos)
                    return std::nullopt;
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
                if (!last || dialog) return std::nullopt;
                args.insert(args.end(), {"--print", pdf});
                break;
            case Verb::Example:
                if (const auto* example = test::WorkedExampleOf(s.form)) {
                    args.insert(args.end(), example->example.begin(), example->example.end());
                    if (s.a) args.insert(args.end(), example->more.begin(), example->more.end());
                }
                break;
            default:
                return std::nullopt;
        }
    }
    std::ostringstream line;
    line << "vadocalc-cli " << page;
    for (const auto& a : args) line << ' ' << ShellWord(a);
    if (reopen) line << " && vadocalc-cli --open " << ShellWord(project) << ' ' << page << " --click cmdCompute";
    return line.str();
}

}  // namespace vado::fuzz
