#include "calc/flow/weir.h"

#include <cmath>

namespace vado::weir {

double CrestLength(const Inputs& in) {
    if (in.mode == Mode::Diameter) return in.diameterIn * 3.14159265358979 / 12;
    return in.lengthFt;
}

double Discharge(const Inputs& in) {
    return std::pow(in.headFt, 3.0 / 2.0) * (in.coefficient * CrestLength(in));
}

}  // namespace vado::weir
