#include <gtest/gtest.h>

#include <cmath>
#include <variant>

#include "calc/channel/circular.h"
#include "calc/channel/frm_trapezoidal.h"
#include "calc/channel/trapezoidal.h"

namespace vado {
namespace {

// The exact critical depth of a trapezoid: the root of Q^2 T = g A^3 with g = 32.16, by bisection.
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

TEST(TrapezoidalCriticalDepth, NeverAboveTheExactDepthNorMoreThanTwoThousandthsBelow) {
    // The iteration stops once a step no longer changes the thousandths.
    const struct {
        double b, z, y, s, n;
    } cases[] = {
        {4, 2, 3, 0.0005, 0.04},   {10, 0, 2, 0.001, 0.013},  {0, 2, 3, 0.0005, 0.04},
        {40, 20, 10, 0.1, 0.01},   {1, 10, 10, 0.01, 0.01},   {4, 2, 0.1, 0.0001, 0.2},
        {40, 0, 0.5, 0.001, 0.03}, {0, 0.25, 6, 0.001, 0.01}, {0, 20, 10, 0.1, 0.01},
        {30.2, 18.89, 9.66, 0.0002, 0.146},
    };
    for (const auto& c : cases) {
        auto r = std::get<trapezoidal::Results>(
            trapezoidal::Compute({.bottomWidth = c.b, .sideSlope = c.z, .depth = c.y, .slope = c.s, .n = c.n}));
        double exact = ExactCriticalDepth(r.capacity, c.b, c.z);
        EXPECT_LE(r.criticalDepth, exact + 1e-4) << c.b << " " << c.z << " " << c.y;
        EXPECT_GT(r.criticalDepth, exact - 0.0021) << c.b << " " << c.z << " " << c.y;
    }
    // No flow descends to zero, and a start below a thousandth restarts from a tenth.
    for (double y0 : {3.0, 0.01, 0.0005}) EXPECT_EQ(trapezoidal::CriticalDepth(0, y0, 4, 2), 0) << y0;
    const double q = std::get<trapezoidal::Results>(
        trapezoidal::Compute({.bottomWidth = 4, .sideSlope = 2, .depth = 1, .slope = 0.001, .n = 0.03})).capacity;
    EXPECT_DOUBLE_EQ(trapezoidal::CriticalDepth(q, 0.0005, 4, 2), 0.441);
}

TEST(CircularCriticalDepth, AcceptedFromThreeTenthsToNineTenthsInclusive) {
    // Bisect between an accepted and a refused discharge until they are neighbours.
    auto edge = [](double dFt, double accepted, double refused) {
        while (true) {
            double m = accepted + (refused - accepted) / 2;
            if (m == accepted || m == refused) return accepted;
            (circular::CriticalDepth(m, dFt) > 0 ? accepted : refused) = m;
        }
    };
    for (double dFt : {0.5, 1.0, 2.0}) {
        const double middle = 2 * std::pow(dFt, 2.5);  // a ratio of about 0.6
        const double low = edge(dFt, middle, 0), high = edge(dFt, middle, 1e6);
        EXPECT_EQ(circular::CriticalDepth(low, dFt) / dFt, 0.3) << dFt;
        EXPECT_EQ(circular::CriticalDepth(high, dFt) / dFt, 0.9) << dFt;
        EXPECT_EQ(circular::CriticalDepth(std::nextafter(low, 0.0), dFt), -1) << dFt;
        EXPECT_EQ(circular::CriticalDepth(std::nextafter(high, 1e9), dFt), -1) << dFt;
    }
}

TEST(TrapezoidalPage, AnEditBlanksTheResultsAndTheWidthKeepsOnlyForTheChannelSlopeAndN) {
    ui::HeadlessServices services;
    AppContext app{services};
    FrmTrapezoidal page{app};
    page.Load();
    const struct {
        ui::TextBox* field;
        const char* text;
        bool keepsWidth;
    } cases[] = {
        {&page.txt5N, "0.05", true},         {&page.txt5Slope(0), "0.001", true},
        {&page.txt5Slope(1), "3", false},    {&page.txt5Depth, "2", false},
        {&page.txt5BW, "5", false},
    };
    for (const auto& c : cases) {
        for (auto [box, text] : {std::pair{&page.txt5BW, "4"}, {&page.txt5Slope(1), "2"}, {&page.txt5Depth, "3"},
                                 {&page.txt5Slope(0), "0.0005"}, {&page.txt5N, "0.04"}})
            box->setText(text);
        page.clickButton(page.cmdCompute);
        ASSERT_EQ(page.lbl5Width.caption(), " Width @ surface 16 ft ") << c.text;
        c.field->setText(c.text);
        for (auto* r : {&page.txt5HRadius, &page.txt5Area, &page.txt5Capacity, &page.txt5Velocity, &page.txt5CritDepth})
            EXPECT_EQ(r->text(), "") << c.text;
        EXPECT_EQ(page.lbl5Width.caption(), c.keepsWidth ? " Width @ surface 16 ft " : " Width @ surface   ft ")
            << c.text;
    }
}

}  // namespace
}  // namespace vado
