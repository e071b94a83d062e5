#pragma once

#include <vector>

#include "calc/drop/frm_stage_discharge.h"

namespace vado::box_inlet {

struct Box {
    double width = 0;    // W, ft
    double breadth = 0;  // B, the length of the box along the flow, ft
    double crest = 0;    // E, ft
    double floor = 0;    // F, ft
};

struct Capacity {
    double q = 0;           // cfs
    double inletWidth = 0;  // width of the inlet channel, ft
};

// Capacity of a box inlet, its crest a weir on three sides, under h ft of head:
// Q = 3.43 (2B + W) h^1.5 C1 C2 / (0.01 (E - F) + 1.1), with the fitted coefficients
// C1 = b^(-0.031673 x^2 - 0.0073344 x + 0.0053734), x = ln(h / W), and C2 from y = ln(B / W),
// one fit up to B / W = 0.45 and another above. The base b is 2.71828, as the fits were made
// with it, not e. The inlet channel is 2 (2B + W) - 1.5 h wide.
Capacity Compute(const Box& box, double head);

// The rating from 0.2 ft of head up to the design depth: only the head varies.
std::vector<RatingRow> Rating(const Box& box, double depth);

}  // namespace vado::box_inlet
