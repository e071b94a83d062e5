#include "calc/drop/box_inlet.h"

#include <cmath>

#include "calc/drop/drop_structure.h"

namespace vado::box_inlet {

Capacity Compute(const Box& box, double head) {
    constexpr double kBase = 2.71828;
    const double x = std::log(head / box.width);
    const double c1 = std::pow(kBase, -0.031673 * x * x - 0.0073344 * x + 0.0053734);
    const double y = std::log(box.breadth / box.width);
    const double c2 = box.breadth / box.width <= 0.45
                          ? std::pow(kBase, 0.0016745 * y * y + 0.023989 * y + 0.058657)
                          : std::pow(kBase, 0.0078909 * y * y - 0.059777 * y - 0.0027294);
    const double crestLength = 2 * box.breadth + box.width;
    return {.q = 3.43 * crestLength * std::pow(head, 1.5) * c1 * c2 /
                 (0.01 * (box.crest - box.floor) + 1.1),
            .inletWidth = 2 * crestLength - 1.5 * head};
}

std::vector<RatingRow> Rating(const Box& box, double depth) {
    std::vector<RatingRow> rows;
    for (double s : drop::RatingHeads(depth)) rows.push_back({box.crest + s, Compute(box, s).q});
    return rows;
}

}  // namespace vado::box_inlet
