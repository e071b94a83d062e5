#include "manual.h"

#include <regex>
#include <sstream>

namespace manual {

namespace {

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool IsRow(const std::string& line) { return Trim(line).rfind('|', 0) == 0; }

// The lines of a text; with `readable`, comments dropped and fenced code blanked, so nothing there
// counts as a link, a heading or a name.
std::vector<std::string> Lines(std::string text, bool readable) {
    for (size_t at = text.find("<!--"); readable && at != std::string::npos; at = text.find("<!--", at))
        text.erase(at, text.find("-->", at) == std::string::npos ? std::string::npos : text.find("-->", at) + 3 - at);
    std::vector<std::string> lines;
    std::istringstream in(text);
    bool fenced = false;
    for (std::string line; std::getline(in, line);) {
        const bool fence = readable && Trim(line).rfind("```", 0) == 0;
        fenced = fenced != fence;
        lines.push_back(fence || (readable && fenced) ? "" : line);
    }
    return lines;
}

// The cells of a table row, trimmed, with "\|" read as "|".
std::vector<std::string> SplitRow(const std::string& line) {
    std::string t = Trim(line);
    if (!t.empty() && t.front() == '|') t.erase(0, 1);
    if (!t.empty() && t.back() == '|' && (t.size() < 2 || t[t.size() - 2] != '\\')) t.pop_back();
    std::vector<std::string> cells(1);
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\\' && i + 1 < t.size() && t[i + 1] == '|') cells.back() += t[++i];
        else if (t[i] == '|') cells.emplace_back();
        else cells.back() += t[i];
    }
    for (auto& cell : cells) cell = Trim(cell);
    return cells;
}

// A table starting at line i (a row followed by a separator), or nothing; i is moved past it.
bool ReadTable(const std::vector<std::string>& lines, size_t& i, Table& table) {
    const std::string below = i + 1 < lines.size() ? Trim(lines[i + 1]) : "";
    if (!IsRow(lines[i]) || below.size() <= 2 || below[0] != '|' || below.find_first_not_of("|-: ") != std::string::npos)
        return false;
    table = Table{static_cast<int>(i) + 1, SplitRow(lines[i]), {}};
    for (i += 2; i < lines.size() && IsRow(lines[i]); ++i) table.rows.push_back(SplitRow(lines[i]));
    return true;
}

// Every match of `pattern` in the readable lines: the line and the submatches.
template <class F>
void Matches(const std::string& text, const std::regex& pattern, F found) {
    const auto lines = Lines(text, true);
    for (size_t i = 0; i < lines.size(); ++i)
        for (std::sregex_iterator it(lines[i].begin(), lines[i].end(), pattern), end; it != end; ++it)
            found(static_cast<int>(i) + 1, *it);
}

}  // namespace

std::vector<Table> Tables(const std::string& text) {
    std::vector<Table> tables;
    const auto lines = Lines(text, true);
    for (size_t i = 0; i < lines.size();)
        if (Table table; ReadTable(lines, i, table)) tables.push_back(std::move(table));
        else ++i;
    return tables;
}

std::vector<std::string> Anchors(const std::string& text) {
    std::vector<std::string> anchors;
    static const std::regex heading(R"(^#{1,6}\s+(.*?)\s*#*\s*$)"), named(R"re((?:name|id)="([^"]+)")re");
    Matches(text, named, [&](int, const std::smatch& m) { anchors.push_back(m[1].str()); });
    Matches(text, heading, [&](int, const std::smatch& m) {
        // A heading's anchor is made from its text, tags left out.
        std::string slug;
        for (unsigned char c : std::regex_replace(m[1].str(), std::regex("<[^>]*>"), ""))
            if (std::isalnum(c) || c == '-' || c == '_' || c >= 0x80) slug += static_cast<char>(std::tolower(c));
            else if (c == ' ') slug += '-';
        anchors.push_back(slug);
    });
    return anchors;
}

std::vector<Link> Links(const std::string& text) {
    std::vector<Link> links;
    static const std::regex link(R"re((!?)\[[^\]]*\]\(([^)\s]+)(?:\s+"[^"]*")?\)|<(a|img)\s[^>]*(?:href|src)="([^"]+)")re");
    Matches(text, link, [&](int line, const std::smatch& m) {
        const bool html = m[3].matched;
        links.push_back({line, m[html ? 4 : 2].str(), html ? m[3] == "img" : m[1] == "!"});
    });
    return links;
}

std::string VisibleText(const std::string& text) {
    std::string out;
    for (const std::string& line : Lines(text, true))
        out += std::regex_replace(std::regex_replace(line, std::regex(R"(\]\([^)]*\))"), "]"), std::regex("<[^>]*>"), " ") + "\n";
    return out;
}

std::vector<Example> Examples(const std::string& text, std::string& error) {
    std::vector<Example> examples;
    const auto lines = Lines(text, false);
    static const std::regex press(R"((?:^|[^A-Za-z])[Pp]ress \*\*([^*]+)\*\*)");
    static const std::regex message(R"(^>\s*\*\*([^*]+)\*\*:\s*(.*?)\s*$)");
    bool inside = false;
    for (size_t i = 0; i < lines.size();) {
        const std::string line = Trim(lines[i]), at = "line " + std::to_string(i + 1) + ": ";
        Table table;
        std::smatch m;
        if (line == "<!-- example -->" || line == "<!-- end example -->") {
            const bool begins = line == "<!-- example -->";
            // Markdown takes a line right under a table for one of its rows.
            if (!begins && i > 0 && IsRow(lines[i - 1])) error = at + "leave a blank line between a table and the example's end";
            else if (begins == inside) error = at + (begins ? "an example starts inside another" : "an example ends that never began");
            if (!error.empty()) return {};
            if ((inside = begins)) examples.push_back({static_cast<int>(i) + 1, {}});
        } else if (inside && ReadTable(lines, i, table)) {
            const std::string head = table.header.empty() ? "" : table.header[0];
            const auto kind = head == "Input" ? Step::Kind::Inputs : head == "Result" ? Step::Kind::Results : Step::Kind::Table;
            examples.back().steps.push_back({kind, table.line, table});
            continue;
        } else if (inside && std::regex_match(line, m, message)) {
            examples.back().steps.push_back({Step::Kind::Message, static_cast<int>(i) + 1, {}, "", m[1], m[2]});
        } else if (inside) {
            for (std::sregex_iterator it(line.begin(), line.end(), press), end; it != end; ++it)
                examples.back().steps.push_back({Step::Kind::Press, static_cast<int>(i) + 1, {}, (*it)[1]});
        }
        ++i;
    }
    if (inside) error = "the example of line " + std::to_string(examples.back().line) + " never ends";
    return examples;
}

}  // namespace manual
