#include "calc/drainage/surface_inlet.h"

#include <cmath>

#include "calc/drainage/drainage.h"

namespace vado::surface_inlet {

Result Compute(const Inputs& in) {
    const double qMain = drainage::FullPipeCapacity(in.mainIn, in.slope, in.n);
    const double qDrain = in.acres * in.coefficient * drainage::kCfsPerAcreInch;
    if (qDrain >= qMain) return {.outcome = Outcome::Overloaded};
    Result r;
    r.capacity = qMain - qDrain;
    r.orificeIn = std::sqrt(r.capacity * 0.2737 / std::sqrt(in.waterLevel - in.orifice)) * 12;
    if (!Fitting(r.orificeIn, r.largerPipe, r.smallerPipe)) r.outcome = Outcome::TooLarge;
    return r;
}

bool Fitting(double orificeIn, int& largerPipe, int& smallerPipe) {
    static constexpr struct {
        double upTo;
        int larger, smaller;
    } kFittings[] = {{3.5, 6, 4}, {5.5, 8, 6}, {6.0, 10, 8}};
    for (const auto& f : kFittings)
        if (orificeIn <= f.upTo) {
            largerPipe = f.larger;
            smallerPipe = f.smaller;
            return true;
        }
    return false;
}

}  // namespace vado::surface_inlet
