#pragma once

namespace vado::parabolic {

struct Inputs {
    double topWidth = 0;  // T, ft
    double depth = 0;     // d, ft
    double slope = 0;     // S, ft/ft
    double n = 0;         // Manning's n
};

struct Results {
    double area;           // A = 2/3 T d, sq ft
    double radius;         // R = 2 T^2 d / (3 T^2 + 8 d^2), ft
    double velocity;       // ft/sec
    double capacity;       // Q = A V, cfs
    double criticalDepth;  // ft; 0 for a dry channel
};

// Manning's equation for a parabolic section of top width T (T >= 10 ft on the page, so every
// division is defined).
Results Compute(const Inputs& in);

}  // namespace vado::parabolic
