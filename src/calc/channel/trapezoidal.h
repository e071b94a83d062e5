#pragma once

#include <string>
#include <variant>

namespace vado::trapezoidal {

struct Inputs {
    double bottomWidth = 0;  // b, ft
    double sideSlope = 0;    // z, horizontal per 1 vertical
    double depth = 0;        // y, ft
    double slope = 0;        // S, ft/ft
    double n = 0;            // Manning's n
};

struct Results {
    double topWidth;       // T = 2 z y + b, ft
    double area;           // A = z y^2 + b y, sq ft
    double perimeter;      // P = 2 y sqrt(z^2 + 1) + b, ft
    double radius;         // R = A / P, ft
    double velocity;       // ft/sec
    double capacity;       // Q = A V, cfs
    double criticalDepth;  // ft; 0 or less when there is none
};

// The sections that have no hydraulic meaning inside the field ranges.
enum class Problem {
    NoWettedPerimeter,  // b = 0 and y = 0: R = A / P would be 0 / 0
    NoTopWidth,         // b = 0 and z = 0: the critical-depth equation divides by sqrt(T) = 0
};

// The message that tells the user what to change.
std::string Message(Problem p);

std::variant<Results, Problem> Compute(const Inputs& in);

// Critical depth in ft for discharge Q (cfs) in a trapezoid of bottom width b and side slope z,
// from Q = 5.671 A^1.5 / sqrt(T): a secant iteration from y0 whose iterates are cut down to
// thousandths of a foot, with a back-off when an iterate leaves the positive depths and a restart
// from 0.1 ft when 25 halvings do not bring it back. 5.671 is sqrt(g) with g = 32.16 ft/sec^2.
// Needs b > 0 or z > 0, so that T > 0 at every positive depth.
double CriticalDepth(double q, double y0, double b, double z);

}  // namespace vado::trapezoidal
