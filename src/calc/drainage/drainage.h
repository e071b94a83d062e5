#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/drainage/drain_material.h"

namespace vado::drainage {

// cfs per acre per inch of water removed a day (1 acre-inch a day is 0.042 cfs); the odd last
// digit is the constant the drainage pages were built on.
inline constexpr double kCfsPerAcreInch = 0.04200001;

// The drainage coefficients offered, inches per day, smallest first.
inline constexpr std::array<const char*, 11> kCoefficients = {
    "1/4", "3/8", "1/2", "5/8", "3/4", "7/8", "1", "5/4", "3/2", "7/4", "2"};

// A coefficient text as a number: "3/8" is 3 / 8, "1" is 1.
double ParseCoefficient(const std::string& text);

enum class NStatus { NoRow = 0, BelowRow = 1, Found = 2 };

struct NLookUp {
    double n = 0;
    NStatus status = NStatus::NoRow;
};

// The n of a material at a nominal size: the rows of the material are scanned from the top; a
// size below the first row that does not cover it stops the scan (BelowRow), a size past every
// row of the material, or a material not in the table, finds none.
NLookUp LookUpDrainN(const DrainMaterialTable& table, const std::string& material, short size);

// The materials in table order, each once.
std::vector<std::string> MaterialNames(const DrainMaterialTable& table);

// Full-pipe capacity of a drain (Manning, US units): 1.4859 (D/48)^(2/3) sqrt(S) pi (D/24)^2 / n,
// D in inches.
double FullPipeCapacity(double diameterIn, double slope, double n);

// The cross-section of a drain, sq ft.
double PipeArea(double diameterIn);

}  // namespace vado::drainage
