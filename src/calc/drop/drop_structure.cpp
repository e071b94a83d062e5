#include "calc/drop/drop_structure.h"

#include <cmath>

#include "shared/numeric.h"

namespace vado::drop {

Fall CheckFall(double crest, double floor) {
    if (!(floor < crest)) return Fall::FloorNotBelowCrest;
    if (crest - floor > 5.0) return Fall::OverfallTooHigh;
    return Fall::Fine;
}

std::string Message(Fall f) {
    switch (f) {
        case Fall::FloorNotBelowCrest:
            return "The box must be higher than the floor of the structure.";
        case Fall::OverfallTooHigh:
            // The whole number 5 turned into text keeps the blank of its sign: " 5".
            return "The maximum overfall is" + std::string(" 5") + " ft.";
        case Fall::Fine:
            break;
    }
    return {};
}

std::vector<double> RatingHeads(double h) {
    std::vector<double> heads;
    const long n = CeilWhole(5 * h);
    for (long i = 1; i <= n; ++i) {
        const double y = static_cast<double>(i) * 0.2;
        if (y > h) break;
        heads.push_back(y);
    }
    return heads;
}

std::optional<std::vector<double>> RatingElevations(double crest, double emergency) {
    const double steps = std::ceil(5 * (emergency - crest));
    if (steps > 32767) return std::nullopt;
    std::vector<double> elevations;
    for (long i = 1; i <= static_cast<long>(steps); ++i) {
        const double water = static_cast<double>(i) * 0.2 + crest;
        if (water > emergency) break;
        elevations.push_back(water);
    }
    return elevations;
}

}  // namespace vado::drop
