#include "calc/riser/riser_sketches.h"

#include "shared/sketch.h"

namespace vado {

namespace {

SketchScale Scale(double width, double height) { return {width / 100, height / 100}; }

void Label(ui::Surface& s, const SketchScale& k, long x, long y, const char* text) {
    ScaledMoveTo(s, k, x, y);
    s.PrintInline(text);
}

}  // namespace

void PaintRiserPlan(ui::Surface& s, double width, double height) {
    if (width <= 0 || height <= 0) return;
    const SketchScale k = Scale(width, height);
    ScaledLine(s, k, 25, 25, 75, 25);
    ScaledLine(s, k, 75, 25, 75, 65);
    ScaledLine(s, k, 75, 65, 25, 65);
    ScaledLine(s, k, 25, 65, 25, 25);
    // Length along the bottom, width up the side.
    ScaledLine(s, k, 25, 78, 75, 78);
    DrawArrowhead(s, k, 25, 78, 3);
    DrawArrowhead(s, k, 75, 78, 1);
    Label(s, k, 46, 81, "L");
    ScaledLine(s, k, 85, 25, 85, 65);
    DrawArrowhead(s, k, 85, 25, 0);
    DrawArrowhead(s, k, 85, 65, 2);
    Label(s, k, 88, 42, "W");
    Label(s, k, 35, 5, "Plan View");
}

void PaintRiserSection(ui::Surface& s, double width, double height) {
    if (width <= 0 || height <= 0) return;
    const SketchScale k = Scale(width, height);
    ScaledLine(s, k, 20, 20, 20, 80);  // riser walls
    ScaledLine(s, k, 35, 20, 35, 70);
    ScaledLine(s, k, 5, 12, 20, 12);   // pool over the rim
    ScaledLine(s, k, 35, 70, 95, 85);  // barrel to the outlet
    ScaledLine(s, k, 35, 80, 95, 95);
    ScaledLine(s, k, 20, 80, 35, 80);
    Label(s, k, 2, 2, "Max Pool");
    Label(s, k, 38, 16, "Weir");
    Label(s, k, 40, 60, "Inlet");
    Label(s, k, 80, 74, "Outlet");
}

void PaintWaterControl(ui::Surface& s, double width, double height) {
    if (width <= 0 || height <= 0) return;
    const SketchScale k = Scale(width, height);
    ScaledLine(s, k, 2, 30, 35, 30);   // pool
    ScaledLine(s, k, 5, 60, 40, 60);   // inlet pipe
    ScaledLine(s, k, 5, 70, 40, 70);
    ScaledLine(s, k, 40, 20, 40, 90);  // the box
    ScaledLine(s, k, 70, 20, 70, 90);
    ScaledLine(s, k, 40, 90, 70, 90);
    ScaledLine(s, k, 55, 40, 55, 90);  // stop logs
    ScaledLine(s, k, 70, 72, 98, 76);  // outlet pipe
    ScaledLine(s, k, 70, 82, 98, 86);
    Label(s, k, 2, 20, "Max Pool");
    Label(s, k, 45, 32, "Weir");
    Label(s, k, 5, 74, "Inlet");
    Label(s, k, 78, 88, "Outlet");
}

}  // namespace vado
