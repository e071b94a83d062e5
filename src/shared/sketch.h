#pragma once

#include "ui/surface.h"

namespace vado {

// A sketch is designed in its own whole units; the scale maps them to the picture's twips.
struct SketchScale {
    double x = 1;
    double y = 1;
};

void ScaledMoveTo(ui::Surface& s, const SketchScale& k, long x, long y);
// A line between two scaled points; with (x2, y2) = (0, 0), from the print position to
// (x1, y1). The print position ends at the line's end.
void ScaledLine(ui::Surface& s, const SketchScale& k, long x1, long y1, long x2 = 0, long y2 = 0);
// Two 75-twip strokes from the scaled point: direction 0 up, 1 right, 2 down, 3 left.
void DrawArrowhead(ui::Surface& s, const SketchScale& k, long x, long y, short direction);
// The angle in degrees, minutes and seconds at the print position: 35, a degree circle, 15' 51".
void DrawAngleDMS(ui::Surface& s, double radians);

}  // namespace vado
