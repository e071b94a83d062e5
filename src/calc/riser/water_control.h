#pragma once

#include <string>
#include <vector>

namespace vado::water_control {

struct Inputs {
    double maxPool = 0, inlet = 0, weir = 0, outlet = 0, tailwater = 0;  // ft
    short inletLength = 0, outletLength = 0;  // ft
    short inletDiameter = 0, outletDiameter = 0;  // in.
    short weirLength = 0;  // in.
    double nInlet = 0, nOutlet = 0;
    double ke = 0;  // entrance loss of the inlet pipe
};

enum class Problem { None, InletAboveWeir, PoolNotAboveWeir, OutletNotBelowInlet };

Problem Check(const Inputs& in);
std::string Message(Problem p);

// The lowest tailwater the outlet pipe runs against: 0.6 of its diameter over its invert.
double MinimumTailwater(const Inputs& in);

struct Row {
    double pool = 0;        // pool elevation that pushes Q through the inlet pipe
    double discharge = 0;   // over the weir, cfs
    double upstream = 0;    // water level over the weir
    double downstream = 0;  // water level below the weir that pushes Q through the outlet pipe
    std::string status;     // "Weir Submerged" when the downstream level is above the crest
};

// Heads over the weir in 0.1 ft steps, from the crest up to 10 ft; the first row whose pool
// elevation lies above the maximum pool is the last. Q = 3.1 h^1.5 Lw / 12; each pipe's
// level is (Q / A)^2 (Kp L + losses) / 64.32 over the level it discharges into, with Kp =
// 5087 n^2 / D^(4/3), entrance and exit losses Ke + 1 + 0.5 at the inlet pipe and 1.9 + 0.5 at
// the outlet pipe.
std::vector<Row> Rating(const Inputs& in);

}  // namespace vado::water_control
