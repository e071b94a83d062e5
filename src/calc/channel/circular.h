#pragma once

namespace vado::circular {

struct Inputs {
    double diameterIn = 0;  // D, inches
    double depthIn = 0;     // y, inches; at most D (the page resets D to y when y > D)
    double slope = 0;       // S, ft/ft
    double n = 0;           // Manning's n
};

struct Results {
    double area;           // sq ft
    double perimeter;      // wetted perimeter, ft
    double radius;         // ft
    double velocity;       // ft/sec
    double capacity;       // cfs
    double criticalDepth;  // ft; -1 outside the range where the estimate holds
};

// Manning's equation for a circular conduit flowing part full. Needs 0 < y <= D.
Results Compute(const Inputs& in);

// Empirical critical depth in ft for discharge Q (cfs) in a pipe of diameter dFt (ft):
// yc = 0.325 (Q / D)^(2/3) + 0.083 D, trusted only for 0.3 <= yc / D <= 0.9; -1 elsewhere.
double CriticalDepth(double q, double dFt);

}  // namespace vado::circular
