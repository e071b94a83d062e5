#pragma once

#include <string>

namespace vado::pump_drainage {

struct Inputs {
    double acres = 0;
    double coefficient = 0;  // inches a day
    double f = 1.0;          // 1.2 where surface water reaches the sump too
    int cyclesPerHour = 0;
    double inlet = 0, outlet = 0, start = 0, stop = 0;  // ft
    double sumpArea = 0;     // sq ft, given when the stop is computed
};

enum class Problem { None, NoElevations, StartNotBelowInlet, NoLift, StartNotAboveStop };

// The elevation checks in their order; the stop is checked only when it is an input.
Problem Check(const Inputs& in, bool stopIsInput);
std::string Message(Problem p);
// The field (0 inlet, 1 outlet, 2 start) a problem sends the focus to.
int FocusOf(Problem p);

// Pump capacity, gpm: A DC 0.04200001 cfs, 450 gpm to the cfs, times F.
double PumpCapacity(const Inputs& in);

// The storage between start and stop is taken as 2 Q / C cubic feet (Q in gpm, C cycles an
// hour): the sump area for a given stop, or the stop a given area allows.
double SumpArea(const Inputs& in, double capacity);
double StopElevation(const Inputs& in, double capacity);

}  // namespace vado::pump_drainage
