#pragma once

#include <string>

namespace vado::plunge_pool {

struct Inputs {
    double rockIn = 0, filterIn = 0, pipeIn = 0;  // inches
    double q = 0;         // pipe discharge, cfs
    double slope = 0;     // of the pipe, ft/ft
    double outlet = 0, flow = 0, grade = 0;  // elevations: pipe outlet, channel flow, channel grade
    bool rectangular = false;
};

enum class Problem {
    None,
    OutletBelowFlow,
    FlowBelowGrade,
    VerticalPipe,     // a slope of 1.0 throws no horizontal jet
    RockTooSmall,
    InvalidDesign,    // no pool: a negative size, or a depth cut to nothing
    BottomAboveGrade  // the pool would not reach the channel grade
};

enum class Field { RockSize, PipeQ, PipeSlope, Outlet, Flow };

struct Result {
    Problem problem = Problem::None;
    double qp = 0, vp = 0, vz = 0, vj = 0, xi = 0, f = 0, zm = 0;  // the jet and the scour
    double offset = 0;        // outlet to pool centre, ft (cut to tenths)
    double depth = 0;         // pool depth below the flow surface, ft (cut to tenths)
    double bottomLength = 0, bottomWidth = 0;  // ft
    double slopeWithFlow = 0, slopeAcrossFlow = 0;  // horizontal per vertical
    double riprapThickness = 0;  // ft
    double riprap = 0, filter = 0;  // cu. yds.
    double bottom = 0;        // elevation of the pool bottom
};

// The plan area of a pool with half-axes a and b: 4ab rectangular, pi ab elliptical.
double PoolArea(double a, double b, bool rectangular);

// The jet of a cantilevered outlet, its scour and the riprap-lined pool that holds it, after
// the pool design of the plunge-pool design note: g = 32.16, a rock's submerged relative
// density 1.64, e as 2.718281828, frustum volumes over 81 (3 x 27) for cubic yards.
Result Compute(const Inputs& in);
std::string Message(Problem p);
Field FocusOf(Problem p);

}  // namespace vado::plunge_pool
