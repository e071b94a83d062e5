#include "calc/drainage/drainage.h"

#include <cmath>

#include "shared/number_format.h"

namespace vado::drainage {

namespace {
constexpr double kPi = 3.14159265358979;
}

double ParseCoefficient(const std::string& text) {
    const auto slash = text.find('/');
    if (slash == std::string::npos) return ParseReal(text).value_or(0);
    const double denominator = ParseReal(text.substr(slash + 1)).value_or(0);
    return denominator == 0 ? 0 : ParseReal(text.substr(0, slash)).value_or(0) / denominator;
}

NLookUp LookUpDrainN(const DrainMaterialTable& table, const std::string& material, short size) {
    for (const auto& row : table) {
        if (row.Name != material) continue;
        if (size < row.MinDiam) return {.status = NStatus::BelowRow};
        if (size <= row.MaxDiam) return {.n = row.ManningsN, .status = NStatus::Found};
    }
    return {};
}

std::vector<std::string> MaterialNames(const DrainMaterialTable& table) {
    std::vector<std::string> names;
    for (const auto& row : table)
        if (names.empty() || names.back() != row.Name) names.push_back(row.Name);
    return names;
}

double PipeArea(double diameterIn) { return kPi * std::pow(diameterIn / 24, 2); }

double FullPipeCapacity(double diameterIn, double slope, double n) {
    return 1.4859 * std::pow(diameterIn / 48, 2.0 / 3.0) * std::sqrt(slope) * PipeArea(diameterIn) / n;
}

}  // namespace vado::drainage
