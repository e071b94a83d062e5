#include "calc/flow/pipe_flow.h"

#include <cmath>

namespace vado::pipe_flow {

Results Compute(const Inputs& in) {
    Results r{};
    const double d = in.diameterIn;
    // Kp = 5087 n^2 / d^(4/3), d in inches.
    r.kp = (in.n * in.n * 5087) / std::pow(d, 4.0 / 3.0);
    const double s = in.ke + 1 + in.kb + r.kp * in.lengthFt;
    // d^2 / 22.85 folds the full area in sq ft (d^2 pi / 576) and sqrt(2 g) with g = 32.2.
    r.q = d * d / 22.85 * std::sqrt(in.headFt / s);
    const double area = (d / 12) * (d / 12) * 3.14159265358979 / 4;
    r.velocity = r.q / area;
    // The friction loss uses 2 g = 64.32 rather than 64.4.
    r.hf = r.kp * in.lengthFt * r.velocity * r.velocity / 64.32;
    return r;
}

}  // namespace vado::pipe_flow
