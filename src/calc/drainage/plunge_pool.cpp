#include "calc/drainage/plunge_pool.h"

#include <cmath>

#include "shared/numeric.h"

namespace vado::plunge_pool {

namespace {
constexpr double kPi = 3.14159265358979;
constexpr double kE = 2.718281828;
}  // namespace

double PoolArea(double a, double b, bool rectangular) { return rectangular ? 4 * a * b : kPi * a * b; }

Result Compute(const Inputs& in) {
    Result r;
    if (in.outlet < in.flow) return {.problem = Problem::OutletBelowFlow};
    if (in.flow < in.grade) return {.problem = Problem::FlowBelowGrade};
    if (!(in.slope < 1.0)) return {.problem = Problem::VerticalPipe};
    const double d50 = in.rockIn / 12, d = in.pipeIn / 12, tf = in.filterIn / 12;
    const double q = in.q, s = in.slope;
    const double h0 = in.outlet - in.flow;
    const double tw = in.flow - in.grade;
    const double tr = 2.5 * d50;
    const double tt = tf + tr;

    r.qp = q / std::sqrt(32.16 * std::pow(d, 5));
    r.vp = 4 * q / (kPi * d * d);
    const double c = std::cos(ArcSin(s));
    const double vx = c * r.vp;
    r.vz = std::sqrt((d / 2 * c + h0) * 64.32 + r.vp * r.vp * s * s);
    const double t = r.vz / vx;
    r.vj = std::sqrt(vx * vx + r.vz * r.vz);
    r.xi = (r.vz - s * r.vp) * vx / 32.16;
    r.f = r.vj / std::sqrt(32.16 * 1.64 * d50);
    r.zm = h0 / d <= 1.0 ? 7.5 * d * (1 - std::pow(kE, -0.6 * (r.f - 2)))
                         : 10.5 * d * (1 - std::pow(kE, -0.35 * (r.f - 2)));
    if (25 * d50 / d + 1.0 < r.qp) return {.problem = Problem::RockTooSmall};

    double x = std::pow(kE, -0.15 * r.qp) * (r.zm / t + r.xi) * 1.15;
    // The depth, then the offset, cut down to tenths; everything after uses the cut values.
    double zd = 0.8 * r.zm;
    zd = TruncDecimals(zd, 1);
    x = TruncDecimals(x, 1);
    const double la = (r.qp / 3 + 1.5) * r.zm;
    const double wa = (0.15 * r.qp + 1.5) * r.zm;
    if (la < 0 || wa < 0 || zd <= 0) return {.problem = Problem::InvalidDesign};

    const double a0 = 0.2 * la, b0 = 0.2 * wa;
    const double area0 = PoolArea(a0, b0, in.rectangular);
    const double z1 = TruncDecimals((la - a0) / zd + 0.5, 0);
    const double z2 = TruncDecimals((wa - b0) / zd + 0.5, 0);
    const double h = zd - tw;  // the grade above the pool bottom
    if (h < 0) return {.problem = Problem::BottomAboveGrade};
    const double ag = a0 + h * z1, bg = b0 + h * z2;
    const double areaG = PoolArea(ag, bg, in.rectangular);
    const double v0 = h * (area0 + areaG + std::sqrt(areaG * area0)) / 81;
    const double s1 = std::sqrt(1 + z1 * z1), s2 = std::sqrt(1 + z2 * z2);
    auto shell = [&](double thickness) {
        const double at = ag + thickness * s1, bt = bg + thickness * s2;
        const double ab = (s1 - z1) * thickness + a0, bb = (s2 - z2) * thickness + b0;
        const double top = PoolArea(at, bt, in.rectangular), bottom = PoolArea(ab, bb, in.rectangular);
        return (h + thickness) * (top + bottom + std::sqrt(bottom * top)) / 81;
    };
    r.offset = x;
    r.depth = zd;
    r.bottomLength = 2 * a0;
    r.bottomWidth = 2 * b0;
    r.slopeWithFlow = z1;
    r.slopeAcrossFlow = z2;
    r.riprapThickness = tr;
    r.riprap = shell(tr) - v0;
    r.filter = shell(tt) - shell(tr);
    r.bottom = in.flow - zd;
    return r;
}

std::string Message(Problem p) {
    switch (p) {
        case Problem::OutletBelowFlow:
            return "The pipe outlet must be above the channel flow";
        case Problem::FlowBelowGrade:
            return "The channel flow must be above the channel grade";
        case Problem::VerticalPipe:
            return "A pipe with a slope of 1.0 throws no jet to design for. Enter a slope below 1.0.";
        case Problem::RockTooSmall:
            return "Rock is too small to prevent wave erosion !!";
        case Problem::InvalidDesign:
            return "Invalid design ... Try larger Q.";
        case Problem::BottomAboveGrade:
            return "The pool bottom would lie above the channel grade: the channel flow is deeper "
                   "than the pool. Check the channel flow and channel grade elevations.";
        case Problem::None:
            break;
    }
    return {};
}

Field FocusOf(Problem p) {
    switch (p) {
        case Problem::OutletBelowFlow:
            return Field::Outlet;
        case Problem::VerticalPipe:
            return Field::PipeSlope;
        case Problem::RockTooSmall:
            return Field::RockSize;
        case Problem::InvalidDesign:
            return Field::PipeQ;
        default:
            return Field::Flow;
    }
}

}  // namespace vado::plunge_pool
