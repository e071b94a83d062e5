#pragma once

#include <string>
#include <vector>

#include "calc/riser/rect_riser_flow.h"

namespace vado::rect_riser {

struct Inputs {
    double length = 0, width = 0;  // of the riser, ft
    double maxPool = 0, weir = 0, inlet = 0, outlet = 0, tailwater = 0;  // ft
    double pipeLength = 0;   // ft
    short pipeDiameterIn = 0;
    double n = 0;
};

enum class Problem {
    None,
    WeirNotBelowPool,
    WeirNotAbovePipe,
    OutletNotBelowInlet,
    TailwaterNotBelowPool,
    PoolTooLowForARating,  // less than 0.2 ft between the weir and the pool as typed: no step
    RatingTooLong          // more records than a table can number
};

Problem Check(const Inputs& in);
std::string Message(Problem p);

// The rating from 0.2 ft over the weir in 0.2 ft steps: N + 1 records, N = Int((pool - (weir +
// 0.2)) x 5) taken in doubles (so 100.0 over 95.0 gives 23.999... and N = 23), at least 1. A pool
// less than 0.2 ft over the weir (as typed, to a micro-foot) has no rating.
// Pipe flow Qp = (pi D^2 / 4) sqrt(64.4 (h - tailwater) / (2 Kp Lp)) with Kp = 5087 n^2 / D^(4/3)
// (D in inches there); a water level at or below the tailwater passes no pipe flow.
std::vector<RectRiserFlow> Rating(const Inputs& in);

}  // namespace vado::rect_riser
