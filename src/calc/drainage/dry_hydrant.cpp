#include "calc/drainage/dry_hydrant.h"

#include <cmath>

#include "shared/number_format.h"

namespace vado::dry_hydrant {

namespace {

double FrictionPerFoot(double q, double c, double d) {
    return 0.2083 * std::pow(100 / c, 1.85) * std::pow(q, 1.85) / std::pow(d, 4.87) / 100;
}

}  // namespace

Result Compute(const Inputs& in) {
    Result r;
    if (in.water == 0 || in.pump == 0 || in.hydrant == 0) return {.problem = Problem::InsufficientData};
    if (!(in.water <= in.hydrant && in.inlet <= in.water)) return {.problem = Problem::Unreasonable};
    if (in.type == 1 && in.hydrant - in.inlet < 6.0) return {.problem = Problem::InletTooHigh};
    double k = 40;
    switch (in.type) {
        case 1:
            r.standpipe = (in.hydrant - 5.0 - in.inlet - 1.0) * std::sqrt(2.0) + 5.0;
            break;
        case 2:
            r.standpipe = (in.hydrant - in.inlet - 1.0) * std::sqrt(2.0);
            k = 30;
            break;
        default:
            r.standpipe = in.hydrant - in.inlet - 1.0;
            break;
    }
    if (r.standpipe < 0) r.standpipe = 0;
    const double f6 = FrictionPerFoot(in.q, in.c, 6);
    for (short d : {6, 8, 10, 12}) {
        double strainer = 0;
        switch (d) {
            case 6:
                strainer = 2.5e-6 * std::pow(in.q, 1.9151);
                break;
            case 8:
                strainer = 4e-7 * in.q * in.q + 9e-5 * in.q - 0.04;
                k += 10;  // the reducer, kept for the larger sizes
                break;
            case 10:
                strainer = 1e-7 * in.q * in.q + 1e-4 * in.q - 0.02;
                break;
            default:
                strainer = 1e-7 * in.q * in.q + 1e-5 * in.q - 0.01;
                break;
        }
        const double intake = FrictionPerFoot(in.q, in.c, d) * in.length;
        const double standpipe = (k + r.standpipe) * f6;
        r.head = (in.pump - in.inlet) + intake + standpipe + strainer;
        r.size = d;
        if (r.head <= 20.0) return r;
    }
    r.problem = Problem::BeyondCapability;
    return r;
}

std::string Message(Problem p) {
    switch (p) {
        case Problem::InsufficientData:
            return "Insufficient Data.";
        case Problem::Unreasonable:
            return "Elevations are unreasonable.";
        case Problem::InletTooHigh:
            return "Inlet elevation is too high for this type of hydrant.";
        case Problem::BeyondCapability:
            return "Pipe size is beyond my capability.";
        case Problem::None:
            break;
    }
    return {};
}

std::vector<std::string> Materials(int type, short size, double standpipe, double length) {
    const std::string d = FormatNumber(size, "#0");
    std::vector<std::string> lines = {
        type == 0 ? "1 - 90 deg. hydrant head assembly" : "1 - 45 deg. hydrant head assembly",
        "1 - " + d + " in. intake strainer",
        FormatNumber(standpipe, "##0") + " - feet 6 in. standpipe",
        FormatNumber(length, "##0") + " - feet " + d + " in. standpipe"};
    if (type == 0) {
        lines.push_back("1 - 6 x " + d + " - 90 deg. elbow");
    } else if (type == 1 && size != 6) {
        lines.push_back("1 - 6 x 6 - 45 deg. elbow");
        lines.push_back("1 - 6 x " + d + " - 45 deg. elbow");
    } else if (type == 1) {
        lines.push_back("2 - 6 x " + d + " - 45 deg. elbow");
    } else {
        lines.push_back("1 - 6 x " + d + " - 45 deg. elbow");
    }
    return lines;
}

}  // namespace vado::dry_hydrant
