#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace ui {

// How a window is arranged, told to the view without pixel positions: sections, each a grid of
// rows whose cells name controls. Names sharing a cell occupy the same place (only the visible
// one shows).
struct LayoutCell {
    std::vector<std::string> controls;
    int span = 1;
    // Shown in the place, dimmed, while the control's text is empty: the caption of a result
    // that writes its own caption only with its value ("Capacity:" before "Capacity: 35.8 cfs").
    std::string hint = {};
};

using LayoutRow = std::vector<LayoutCell>;

// What a section is for. A catalogue page is laid out by roles: the title across the top, the
// inputs in the left column, pictures and results in the right one, the commands across the
// bottom; one column when the window is too narrow for two. Dialogs and result windows use
// Plain sections, stacked as declared.
enum class Role {
    Plain,
    Title,     // the heading, and any line under it
    Inputs,    // caption | field | unit rows (the unit comes from the field)
    Picture,   // a sketch or a formula, with the name a screen reader gives it
    Results,   // caption | value rows in a group titled "Results"
    Commands,  // one row of buttons; the first is the page's default
};

// Where a section of a catalogue page stands; Across is under both columns (a wide table).
enum class Column { ByRole, Left, Right, Across };

struct LayoutSection {
    std::string frame = {};  // a Frame control that boxes the section, or ""
    std::vector<LayoutRow> rows = {};
    bool centered = false;
    // The section grows with the window (a result window's table and graph); its cells fill
    // their places, widened in proportion to their spans.
    bool stretch = false;
    Role role = Role::Plain;
    Column column = Column::ByRole;
    // The section is shown only while this control is visible (a figure's picture and results
    // beside its frame of inputs).
    std::string showWith = {};
    // The accessible name and description of the section's controls (a picture, a table).
    std::string name = {};
    std::string description = {};
};

struct PageLayout {
    std::vector<LayoutSection> sections;
};

// Declarations that read as the page does.
namespace page {

inline LayoutRow Row(std::initializer_list<std::string> controls) {
    LayoutRow row;
    for (const auto& c : controls) row.push_back({{c}});
    return row;
}

inline LayoutSection Title(std::vector<std::string> lines) {
    LayoutSection s{.role = Role::Title};
    for (auto& l : lines) s.rows.push_back({{{l}}});
    return s;
}

// Rows of caption | field; a row of one control (a check box, a helper button) spans both.
inline LayoutSection Inputs(std::vector<LayoutRow> rows, std::string frame = "") {
    return {.frame = std::move(frame), .rows = std::move(rows), .role = Role::Inputs};
}

inline LayoutSection Picture(std::string control, std::string name, std::string description = "") {
    return {.rows = {{{{std::move(control)}}}},
            .role = Role::Picture,
            .name = std::move(name),
            .description = std::move(description)};
}

// A result that writes its own caption ("Q = 19.48 cfs"), shown as `hint` while empty.
inline LayoutRow Result(std::string control, std::string hint) {
    return {{{std::move(control)}, 2, std::move(hint)}};
}

inline LayoutSection Results(std::vector<LayoutRow> rows) {
    return {.rows = std::move(rows), .role = Role::Results};
}

inline LayoutSection Commands(std::vector<std::string> buttons) {
    LayoutSection s{.role = Role::Commands};
    s.rows.emplace_back();
    for (auto& b : buttons) s.rows.back().push_back({{b}});
    return s;
}

}  // namespace page

}  // namespace ui
