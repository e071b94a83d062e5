#include "calc/drainage/pump_drainage.h"

#include "calc/drainage/drainage.h"

namespace vado::pump_drainage {

Problem Check(const Inputs& in, bool stopIsInput) {
    if (in.start == 0 && in.outlet == 0) return Problem::NoElevations;
    if (in.start >= in.inlet) return Problem::StartNotBelowInlet;
    if (in.inlet >= in.outlet) return Problem::NoLift;
    if (stopIsInput && in.start <= in.stop) return Problem::StartNotAboveStop;
    return Problem::None;
}

std::string Message(Problem p) {
    switch (p) {
        case Problem::NoElevations:
            return "I need elevations before I can compute.";
        case Problem::StartNotBelowInlet:
            return "The start elevation should be lower than the inlet.";
        case Problem::NoLift:
            return "Outlet is lower than the inlet, you don't need a pump.";
        case Problem::StartNotAboveStop:
            return "The start level must be higher than the stop level.";
        case Problem::None:
            break;
    }
    return {};
}

int FocusOf(Problem p) {
    switch (p) {
        case Problem::NoLift:
            return 1;
        case Problem::StartNotAboveStop:
            return 2;
        default:
            return 0;
    }
}

double PumpCapacity(const Inputs& in) {
    return in.acres * in.coefficient * drainage::kCfsPerAcreInch * 450.0 * in.f;
}

double SumpArea(const Inputs& in, double capacity) {
    return capacity / ((in.start - in.stop) * in.cyclesPerHour / 2);
}

double StopElevation(const Inputs& in, double capacity) {
    return in.start - (capacity / in.sumpArea) / (in.cyclesPerHour / 2.0);
}

}  // namespace vado::pump_drainage
