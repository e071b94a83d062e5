#pragma once
// The few parts of the manual's Markdown the check reads: tables, links and pictures, headings and
// their anchors, the text a reader sees, and the worked examples.
#include <string>
#include <vector>

namespace manual {

struct Table {
    int line = 0;  // of the header, from 1
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};
std::vector<Table> Tables(const std::string& text);

// The anchors a page offers: its headings as Markdown renderers make them (lower case, punctuation
// dropped, blanks as hyphens), and every name="..." or id="...".
std::vector<std::string> Anchors(const std::string& text);

struct Link {
    int line = 0;
    std::string target;
    bool picture = false;
};
// The links and pictures of a page, Markdown or HTML, outside comments and fenced code.
std::vector<Link> Links(const std::string& text);

// The text a reader sees: without comments, link targets, HTML tags and fenced code.
std::string VisibleText(const std::string& text);

// One step of a worked example, as the reader is told to make it.
struct Step {
    enum class Kind { Inputs, Press, Results, Table, Message } kind = Kind::Inputs;
    int line = 0;
    Table table;                      // Inputs, Results, Table
    std::string button, title, text;  // Press: the button's caption; Message: the box's title and text
};
struct Example {
    int line = 0;
    std::vector<Step> steps;
};
// The worked examples of a page: each runs from "<!-- example -->" to "<!-- end example -->". Inside
// one, a table headed "Input" gives values to enter, "Press **Caption**" a button to press, a table
// headed "Result" the texts the page then shows (its second column), any other table rows of a
// rating table (entered before the first press, shown after it), and a quoted "> **Title**: text" a
// message box the program shows.
std::vector<Example> Examples(const std::string& text, std::string& error);

}  // namespace manual
