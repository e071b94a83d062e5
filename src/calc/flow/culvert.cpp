#include "calc/flow/culvert.h"

#include <cmath>

namespace vado::culvert {

Result Evaluate(const Inputs& in, const Coefficient& k) {
    Result r;
    if (in.headwater == 0 && in.inlet == 0 && in.outlet == 0) {
        r.failure = Failure::NoElevations;
        return r;
    }
    if (in.headwater < in.tailwater) {
        r.failure = Failure::TailwaterAboveHeadwater;
        return r;
    }
    const double d = in.diameterIn / 12;
    if (d + in.inlet > in.headwater) {
        r.failure = Failure::InletNotSubmerged;
        return r;
    }

    // Inlet control, submerged: (HW - INV) / D = C x^2 + Y - 0.5 S with x = Q / D^2.5.
    double radicand =
        ((in.inlet - in.outlet) * 0.5 / in.lengthFt + (in.headwater - in.inlet) / d - k.Y) / k.C;
    if (radicand < 0) {
        r.failure = Failure::AdverseInlet;
        return r;
    }
    r.factor = std::sqrt(radicand);
    if (r.factor <= k.FactorLimit) {
        r.failure = Failure::FactorAtOrBelowLimit;
        return r;
    }
    r.qi = std::pow(d, 5.0 / 2.0) * r.factor;

    // Outlet control: the head runs to the tailwater, or to 0.6 D above the outlet invert when
    // the tailwater is lower than that.
    const double h0 = in.outlet + 0.6 * d;
    r.head = h0 < in.tailwater ? in.headwater - in.tailwater : in.headwater - h0;
    if (r.head < 0) {
        r.failure = Failure::AdverseOutlet;
        return r;
    }
    // Q = 10 sqrt(H / ((1 + Ke) 2.5204 / D^4 + 466.18 n^2 L / D^(16/3))): entrance, exit and
    // Manning friction losses of a full pipe, D in feet.
    r.qo = 10 * std::sqrt(r.head / ((k.Ke + 1) * 2.5204 / std::pow(d, 4) +
                                    in.n * in.n * 466.18 * in.lengthFt / std::pow(d, 16.0 / 3.0)));
    r.inletControls = r.qo > r.qi;
    r.capacity = r.inletControls ? r.qi : r.qo;
    return r;
}

std::string Message(Failure f) {
    switch (f) {
        case Failure::NoElevations:
            return "I need elevations in order to compute.";
        case Failure::TailwaterAboveHeadwater:
            return "Tailwater should not be higher that Headwater.";
        case Failure::InletNotSubmerged:
        case Failure::FactorAtOrBelowLimit:
            return "Inlet is not submerged, raise headwater or use smaller pipe.";
        case Failure::AdverseInlet:
            return "The outlet is too far above the inlet for the pipe to flow under inlet "
                   "control. Lower the outlet elevation or lengthen the pipe.";
        case Failure::AdverseOutlet:
            return "The water level at the outlet (outlet elevation plus 0.6 of the diameter) is "
                   "above the headwater. Raise the headwater or lower the outlet elevation.";
        case Failure::None:
            break;
    }
    return "";
}

int FocusElevation(Failure f) {
    switch (f) {
        case Failure::NoElevations:
        case Failure::TailwaterAboveHeadwater:
        case Failure::InletNotSubmerged:
            return 0;
        case Failure::AdverseInlet:
        case Failure::AdverseOutlet:
            return 3;
        default:
            return -1;
    }
}

}  // namespace vado::culvert
