#include <gtest/gtest.h>

#include "calc/channel/frm_parabolic.h"
#include "calc/channel/parabolic.h"

namespace vado {
namespace {

TEST(ParabolicSection, RadiusIsAreaOverTheApproximatePerimeter) {
    // P = T + 8 d^2 / (3 T) for a parabola of top width T and depth d.
    for (auto [t, d] : {std::pair{30.0, 2.0}, {10.0, 10.0}, {100.0, 0.5}, {10.0, 0.1}}) {
        auto r = parabolic::Compute({.topWidth = t, .depth = d, .slope = 0.001, .n = 0.03});
        EXPECT_DOUBLE_EQ(r.area, 2.0 / 3.0 * t * d);
        EXPECT_NEAR(r.radius, r.area / (t + 8 * d * d / (3 * t)), 1e-12) << t << " " << d;
    }
}

}  // namespace
}  // namespace vado
