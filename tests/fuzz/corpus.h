#pragma once

#include <random>
#include <string>
#include <vector>

#include "shared/calculator_form.h"

namespace vado::fuzz {

using Rng = std::mt19937_64;

// A whole number in [lo, hi].
int Pick(Rng& rng, int lo, int hi);
// True with probability p.
bool Chance(Rng& rng, double p);
template <class T>
const T& PickOf(Rng& rng, const std::vector<T>& items) {
    return items[static_cast<size_t>(Pick(rng, 0, static_cast<int>(items.size()) - 1))];
}

// Texts no field should be upset by: empty, a lone point, numbers beyond the double range and the
// 16-bit range, signs, hexadecimal, "nan" and "inf", full-width and Arabic-Indic digits, 400 nines,
// quotes, tabs and line ends, invalid UTF-8.
const std::vector<std::string>& HostileTexts();

// A text for a numeric field: a hostile text, or a number inside, at or just outside its range as
// its declaration gives it, or the text it starts with or its worked example gives it.
std::string FieldText(Rng& rng, const NumericField* field, const std::string& exampleText);
// A text for a field that is no number (a landowner, a site) or a table cell.
std::string FreeText(Rng& rng);

}  // namespace vado::fuzz
