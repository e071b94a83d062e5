#include "calc/drop/drop_sketches.h"

#include "shared/sketch.h"

namespace vado {

namespace {

// Every sketch is drawn on a 200 x 100 grid.
SketchScale Scale(double width, double height) { return {width / 200, height / 100}; }

void Label(ui::Surface& s, const SketchScale& k, long x, long y, const char* text) {
    ScaledMoveTo(s, k, x, y);
    s.PrintInline(text);
}

// A vertical dimension with arrowheads at both ends and its letter beside it.
void Rise(ui::Surface& s, const SketchScale& k, long x, long top, long bottom, const char* letter) {
    ScaledLine(s, k, x, top, x, bottom);
    DrawArrowhead(s, k, x, top, 0);
    DrawArrowhead(s, k, x, bottom, 2);
    Label(s, k, x + 3, (top + bottom) / 2 - 3, letter);
}

// The headwall over the fall and the floor below, with the water coming over the crest.
void Fall(ui::Surface& s, const SketchScale& k) {
    ScaledLine(s, k, 10, 40, 90, 40);     // channel bottom up to the crest
    ScaledLine(s, k, 90, 25, 90, 85);     // headwall, rising above the crest at the wingwall
    ScaledLine(s, k, 96, 25, 96, 85);
    ScaledLine(s, k, 96, 85, 190, 85);    // floor
    ScaledLine(s, k, 10, 30, 90, 30);     // water surface upstream
    ScaledLine(s, k, 90, 30, 110, 60);    // the nappe falling to the floor
    ScaledLine(s, k, 110, 60, 120, 85);
}

}  // namespace

void PaintStraightDrop(ui::Surface& s, double width, double height) {
    if (width <= 0 || height <= 0) return;
    const SketchScale k = Scale(width, height);
    Fall(s, k);
    Rise(s, k, 60, 30, 40, "h");
    Rise(s, k, 150, 40, 85, "D");
    ScaledLine(s, k, 96, 40, 155, 40);  // crest level carried over the floor
    Label(s, k, 12, 44, "Weir Elev");
    Label(s, k, 120, 88, "Floor Elev");
    Label(s, k, 12, 20, "Top Elev");
}

void PaintBoxInlet(ui::Surface& s, double width, double height) {
    if (width <= 0 || height <= 0) return;
    const SketchScale k = Scale(width, height);
    Fall(s, k);
    Rise(s, k, 60, 30, 40, "h");
    Rise(s, k, 150, 40, 85, "D");
    ScaledLine(s, k, 96, 40, 155, 40);
    // The box in plan above the side view: its crest on three sides, open downstream.
    ScaledLine(s, k, 120, 5, 120, 25);
    ScaledLine(s, k, 120, 5, 170, 5);
    ScaledLine(s, k, 120, 25, 170, 25);
    Label(s, k, 140, 6, "B");
    Label(s, k, 110, 10, "W");
    Label(s, k, 12, 44, "Weir Elev");
    Label(s, k, 120, 88, "Floor Elev");
}

namespace {

// The embankment in section with its top, the water against it and the barrel beneath.
void Embankment(ui::Surface& s, const SketchScale& k) {
    ScaledLine(s, k, 40, 80, 85, 20);    // upstream slope
    ScaledLine(s, k, 85, 20, 115, 20);   // top
    ScaledLine(s, k, 115, 20, 170, 90);  // downstream slope
    ScaledLine(s, k, 5, 45, 65, 45);     // water
    ScaledLine(s, k, 40, 80, 175, 92);   // barrel, falling to the outlet
    ScaledLine(s, k, 40, 86, 175, 98);
    Label(s, k, 88, 12, "Top Elev");
    Label(s, k, 5, 37, "Water Elev");
    Label(s, k, 176, 82, "Outlet");  // beside the barrel's end, inside the picture
}

}  // namespace

void PaintHoodedInlet(ui::Surface& s, double width, double height) {
    if (width <= 0 || height <= 0) return;
    const SketchScale k = Scale(width, height);
    Embankment(s, k);
    ScaledLine(s, k, 30, 74, 42, 78);  // the hood over the inlet
    Label(s, k, 5, 70, "Inlet");
}

void PaintPipeDrop(ui::Surface& s, double width, double height) {
    if (width <= 0 || height <= 0) return;
    const SketchScale k = Scale(width, height);
    Embankment(s, k);
    ScaledLine(s, k, 34, 55, 34, 86);  // the riser, its crest below the water
    ScaledLine(s, k, 40, 55, 40, 80);
    Label(s, k, 5, 55, "Riser");
}

}  // namespace vado
