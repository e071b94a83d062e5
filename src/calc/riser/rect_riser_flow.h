#pragma once

#include <string>

namespace vado {

// One point of a riser rating: a water-surface elevation (ft) and the discharges (cfs) the four
// flow conditions would pass there.
class RectRiserFlow {
public:
    double Qp = 0;   // the barrel pipe flowing full
    double Qw = 0;   // the riser rim as a weir
    double Qoh = 0;  // orifice flow into the riser top
    double Qol = 0;  // orifice flow at the pipe inlet
    double elev = 0;

    void Fill(double elevation, double qp, double qw, double qoh, double qol);
    // The controlling discharge: the least of the four, taken in the order pipe, weir, high
    // orifice, low orifice, a later one only when strictly smaller (ties keep the earlier).
    double Q() const;
    // The condition that gives Q.
    std::string Controls() const;

private:
    int controlling() const;
};

}  // namespace vado
