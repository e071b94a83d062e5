#include <gtest/gtest.h>

#include <cmath>
#include <variant>

#include "calc/channel/frm_trapezoidal.h"
#include "calc/channel/trapezoidal.h"

namespace vado {
namespace {

// The exact critical depth of a trapezoid: the root of Q^2 T = g A^3 with g = 32.16, by
// bisection.
double ExactCriticalDepth(double q, double b, double z) {
    auto f = [&](double y) {
        double a = (z * y + b) * y;
        return q * q * (2 * z * y + b) - 32.16 * a * a * a;
    };
    double lo = 0, hi = 1;
    while (f(hi) > 0) hi *= 2;
    for (int i = 0; i < 200; ++i) {
        double m = (lo + hi) / 2;
        (f(m) > 0 ? lo : hi) = m;
    }
    return lo;
}

trapezoidal::Results Computed(double b, double z, double y, double s, double n) {
    auto outcome =
        trapezoidal::Compute({.bottomWidth = b, .sideSlope = z, .depth = y, .slope = s, .n = n});
    EXPECT_TRUE(std::holds_alternative<trapezoidal::Results>(outcome));
    return std::get<trapezoidal::Results>(outcome);
}

TEST(TrapezoidalCriticalDepth, WorkedExamplesLieWithinAThousandthBelowTheExactDepth) {
    const struct {
        const char* name;
        double b, z, y, s, n, yc;
    } cases[] = {
        {"defaults", 4, 2, 3, 0.0005, 0.04, 1.116},
        {"rectangle", 10, 0, 2, 0.001, 0.013, 1.377},
        {"triangle", 0, 2, 3, 0.0005, 0.04, 1.387},
    };
    for (const auto& c : cases) {
        auto r = Computed(c.b, c.z, c.y, c.s, c.n);
        EXPECT_DOUBLE_EQ(r.criticalDepth, c.yc) << c.name;
        double exact = ExactCriticalDepth(r.capacity, c.b, c.z);
        EXPECT_LE(r.criticalDepth, exact) << c.name;
        EXPECT_GT(r.criticalDepth, exact - 0.001) << c.name;
    }
}

TEST(TrapezoidalCriticalDepth, AgreesWithTheClosedFormAcrossTheRanges) {
    // The iteration stops once a step no longer changes the thousandths, so it can stop up to
    // two thousandths short of the root; it never overshoots it.
    const struct {
        const char* name;
        double b, z, y, s, n;
    } cases[] = {
        {"widest, flattest sides, steep", 40, 20, 10, 0.1, 0.01},
        {"narrow, steep sides, deep", 1, 10, 10, 0.01, 0.01},
        {"shallow, rough", 4, 2, 0.1, 0.0001, 0.2},
        {"wide rectangle", 40, 0, 0.5, 0.001, 0.03},
        {"narrow triangle", 0, 0.25, 6, 0.001, 0.01},
        {"flat triangle", 0, 20, 10, 0.1, 0.01},
        {"depth far above the critical", 30.2, 18.89, 9.66, 0.0002, 0.146},
    };
    for (const auto& c : cases) {
        auto r = Computed(c.b, c.z, c.y, c.s, c.n);
        double exact = ExactCriticalDepth(r.capacity, c.b, c.z);
        EXPECT_LE(r.criticalDepth, exact + 1e-4) << c.name;
        EXPECT_GT(r.criticalDepth, exact - 0.0021) << c.name;
    }
}

TEST(TrapezoidalCriticalDepth, ClosedFormsOfTheRectangleAndTheTriangle) {
    // Rectangle: yc = (q^2 / g)^(1/3) with q = Q / b. Triangle: yc = (2 Q^2 / (g z^2))^(1/5).
    for (double q : {0.5, 5.0, 91.69, 900.0}) {
        double rect = std::cbrt(std::pow(q / 10, 2) / 32.16);
        double yc = trapezoidal::CriticalDepth(q, 3.0, 10, 0);
        EXPECT_LE(yc, rect + 1e-4) << q;
        EXPECT_GT(yc, rect - 0.0021) << q;
        double tri = std::pow(2 * q * q / (32.16 * 4), 0.2);
        yc = trapezoidal::CriticalDepth(q, 3.0, 0, 2);
        EXPECT_LE(yc, tri + 1e-4) << q;
        EXPECT_GT(yc, tri - 0.0021) << q;
    }
}

TEST(TrapezoidalCriticalDepth, NoFlowDescendsToZero) {
    for (double y0 : {3.0, 10.0, 0.01})
        for (double z : {0.0, 2.0, 20.0}) EXPECT_EQ(trapezoidal::CriticalDepth(0, y0, 4, z), 0);
}

TEST(TrapezoidalCriticalDepth, AStartBelowAThousandthRestartsFromATenth) {
    // From 0.0005 the first step of -0.001 leaves the positive depths and no halving brings it
    // back, so the iteration starts again from 0.1 ft and still finds the depth.
    double q = Computed(4, 2, 1, 0.001, 0.03).capacity;
    EXPECT_DOUBLE_EQ(trapezoidal::CriticalDepth(q, 0.0005, 4, 2), 0.441);
    EXPECT_DOUBLE_EQ(trapezoidal::CriticalDepth(q, 1, 4, 2), 0.441);
    EXPECT_EQ(trapezoidal::CriticalDepth(0, 0.0005, 4, 2), 0);
}

TEST(TrapezoidalSection, LimitingShapes) {
    // z = 0 is the rectangle b y with perimeter b + 2 y.
    auto rect = Computed(10, 0, 2, 0.001, 0.013);
    EXPECT_DOUBLE_EQ(rect.area, 20);
    EXPECT_DOUBLE_EQ(rect.radius, 20.0 / 14);
    EXPECT_DOUBLE_EQ(rect.topWidth, 10);
    // b = 0 is the triangle z y^2 with perimeter 2 y sqrt(1 + z^2).
    auto tri = Computed(0, 2, 3, 0.0005, 0.04);
    EXPECT_DOUBLE_EQ(tri.area, 18);
    EXPECT_DOUBLE_EQ(tri.radius, 18 / (6 * std::sqrt(5.0)));
    EXPECT_DOUBLE_EQ(tri.topWidth, 12);
}

TEST(TrapezoidalSection, SectionsWithoutMeaningAreProblems) {
    const struct {
        const char* name;
        double b, z, y;
        trapezoidal::Problem problem;
    } cases[] = {
        {"no bottom, dry", 0, 2, 0, trapezoidal::Problem::NoWettedPerimeter},
        {"no bottom, no side slope, dry", 0, 0, 0, trapezoidal::Problem::NoWettedPerimeter},
        {"no bottom, vertical sides", 0, 0, 3, trapezoidal::Problem::NoTopWidth},
    };
    for (const auto& c : cases) {
        auto outcome = trapezoidal::Compute(
            {.bottomWidth = c.b, .sideSlope = c.z, .depth = c.y, .slope = 0.001, .n = 0.03});
        ASSERT_TRUE(std::holds_alternative<trapezoidal::Problem>(outcome)) << c.name;
        EXPECT_EQ(std::get<trapezoidal::Problem>(outcome), c.problem) << c.name;
    }
}

class TrapezoidalPageTest : public ::testing::Test {
  protected:
    void SetUp() override { page.Load(); }
    void set(const char* b, const char* z, const char* y, const char* s, const char* n) {
        page.txt5BW.setText(b);
        page.txt5Slope(1).setText(z);
        page.txt5Depth.setText(y);
        page.txt5Slope(0).setText(s);
        page.txt5N.setText(n);
    }
    std::vector<std::string> shown() const {
        return {page.txt5HRadius.text(),  page.txt5Area.text(),      page.txt5Capacity.text(),
                page.txt5Velocity.text(), page.txt5CritDepth.text(), page.lbl5Width.caption()};
    }
    bool resultsBlank() const {
        return page.txt5HRadius.text().empty() && page.txt5Area.text().empty() &&
               page.txt5Capacity.text().empty() && page.txt5Velocity.text().empty() &&
               page.txt5CritDepth.text().empty();
    }
    // No control of the page shows a number that went wrong.
    void expectNoGarbage(const char* name) const {
        for (auto& c : page.controls()) {
            std::string s = c->kind() == ui::Kind::TextBox
                                ? static_cast<const ui::TextBox&>(*c).text()
                                : c->caption();
            EXPECT_EQ(s.find("nan"), std::string::npos) << name << " " << c->fullName();
            EXPECT_EQ(s.find("inf"), std::string::npos) << name << " " << c->fullName();
        }
    }

