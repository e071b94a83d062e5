#include <gtest/gtest.h>

#include <array>
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

TEST(Sketch, ScaledLinesAndArrowheads) {
    ui::RecordingPrinter p;
    SketchScale k{10, 20};
    ScaledMoveTo(p, k, 3, 4);
    EXPECT_EQ(p.CurrentX(), 30);
    EXPECT_EQ(p.CurrentY(), 80);
    ScaledLine(p, k, 5, 5);  // from the print position
    ScaledLine(p, k, 1, 1, 2, 2);
    auto lines = OpsOf(p, Op::Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ((std::array{lines[0]->x, lines[0]->y, lines[0]->x2, lines[0]->y2}),
              (std::array{30.0, 80.0, 50.0, 100.0}));
    EXPECT_EQ((std::array{lines[1]->x, lines[1]->y, lines[1]->x2, lines[1]->y2}),
              (std::array{10.0, 20.0, 20.0, 40.0}));
    EXPECT_EQ(p.CurrentX(), 20);

    const double ends[4][4] = {{-75, 75, 75, 75}, {-75, -75, -75, 75}, {-75, -75, 75, -75},
                               {75, -75, 75, 75}};
    for (short d = 0; d < 4; ++d) {
        ui::RecordingPrinter q;
        DrawArrowhead(q, k, 10, 10, d);
        auto strokes = OpsOf(q, Op::Kind::Line);
        ASSERT_EQ(strokes.size(), 2u) << d;
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(strokes[i]->x, 100);
            EXPECT_EQ(strokes[i]->y, 200);
            EXPECT_EQ(strokes[i]->x2 - 100, ends[d][2 * i]) << d;
            EXPECT_EQ(strokes[i]->y2 - 200, ends[d][2 * i + 1]) << d;
        }
    }
    ui::RecordingPrinter none;
    DrawArrowhead(none, k, 1, 1, 4);
    EXPECT_TRUE(none.ops.empty());
}

TEST(Sketch, AngleInDegreesMinutesSeconds) {
    ui::RecordingPrinter p;
    p.setCurrentX(1000.4);
    p.setCurrentY(500.6);
    DrawAngleDMS(p, 0.6154797);
    auto texts = p.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]->text, "35");
    EXPECT_EQ(texts[0]->x, 1000);
    EXPECT_EQ(texts[0]->y, 501);
    EXPECT_EQ(texts[1]->text, "15' 51\"");
    EXPECT_EQ(texts[1]->y, 501);
    auto circles = OpsOf(p, Op::Kind::Circle);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0]->x2, 20);
    EXPECT_GT(circles[0]->x, texts[0]->x);
    EXPECT_LT(circles[0]->x, texts[1]->x) << "the degree circle sits between the numbers";
    ASSERT_FALSE(OpsOf(p, Op::Kind::Erase).empty());
    EXPECT_EQ(p.ops.front().kind, Op::Kind::Erase) << "the old angle is erased first";
}

TEST(PlotGraph, AxisStepRule) {
    const struct {
        double min, max, lo, hi, step;
    } cases[] = {
        {0, 47, 0, 50, 5},       {0, 100, 0, 100, 10},  {100.2, 104.9, 100, 105, 0.5},
        {-3, 3, -3, 3, 1},       {0, 0.006, 0, 0.006, 0.001},
    };
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
        PlotRequest r;
        r.x = {100, 101, 102, 103, 104};
        r.y = {0, 10, 20, 35, 47};
        r.left = 0;
        r.top = 0;
        r.width = 9000;
        r.height = 6000;
        r.title = "Rating";
        r.xCaption = "Elevation";
        r.yCaption = "Discharge";
        return r;
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
    for (int i = 0; i <= 10; ++i) {
        std::string v = std::to_string(i * 5);
        const Op* tick = p.findText(v);
        ASSERT_NE(tick, nullptr) << v;
    }
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

    auto rotated = OpsOf(p, Op::Kind::RotatedText);
    ASSERT_EQ(rotated.size(), 1u);
    EXPECT_EQ(rotated[0]->text, "Discharge");
    EXPECT_EQ(rotated[0]->degrees, 90);
    EXPECT_EQ(rotated[0]->x, 45);
    const Op* title = p.findText("Rating");
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->font.bold);
    EXPECT_EQ(title->font.size, 10);
}

TEST_F(PlotGraphTest, ScreenMarksPointsWithDots) {
    PlotGraph(p, request());
    EXPECT_EQ(OpsOf(p, Op::Kind::Point).size(), 5u);
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
