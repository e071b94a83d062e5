#pragma once

namespace vado::weir {

enum class Mode { Diameter, Length };

struct Inputs {
    Mode mode = Mode::Diameter;
    double coefficient = 0;  // C
    double diameterIn = 0;   // rim of a circular weir, inches (Diameter mode)
    double lengthFt = 0;     // straight crest, feet (Length mode)
    double headFt = 0;       // H
};

// Crest length in feet: the circumference of a circular weir, or the straight length.
double CrestLength(const Inputs& in);

// Q = C L H^(3/2), cfs.
double Discharge(const Inputs& in);

}  // namespace vado::weir
