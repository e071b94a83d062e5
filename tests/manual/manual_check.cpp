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
#include <iostream>
#include <map>
#include <regex>
#include <sstream>

#include "app/catalogue.h"
#include "app/cli/cli.h"
#include "manual.h"

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A command line's words, as a shell splits them: blanks apart, double quotes kept together.
std::vector<std::string> ShellWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, any = false;
    for (char c : line) {
        if (c == ' ' && !quoted) {
            if (any) words.push_back(word);
            word.clear();
            any = false;
        } else {
            quoted = quoted != (c == '"');
            if (c != '"') word += c;
            any = true;
        }
    }
    if (any) words.push_back(word);
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
        for (const auto& link : manual::Links(text)) {
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
                const auto anchors = manual::Anchors(file.empty() ? text : pages[file]);
                if (std::find(anchors.begin(), anchors.end(), anchor) == anchors.end()) why = "names no heading of its page";
            }
            if (!why.empty()) ++broken, problem(page, link.line, link.target + " " + why);
        }
    }

    void checkNames(const std::string& page, const std::string& text, const std::set<std::string>& internal) {
        static const std::regex word(R"([A-Za-z_][A-Za-z0-9_]*(?:\(\d+\))?)");
        EachLine(manual::VisibleText(text), [&](int number, const std::string& line) {
            for (std::sregex_iterator it(line.begin(), line.end(), word), end; it != end; ++it)
                if (internal.count(it->str())) ++names, problem(page, number, "names the control " + it->str());
        });
    }

    // The tables of inputs name what the page shows; the worked examples run.
    void runExamples(const std::string& page, const std::string& form, const std::string& text) {
        for (const auto& table : manual::Tables(text))
            if (table.header.size() >= 3 && table.header[0] == "Input")
                for (const auto& why : manual::UnknownInputs(form, table)) problem(page, 0, why);
        std::string error;
        const auto examples = manual::Examples(text, error);
        if (!error.empty()) problem(page, 0, error);
        for (const auto& example : examples) {
            ++this->examples;
            const auto run = manual::RunExample(form, example);
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
                if ((known = manual::ControlNamesOf(form)).empty()) problem(page, number, "no page " + form);
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

    const auto names = manual::ControlNames();
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
