#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vado
