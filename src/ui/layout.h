#pragma once

#include <string>
#include <vector>

namespace ui {

// How a page is arranged, told to the view without pixel positions: a column of sections, each
// a grid of rows whose cells name controls. Names sharing a cell occupy the same place (only the
// visible one shows).
struct LayoutCell {
    std::vector<std::string> controls;
    int span = 1;
};

struct LayoutSection {
    std::string frame;  // a Frame control that boxes the section, or ""
    std::vector<std::vector<LayoutCell>> rows;
    bool centered = false;
    // The section grows with the window (a result window's table and graph); its cells fill
    // their places, widened in proportion to their spans.
    bool stretch = false;
};

struct PageLayout {
    std::vector<LayoutSection> sections;
};

}  // namespace ui
