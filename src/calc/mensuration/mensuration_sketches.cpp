#include <cmath>

#include "calc/mensuration/frm_mensuration.h"
#include "shared/formula.h"
#include "shared/number_format.h"
#include "shared/sketch.h"

namespace vado {

namespace {

// Sketches are drawn on a 200 x 100 grid.
struct Pen {
    ui::Surface& s;
    SketchScale k;
    void line(long x1, long y1, long x2, long y2) { ScaledLine(s, k, x1, y1, x2, y2); }
    void text(long x, long y, const std::string& t) {
        ScaledMoveTo(s, k, x, y);
        s.PrintInline(t);
    }
    void angle(long x, long y, const std::string& name, double radians) {
        text(x, y, name + " = ");
        DrawAngleDMS(s, radians);
    }
    void ellipse(double cx, double cy, double a, double b) {
        constexpr int kSteps = 48;
        for (int i = 0; i < kSteps; ++i) {
            const double t0 = 2 * mensuration::kPi * i / kSteps, t1 = 2 * mensuration::kPi * (i + 1) / kSteps;
            s.Line((cx + a * std::cos(t0)) * k.x, (cy + b * std::sin(t0)) * k.y, (cx + a * std::cos(t1)) * k.x,
                   (cy + b * std::sin(t1)) * k.y);
        }
    }
};

std::string F(double v) { return FormatNumber(v, "####0.00"); }

}  // namespace

void FrmMensuration::PaintFigure(int figure, ui::Surface& s, double width, double height) const {
    if (width <= 0 || height <= 0) return;
    Pen p{s, {width / 200, height / 100}};
    const bool results = valid_ && cboFormula.listIndex() == figure;
    switch (figure) {
        case 0:
            p.line(20, 80, 100, 80);
            p.line(100, 80, 100, 20);
            p.line(100, 20, 20, 80);
            p.line(92, 80, 92, 72);
            p.line(92, 72, 100, 72);
            p.text(58, 82, "b");
            p.text(103, 48, "a");
            p.text(52, 42, "c");
            formula::Draw(s, {"c = \\sqrt{a^2 + b^2}"}, 118 * p.k.x, 8 * p.k.y, false);
            if (results) {
                p.text(118, 30, "Area = " + F(right_.area));
                p.angle(118, 45, "\u03c3", right_.sigma);
                p.angle(118, 60, "\u03c6", right_.phi);
            }
            break;
        case 1:
            p.line(10, 85, 90, 85);
            p.line(90, 85, 35, 25);
            p.line(35, 25, 10, 85);
            p.line(35, 25, 35, 85);
            p.text(48, 87, "a");
            p.text(66, 50, "b");
            p.text(14, 50, "c");
            p.text(37, 60, "h");
            if (results) {
                p.text(100, 5, "h = " + F(oblique_.h));
                p.text(100, 16, "Area = " + F(oblique_.area));
                p.text(100, 27, "s = " + F(oblique_.s));
                p.text(100, 38, "r = " + F(oblique_.r));
                p.angle(100, 52, "\u03c3", oblique_.sigma);
                p.angle(100, 66, "\u03c6", oblique_.phi);
                p.angle(100, 80, "\u03b1", oblique_.alpha);
            }
            break;
        case 2:
            p.line(60, 85, 140, 85);
            p.line(140, 85, 100, 15);
            p.line(100, 15, 60, 85);
            p.line(100, 15, 100, 85);
            p.text(118, 87, "a");
            p.text(102, 50, "h");
            break;
        case 3:
            p.line(40, 85, 160, 85);
            p.line(160, 85, 130, 25);
            p.line(130, 25, 70, 25);
            p.line(70, 25, 40, 85);
            p.line(70, 25, 70, 85);
            p.text(98, 16, "a");
            p.text(98, 87, "b");
            p.text(72, 55, "h");
            break;
        case 4:
        case 5:
            p.line(50, 40, 130, 40);
            p.line(130, 40, 130, 90);
            p.line(130, 90, 50, 90);
            p.line(50, 90, 50, 40);
            p.line(50, 40, 80, 15);
            p.line(80, 15, 160, 15);
            p.line(160, 15, 130, 40);
            p.line(160, 15, 160, 65);
            p.line(160, 65, 130, 90);
            p.line(50, 90, 160, 15);
            p.text(88, 92, "a");
            p.text(150, 78, figure == 4 ? "a" : "b");
            p.text(162, 40, figure == 4 ? "a" : "c");
            p.text(96, 52, "d");
            break;
        case 6:
            p.line(40, 85, 160, 85);
            p.line(40, 85, 80, 20);
            p.line(160, 85, 120, 20);
            p.line(80, 20, 120, 20);
            p.line(60, 52, 140, 52);
            p.text(95, 12, "A2");
            p.text(95, 44, "Am");
            p.text(95, 87, "A1");
            p.text(162, 50, "h");
            break;
        case 7:
        case 8:
            p.line(50, 20, 150, 20);
            p.line(150, 20, 150, 85);
            p.line(150, 85, 50, 85);
            p.line(50, 85, 50, 20);
            p.line(50, 85, 150, 20);
            p.text(98, 87, "a");
            p.text(153, 50, figure == 7 ? "a" : "b");
            p.text(102, 45, "d");
            break;
        case 9:
            p.line(30, 85, 140, 85);
            p.line(140, 85, 170, 25);
            p.line(170, 25, 60, 25);
            p.line(60, 25, 30, 85);
            p.line(60, 25, 60, 85);
            p.line(30, 85, 170, 25);
            p.line(60, 25, 140, 85);
            p.text(84, 87, "a");
            p.text(158, 55, "b");
            p.text(62, 60, "h");
            // d1 is the short diagonal, between the obtuse corners; d2 the long one.
            p.text(110, 40, "d2");
            p.text(120, 65, "d1");
            break;
        case 10:
            for (int x = 40; x < 160; x += 4) {
                const double u = (x - 100) / 60.0, v = (x + 4 - 100) / 60.0;
                p.line(x, static_cast<long>(20 + 65 * (1 - u * u)), x + 4, static_cast<long>(20 + 65 * (1 - v * v)));
            }
            p.line(40, 20, 160, 20);
            p.text(98, 12, "T");
            p.line(100, 20, 100, 85);
            p.text(102, 50, "d");
            break;
        case 11:
        case 12:
            if (figure == 11) {
                p.line(40, 85, 160, 85);
                p.line(160, 85, 130, 25);
                p.line(130, 25, 70, 25);
                p.line(70, 25, 40, 85);
            } else {
                p.ellipse(100, 85, 60, 8);
                p.ellipse(100, 25, 30, 5);
                p.line(40, 85, 70, 25);
                p.line(160, 85, 130, 25);
            }
            p.text(95, 14, figure == 11 ? "b" : "D2");
            p.text(95, 92, figure == 11 ? "a" : "D1");
            p.line(100, 25, 100, 85);
            p.text(102, 55, "h");
            break;
        default:
            p.ellipse(100, 50, 35, 35 * p.k.x / p.k.y);
            p.line(65, 50, 135, 50);
            p.text(98, 42, "D");
            break;
    }
}

}  // namespace vado
