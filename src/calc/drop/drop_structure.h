#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vado::drop {

// The fall from the crest of a drop inlet to the floor of the structure.
enum class Fall { Fine, FloorNotBelowCrest, OverfallTooHigh };

// The floor must lie below the crest, by no more than 5 ft (E - F compared with 5.0 exactly).
Fall CheckFall(double crest, double floor);

// "The box must be higher than the floor of the structure." or "The maximum overfall is 5 ft."
std::string Message(Fall f);

// The heads of a rating: 0.2, 0.4, ... ft up to the design head h. The loop runs to 5h rounded
// up and stops once i x 0.2, a product in doubles, exceeds h: at h = 0.6 the third product is
// 0.6000000000000001, so the rating ends at 0.4 ft.
std::vector<double> RatingHeads(double h);

// The water elevations of a rating from a crest (or inlet) up to the emergency spillway:
// i x 0.2 + crest for i up to 5 (emergency - crest) rounded up, stopping once a sum lies above
// the emergency crest. A range needing more rows than a 16-bit row number reaches gives none.
std::optional<std::vector<double>> RatingElevations(double crest, double emergency);
inline constexpr const char* kRatingTooLong =
    "The rating would need more than 32767 rows of 0.2 ft from the crest up to the emergency "
    "spillway. Lower the emergency spillway elevation or raise the crest.";

}  // namespace vado::drop
