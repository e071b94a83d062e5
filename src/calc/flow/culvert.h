#pragma once

#include <string>

#include "calc/flow/coefficient.h"

namespace vado::culvert {

struct Inputs {
    double n = 0;
    double lengthFt = 0;
    double diameterIn = 0;
    double headwater = 0;  // elevations, ft
    double inlet = 0;
    double tailwater = 0;
    double outlet = 0;
};

enum class Failure {
    None,
    NoElevations,             // headwater, inlet and outlet all 0
    TailwaterAboveHeadwater,
    InletNotSubmerged,        // pipe crown above the headwater
    FactorAtOrBelowLimit,     // the submerged inlet equation does not apply
    AdverseInlet,             // no real discharge factor: the outlet lies far above the inlet
    AdverseOutlet,            // the outlet water level stands above the headwater
};

struct Result {
    Failure failure = Failure::None;
    double factor = 0;  // Q / D^2.5 under inlet control
    double qi = 0;      // inlet-control discharge, cfs
    double head = 0;    // outlet-control head, ft
    double qo = 0;      // outlet-control discharge, cfs
    bool inletControls = false;
    double capacity = 0;
};

Result Evaluate(const Inputs& in, const Coefficient& inletType);

// The message shown for a failure (all titled "Input Error").
std::string Message(Failure f);

// The elevation field (0 headwater .. 3 outlet) a failure's message sends the focus to, or -1
// to leave the focus where it is.
int FocusElevation(Failure f);

}  // namespace vado::culvert
