#include "calc/drop/pipe_drop.h"

#include <cmath>

#include "calc/drop/drop_structure.h"
#include "shared/number_format.h"

namespace vado::pipe_drop {

Problem CheckElevations(const Inputs& in) {
    if (!(in.top > 0)) return Problem::NoElevations;
    if (in.emergency > in.top) return Problem::EmergencyAboveTop;
    if (!(in.riser < in.water)) return Problem::RiserNotBelowWater;
    if (!(in.inlet < in.riser)) return Problem::InletNotBelowRiser;
    if (!(in.outlet < in.riser)) return Problem::OutletNotBelowRiser;
    if (in.tailwaterOn && !(in.tailwater < in.riser)) return Problem::TailwaterNotBelowRiser;
    return Problem::None;
}

std::string Message(Problem p) {
    switch (p) {
        case Problem::NoElevations:
            return "Elevations are required for computation.";
        case Problem::EmergencyAboveTop:
            return "Elevation of the top must be higher than the Emergency.";
        case Problem::RiserNotBelowWater:
            return "Elevation of water must be higher than the Riser.";
        case Problem::InletNotBelowRiser:
            return "The riser must be higher than the inlet of the pipe.";
        case Problem::OutletNotBelowRiser:
            return "The riser must be higher than the outlet of the pipe.";
        case Problem::TailwaterNotBelowRiser:
            return "The riser must by above the tailwater.";
        case Problem::NoPipeHead:
            return "The water stands below the level the pipe discharges against (0.6 of the "
                   "pipe diameter above the outlet, or the tailwater), so the pipe cannot flow. "
                   "Raise the water elevation or lower the outlet.";
        case Problem::NoEntranceHead:
            return "The water stands below the centre of the pipe entrance (the inlet elevation "
                   "plus half the pipe diameter), so the pipe cannot flow. Raise the water "
                   "elevation or use a smaller pipe.";
        case Problem::RatingTooLong:
            return drop::kRatingTooLong;
        case Problem::None:
            break;
    }
    return {};
}

Field FocusOf(Problem p) {
    switch (p) {
        case Problem::NoElevations:
        case Problem::EmergencyAboveTop:
            return Field::Top;
        case Problem::RiserNotBelowWater:
        case Problem::NoPipeHead:
        case Problem::NoEntranceHead:
            return Field::Water;
        case Problem::InletNotBelowRiser:
        case Problem::TailwaterNotBelowRiser:
        case Problem::RatingTooLong:
            return Field::Riser;
        case Problem::OutletNotBelowRiser:
            return Field::Inlet;
        case Problem::None:
            break;
    }
    return Field::None;
}

std::string RiserWarning(const Inputs& in) {
    if (in.riserIn / in.pipeIn < 1.25)
        return "Riser diameter should be " + FormatNumber(1.25, "0.00#") +
               " times the diameter of the pipe. !!!";
    return {};
}

double PipeLength(const Inputs& in) {
    return (in.top - in.riser) * in.upstreamSlope + in.topWidth +
           (in.top - in.outlet) * in.downstreamSlope + in.extraPipe;
}

Flow FlowAt(const Inputs& in, double length, double water) {
    const double dp = in.pipeIn, dr = in.riserIn;
    const double y0 = dp * 0.6 / 12 + in.outlet;
    double h = water - y0;
    if (in.tailwaterOn && in.tailwater > y0) h = water - in.tailwater;
    if (h < 0) return {.problem = Problem::NoPipeHead};
    const double entranceHead = water - (dp / 24 + in.inlet);
    if (entranceHead < 0) return {.problem = Problem::NoEntranceHead};
    const double crestHead = water - in.riser;  // positive: the riser lies below the water

    // Pipe flow, Kp = 5087 n^2 / Dp^1.333 with the exponent as fitted.
    const double qp =
        dp * dp / 22.85 * std::sqrt(h / (5087 * in.n * in.n / std::pow(dp, 1.333) * length + 2.0));
    // Weir over the riser rim: 3.33 pi Dr / 12 ft of crest, head^1.5.
    const double qw = dr * 10.461503536454002 / 12 * std::pow(crestHead, 1.5);
    // Orifices with C = 0.6 (0.6 pi = 1.8849555921538739) and 2g = 64.4.
    const double qoh = (dr / 24) * (dr / 24) * 1.8849555921538739 * std::sqrt(crestHead * 64.4);
    const double qol = (dp / 24) * (dp / 24) * 1.8849555921538739 * std::sqrt(entranceHead * 64.4);

    Flow f{.q = qp, .controls = "Pipe Controls Flow"};
    if (qw < f.q) f = {.q = qw, .controls = "Weir Controls Flow"};
    if (qoh < f.q) f = {.q = qoh, .controls = "High Orifice Controls Flow"};
    if (qol < f.q) f = {.q = qol, .controls = " Low Orifice Controls Flow"};
    return f;
}

Rating RatingOf(const Inputs& in, double length) {
    Rating r;
    const auto elevations = drop::RatingElevations(in.riser, in.emergency);
    if (!elevations) return {.problem = Problem::RatingTooLong};
    for (double water : *elevations) {
        const Flow f = FlowAt(in, length, water);
        if (f.problem != Problem::None) return {.problem = f.problem};
        r.rows.push_back({water, f.q});
    }
    return r;
}

}  // namespace vado::pipe_drop
