#include "shared/numeric.h"

#include <gtest/gtest.h>

namespace vado {
namespace {

TEST(Numeric, TruncDecimals) {
    const struct {
        double x;
        short n;
        double expected;
    } cases[] = {
        {2.71828, 3, 2.718}, {2.5, -1, 2},      {-1.2345, 3, -1.235}, {1.999, 0, 1},
        {-0.5, 0, -1},       {123.456, 1, 123.4}, {0, 3, 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(TruncDecimals(c.x, c.n), c.expected) << c.x;
}

TEST(Numeric, WholeNumbers) {
    const struct {
        double x;
        long ceil, floor;
    } cases[] = {
        {3, 3, 3},     {3.01, 4, 3},  {-2.5, -2, -3}, {-3, -3, -3},
        {0.2, 1, 0},   {-0.2, 0, -1}, {2147483646.5, 2147483647, 2147483646},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CeilWhole(c.x), c.ceil) << c.x;
        EXPECT_EQ(FloorWhole(c.x), c.floor) << c.x;
    }
}

}  // namespace
}  // namespace vado
