#include "calc/channel/channel_sketches.h"

#include <cmath>

#include <string>

#include "shared/sketch.h"

namespace vado {

namespace {

// Every sketch is drawn on a 200 x 100 grid.
SketchScale Scale(double width, double height) { return {width / 200, height / 100}; }

// "~" marks along a water surface from x0 to x1 at height y (grid units).
void WaterMarks(ui::Surface& s, const SketchScale& k, long x0, long x1, long y) {
    for (long x = x0 + 6; x + 8 < x1; x += 18) {
        ScaledMoveTo(s, k, x, y + 1);
        s.PrintInline("~");
    }
}

// A dimension line with an arrowhead at each end; vertical or horizontal.
void Dimension(ui::Surface& s, const SketchScale& k, long x1, long y1, long x2, long y2) {
    ScaledLine(s, k, x1, y1, x2, y2);
    bool vertical = x1 == x2;
    DrawArrowhead(s, k, x1, y1, vertical ? 0 : 3);
    DrawArrowhead(s, k, x2, y2, vertical ? 2 : 1);
}

}  // namespace

// A letter or short text centred on a grid point.
void Mark(ui::Surface& s, const SketchScale& k, long x, long y, const std::string& text) {
    s.setCurrentX(x * k.x - s.TextWidth(text) / 2);
    s.setCurrentY(y * k.y - s.TextHeight(text) / 2);
    s.PrintInline(text);
}

void PaintTrapezoid(ui::Surface& s, double width, double height, const std::string& sideSlope) {
    if (width <= 0 || height <= 0) return;
    auto k = Scale(width, height);
    ScaledLine(s, k, 10, 15, 70, 85);   // left side slope
    ScaledLine(s, k, 70, 85, 130, 85);  // bottom
    ScaledLine(s, k, 130, 85, 190, 15); // right side slope
    ScaledLine(s, k, 27, 35, 173, 35);  // water surface
    WaterMarks(s, k, 27, 173, 35);
    // Depth and bottom width.
    Dimension(s, k, 100, 35, 100, 85);
    Dimension(s, k, 70, 93, 130, 93);
    // The side slope's triangle: 1 up, z across, on both banks.
    ScaledLine(s, k, 160, 50, 172, 50);
    ScaledLine(s, k, 172, 50, 172, 36);
    ScaledLine(s, k, 40, 50, 28, 50);
    ScaledLine(s, k, 28, 50, 28, 36);
    const std::string z = sideSlope.empty() ? "z" : sideSlope;
    Mark(s, k, 166, 56, z);
    Mark(s, k, 177, 43, "1");
    Mark(s, k, 34, 56, z);
    Mark(s, k, 23, 43, "1");
    Mark(s, k, 106, 60, "d");
    Mark(s, k, 138, 93, "b");
    Dimension(s, k, 27, 26, 173, 26);
    Mark(s, k, 100, 20, "T");
}

void PaintParabola(ui::Surface& s, double width, double height) {
    if (width <= 0 || height <= 0) return;
    auto k = Scale(width, height);
    // y = 85 - 70 ((x - 100) / 90)^2 from x = 10 to 190, as a polyline.
    long px = 10, py = 15;
    for (long x = 20; x <= 190; x += 10) {
        double u = (x - 100) / 90.0;
        long y = std::lround(85 - 70 * (1 - u * u));
        ScaledLine(s, k, px, py, x, 100 - y);
        px = x;
        py = 100 - y;
    }
    // Water surface at depth d below the top width T.
    ScaledLine(s, k, 30, 33, 170, 33);
    WaterMarks(s, k, 30, 170, 33);
    Dimension(s, k, 100, 33, 100, 85);
    Dimension(s, k, 30, 25, 170, 25);
    Mark(s, k, 106, 60, "d");
    Mark(s, k, 100, 18, "T");
}

void PaintCircle(ui::Surface& s, double width, double height) {
    if (width <= 0 || height <= 0) return;
    auto k = Scale(width, height);
    const double r = 40 * k.y;
    s.Circle(100 * k.x, 50 * k.y, r);
    // The water line a little above the centre, and the depth from the invert.
    ScaledLine(s, k, 64, 40, 136, 40);
    WaterMarks(s, k, 64, 136, 40);
    Dimension(s, k, 150, 40, 150, 90);
    Dimension(s, k, 60, 50, 140, 50);  // the diameter
    Mark(s, k, 100, 56, "D");
    Mark(s, k, 157, 65, "d");
}

}  // namespace vado