    ui::HeadlessServices services;
    AppContext app{services};
    FrmTrapezoidal page{app};
};

TEST_F(TrapezoidalPageTest, WidthLabelKeepsOnlyForTheChannelSlopeAndN) {
    const struct {
        const char* name;
        ui::TextBox* field;
        const char* text;
        bool keepsWidth;
    } cases[] = {
        {"Manning's n", &page.txt5N, "0.05", true},
        {"channel slope", &page.txt5Slope(0), "0.001", true},
        {"side slope", &page.txt5Slope(1), "3", false},
        {"depth", &page.txt5Depth, "2", false},
        {"bottom width", &page.txt5BW, "5", false},
    };
    for (const auto& c : cases) {
        set("4", "2", "3", "0.0005", "0.04");
        page.clickButton(page.cmdCompute);
        ASSERT_EQ(page.lbl5Width.caption(), " Width @ surface 16 ft ") << c.name;
        c.field->setText(c.text);
        EXPECT_TRUE(resultsBlank()) << c.name;
        EXPECT_TRUE(page.inputEdited) << c.name;
        EXPECT_EQ(page.lbl5Width.caption(),
                  c.keepsWidth ? " Width @ surface 16 ft " : " Width @ surface   ft ")
            << c.name;
    }
}

TEST_F(TrapezoidalPageTest, ZeroPerimeterInQuietMode) {
    page.txt5BW.setText("0");
    page.txt5Depth.SetFocus();
    page.txt5Depth.setText("0");
    // Enter after an edit reports it and keeps the focus on the bottom width.
    page.txt5Depth.typeKey(13);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(page.focused(), &page.txt5BW);
    // Moving on without an edit is silent.
    services.messages.clear();
    page.txt5Slope(0).SetFocus();
    EXPECT_EQ(page.focused(), &page.txt5Slope(0));
    page.txt5N.SetFocus();
    EXPECT_EQ(page.focused(), &page.txt5N);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(resultsBlank());
    expectNoGarbage("quiet");
}

}  // namespace
}  // namespace vado
