#include "calc/channel/channel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vado::channel {
namespace {

TEST(ChannelManningVelocity, CoefficientAndExponents) {
    EXPECT_DOUBLE_EQ(ManningVelocity(1, 1, 1), 1.4859);
    // R^(2/3) of 8 is 4 and S^0.5 of 0.0004 is 0.02.
    EXPECT_NEAR(ManningVelocity(8, 0.0004, 0.02), 4 * 1.4859, 1e-12);
    EXPECT_EQ(ManningVelocity(0, 0.001, 0.013), 0);
}

TEST(ChannelResultTexts, FixedWordingAndFormats) {
    const struct {
        const char* name;
        double r, a, q, v, yc;
        std::array<std::string, 5> texts;
    } cases[] = {
        {"typical",
         1.7225,
         30,
         35.8078,
         1.1936,
         1.116,
         {"Hydraulic Radius: 1.72", "Area: 30.00 sq ft", "Capacity: 35.81 cfs",
          "Velocity: 1.19 ft/sec", "Critical Depth: 1.12 ft"}},
        {"dry channel",
         0,
         0,
         0,
         0,
         0,
         {"Hydraulic Radius: 0.00", "Area: 0.00 sq ft", "Capacity: 0.00 cfs",
          "Velocity: 0.00 ft/sec", "Critical Depth:  N/A  ft"}},
        {"estimate out of its range",
         0.5,
         1.57,
         3.58,
         2.28,
         -1,
         {"Hydraulic Radius: 0.50", "Area: 1.57 sq ft", "Capacity: 3.58 cfs",
          "Velocity: 2.28 ft/sec", "Critical Depth:  N/A  ft"}},
        {"half away from zero, large values",
         2.675,
         1234.5,
         3085.845,
         80.125,
         0.001,
         {"Hydraulic Radius: 2.68", "Area: 1234.50 sq ft", "Capacity: 3085.85 cfs",
          "Velocity: 80.13 ft/sec", "Critical Depth: 0.00 ft"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChannelResultTexts(c.r, c.a, c.q, c.v, c.yc), c.texts) << c.name;
}

}  // namespace
}  // namespace vado::channel
