#pragma once

namespace vado {

double Log10(double x);

// x cut down to n decimals towards minus infinity: (-1.2345, 3) gives -1.235; n < 0 keeps whole
// numbers.
double TruncDecimals(double x, short n);

// Smallest whole number >= x and largest whole number <= x, over the 32-bit range. Callers keep
// x inside that range; outside it the result is clamped to the range's end (and a debug build
// stops on the assertion).
long CeilWhole(double x);
long FloorWhole(double x);

// Arcsine in radians as atan(x / sqrt(1 - x^2)). Callers keep |x| < 1; at |x| >= 1 the result
// is +-pi/2 (and a debug build stops on the assertion).
double ArcSin(double x);

}  // namespace vado
