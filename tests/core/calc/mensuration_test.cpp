#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/main_module.h"
#include "calc/mensuration/frm_mensuration.h"
#include "calc/mensuration/mensuration.h"
#include "ui/recording_printer.h"

namespace vado {
namespace {

using namespace mensuration;

TEST(Mensuration, Triangles) {
    RightTriangle t;
    ASSERT_TRUE(FromHypotenuse(3, 9, 5, t));
    EXPECT_DOUBLE_EQ(t.b, 4);
    ASSERT_TRUE(FromHypotenuse(9, 4, 5, t)) << "the second leg when the first is too long";
    EXPECT_DOUBLE_EQ(t.a, 3);
    EXPECT_FALSE(FromHypotenuse(3, 4, 2, t));

    const struct {
        double a, b, c;
        ObliqueTriangle::Outcome outcome;
    } cases[] = {
        {3, 4, 6, ObliqueTriangle::Outcome::Solved},
        {3, 4, 8, ObliqueTriangle::Outcome::NotATriangle},
        {3, 4, 7, ObliqueTriangle::Outcome::Flat},  // b + a >= c lets the flat one through
        {7, 4, 3, ObliqueTriangle::Outcome::NotATriangle},
    };
    for (const auto& c : cases) EXPECT_EQ(Oblique(c.a, c.b, c.c).outcome, c.outcome) << c.a << c.b << c.c;
    auto o = Oblique(3, 4, 6);
    EXPECT_DOUBLE_EQ(o.s, 6.5);
    EXPECT_NEAR(o.r, 0.82, 0.005);
    EXPECT_NEAR(o.h, 3.56, 0.005);
    EXPECT_NEAR(o.area, 5.33, 0.005);
    EXPECT_NEAR(o.sigma + o.phi + o.alpha, kPi, 1e-12);
}

TEST(Mensuration, ParallelogramAngle) {
    EXPECT_NEAR(ParallelogramOf(14, 8, 6).theta * 180 / kPi, 48.59, 0.005);
    const double below = std::nextafter(8.0, 0.0);
    for (double h : {8.0, below}) {
        auto p = ParallelogramOf(14, 8, h);
        EXPECT_FALSE(std::isnan(p.theta)) << h;
        if (h == 8.0) {
            EXPECT_NEAR(p.d1, p.d2, 1e-12);
        }
    }
    EXPECT_NEAR(PolygonArea(3, 14), 84.87, 0.005);
    EXPECT_NEAR(PolygonArea(6, 8), 3 * std::sqrt(3.0) / 2 * 64, 1e-9) << "the hexagon's closed form";
    EXPECT_NEAR(FrustumVolume(4, 4, 3), 12, 1e-12) << "a prism";
}

TEST(Mensuration, TheRightTriangleSketchShowsTheAreaAndBothAngles) {
    ui::HeadlessServices services;
    MainModule module(services);
    module.SubMain();
    auto& page = static_cast<FrmMensuration&>(*module.FormList[13]);
    page.clickButton(page.cmdCompute);
    ui::RecordingPrinter p;
    page.PaintFigure(0, p, 6000, 3000);
    EXPECT_NE(p.findText("Area = 6.00"), nullptr);
    EXPECT_NE(p.findText("36"), nullptr);
    EXPECT_NE(p.findText("52' 11\""), nullptr);
    EXPECT_NE(p.findText("7' 48\""), nullptr);
    // The field last focused stays the known one across a figure change.
    page.setFocus(page.inputs(0)[2]);
    page.cboFormula.setListIndex(4);
    EXPECT_EQ(page.activeField(), 2);
}

TEST(Mensuration, TheRectangleRefusesADiagonalNoLongerThanSideA) {
    const struct {
        const char* diagonal;
        const char* sideB;    // written back, "" when refused
    } cases[] = {{"5", "3.00"}, {"4.00", ""}, {"3.99", ""}};
    for (const auto& c : cases) {
        ui::HeadlessServices services;
        MainModule module(services);
        module.SubMain();
        auto& page = static_cast<FrmMensuration&>(*module.FormList[13]);
        page.cboFormula.setListIndex(8);
        page.setFocus(page.inputs(8)[2]);
        page.inputs(8)[2]->setText(c.diagonal);
        page.clickButton(page.cmdCompute, true);
        const bool refused = *c.sideB == '\0';
        EXPECT_EQ(module.app().lastComputeFailed, refused) << c.diagonal;
        EXPECT_EQ(page.outputs(8)[0]->caption(), refused ? "" : "12.00") << c.diagonal;
        if (refused) {
            ASSERT_FALSE(services.messages.empty()) << c.diagonal;
            EXPECT_EQ(services.messages.back().text, "The diagonal must be longer than side 'a'.");
        } else {
            EXPECT_EQ(page.inputs(8)[1]->text(), c.sideB);
        }
    }
}

// Distance from a point to the segment of a recorded line.
double Distance(double x, double y, const ui::RecordedOp& l) {
    const double dx = l.x2 - l.x, dy = l.y2 - l.y;
    const double t = std::clamp(((x - l.x) * dx + (y - l.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - (l.x + t * dx), y - (l.y + t * dy));
}

TEST(Mensuration, TheParallelogramSketchNamesTheShortDiagonalD1) {
    ui::HeadlessServices services;
    MainModule module(services);
    module.SubMain();
    auto& page = static_cast<FrmMensuration&>(*module.FormList[13]);
    ui::RecordingPrinter p;
    page.PaintFigure(9, p, 6000, 3000);
    // The two diagonals are the longest slanted lines, the long one first.
    std::vector<const ui::RecordedOp*> slanted;
    for (const auto& op : p.ops)
        if (op.kind == ui::RecordedOp::Kind::Line && op.x != op.x2 && op.y != op.y2) slanted.push_back(&op);
    auto length = [](const ui::RecordedOp* l) { return std::hypot(l->x2 - l->x, l->y2 - l->y); };
    std::sort(slanted.begin(), slanted.end(), [&](auto* a, auto* b) { return length(a) > length(b); });
    ASSERT_GE(slanted.size(), 2u);
    const ui::RecordedOp *d1 = p.findText("d1"), *d2 = p.findText("d2");
    ASSERT_TRUE(d1 && d2);
    EXPECT_LT(Distance(d1->x, d1->y, *slanted[1]), Distance(d1->x, d1->y, *slanted[0])) << "d1 by the short one";
    EXPECT_LT(Distance(d2->x, d2->y, *slanted[0]), Distance(d2->x, d2->y, *slanted[1])) << "d2 by the long one";
    // As the results say: d1 = 10.58 is the short diagonal of 14, 8 and h 6.
    const auto par = ParallelogramOf(14, 8, 6);
    EXPECT_LT(par.d1, par.d2);
}

}  // namespace
}  // namespace vado
