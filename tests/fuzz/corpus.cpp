#include "corpus.h"

#include <cmath>
#include <cstdio>

namespace vado::fuzz {

int Pick(Rng& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

bool Chance(Rng& rng, double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; }

const std::vector<std::string>& HostileTexts() {
    static const std::vector<std::string> texts = {
        "", ".", "-", "+", "-0", "0", "00", "1e999", "-1e999", "1e-320", "1e308", "4.9e-324", "32767", "32768",
        "-32769", "65536", "nan", "NaN", "-nan", "inf", "-inf", "Infinity", "0x1A", "1,5", "1.2.3", "1..2", "abc",
        " 12 ", "\t", "12\t", "1\n2", "3\r\n", "\"5\"", "'6'", "7\"", "1e5", "+5", "5-", "0.0000001",
        "99999999999999999999", std::string(400, '9'), "0." + std::string(300, '0') + "1",
        "\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x93",  // full-width 123
        "\xD9\xA1\xD9\xA2\xD9\xA3",              // Arabic-Indic 123
        "\xD9\xA1.\xD9\xA5",                     // Arabic-Indic 1.5
        "\xFF\xFE", "1\xC3", "\xED\xA0\x80", std::string("1\x00" "2", 3), "\x7F"};
    return texts;
}

namespace {

// Decimals the picture shows at most ("###0.0#" has two).
int Decimals(const std::string& format) {
    const auto point = format.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(format.size() - point - 1);
}

std::string Fixed(double v, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    return buffer;
}

}  // namespace

std::string FieldText(Rng& rng, const NumericField* f, const std::string& exampleText) {
    const int roll = Pick(rng, 0, 99);
    if (roll < 22 || !f) return roll < 12 || !f ? PickOf(rng, HostileTexts()) : FreeText(rng);
    if (roll < 40) return !exampleText.empty() && Chance(rng, 0.6) ? exampleText : f->defaultText;
    const int decimals = f->wholeNumber ? 0 : std::max(1, Decimals(f->format));
    const double step = f->wholeNumber ? 1.0 : std::pow(10.0, -decimals);
    const bool bounded = f->lo < f->hi;
    const double hi = bounded ? f->hi : f->lo + 1000.0;
    switch (Pick(rng, 0, 6)) {
        case 0: return Fixed(f->lo, Pick(rng, 0, decimals));
        case 1: return Fixed(hi, Pick(rng, 0, decimals));
        case 2: return Fixed(f->lo - step, decimals);
        case 3: return Fixed(hi + step, decimals);
        case 4: return Fixed(f->lo + step, decimals);
        default: {
            const double v = std::uniform_real_distribution<double>(f->lo, hi)(rng);
            return Fixed(v, f->wholeNumber ? 0 : Pick(rng, 0, decimals + 2));
        }
    }
}

std::string FreeText(Rng& rng) {
    static const std::vector<std::string> words = {
        "Hilltop Farm LLC", "O'Brien \"Bud\" & Sons", "Pond 3", "Adams", "PA", "M1", "A-2", "Main",
        std::string(500, 'W'), "caf\xC3\xA9", "\xE6\xB0\xB4", "0.002", "10", "0.004", "25", "1/2"};
    if (Chance(rng, 0.3)) return PickOf(rng, HostileTexts());
    if (Chance(rng, 0.3)) return Fixed(std::uniform_real_distribution<double>(0, 200)(rng), Pick(rng, 0, 3));
    return PickOf(rng, words);
}

}  // namespace vado::fuzz
