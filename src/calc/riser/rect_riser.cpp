#include "calc/riser/rect_riser.h"

#include <cmath>

namespace vado::rect_riser {

namespace {

constexpr double kPi = 3.14159265358979;

double Steps(const Inputs& in) { return std::floor((in.maxPool - (in.weir + 0.2)) * 5); }

// The pool's height over the weir as the person typed it: 2.8 over 2.6 is 0.2 ft, not the
// 0.19999999999999973 the subtraction gives. Micro-feet are far below any typed elevation.
double Gap(const Inputs& in) { return std::round((in.maxPool - in.weir) * 1e6) / 1e6; }

}  // namespace

Problem Check(const Inputs& in) {
    const double d = in.pipeDiameterIn / 12.0;
    if (!(in.weir < in.maxPool)) return Problem::WeirNotBelowPool;
    if (!(d + in.inlet < in.weir)) return Problem::WeirNotAbovePipe;
    if (!(in.outlet < in.inlet)) return Problem::OutletNotBelowInlet;
    if (!(in.tailwater < in.maxPool)) return Problem::TailwaterNotBelowPool;
    if (Gap(in) < 0.2) return Problem::PoolTooLowForARating;
    if (Steps(in) + 1 > 32767) return Problem::RatingTooLong;
    return Problem::None;
}

std::string Message(Problem p) {
    switch (p) {
        case Problem::WeirNotBelowPool:
            return "Enter a Weir Elevation that is less than Max. Pool Elev.";
        case Problem::WeirNotAbovePipe:
            return "Enter a Weir Elevation that is greater than the Inlet Elevation + Pipe Diameter.";
        case Problem::OutletNotBelowInlet:
            return "Enter an Outlet Elevation that is less than the Inlet Elevation.";
        case Problem::TailwaterNotBelowPool:
            return "Enter a Tailwater Elevation that is less than the maximum Pool Elevation.";
        case Problem::PoolTooLowForARating:
            return "The maximum pool is less than 0.2 ft above the weir, so the rating has no step. "
                   "Lower the weir elevation or raise the maximum pool elevation.";
        case Problem::RatingTooLong:
            return "The rating would need more than 32767 steps of 0.2 ft from the weir up to the "
                   "maximum pool. Raise the weir elevation or lower the maximum pool elevation.";
        case Problem::None:
            break;
    }
    return {};
}

std::vector<RectRiserFlow> Rating(const Inputs& in) {
    if (Gap(in) < 0.2) return {};
    // A gap of 0.2 ft whose step count comes out -1 in doubles rates like one of 0: two records.
    long n = static_cast<long>(Steps(in));
    if (n <= 0) n = 1;
    const double d = in.pipeDiameterIn / 12.0;
    const double kp = 5087 * in.n * in.n / std::pow(static_cast<double>(in.pipeDiameterIn), 4.0 / 3.0);
    std::vector<RectRiserFlow> records(static_cast<size_t>(n) + 1);
    for (long i = 1; i <= n + 1; ++i) {
        const double h = static_cast<double>(i) * 0.2 + in.weir;
        const double pipeHead = h - in.tailwater;
        const double qp =
            pipeHead > 0 ? kPi * d * d / 4 * std::sqrt(64.4 * pipeHead / (2 * kp * in.pipeLength)) : 0;
        const double qw = 3.1 * (2 * in.width + 2 * in.length) * std::pow(h - in.weir, 1.5);
        const double qoh = in.width * in.length * 0.6 * std::sqrt((h - in.weir) * 64.4);
        const double qol = kPi * d * d * 0.6 / 4 * std::sqrt((h - (d / 2 + in.inlet)) * 64.4);
        records[static_cast<size_t>(i) - 1].Fill(h, qp, qw, qoh, qol);
    }
    return records;
}

}  // namespace vado::rect_riser
