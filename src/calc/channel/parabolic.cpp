#include "calc/channel/parabolic.h"

#include <cmath>

#include "calc/channel/channel.h"

namespace vado::parabolic {

Results Compute(const Inputs& in) {
    const double t = in.topWidth, d = in.depth;
    Results r{};
    r.area = (2.0 / 3.0) * t * d;
    // The usual approximation of the parabola's wetted perimeter, T + 8 d^2 / (3 T), folded into R.
    r.radius = (t * t * 2 * d) / (3 * t * t + 8 * d * d);
    r.velocity = channel::ManningVelocity(r.radius, in.slope, in.n);
    r.capacity = r.area * r.velocity;
    // yc = (Q / (2.005 T))^(2/3) is Q^2 T = g A^3 solved with T held at the given top width and
    // A = T yc / 2; 2.005 is sqrt(g / 8) with g = 32.16 ft/sec^2. A rough estimate kept on purpose
    // for agreement with the results this page has always given; it may lie above the depth.
    r.criticalDepth = std::pow(r.capacity / (2.005 * t), 2.0 / 3.0);
    return r;
}

}  // namespace vado::parabolic
