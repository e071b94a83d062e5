#include "shared/number_format.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vado {
namespace {

TEST(FormatNumber, ShowsThePicture) {
    const struct {
        double value;
        const char *picture, *expected;
    } cases[] = {
        {19.4778744522, "###0.00", "19.48"}, {12345.678, "###0.00", "12345.68"}, {0.1, "0.0", "0.1"},
        {0.25, ".##", ".25"}, {0.15, ".##", ".15"}, {9, "0.0", "9.0"},
        {84, "#0.0", "84.0"}, {2.675, "0.00", "2.68"}, {0.05, "0.0", "0.1"},
        {-2.5, "0", "-3"}, {9.996, "0.00", "10.00"}, {100, "####0.#", "100"},
        {100.25, "####0.#", "100.3"}, {0.0123, "0.0##", "0.012"}, {0.1, "0.0##", "0.1"},
        {0.04589, "0.0000", "0.0459"}, {0, "##", ""}, {0, "#0", "0"},
        {0, "###0.00", "0.00"}, {-0.004, "0.00", "0.00"}, {-12.345, "#0.0", "-12.3"},
        {123456789012.0, "#0", "123456789012"}, {1e20, "0.00", "100000000000000000000.00"}, {0.1 + 0.2, "0.0000000000000000", "0.3000000000000000"},
        {1e-9, "0.000", "0.000"}, {std::nan(""), "0.00", ""}, {INFINITY, "0.00", ""},  // non-finite shows nothing
    };
    for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value, c.picture), c.expected) << c.value << " " << c.picture;
}

TEST(NumberText, ShortestWithFifteenDigits) {
    for (auto [value, text] : {std::pair{0.5, "0.5"}, {2.0, "2"}, {0.0001, "0.0001"}, {0.00001, "1E-05"}, {1e15, "1E+15"},
                               {123456789012345.0, "123456789012345"}, {0.1 + 0.2, "0.3"}, {-2.5, "-2.5"}, {0.0, "0"}})
        EXPECT_EQ(NumberText(value), text) << value;
}

TEST(ParseReal, AcceptsOnlyPlainDecimals) {
    const struct {
        const char* text;
        bool isNumber;
        double value;
    } cases[] = {
        {"1.5", true, 1.5},   {"  24 ", true, 24},  {".5", true, 0.5},  {"5.", true, 5},
        {"0", true, 0},       {"1e2", true, 100},   {"1E-2", true, 0.01},
        {".", false, 0},      {"1.2.3", false, 0},  {"abc", false, 0},  {"", false, 0},
        {"   ", false, 0},    {"-5", false, 0},     {"+5", false, 0},   {"1e999", false, 0},
        {"1e", false, 0},     {"1,5", false, 0},    {"12abc", false, 0}, {"nan", false, 0},
        {"inf", false, 0},
    };
    for (const auto& c : cases) {
        auto v = ParseReal(c.text);
        EXPECT_EQ(v.has_value(), c.isNumber) << '"' << c.text << '"';
        if (v && c.isNumber) { EXPECT_DOUBLE_EQ(*v, c.value) << c.text; }
    }
}

TEST(ParseInt16, RoundsHalfToEvenAndKeepsTheRange) {
    for (auto [text, value] : {std::pair{"15.0", 15}, {"12.5", 12}, {"13.5", 14}, {"32767", 32767}, {"32767.4", 32767}})
        EXPECT_EQ(ParseInt16(text), value) << text;
    for (const char* text : {"32767.5", "40000", "."}) EXPECT_FALSE(ParseInt16(text).has_value()) << text;
}

}  // namespace
}  // namespace vado
