#include "calc/drainage/drainage_sketches.h"

#include "shared/sketch.h"

namespace vado {

namespace {

SketchScale Scale(double width, double height) { return {width / 200, height / 100}; }

void Label(ui::Surface& s, const SketchScale& k, long x, long y, const char* text) {
    ScaledMoveTo(s, k, x, y);
    s.PrintInline(text);
}

}  // namespace

void PaintSurfaceInlet(ui::Surface& s, double width, double height) {
    if (width <= 0 || height <= 0) return;
    const SketchScale k = Scale(width, height);
    ScaledLine(s, k, 5, 20, 195, 20);     // ground
    ScaledLine(s, k, 90, 10, 90, 70);     // riser
    ScaledLine(s, k, 110, 10, 110, 70);
    ScaledLine(s, k, 90, 55, 110, 55);    // orifice plate
    s.Circle(100 * k.x, 55 * k.y, 3 * k.x);
    ScaledLine(s, k, 20, 70, 180, 70);    // the main
    ScaledLine(s, k, 20, 85, 180, 85);
    ScaledLine(s, k, 60, 14, 88, 14);     // ponded water
    Label(s, k, 20, 8, "water level");
    Label(s, k, 115, 50, "orifice");
    Label(s, k, 20, 88, "subsurface main");
}

void PaintSump(ui::Surface& s, double width, double height) {
    if (width <= 0 || height <= 0) return;
    const SketchScale k = Scale(width, height);
    ScaledLine(s, k, 60, 10, 60, 90);    // sump walls and floor
    ScaledLine(s, k, 140, 10, 140, 90);
    ScaledLine(s, k, 60, 90, 140, 90);
    ScaledLine(s, k, 10, 30, 60, 30);    // drain inlet
    ScaledLine(s, k, 60, 45, 140, 45);   // start level
    ScaledLine(s, k, 60, 70, 140, 70);   // stop level
    ScaledLine(s, k, 120, 80, 120, 5);   // discharge pipe up to the outlet
    ScaledLine(s, k, 120, 5, 190, 5);
    Label(s, k, 145, 41, "start level");
    Label(s, k, 145, 66, "stop level");
    Label(s, k, 10, 22, "inlet");
    Label(s, k, 160, 8, "outlet");
}

}  // namespace vado
