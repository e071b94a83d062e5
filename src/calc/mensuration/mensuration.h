#pragma once

namespace vado::mensuration {

inline constexpr double kPi = 3.14159265358979;

struct RightTriangle {
    double a = 0, b = 0, c = 0;  // legs and hypotenuse
    double area = 0;
    double sigma = 0, phi = 0;   // angles opposite a and b, radians
};
// From the two legs.
RightTriangle FromLegs(double a, double b);
// From the hypotenuse and the legs as they stand: the leg shorter than the hypotenuse is kept
// (a first) and the other follows; false when neither is shorter.
bool FromHypotenuse(double a, double b, double c, RightTriangle& t);

struct ObliqueTriangle {
    enum class Outcome { Solved, NotATriangle, Flat } outcome = Outcome::Solved;
    double s = 0, r = 0;  // half the perimeter, the inscribed radius
    double sigma = 0, phi = 0, alpha = 0;  // angles opposite a, b and c, radians
    double h = 0, area = 0;  // height on side a
};
ObliqueTriangle Oblique(double a, double b, double c);

struct Parallelogram {
    double area = 0, theta = 0, d1 = 0, d2 = 0;
};
// The angle is pi/2 whenever area / (a b) is not below 1: an h one step under b can round to it.
Parallelogram ParallelogramOf(double a, double b, double h);

// A regular polygon of n sides a long.
double PolygonArea(int n, double side);
// The frustum between two parallel faces of areas a1 and a2, h apart.
double FrustumVolume(double a1, double a2, double h);

}  // namespace vado::mensuration
