#include "calc/channel/trapezoidal.h"

#include <cmath>

#include "calc/channel/channel.h"
#include "shared/numeric.h"

namespace vado::trapezoidal {

std::string Message(Problem p) {
    switch (p) {
        case Problem::NoWettedPerimeter:
            return "The bottom width and the depth cannot both be zero: the section has no "
                   "wetted perimeter. Enter a bottom width or a depth greater than zero.";
        case Problem::NoTopWidth:
            return "The bottom width and the side slope cannot both be zero: the section has "
                   "no top width. Enter a bottom width or a side slope greater than zero.";
    }
    return {};
}

std::variant<Results, Problem> Compute(const Inputs& in) {
    const double b = in.bottomWidth, z = in.sideSlope, y = in.depth;
    if (b == 0 && y == 0) return Problem::NoWettedPerimeter;
    if (b == 0 && z == 0) return Problem::NoTopWidth;
    Results r{};
    r.topWidth = 2 * z * y + b;
    r.area = y * y * z + y * b;
    r.perimeter = std::pow(z * z + 1, 0.5) * 2 * y + b;
    r.radius = r.area / r.perimeter;
    r.velocity = channel::ManningVelocity(r.radius, in.slope, in.n);
    r.capacity = r.area * r.velocity;
    // A dry channel gives no depth to start from: the search starts at 3 ft and descends to 0.
    const double y0 = y > 0 ? y : 3.0;
    r.criticalDepth = CriticalDepth(r.capacity, y0, b, z);
    return r;
}

double CriticalDepth(double q, double y0, double b, double z) {
    double y = y0;
    double step = 0.001;
    double fPrev = 0;
    for (int pass = 1; pass <= 1000; ++pass) {
        const double a = (y * z + b) * y;
        const double t = 2 * z * y + b;
        const double f = q - std::pow(a, 1.5) * 5.671 / std::sqrt(t);
        // Secant step dy_new = F dy_old / (F_prev - F); the first pass (F_prev = 0) steps -0.001.
        step = f * step;
        const double d = fPrev - f;
        step = d == 0 ? 0 : step / d;
        const double yOld = y;
        y = TruncDecimals(y + step, 3);
        if (TruncDecimals(yOld, 3) == y) break;
        if (y <= 0) {
            bool restarted = false;
            for (int c = 1;; ++c) {
                step = step / 2;
                y = y - step;
                if (c > 25) {
                    y = 0.1;
                    step = 0.001;
                    fPrev = 0;
                    restarted = true;
                    break;
                }
                if (y > 0) break;
            }
            if (restarted) continue;
        }
        fPrev = f;
    }
    return y;
}

}  // namespace vado::trapezoidal
