#include "calc/flow/orifice.h"

#include <cmath>

namespace vado::orifice {

double CircleArea(double d) { return (d / 2) * (d / 2) * 3.14159265358979; }

double Discharge(double c, double a, double h) {
    return std::pow(h * 64.32, 0.5) * ((a / 144) * c);
}

}  // namespace vado::orifice
