#include <gtest/gtest.h>

#include <cmath>

#include "calc/channel/circular.h"
#include "calc/channel/frm_circular.h"
#include "shared/reference_dialogs.h"

namespace vado {
namespace {

constexpr double kPi = 3.14159265358979;

circular::Results Computed(double d, double y) {
    return circular::Compute({.diameterIn = d, .depthIn = y, .slope = 0.001, .n = 0.013});
}

TEST(CircularSection, FullPipeIsTheWholeCircle) {
    for (double d : {1.0, 4.0, 24.0, 108.0}) {
        auto r = Computed(d, d);
        EXPECT_NEAR(r.area, kPi * d * d / 576, 1e-12) << d;
        EXPECT_NEAR(r.perimeter, kPi * d / 12, 1e-12) << d;
        EXPECT_NEAR(r.radius, d / 48, 1e-12) << d;
    }
}

TEST(CircularSection, HalfFullIsHalfTheCircle) {
    for (double d : {1.0, 4.0, 24.0, 108.0}) {
        auto r = Computed(d, d / 2);
        EXPECT_NEAR(r.area, kPi * d * d / 1152, 1e-12) << d;
        EXPECT_NEAR(r.radius, d / 48, 1e-12) << d;
    }
}

TEST(CircularSection, JustAboveHalfFullCarriesTheConstantOfTheDryAngle) {
    // The dry angle's pi/2 is taken as 1.570596, so the area just above half full exceeds the
    // half circle by 2 x 4 x (pi/2 - 1.570596) D^2 / 1152.
    for (double d : {4.0, 24.0, 108.0}) {
        auto r = Computed(d, d / 2 * (1 + 1e-9));
        double excess = r.area - kPi * d * d / 1152;
        EXPECT_NEAR(excess, 8 * (kPi / 2 - 1.570596) * d * d / 1152, 1e-6 * d * d / 1152) << d;
    }
}

// The discharge at the edge of the accepted ones in a pipe of diameter dFt, by bisection between
// an accepted and a refused discharge until they are neighbours.
double AcceptanceEdge(double dFt, double accepted, double refused) {
    while (true) {
        double m = accepted + (refused - accepted) / 2;
        if (m == accepted || m == refused) return accepted;
        (circular::CriticalDepth(m, dFt) > 0 ? accepted : refused) = m;
    }
}

TEST(CircularCriticalDepth, AcceptedFromThreeTenthsToNineTenthsInclusive) {
    for (double dFt : {0.5, 1.0, 2.0}) {
        // 2 D^2.5 cfs gives a ratio of about 0.6.
        double middle = 2 * std::pow(dFt, 2.5);
        double low = AcceptanceEdge(dFt, middle, 0);
        double high = AcceptanceEdge(dFt, middle, 1e6);
        EXPECT_EQ(circular::CriticalDepth(low, dFt) / dFt, 0.3) << dFt;
        EXPECT_EQ(circular::CriticalDepth(high, dFt) / dFt, 0.9) << dFt;
        EXPECT_EQ(circular::CriticalDepth(std::nextafter(low, 0.0), dFt), -1) << dFt;
        EXPECT_EQ(circular::CriticalDepth(std::nextafter(high, 1e9), dFt), -1) << dFt;
    }
}

class CircularPageTest : public ::testing::Test {
  protected:
    void SetUp() override { page.Load(); }
    void set(const char* d, const char* y, const char* s, const char* n) {
        page.txt3Dia.setText(d);
        page.txt3Depth.setText(y);
        page.txt3Slope.setText(s);
        page.txt3Manning.setText(n);
    }
    std::vector<std::string> shown() const {
        return {page.txt3Hradius.text(), page.txt3Area.text(), page.txt3Capacity.text(),
                page.txt3Velocity.text(), page.txt3CritDepth.text()};
    }
    static constexpr char kReset[] = "Depth was greater than the diameter. Resetting the diameter.";

    ui::HeadlessServices services;
    AppContext app{services};
    FrmCircular page{app};
};

TEST_F(CircularPageTest, DepthAboveTheDiameterResetsItInQuietModeToo) {
    page.txt3Depth.SetFocus();
    page.txt3Depth.setText("6.5");
    page.txt3Depth.typeKey(13);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, kReset);
    EXPECT_EQ(page.txt3Dia.text(), "6.5");
    EXPECT_EQ(page.focused(), &page.txt3Slope) << "not an error: Enter moves on";
    EXPECT_EQ(page.txt3Area.text(), "Area: 0.23 sq ft");
    EXPECT_FALSE(page.inputEdited);

    // Without any edit, leaving a field computes quietly and the reset is still announced.
    services.messages.clear();
    page.txt3Depth.setText("8");
    page.inputEdited = false;
    page.txt3Manning.SetFocus();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, kReset);
    EXPECT_EQ(page.txt3Dia.text(), "8");
    EXPECT_EQ(page.focused(), &page.txt3Manning);
}

}  // namespace
}  // namespace vado
