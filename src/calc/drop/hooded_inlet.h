#pragma once

#include <string>
#include <vector>

#include "calc/drop/frm_stage_discharge.h"

namespace vado::hooded_inlet {

struct Inputs {
    double n = 0;
    double topWidth = 0;  // of the embankment, ft
    double upstreamSlope = 0, downstreamSlope = 0;  // horizontal per 1 vertical
    double diameterIn = 0;
    double extraPipe = 0;  // beyond the toe, ft
    double top = 0, emergency = 0, water = 0, inlet = 0, outlet = 0, tailwater = 0;  // ft
    bool tailwaterOn = false;
};

enum class Problem {
    None,
    NoElevations,
    EmergencyAboveTop,
    InletAboveWater,
    OutletNotBelowInlet,
    TailwaterNotBelowInlet,
    NoHead,        // the water stands below the level the pipe discharges against
    RatingTooLong  // more rating rows than a table can number
};

// The elevation checks, in their order.
Problem CheckElevations(const Inputs& in);
std::string Message(Problem p);

// Length of the pipe through the embankment, ft: the horizontal run under the upstream slope,
// the top and the downstream slope, plus the extra pipe, and the drop from inlet to outlet.
double PipeLength(const Inputs& in);

struct Flow {
    Problem problem = Problem::None;
    double q = 0;  // cfs
    bool pipeControls = false;
};

// Full pipe flow at a water elevation: Q = (D^2 / 22.85) sqrt(H / (2.0 + Kp L)) with
// Kp = 5087 n^2 / D^1.333 (D in inches; 1.333 as the formula was fitted, not 4/3), H measured
// from 0.6 D above the outlet invert, or from a higher tailwater. The hood needs k D of water
// over the inlet (k = 1.4 below n = 0.024, else 1.8) before the pipe flows full; short of that
// the orifice controls and the discharge is reported as zero unless `keep`.
Flow PipeFlow(const Inputs& in, double length, double water, bool keep);

// The rating: from 0.2 ft over the inlet up to the emergency spillway crest, pipe-flow
// discharges whatever controls. A row whose head has no root fails the whole rating.
struct Rating {
    Problem problem = Problem::None;
    std::vector<RatingRow> rows;
};
Rating RatingOf(const Inputs& in, double length);

// The water elevation that submerges the hood by 1.8 diameters: the rating graph's marker.
double HoodMarker(const Inputs& in);

}  // namespace vado::hooded_inlet
