#pragma once

namespace vado::surface_inlet {

struct Inputs {
    double mainIn = 0;        // size of the main, inches
    double slope = 0;         // ft/ft
    double acres = 0;         // drained by the main itself
    double coefficient = 0;   // inches a day
    double n = 0;             // of the main, as shown
    double waterLevel = 0;    // ponded at the inlet, ft
    double orifice = 0;       // elevation of the orifice, ft
};

enum class Outcome { Sized, Overloaded, TooLarge };

struct Result {
    Outcome outcome = Outcome::Sized;
    double orificeIn = 0;   // diameter
    double capacity = 0;    // what the main can still take, cfs
    int largerPipe = 0, smallerPipe = 0;  // the orifice fitting, inches
};

// The orifice that admits what the main can carry beyond its own drainage:
// q = Qmain - A DC 0.04200001 and d = sqrt(q 0.2737 / sqrt(h)) 12 in. for h ft of head over it.
// The fitting is 6 x 4 in. up to d = 3.5, 8 x 6 up to 5.5 and 10 x 8 up to 6.0; beyond that no
// fitting (TooLarge). A main whose own drainage fills it is Overloaded.
Result Compute(const Inputs& in);

// The fitting for an orifice of d inches, first match wins; false beyond 6 in.
bool Fitting(double orificeIn, int& largerPipe, int& smallerPipe);

}  // namespace vado::surface_inlet
