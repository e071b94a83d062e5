#include "calc/mensuration/mensuration.h"

#include <cmath>

#include "shared/numeric.h"

namespace vado::mensuration {

namespace {

RightTriangle Finish(double a, double b, double c) {
    return {.a = a, .b = b, .c = c, .area = a * b / 2, .sigma = ArcSin(a / c), .phi = ArcSin(b / c)};
}

}  // namespace

RightTriangle FromLegs(double a, double b) { return Finish(a, b, std::sqrt(a * a + b * b)); }

bool FromHypotenuse(double a, double b, double c, RightTriangle& t) {
    if (a < c) {
        t = Finish(a, std::sqrt(c * c - a * a), c);
        return true;
    }
    if (b < c) {
        t = Finish(std::sqrt(c * c - b * b), b, c);
        return true;
    }
    return false;
}

ObliqueTriangle Oblique(double a, double b, double c) {
    ObliqueTriangle t;
    // Each sum is rounded to a double before it is compared; the third test lets equality by.
    const double cb = c + b, ca = c + a, ba = b + a;
    if (!(cb > a && ca > b && ba >= c)) return {.outcome = ObliqueTriangle::Outcome::NotATriangle};
    t.s = (a + b + c) / 2;
    if (a >= t.s || b >= t.s || c >= t.s) return {.outcome = ObliqueTriangle::Outcome::Flat};
    t.r = std::sqrt((t.s - a) * (t.s - b) * (t.s - c) / t.s);
    t.sigma = 2 * std::atan(t.r / (t.s - a));
    t.phi = 2 * std::atan(t.r / (t.s - b));
    t.alpha = 2 * std::atan(t.r / (t.s - c));
    t.h = b * std::sin(t.alpha);
    t.area = t.h * a / 2;
    return t;
}

Parallelogram ParallelogramOf(double a, double b, double h) {
    Parallelogram p;
    p.area = a * h;
    const double ratio = p.area / (a * b);
    p.theta = ratio >= 1 ? kPi / 2 : ArcSin(ratio);
    p.d1 = std::sqrt(a * a + b * b - 2 * a * b * std::cos(p.theta));
    p.d2 = std::sqrt(a * a + b * b + 2 * a * b * std::cos(p.theta));
    return p;
}

double PolygonArea(int n, double side) { return n * side * side / (4 * std::tan(kPi / n)); }

double FrustumVolume(double a1, double a2, double h) { return (a1 + a2 + std::sqrt(a1 * a2)) * h / 3; }

}  // namespace vado::mensuration
