#pragma once

namespace vado::pipe_flow {

struct Inputs {
    double n = 0;          // Manning's coefficient
    double ke = 0;         // entrance loss coefficient
    double kb = 0;         // bend loss coefficient
    double diameterIn = 0; // d, inches
    double headFt = 0;     // H
    double lengthFt = 0;   // L
};

struct Results {
    double kp;        // friction loss coefficient per foot of pipe
    double q;         // cfs
    double velocity;  // ft/sec
    double hf;        // friction head loss, ft: the largest fall with a free outlet
};

// Full pipe flow under head H: Q = a sqrt(2 g H / (1 + Ke + Kb + Kp L)).
Results Compute(const Inputs& in);

}  // namespace vado::pipe_flow
