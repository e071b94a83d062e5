#include "calc/drop/drop_structure.h"

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

}  // namespace vado::drop
