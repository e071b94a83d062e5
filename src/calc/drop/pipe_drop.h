#pragma once

#include <string>
#include <vector>

#include "calc/drop/frm_stage_discharge.h"

namespace vado::pipe_drop {

struct Inputs {
    double n = 0;
    double topWidth = 0;  // of the embankment, ft
    double upstreamSlope = 0, downstreamSlope = 0;  // horizontal per 1 vertical
    double riserIn = 0, pipeIn = 0;  // diameters, inches
    double extraPipe = 0;  // beyond the toe, ft
    double top = 0, emergency = 0, water = 0, riser = 0, inlet = 0, outlet = 0, tailwater = 0;
    bool tailwaterOn = false;
};

enum class Problem {
    None,
    NoElevations,
    EmergencyAboveTop,
    RiserNotBelowWater,
    InletNotBelowRiser,
    OutletNotBelowRiser,
    TailwaterNotBelowRiser,
    NoPipeHead,      // the water stands below the level the barrel discharges against
    NoEntranceHead,  // the water stands below the centre of the pipe entrance
    RatingTooLong
};

enum class Field { None, Top, Water, Riser, Inlet };

// The elevation checks, in their order, and the field each sends the focus to.
Problem CheckElevations(const Inputs& in);
std::string Message(Problem p);
Field FocusOf(Problem p);

// "Riser diameter should be 1.25 times the diameter of the pipe. !!!" below a ratio of 1.25.
std::string RiserWarning(const Inputs& in);

// The horizontal run of the barrel under the embankment plus the extra pipe, ft.
double PipeLength(const Inputs& in);

struct Flow {
    Problem problem = Problem::None;
    double q = 0;
    std::string controls;
};

// The least of four discharges at a water elevation, in the order pipe, weir over the riser
// crest, orifice at the crest, orifice at the pipe entrance; only a strictly smaller one takes
// over, so ties keep the earlier condition.
Flow FlowAt(const Inputs& in, double length, double water);

struct Rating {
    Problem problem = Problem::None;
    std::vector<RatingRow> rows;
};
// From 0.2 ft over the riser crest up to the emergency spillway crest.
Rating RatingOf(const Inputs& in, double length);

}  // namespace vado::pipe_drop
