#include "calc/drop/straight_drop.h"

#include <cmath>

#include "calc/drop/drop_structure.h"

namespace vado::straight_drop {

double Capacity(double widthFt, double headFt) {
    return 3.33 * (widthFt - 0.2 * headFt) * std::pow(headFt, 1.5);
}

std::vector<RatingRow> Rating(double widthFt, double headFt, double crest) {
    std::vector<RatingRow> rows;
    for (double y : drop::RatingHeads(headFt))
        rows.push_back({crest + y, 3.33 * std::pow(y, 1.5) * (widthFt - 0.2 * y)});
    return rows;
}

}  // namespace vado::straight_drop
