#pragma once

namespace vado::orifice {

// Area in sq.in. of a circular orifice of diameter d inches.
double CircleArea(double diameterIn);

// Q = C a sqrt(2 g h), cfs, with a in sq.in. and 2 g = 64.32.
double Discharge(double coefficient, double areaSqIn, double headFt);

}  // namespace vado::orifice
