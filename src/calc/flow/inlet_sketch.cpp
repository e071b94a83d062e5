#include "calc/flow/inlet_sketch.h"

#include <cmath>

#include "shared/sketch.h"

namespace vado {

namespace {

// The drawing is laid out on a 200 x 200 grid; the pipe runs from the inlet on the left to the
// right edge, its crown at 110 and invert at 150, the stream bed at 160.
constexpr long kCrown = 110, kInvert = 150, kBed = 160, kWall = 4;

// The fill slope's x at height y, running from (30, 160) up to (110, 40).
long SlopeX(long y) { return 30 + (kBed - y) * 80 / 120; }

void Barrel(ui::Surface& s, const SketchScale& k, long from, bool thin) {
    ScaledLine(s, k, from, kCrown, 200, kCrown);
    ScaledLine(s, k, from, kInvert, 200, kInvert);
    if (!thin) {
        ScaledLine(s, k, from, kCrown + kWall, 200, kCrown + kWall);
        ScaledLine(s, k, from, kInvert - kWall, 200, kInvert - kWall);
    }
}

void Fill(ui::Surface& s, const SketchScale& k) {
    ScaledLine(s, k, 110, 40, 200, 40);  // road
    ScaledLine(s, k, 110, 40, SlopeX(kCrown), kCrown);
    ScaledLine(s, k, SlopeX(kInvert), kInvert, 30, kBed);
}

// A quarter circle of radius r (grid units) from angle a0 to a1 (degrees) about (cx, cy).
void Arc(ui::Surface& s, const SketchScale& k, long cx, long cy, long r, int a0, int a1) {
    const int steps = 8;
    for (int i = 0; i < steps; ++i) {
        double t0 = (a0 + (a1 - a0) * i / double(steps)) * 3.14159265358979 / 180;
        double t1 = (a0 + (a1 - a0) * (i + 1) / double(steps)) * 3.14159265358979 / 180;
        ScaledLine(s, k, cx + std::lround(r * std::cos(t0)), cy - std::lround(r * std::sin(t0)),
                   cx + std::lround(r * std::cos(t1)), cy - std::lround(r * std::sin(t1)));
    }
}

}  // namespace

void PaintInlet(ui::Surface& s, double width, double height, int type) {
    if (width <= 0 || height <= 0 || type < 0 || type > 6) return;
    const SketchScale k{width / 200, height / 200};

    // Headwater with its surface marks, and the stream bed.
    ScaledLine(s, k, 0, kBed, 200, kBed);
    ScaledLine(s, k, 0, 70, 55, 70);
    for (long x = 8; x < 55; x += 16) ScaledLine(s, k, x, 74, x + 6, 74);
    s.setCurrentX(2 * k.x);
    s.setCurrentY(70 * k.y - s.TextHeight("HW"));
    s.PrintInline("HW");

    switch (type) {
        case 0:  // projecting, groove (bell) end
        case 1:  // projecting, square end
        case 2:  // projecting, thin wall
            Fill(s, k);
            Barrel(s, k, 20, type == 2);
            if (type == 0) {
                // The bell: a wider socket over the last stretch of the pipe.
                ScaledLine(s, k, 20, kCrown - 6, 34, kCrown - 6);
                ScaledLine(s, k, 34, kCrown - 6, 34, kCrown);
                ScaledLine(s, k, 20, kInvert + 6, 34, kInvert + 6);
                ScaledLine(s, k, 34, kInvert + 6, 34, kInvert);
                ScaledLine(s, k, 20, kCrown - 6, 20, kCrown + kWall);
                ScaledLine(s, k, 20, kInvert + 6, 20, kInvert - kWall);
            } else if (type == 1) {
                ScaledLine(s, k, 20, kCrown, 20, kCrown + kWall);
                ScaledLine(s, k, 20, kInvert, 20, kInvert - kWall);
            }
            break;
        case 3:  // headwall, groove end
        case 4:  // headwall, rounded entrance
        case 5:  // headwall, square entrance
            ScaledLine(s, k, 55, 60, 65, 60);
            ScaledLine(s, k, 55, 60, 55, kCrown);
            ScaledLine(s, k, 55, kInvert, 55, kBed);
            ScaledLine(s, k, 65, 60, 65, 40);
            ScaledLine(s, k, 65, 40, 200, 40);
            Barrel(s, k, 55, false);
            if (type == 3) {
                ScaledLine(s, k, 55, kCrown - 5, 62, kCrown - 5);
                ScaledLine(s, k, 62, kCrown - 5, 62, kCrown);
                ScaledLine(s, k, 55, kInvert + 5, 62, kInvert + 5);
                ScaledLine(s, k, 62, kInvert + 5, 62, kInvert);
            } else if (type == 4) {
                Arc(s, k, 55, kCrown - 10, 10, 270, 360);
                Arc(s, k, 55, kInvert + 10, 10, 0, 90);
            }
            break;
        case 6: {  // pipe end cut to the fill slope
            Fill(s, k);
            long top = SlopeX(kCrown), bottom = SlopeX(kInvert);
            ScaledLine(s, k, top, kCrown, 200, kCrown);
            ScaledLine(s, k, bottom, kInvert, 200, kInvert);
            ScaledLine(s, k, top, kCrown, bottom, kInvert);
            ScaledLine(s, k, top + 3, kCrown + kWall, 200, kCrown + kWall);
            ScaledLine(s, k, bottom + 3, kInvert - kWall, 200, kInvert - kWall);
            break;
        }
    }
}

}  // namespace vado
