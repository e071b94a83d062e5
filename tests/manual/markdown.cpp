#include "markdown.h"

#include <cctype>
#include <regex>
#include <sstream>

namespace manual {

namespace {

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool IsFence(const std::string& line) { return Trim(line).rfind("```", 0) == 0; }

bool IsSeparator(const std::string& line) {
    const std::string t = Trim(line);
    return t.size() > 2 && t[0] == '|' && t.find_first_not_of("|-: ") == std::string::npos;
}

bool IsRow(const std::string& line) { return Trim(line).rfind("|", 0) == 0; }

// Lines blanked inside fenced code and comments, so nothing there counts as a link or a name.
std::vector<std::string> ReadableLines(const std::string& text) {
    std::vector<std::string> lines = Lines(text);
    bool fenced = false;
    for (auto& line : lines) {
        if (IsFence(line)) {
            fenced = !fenced;
            line.clear();
        } else if (fenced) {
            line.clear();
        }
    }
    return lines;
}

std::string StripComments(std::string text) {
    for (size_t at = text.find("<!--"); at != std::string::npos; at = text.find("<!--", at)) {
        const size_t end = text.find("-->", at);
        text.erase(at, end == std::string::npos ? std::string::npos : end + 3 - at);
    }
    return text;
}

// A table starting at line i (a row followed by a separator), or nothing.
bool ReadTable(const std::vector<std::string>& lines, size_t& i, Table& table) {
    if (i + 1 >= lines.size() || !IsRow(lines[i]) || !IsSeparator(lines[i + 1])) return false;
    table = Table{static_cast<int>(i) + 1, SplitRow(lines[i]), {}};
    for (i += 2; i < lines.size() && IsRow(lines[i]); ++i) table.rows.push_back(SplitRow(lines[i]));
    return true;
}

}  // namespace

std::vector<std::string> SplitRow(const std::string& line) {
    std::string t = Trim(line);
    if (!t.empty() && t.front() == '|') t.erase(0, 1);
    if (!t.empty() && t.back() == '|' && (t.size() < 2 || t[t.size() - 2] != '\\')) t.pop_back();
    std::vector<std::string> cells;
    std::string cell;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\\' && i + 1 < t.size() && t[i + 1] == '|') {
            cell += '|';
            ++i;
        } else if (t[i] == '|') {
            cells.push_back(Trim(cell));
            cell.clear();
        } else {
            cell += t[i];
        }
    }
    cells.push_back(Trim(cell));
    return cells;
}

std::vector<Table> Tables(const std::string& text) {
    std::vector<Table> tables;
    const std::vector<std::string> lines = ReadableLines(text);
    for (size_t i = 0; i < lines.size();) {
        Table table;
        if (ReadTable(lines, i, table))
            tables.push_back(std::move(table));
        else
            ++i;
    }
    return tables;
}

std::string Slug(const std::string& heading) {
    std::string slug;
    for (unsigned char c : Trim(heading)) {
        if (std::isalnum(c) || c == '-' || c == '_' || c >= 0x80)
            slug += static_cast<char>(std::tolower(c));
        else if (c == ' ')
            slug += '-';
    }
    return slug;
}

std::vector<std::string> Anchors(const std::string& text) {
    std::vector<std::string> anchors;
    static const std::regex heading(R"(^#{1,6}\s+(.*?)\s*#*\s*$)");
    static const std::regex named(R"re((?:name|id)="([^"]+)")re");
    for (const std::string& line : ReadableLines(StripComments(text))) {
        std::smatch m;
        if (std::regex_match(line, m, heading)) {
            // A heading's anchor is made from its text, tags left out.
            anchors.push_back(Slug(std::regex_replace(m[1].str(), std::regex("<[^>]*>"), "")));
        }
        for (std::sregex_iterator it(line.begin(), line.end(), named), end; it != end; ++it)
            anchors.push_back((*it)[1].str());
    }
    return anchors;
}

std::vector<Link> Links(const std::string& text) {
    std::vector<Link> links;
    static const std::regex markdown(R"((!?)\[[^\]]*\]\(([^)\s]+)(?:\s+"[^"]*")?\))");
    static const std::regex html(R"re(<(a|img)\s[^>]*(?:href|src)="([^"]+)")re");
    const std::vector<std::string> lines = ReadableLines(StripComments(text));
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        for (std::sregex_iterator it(line.begin(), line.end(), markdown), end; it != end; ++it)
            links.push_back({static_cast<int>(i) + 1, (*it)[2].str(), (*it)[1].str() == "!"});
        for (std::sregex_iterator it(line.begin(), line.end(), html), end; it != end; ++it)
            links.push_back({static_cast<int>(i) + 1, (*it)[2].str(), (*it)[1].str() == "img"});
    }
    return links;
}

std::string VisibleText(const std::string& text) {
    std::string out;
    for (const std::string& line : ReadableLines(StripComments(text))) {
        std::string l = std::regex_replace(line, std::regex(R"(\]\([^)]*\))"), "]");
        l = std::regex_replace(l, std::regex(R"(<[^>]*>)"), " ");
        out += l + "\n";
    }
    return out;
}

std::vector<Example> Examples(const std::string& text, std::string& error) {
    std::vector<Example> examples;
    const std::vector<std::string> lines = Lines(text);
    static const std::regex press(R"((?:^|[^A-Za-z])[Pp]ress \*\*([^*]+)\*\*)");
    static const std::regex message(R"(^>\s*\*\*([^*]+)\*\*:\s*(.*?)\s*$)");
    Example* current = nullptr;
    for (size_t i = 0; i < lines.size();) {
        const std::string line = Trim(lines[i]);
        const int number = static_cast<int>(i) + 1;
        if (line == "<!-- example -->") {
            if (current) {
                error = "line " + std::to_string(number) + ": an example starts inside another";
                return {};
            }
            examples.push_back({number, {}});
            current = &examples.back();
            ++i;
            continue;
        }
        if (line == "<!-- end example -->") {
            if (i > 0 && IsRow(lines[i - 1])) {
                // Markdown takes a line right under a table for one of its rows.
                error = "line " + std::to_string(number) +
                        ": leave a blank line between a table and the example's end";
                return {};
            }
            if (!current) {
                error = "line " + std::to_string(number) + ": an example ends that never began";
                return {};
            }
            current = nullptr;
            ++i;
            continue;
        }
        if (!current) {
            ++i;
            continue;
        }
        Table table;
        if (ReadTable(lines, i, table)) {
            Step step{Step::Kind::Table, table.line, table, "", "", ""};
            if (!table.header.empty() && table.header[0] == "Input") step.kind = Step::Kind::Inputs;
            if (!table.header.empty() && table.header[0] == "Result")
                step.kind = Step::Kind::Results;
            current->steps.push_back(std::move(step));
            continue;
        }
        std::smatch m;
        if (std::regex_match(line, m, message)) {
            current->steps.push_back({Step::Kind::Message, number, {}, "", m[1].str(), m[2].str()});
        } else {
            for (std::sregex_iterator it(line.begin(), line.end(), press), end; it != end; ++it)
                current->steps.push_back({Step::Kind::Press, number, {}, (*it)[1].str(), "", ""});
        }
        ++i;
    }
    if (current) error = "the example of line " + std::to_string(current->line) + " never ends";
    return examples;
}

}  // namespace manual
