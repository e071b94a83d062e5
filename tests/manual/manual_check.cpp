// Checks the manual as the build wrote it: every worked example is run through its page and must
// show what it says, every link and picture resolves inside the manual's folder, no page but the
// scripting page names a control by its internal name, and every calculator has a worked example
// that designs successfully.
//
//     vado_manual_check MANUAL_FOLDER [--gallery-missing NOTE]
//
// NOTE is the file in which the build says why the desktop program made no screenshot gallery;
// while it exists, a page's missing picture (<formName>.png) is reported as waiting for the
// gallery, not as a broken link.
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "app/catalogue.h"
#include "app/cli/cli.h"
#include "manual.h"

namespace fs = std::filesystem;
using namespace manual;

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


// The tables of a page, outside comments and fenced code.
std::vector<Table> Tables(const std::string& text) {
    std::vector<Table> tables;
    const auto lines = Lines(text, true);
    for (size_t i = 0; i < lines.size();)
        if (Table table; ReadTable(lines, i, table)) tables.push_back(std::move(table));
        else ++i;
    return tables;
}

// The anchors a page offers: its headings as Markdown renderers make them (lower case, punctuation
// dropped, blanks as hyphens), and every name="..." or id="...".
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

struct Link {
    int line = 0;
    std::string target;
    bool picture = false;
};
// The links and pictures of a page, Markdown or HTML, outside comments and fenced code.
std::vector<Link> Links(const std::string& text) {
    std::vector<Link> links;
    static const std::regex link(R"re((!?)\[[^\]]*\]\(([^)\s]+)(?:\s+"[^"]*")?\)|<(a|img)\s[^>]*(?:href|src)="([^"]+)")re");
    Matches(text, link, [&](int line, const std::smatch& m) {
        const bool html = m[3].matched;
        links.push_back({line, m[html ? 4 : 2].str(), html ? m[3] == "img" : m[1] == "!"});
    });
    return links;
}

// The text a reader sees: without comments, link targets, HTML tags and fenced code.
std::string VisibleText(const std::string& text) {
    std::string out;
    for (const std::string& line : Lines(text, true))
        out += std::regex_replace(std::regex_replace(line, std::regex(R"(\]\([^)]*\))"), "]"), std::regex("<[^>]*>"), " ") + "\n";
    return out;
}

// The worked examples of a page: each runs from "<!-- example -->" to "<!-- end example -->". Inside
// one, a table headed "Input" gives values to enter, "Press **Caption**" a button to press, a table
// headed "Result" the texts the page then shows (its second column), any other table rows of a
// rating table (entered before the first press, shown after it), and a quoted "> **Title**: text" a
// message box the program shows.
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

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A command line's words, as a shell splits them (the manual quotes whole words only).
std::vector<std::string> ShellWords(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> std::quoted(word);) words.push_back(word);
    return words;
}

// Each line of a text with its number, from 1.
template <class F>
void EachLine(const std::string& text, F f) {
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);) f(++number, line);
}

struct Manual {
    fs::path folder;
    std::map<std::string, std::string> pages;  // file name -> text
    std::vector<std::string> problems;
    int examples = 0, links = 0, broken = 0, names = 0, commands = 0, waiting = 0;
    std::string galleryMissing;          // why the build made no pictures, or ""
    std::map<std::string, int> designs;  // calculator form -> successful examples

    void problem(const std::string& page, int line, const std::string& what) {
        problems.push_back(page + ": " + (line ? "line " + std::to_string(line) + ": " : "") + what);
    }

    void checkLinks(const std::string& page, const std::string& text) {
        for (const auto& link : Links(text)) {
            ++links;
            const auto hash = link.target.find('#');
            const std::string file = link.target.substr(0, hash), anchor = hash == std::string::npos ? "" : link.target.substr(hash + 1);
            std::string why;
            if (link.target.find(':') != std::string::npos) {
                why = "leads out of the manual";
            } else if (file.find("..") != std::string::npos || (!file.empty() && file[0] == '/')) {
                why = "leaves the manual's folder";
            } else if (!file.empty() && !fs::is_regular_file(folder / file)) {
                if (link.picture && file.rfind("frm", 0) == 0 && fs::path(file).extension() == ".png" &&
                    file.find('/') == std::string::npos && !galleryMissing.empty()) {
                    ++waiting;
                    continue;
                }
                why = link.picture ? "has no picture" : "has no page";
            } else if (!anchor.empty()) {
                const auto anchors = Anchors(file.empty() ? text : pages[file]);
                if (std::find(anchors.begin(), anchors.end(), anchor) == anchors.end()) why = "names no heading of its page";
            }
            if (!why.empty()) ++broken, problem(page, link.line, link.target + " " + why);
        }
    }

    void checkNames(const std::string& page, const std::string& text, const std::set<std::string>& internal) {
        static const std::regex word(R"([A-Za-z_][A-Za-z0-9_]*(?:\(\d+\))?)");
        EachLine(VisibleText(text), [&](int number, const std::string& line) {
            for (std::sregex_iterator it(line.begin(), line.end(), word), end; it != end; ++it)
                if (internal.count(it->str())) ++names, problem(page, number, "names the control " + it->str());
        });
    }

