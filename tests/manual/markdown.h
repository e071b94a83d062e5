#pragma once

#include <string>
#include <vector>

// The few parts of the manual's Markdown the checks read: tables, links and pictures, headings
// and their anchors, and the worked examples.
namespace manual {

struct Table {
    int line = 0;  // of the header, from 1
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// The cells of a table row, trimmed, with "\|" read as "|".
std::vector<std::string> SplitRow(const std::string& line);
// Every table of a text, in order.
std::vector<Table> Tables(const std::string& text);

// A heading's anchor as Markdown renderers make it: lower case, punctuation dropped, blanks as
// hyphens ("Design types (1, 2, 3)" gives "design-types-1-2-3").
std::string Slug(const std::string& heading);
// The anchors a page offers: its headings' slugs and every name="..." or id="...".
std::vector<std::string> Anchors(const std::string& text);

struct Link {
    int line = 0;
    std::string target;
    bool picture = false;
};
// The links and pictures of a page, Markdown or HTML, outside fenced code.
std::vector<Link> Links(const std::string& text);

// The text a reader sees: without comments, link targets, HTML attributes and fenced code.
std::string VisibleText(const std::string& text);

// One step of a worked example, as the reader is told to make it.
struct Step {
    enum class Kind { Inputs, Press, Results, Table, Message };
    Kind kind = Kind::Inputs;
    int line = 0;
    Table table;         // Inputs, Results, Table
    std::string button;  // Press: the button's caption
    std::string title;   // Message: the box's title
    std::string text;    // Message: its text
};

struct Example {
    int line = 0;
    std::vector<Step> steps;
};

// The worked examples of a page: each runs from "<!-- example -->" to "<!-- end example -->".
// Inside one, a table headed "Input" gives values to enter, "Press **Caption**" a button to
// press, a table headed "Result" the texts the page then shows (its second column), any other
// table rows of a rating table (entered before the first press, shown after it), and a quoted
// "> **Title**: text" a message box the program shows.
std::vector<Example> Examples(const std::string& text, std::string& error);

}  // namespace manual
