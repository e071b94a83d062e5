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
};

struct PageLayout {
    std::vector<LayoutSection> sections;
};

}  // namespace ui
