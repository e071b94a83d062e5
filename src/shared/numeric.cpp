#include "shared/numeric.h"

#include <cassert>
#include <cmath>
#include <cstdint>

namespace vado {

double Log10(double x) { return std::log(x) / std::log(10.0); }

double TruncDecimals(double x, short n) {
    double f = n >= 0 ? std::pow(10.0, n) : 1.0;
    return std::floor(f * x) / f;
}

namespace {

constexpr double kInt32Min = -2147483648.0;
constexpr double kInt32Max = 2147483647.0;

// x truncated towards zero as a 32-bit integer, clamped at the range's ends.
std::int32_t Truncate32(double x) {
    assert(x >= kInt32Min && x <= kInt32Max && "whole-number routine beyond the 32-bit range");
    if (!(x >= kInt32Min)) return INT32_MIN;  // also NaN
    if (x > kInt32Max) return INT32_MAX;
    return static_cast<std::int32_t>(x);
}

}  // namespace

long CeilWhole(double x) {
    std::int32_t t = Truncate32(x);
    return t < x && t < INT32_MAX ? long{t} + 1 : long{t};
}

long FloorWhole(double x) {
    std::int32_t t = Truncate32(x);
    return t > x && t > INT32_MIN ? long{t} - 1 : long{t};
}

double ArcSin(double x) {
    assert(std::fabs(x) < 1 && "ArcSin needs |x| < 1");
    if (x >= 1) return 3.14159265358979 / 2;
    if (x <= -1) return -3.14159265358979 / 2;
    return std::atan(x / std::sqrt(1 - x * x));
}

}  // namespace vado
