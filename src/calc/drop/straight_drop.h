#pragma once

#include <vector>

#include "calc/drop/frm_stage_discharge.h"

namespace vado::straight_drop {

// Capacity of the weir notch with two end contractions, cfs: Q = 3.33 (L - 0.2 h) h^1.5 for a
// notch L ft wide under h ft of head.
double Capacity(double widthFt, double headFt);

// The rating from 0.2 ft of head up to the design head over a crest at elevation E. Each row keeps
// its own order of operations, 3.33 y^1.5 (L - 0.2 y), so it can differ from Capacity in the last
// bit.
std::vector<RatingRow> Rating(double widthFt, double headFt, double crest);

}  // namespace vado::straight_drop