    // The tables of inputs name what the page shows; the worked examples run.
    void runExamples(const std::string& page, const std::string& form, const std::string& text) {
        for (const auto& table : Tables(text))
            if (table.header.size() >= 3 && table.header[0] == "Input")
                for (const auto& why : UnknownInputs(form, table)) problem(page, 0, why);
        std::string error;
        const auto examples = Examples(text, error);
        if (!error.empty()) problem(page, 0, error);
        for (const auto& example : examples) {
            ++this->examples;
            const auto run = RunExample(form, example);
            for (const auto& why : run.failures) problem(page, 0, "example of line " + std::to_string(example.line) + ": " + why);
            designs[form] += run.designed;
        }
    }

    // Every command line the scripting page shows runs, and the page it drives computes; the controls
    // it names in the section of a page exist on that page.
    void checkScripting(const std::string& page, const std::string& text) {
        static const std::regex section(R"(^Page: `(frm[A-Za-z]+)`)");
        static const std::regex code(R"(`((?:txt|lbl|cbo|opt|ck|grd|cmd|pic)[A-Za-z0-9_]*(?:\([0-9,]+\))?)[^`]*`)");
        std::vector<std::string> known;
        std::string form;
        EachLine(text, [&](int number, const std::string& line) {
            if (line.rfind("$ vadocalc-cli ", 0) == 0) {
                ++commands;
                std::ostringstream out, err;
                const int rc = vado::RunCli(ShellWords(line.substr(15)), out, err);
                const std::string shown = out.str();
                if (rc != 0 || shown.find("lastComputeFailed: false") == std::string::npos ||
                    shown.find("validation cancelled") != std::string::npos || shown.find("message after") != std::string::npos)
                    problem(page, number, "the command does not compute cleanly (exit " + std::to_string(rc) + ")\n" + shown + err.str());
            }
            std::smatch m;
            if (line.rfind("## ", 0) == 0) form.clear();
            if (std::regex_search(line, m, section)) {
                form = m[1].str();
                if ((known = ControlNamesOf(form)).empty()) problem(page, number, "no page " + form);
            }
            for (std::sregex_iterator it(line.begin(), line.end(), code), end; !form.empty() && it != end; ++it) {
                std::string name = (*it)[1].str();
                // A cell of a table is addressed by the table's name.
                if (name.find(',') != std::string::npos) name = name.substr(0, name.find('('));
                if (std::find(known.begin(), known.end(), name) == known.end()) problem(page, number, form + " has no control " + name);
            }
        });
    }
};

}  // namespace

int main(int argc, char** argv) {
    const bool noted = argc == 4 && std::string(argv[2]) == "--gallery-missing";
    if (argc != 2 && !noted) return std::cerr << "usage: vado_manual_check MANUAL_FOLDER [--gallery-missing NOTE]\n", 2;
    Manual manual;
    manual.folder = argv[1];
    if (noted && fs::exists(argv[3])) {
        manual.galleryMissing = Read(argv[3]);
        while (!manual.galleryMissing.empty() && manual.galleryMissing.back() == '\n') manual.galleryMissing.pop_back();
    }
    if (!fs::is_directory(manual.folder)) return std::cerr << manual.folder << " is no folder\n", 2;
    for (const auto& entry : fs::directory_iterator(manual.folder))
        if (entry.path().extension() == ".md") manual.pages[entry.path().filename().string()] = Read(entry.path());

    const auto names = ControlNames();
    const std::set<std::string> internal(names.begin(), names.end());
    std::set<std::string> calculators;
    for (size_t n = 1; n < vado::kCatalogue.size(); ++n) calculators.insert(std::string(vado::kCatalogue[n].form));

    for (const auto& [page, text] : manual.pages) {
        manual.checkLinks(page, text);
        const std::string stem = fs::path(page).stem().string();
        if (page == "cli.md") {
            manual.checkScripting(page, text);
            continue;
        }
        manual.checkNames(page, text, internal);
        if (calculators.count(stem)) manual.runExamples(page, stem, text);
        else if (text.find("<!-- example -->") != std::string::npos) manual.problem(page, 0, "worked examples belong on a calculator's page");
    }
    int designed = 0;
    for (const auto& form : calculators)
        if (manual.designs[form]) ++designed;
        else manual.problem(form + ".md", 0, "no worked example that designs successfully");

    for (const auto& p : manual.problems) std::cout << p << "\n";
    std::cout << designed << " of " << calculators.size() << " calculators with a successful worked example, "
              << manual.commands << " scripting commands run\n";
    if (manual.waiting)
        std::cout << manual.waiting << " pictures of the pages wait for the screenshot gallery: " << manual.galleryMissing << "\n";
    std::cout << manual.examples << " examples run, " << manual.links << " links, " << manual.broken << " broken, "
              << manual.names << " internal names outside CLI sections\n";
    return manual.problems.empty() ? 0 : 1;
}
