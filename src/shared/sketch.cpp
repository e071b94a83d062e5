#include "shared/sketch.h"

#include <cmath>
#include <string>

#include "shared/number_format.h"

namespace vado {

void ScaledMoveTo(ui::Surface& s, const SketchScale& k, long x, long y) {
    s.setCurrentX(x * k.x);
    s.setCurrentY(y * k.y);
}

void ScaledLine(ui::Surface& s, const SketchScale& k, long x1, long y1, long x2, long y2) {
    if (x2 == 0 && y2 == 0) {
        s.Line(s.CurrentX(), s.CurrentY(), x1 * k.x, y1 * k.y);
    } else {
        s.Line(x1 * k.x, y1 * k.y, x2 * k.x, y2 * k.y);
    }
}

void DrawArrowhead(ui::Surface& s, const SketchScale& k, long x, long y, short direction) {
    // The two stroke ends relative to the tip, in twips (not scaled).
    static constexpr double kEnds[4][2][2] = {
        {{-75, 75}, {75, 75}},    // up
        {{-75, -75}, {-75, 75}},  // right
        {{-75, -75}, {75, -75}},  // down
        {{75, -75}, {75, 75}},    // left
    };
    if (direction < 0 || direction > 3) return;
    double px = x * k.x, py = y * k.y;
    for (auto& end : kEnds[direction]) s.Line(px, py, px + end[0], py + end[1]);
}

namespace {

short ClampToInt16(double v) {
    short out = 0;
    if (RoundToInt16(v, out)) return out;
    return v < 0 ? -32768 : 32767;
}

}  // namespace

void DrawAngleDMS(ui::Surface& s, double radians) {
    double deg = radians * 180 / 3.14159265358979;
    short d = static_cast<short>(std::trunc(std::fmod(deg, 32768.0)));
    double minutes = (deg - d) * 60;
    long m = static_cast<long>(std::trunc(minutes));
    long sec = static_cast<long>(std::trunc((minutes - m) * 60));

    double x0 = ClampToInt16(s.CurrentX());
    double y0 = ClampToInt16(s.CurrentY());
    const std::string widest = "888    88' 88\"";
    s.Erase(x0, y0, s.TextWidth(widest), s.TextHeight(widest));
    s.setCurrentX(x0);
    s.setCurrentY(y0);
    s.PrintInline(std::to_string(d));
    // The degree sign: a small circle raised to the top of the digits.
    s.Circle(s.CurrentX() + 0.8 * s.TextWidth(" "), s.CurrentY() + 0.25 * s.TextHeight("W"), 20);
    s.setCurrentX(s.CurrentX() + 1.3 * s.TextWidth(" "));
    s.setCurrentY(y0);
    s.Print(std::to_string(m) + "' " + std::to_string(sec) + "\"");
}

}  // namespace vado
