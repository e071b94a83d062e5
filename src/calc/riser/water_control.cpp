#include "calc/riser/water_control.h"

#include <cmath>

namespace vado::water_control {

namespace {
constexpr double kPi = 3.14159265358979;
}

Problem Check(const Inputs& in) {
    if (in.inlet > in.weir) return Problem::InletAboveWeir;
    if (!(in.maxPool > in.weir)) return Problem::PoolNotAboveWeir;
    if (!(in.outlet < in.inlet)) return Problem::OutletNotBelowInlet;
    return Problem::None;
}

std::string Message(Problem p) {
    switch (p) {
        case Problem::InletAboveWeir:
            return "The pipe inlet elevation must be lower than the weir elevation.";
        case Problem::PoolNotAboveWeir:
            return "The weir elevation must be lower than the max pool elevation.";
        case Problem::OutletNotBelowInlet:
            return "The pipe outlet elevation must be lower than the inlet elevation.";
        case Problem::None:
            break;
    }
    return {};
}

double MinimumTailwater(const Inputs& in) { return in.outletDiameter * 0.6 / 12 + in.outlet; }

std::vector<Row> Rating(const Inputs& in) {
    const double kpIn = 5087 * in.nInlet * in.nInlet / std::pow(in.inletDiameter, 4.0 / 3.0);
    const double kpOut = 5087 * in.nOutlet * in.nOutlet / std::pow(in.outletDiameter, 4.0 / 3.0);
    const double areaIn = kPi * std::pow(in.inletDiameter / 24.0, 2);
    const double areaOut = kPi * std::pow(in.outletDiameter / 24.0, 2);
    std::vector<Row> rows;
    for (int i = 0; i <= 100; ++i) {
        Row r;
        r.upstream = i * 0.1 + in.weir;
        r.discharge = 3.1 * std::pow(r.upstream - in.weir, 1.5) * (in.weirLength / 12.0);
        r.pool = std::pow(r.discharge / areaIn, 2) * (kpIn * in.inletLength + in.ke + 1 + 0.5) / 64.32 +
                 r.upstream;
        r.downstream =
            std::pow(r.discharge / areaOut, 2) * (kpOut * in.outletLength + 1.9 + 0.5) / 64.32 +
            in.tailwater;
        if (r.downstream > in.weir) r.status = "Weir Submerged";
        rows.push_back(r);
        if (r.pool > in.maxPool) break;
    }
    return rows;
}

}  // namespace vado::water_control
