#include "calc/drop/hooded_inlet.h"

#include <cmath>

#include "calc/drop/drop_structure.h"
#include "shared/numeric.h"

namespace vado::hooded_inlet {

Problem CheckElevations(const Inputs& in) {
    if (!(in.top > 0)) return Problem::NoElevations;
    if (in.emergency > in.top) return Problem::EmergencyAboveTop;
    if (in.inlet > in.water) return Problem::InletAboveWater;
    if (!(in.outlet < in.inlet)) return Problem::OutletNotBelowInlet;
    if (in.tailwaterOn && !(in.tailwater < in.inlet)) return Problem::TailwaterNotBelowInlet;
    return Problem::None;
}

std::string Message(Problem p) {
    switch (p) {
        case Problem::NoElevations:
            return "Elevations are required for computation.";
        case Problem::EmergencyAboveTop:
            return "Elevation of the top must be higher than the Emergency.";
        case Problem::InletAboveWater:
            return "Elevation of water must be higher than the Inlet.";
        case Problem::OutletNotBelowInlet:
            return "The inlet must be higher than the outlet of the pipe.";
        case Problem::TailwaterNotBelowInlet:
            return "The inlet must by above the tailwater.";
        case Problem::NoHead:
            return "The water stands below the level the pipe discharges against (0.6 of the "
                   "diameter above the outlet, or the tailwater), so the pipe cannot flow. Raise "
                   "the water elevation, lower the outlet or use a smaller pipe.";
        case Problem::RatingTooLong:
            return drop::kRatingTooLong;
        case Problem::None:
            break;
    }
    return {};
}

double PipeLength(const Inputs& in) {
    const double run = (in.top - in.inlet) * in.upstreamSlope + in.topWidth +
                       (in.top - in.outlet) * in.downstreamSlope + in.extraPipe;
    const double drop = in.inlet - in.outlet;
    return std::sqrt(drop * drop + run * run);
}

Flow PipeFlow(const Inputs& in, double length, double water, bool keep) {
    const double d = in.diameterIn;
    const double y0 = d * 0.6 / 12 + in.outlet;
    double h = water - y0;
    if (in.tailwaterOn && in.tailwater > y0) h = water - in.tailwater;
    if (h < 0) return {.problem = Problem::NoHead};
    const double kp = 5087 * in.n * in.n / std::pow(d, 1.333);
    Flow f{.q = d * d / 22.85 * std::sqrt(h / (2.0 + kp * length))};
    const double k = in.n < 0.024 ? 1.4 : 1.8;
    f.pipeControls = k * d / 12 <= water - in.inlet;
    if (!f.pipeControls && !keep) f.q = 0;
    return f;
}

Rating RatingOf(const Inputs& in, double length) {
    Rating r;
    const auto elevations = drop::RatingElevations(in.inlet, in.emergency);
    if (!elevations) return {.problem = Problem::RatingTooLong};
    for (double water : *elevations) {
        const Flow f = PipeFlow(in, length, water, true);
        if (f.problem != Problem::None) return {.problem = f.problem};
        r.rows.push_back({water, f.q});
    }
    return r;
}

double HoodMarker(const Inputs& in) { return in.diameterIn * 1.8 / 12 + in.inlet; }

}  // namespace vado::hooded_inlet
