#include <gtest/gtest.h>

#include "calc/flow/frm_pipe_flow.h"
#include "calc/flow/pipe_flow.h"

namespace vado {
namespace {

TEST(PipeFlow, WorkedExample) {
    auto r = pipe_flow::Compute(
        {.n = 0.025, .ke = 0.65, .kb = 0, .diameterIn = 24, .headFt = 10, .lengthFt = 60});
    EXPECT_NEAR(r.kp, 0.045926, 1e-6);
    EXPECT_NEAR(r.q, 37.978, 1e-3);
    EXPECT_NEAR(r.velocity, 12.089, 1e-3);
    EXPECT_NEAR(r.hf, 6.2609, 1e-4);
}

}  // namespace
}  // namespace vado
