#include <gtest/gtest.h>

#include <cmath>

#include "shared/plot_graph.h"
#include "shared/sketch.h"
#include "ui/recording_printer.h"

namespace vado {
namespace {

using Op = ui::RecordedOp;

std::vector<const Op*> OpsOf(const ui::RecordingPrinter& p, Op::Kind kind) {
    std::vector<const Op*> out;
    for (auto& op : p.ops)
        if (op.kind == kind) out.push_back(&op);
    return out;
}

TEST(Sketch, AnAngleInDegreesMinutesSecondsErasesTheOldOneAndSitsOnWholeTwips) {
    ui::RecordingPrinter p;
    p.setCurrentX(1000.4);
    p.setCurrentY(500.6);
    DrawAngleDMS(p, 0.6154797);
    auto texts = p.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]->text, "35");
    EXPECT_EQ(texts[1]->text, "15' 51\"");
    EXPECT_EQ(texts[0]->x, 1000);
    EXPECT_EQ(texts[1]->y, 501);
    auto circles = OpsOf(p, Op::Kind::Circle);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_GT(circles[0]->x, texts[0]->x);
    EXPECT_LT(circles[0]->x, texts[1]->x) << "the degree circle sits between the numbers";
    EXPECT_EQ(p.ops.front().kind, Op::Kind::Erase);
}

TEST(PlotGraph, AxisStepRule) {
    const struct {
        double min, max, lo, hi, step;
    } cases[] = {{0, 47, 0, 50, 5}, {0, 100, 0, 100, 10}, {100.2, 104.9, 100, 105, 0.5},
                 {-3, 3, -3, 3, 1}, {0, 0.006, 0, 0.006, 0.001}};
    for (const auto& c : cases) {
        auto a = ScaleAxis(c.min, c.max);
        ASSERT_TRUE(a.valid) << c.min << ".." << c.max;
        EXPECT_DOUBLE_EQ(a.step, c.step) << c.min << ".." << c.max;
        EXPECT_DOUBLE_EQ(a.lo, c.lo) << c.min << ".." << c.max;
        EXPECT_NEAR(a.hi, c.hi, 1e-12) << c.min << ".." << c.max;
        EXPECT_GE((a.hi - a.lo) / a.step, 6 - 1e-9);
    }
    EXPECT_FALSE(ScaleAxis(5, 5).valid);
    EXPECT_FALSE(ScaleAxis(1e12, 1e12 + 1).valid) << "quotients beyond 32 bits are not scaled";
}

class PlotGraphTest : public ::testing::Test {
protected:
    PlotRequest request() {
        return {.x = {100, 101, 102, 103, 104}, .y = {0, 10, 20, 35, 47}, .left = 0, .top = 0, .width = 9000,
                .height = 6000, .title = "Rating", .xCaption = "Elevation", .yCaption = "Discharge"};
    }
    ui::RecordingPrinter p;
};

TEST_F(PlotGraphTest, TicksFollowTheScaleMapping) {
    auto r = request();
    r.printing = true;
    r.markerOn = true;
    r.marker = 102.5;
    p.setFontSize(8);
    PlotGraph(p, r);
    EXPECT_EQ(p.FontSize(), 8) << "the font is restored";

    // Plot rectangle: origin (900, 5100), 7650 wide, 4650 high; y 0..50 in steps of 5.
    const double ox = 900, oy = 5100, pw = 7650, ph = 4650;
    for (int i = 0; i <= 10; ++i) EXPECT_NE(p.findText(std::to_string(i * 5)), nullptr) << i * 5;
    int yTicks = 0, crosses = 0;
    bool marker = false;
    for (auto* l : OpsOf(p, Op::Kind::Line)) {
        if (l->x == ox && l->x2 == ox - 75) {
            double v = (oy - l->y) / ph * 50;
            EXPECT_NEAR(v, std::round(v / 5) * 5, 1e-9) << "y ticks sit on multiples of 5";
            ++yTicks;
        }
        if (std::abs(l->x2 - l->x) == 60 && std::abs(l->y2 - l->y) == 60) ++crosses;
        if (l->x == l->x2 && l->y == oy && l->y2 == oy - ph &&
            std::abs(l->x - (ox + 2.5 / 4 * pw)) < 1e-9)
            marker = true;
    }
    EXPECT_EQ(yTicks, 11);
    EXPECT_EQ(crosses, 2 * 5) << "each point crossed on paper";
    EXPECT_TRUE(marker) << "the marker line stands at 102.5";

    ui::RecordingPrinter screen;
    PlotGraph(screen, request());
    EXPECT_EQ(OpsOf(screen, Op::Kind::Point).size(), 5u) << "the screen marks points with dots";
}

TEST_F(PlotGraphTest, TooLittleDataDrawsOnlyTheFrame) {
    PlotRequest one = request(), flatY = request(), flatX = request();
    one.x.resize(1);
    one.y.resize(1);
    flatY.y = {3, 3, 3, 3, 3};
    flatX.x = {1, 1, 1, 1, 1};
    for (const auto* r : {&one, &flatY, &flatX}) {
        ui::RecordingPrinter q;
        PlotGraph(q, *r);
        EXPECT_EQ(OpsOf(q, Op::Kind::Line).size(), 2u) << "the two axes only";
        EXPECT_TRUE(OpsOf(q, Op::Kind::Point).empty());
        EXPECT_NE(q.findText("Rating"), nullptr);
    }
}

}  // namespace
}  // namespace vado
