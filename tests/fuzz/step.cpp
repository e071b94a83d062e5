#include "step.h"

#include <array>
#include <cstdio>
#include <sstream>

namespace vado::fuzz {

namespace {

using Verb = Step::Verb;

// The words of the verbs, and which operands each takes after the verb.
struct Shape {
    Verb verb;
    const char* word;
    bool form, control;
    int numbers;  // a, b, c, d in order
    bool text, seed;
};

constexpr std::array<Shape, kVerbs> kShapes = {{
    {Verb::Tab, "tab", false, false, 1, false, false},
    {Verb::Type, "type", true, true, 0, true, false},
    {Verb::Keys, "keys", true, true, 0, true, false},
    {Verb::Choose, "choose", true, true, 1, false, false},
    {Verb::Cell, "cell", true, true, 2, true, false},
    {Verb::Move, "move", true, true, 2, false, false},
    {Verb::GridKey, "gridkey", true, true, 2, false, false},
    {Verb::Copy, "copy", true, true, 4, false, false},
    {Verb::DblClick, "dblclick", true, true, 1, false, false},
    {Verb::Click, "click", true, true, 0, false, false},
    {Verb::Print, "print", true, true, 0, false, false},
    {Verb::Example, "example", true, false, 1, false, false},
    {Verb::Reopen, "reopen", false, false, 0, false, false},
    {Verb::Open, "open", false, false, 0, false, false},
    {Verb::New, "new", false, false, 0, false, false},
    {Verb::Mutate, "mutate", false, false, 1, false, true},
}};

const Shape& ShapeOf(Verb v) {
    for (const auto& s : kShapes)
        if (s.verb == v) return s;
    return kShapes[0];
}

int* Number(Step& s, int i) {
    int* n[] = {&s.a, &s.b, &s.c, &s.d};
    return n[i];
}

// The next blank-separated word from `pos`.
std::string Word(const std::string& line, size_t& pos) {
    while (pos < line.size() && line[pos] == ' ') ++pos;
    const size_t start = pos;
    while (pos < line.size() && line[pos] != ' ') ++pos;
    return line.substr(start, pos - start);
}

}  // namespace

const char* VerbWord(Step::Verb verb) { return ShapeOf(verb).word; }

std::string Escaped(const std::string& text, char quote) {
    std::string q;
    for (unsigned char ch : text) {
        switch (ch) {
            case '\t': q += "\\t"; break;
            case '\n': q += "\\n"; break;
            case '\r': q += "\\r"; break;
            default:
                if (ch == static_cast<unsigned char>(quote) || ch == '\\') {
                    q += '\\';
                    q += static_cast<char>(ch);
                } else if (ch < 0x20 || ch > 0x7E) {
                    char hex[5];
                    std::snprintf(hex, sizeof hex, "\\x%02X", ch);
                    q += hex;
                } else {
                    q += static_cast<char>(ch);
                }
        }
    }
    return q;
}

std::string Quote(const std::string& text) { return "\"" + Escaped(text, '"') + "\""; }

std::optional<std::string> Unquote(const std::string& line, size_t& pos) {
    while (pos < line.size() && line[pos] == ' ') ++pos;
    if (pos >= line.size() || line[pos] != '"') return std::nullopt;
    std::string text;
    for (++pos; pos < line.size(); ++pos) {
        char ch = line[pos];
        if (ch == '"') {
            ++pos;
            return text;
        }
        if (ch != '\\') {
            text += ch;
            continue;
        }
        if (++pos >= line.size()) return std::nullopt;
        switch (line[pos]) {
            case 't': text += '\t'; break;
            case 'n': text += '\n'; break;
            case 'r': text += '\r'; break;
            case 'x': {
                if (pos + 2 >= line.size()) return std::nullopt;
                unsigned value = 0;
                if (std::sscanf(line.substr(pos + 1, 2).c_str(), "%2X", &value) != 1) return std::nullopt;
                text += static_cast<char>(value);
                pos += 2;
                break;
            }
            default: text += line[pos];
        }
    }
    return std::nullopt;
}

std::string ToLine(const Step& step) {
    const Shape& shape = ShapeOf(step.verb);
    std::ostringstream line;
    line << shape.word;
    if (shape.form) line << ' ' << step.form;
    if (shape.control) line << ' ' << step.control;
    Step copy = step;
    for (int i = 0; i < shape.numbers; ++i) line << ' ' << *Number(copy, i);
    if (shape.seed) line << ' ' << step.seed;
    if (shape.text) line << ' ' << Quote(step.text);
    return line.str();
}

std::optional<Step> FromLine(const std::string& line, std::string& error) {
    size_t pos = 0;
    const std::string word = Word(line, pos);
    const Shape* shape = nullptr;
    for (const auto& s : kShapes)
        if (word == s.word) shape = &s;
    if (!shape) return (error = "unknown step '" + word + "'", std::nullopt);
    Step step{.verb = shape->verb};
    if (shape->form && (step.form = Word(line, pos)).empty()) return (error = "no form in: " + line, std::nullopt);
    if (shape->control && (step.control = Word(line, pos)).empty())
        return (error = "no control in: " + line, std::nullopt);
    try {
        for (int i = 0; i < shape->numbers; ++i) *Number(step, i) = std::stoi(Word(line, pos));
        if (shape->seed) step.seed = std::stoull(Word(line, pos));
    } catch (const std::exception&) {
        return (error = "a number is missing in: " + line, std::nullopt);
    }
    if (shape->text) {
        auto text = Unquote(line, pos);
        if (!text) return (error = "no quoted text in: " + line, std::nullopt);
        step.text = *text;
    }
    if (!Word(line, pos).empty()) return (error = "more than the step takes in: " + line, std::nullopt);
    return step;
}

std::string ToText(const std::vector<Step>& steps) {
    std::string text;
    for (const auto& s : steps) text += ToLine(s) + "\n";
    return text;
}

}  // namespace vado::fuzz
