#pragma once

#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/surface.h"

namespace vado::formula {

// Formulas drawn as mathematics on any surface (screen, paper, a recording), written in a small
// notation:
//   x^2, x^{4/3}     exponent (one character, or a group)
//   K_e, K_{p}       subscript
//   \frac{a}{b}      a over b with a fraction bar
//   \sqrt{x}         a radical over x
//   {...}            a group; any other text is drawn as it stands.
// Each string is one line; several lines stack with a little space between them.

struct Extent {
    double width = 0;
    double height = 0;
};

// The room the lines take in the surface's current font, twips.
Extent Measure(ui::Surface& s, const std::vector<std::string>& lines);

// Draws the lines with their top left corner at (x, y), each centred in the widest when
// `centred`, else flush left. The surface's font and print position are left as they were.
void Draw(ui::Surface& s, const std::vector<std::string>& lines, double x, double y,
          bool centred = true);

// The lines as one text to read aloud or copy: "Q = C L H^(3/2)".
std::string Linear(const std::vector<std::string>& lines);

// Makes the picture box draw the lines, centred in it, on the window's own background.
void Show(ui::PictureBox& box, std::vector<std::string> lines, bool centred = true);

}  // namespace vado::formula
