#include "shared/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vado {
namespace {

struct PictureCase {
    double value;
    const char* picture;
    const char* expected;
};

TEST(FormatNumber, ShowsThePicture) {
    const PictureCase cases[] = {
        {19.4778744522, "###0.00", "19.48"}, {12345.678, "###0.00", "12345.68"}, {0.1, "0.0", "0.1"},
        {0.25, ".##", ".25"}, {0.15, ".##", ".15"}, {9, "0.0", "9.0"},
        {84, "#0.0", "84.0"}, {2.675, "0.00", "2.68"}, {0.05, "0.0", "0.1"},
        {-2.5, "0", "-3"}, {9.996, "0.00", "10.00"}, {100, "####0.#", "100"},
        {100.25, "####0.#", "100.3"}, {0.0123, "0.0##", "0.012"}, {0.1, "0.0##", "0.1"},
        {0.04589, "0.0000", "0.0459"}, {0, "##", ""}, {0, "#0", "0"},
        {0, "###0.00", "0.00"}, {-0.004, "0.00", "0.00"}, {-12.345, "#0.0", "-12.3"},
        {123456789012.0, "#0", "123456789012"}, {1e20, "0.00", "100000000000000000000.00"}, {0.1 + 0.2, "0.0000000000000000", "0.3000000000000000"},
        {1e-9, "0.000", "0.000"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value, c.picture), c.expected) << c.value << " " << c.picture;
}

TEST(FormatNumber, NonFiniteValuesShowNothing) {
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), "0.00"), "");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), "0.00"), "");
}

TEST(NumberText, ShortestWithFifteenDigits) {
    EXPECT_EQ(NumberText(0.5), "0.5");
    EXPECT_EQ(NumberText(2), "2");
    EXPECT_EQ(NumberText(0.0001), "0.0001");
    EXPECT_EQ(NumberText(0.00001), "1E-05");
    EXPECT_EQ(NumberText(1e15), "1E+15");
    EXPECT_EQ(NumberText(123456789012345.0), "123456789012345");
    EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberText(-2.5), "-2.5");
    EXPECT_EQ(NumberText(0), "0");
}

struct ParseCase {
    const char* text;
    bool isNumber;
    double value;
};

TEST(ParseReal, AcceptsOnlyPlainDecimals) {
    const ParseCase cases[] = {
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
        if (v && c.isNumber) {
            EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
        }
    }
}

TEST(ParseInt16, RoundsHalfToEvenAndKeepsTheRange) {
    EXPECT_EQ(ParseInt16("15.0"), 15);
    EXPECT_EQ(ParseInt16("12.5"), 12);
    EXPECT_EQ(ParseInt16("13.5"), 14);
    EXPECT_EQ(ParseInt16("32767"), 32767);
    EXPECT_EQ(ParseInt16("32767.4"), 32767);
    EXPECT_FALSE(ParseInt16("32767.5").has_value());
    EXPECT_FALSE(ParseInt16("40000").has_value());
    EXPECT_FALSE(ParseInt16(".").has_value());
}

}  // namespace
}  // namespace vado
