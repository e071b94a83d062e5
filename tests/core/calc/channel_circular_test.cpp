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

TEST(CircularSection, AreaGrowsWithTheDepth) {
    double last = 0;
    for (double y = 0.1; y <= 24; y += 0.1) {
        double a = Computed(24, y).area;
        EXPECT_GT(a, last) << y;
        last = a;
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

TEST_F(CircularPageTest, AsLoaded) {
    EXPECT_EQ(page.caption(), "Circular Section");
    EXPECT_EQ(page.lblTitle.caption(), "- Circular Section -");
    EXPECT_EQ(page.cmdManningsNHelp.caption(), "&Help to select \"n\" value");
    EXPECT_EQ(shown(), std::vector<std::string>(5));
    EXPECT_TRUE(page.txt3Area.locked);
}

TEST_F(CircularPageTest, WorkedExamples) {
    const struct {
        const char* name;
        const char *d, *y, *s, *n;
        std::vector<std::string> shown;
        bool reset;
    } cases[] = {
        {"defaults: critical depth ratio 0.22",
         "4",
         "2",
         "0.0005",
         "0.015",
         {"Hydraulic Radius: 0.08", "Area: 0.04 sq ft", "Capacity: 0.02 cfs",
          "Velocity: 0.42 ft/sec", "Critical Depth:  N/A  ft"},
         false},
        {"half full",
         "24",
         "12",
         "0.001",
         "0.013",
         {"Hydraulic Radius: 0.50", "Area: 1.57 sq ft", "Capacity: 3.58 cfs",
          "Velocity: 2.28 ft/sec", "Critical Depth: 0.64 ft"},
         false},
        {"three quarters full",
         "24",
         "18",
         "0.001",
         "0.013",
         {"Hydraulic Radius: 0.60", "Area: 2.53 sq ft", "Capacity: 6.52 cfs",
          "Velocity: 2.58 ft/sec", "Critical Depth: 0.88 ft"},
         false},
        {"full",
         "24",
         "24",
         "0.001",
         "0.013",
         {"Hydraulic Radius: 0.50", "Area: 3.14 sq ft", "Capacity: 7.15 cfs",
          "Velocity: 2.28 ft/sec", "Critical Depth: 0.93 ft"},
         false},
        {"depth above the diameter",
         "12",
         "20",
         "0.001",
         "0.013",
         {"Hydraulic Radius: 0.42", "Area: 2.18 sq ft", "Capacity: 4.40 cfs",
          "Velocity: 2.02 ft/sec", "Critical Depth: 0.76 ft"},
         true},
        {"critical depth ratio 0.98",
         "48",
         "40",
         "0.01",
         "0.013",
         {"Hydraulic Radius: 1.22", "Area: 11.19 sq ft", "Capacity: 145.73 cfs",
          "Velocity: 13.02 ft/sec", "Critical Depth:  N/A  ft"},
         false},
        {"largest pipe full",
         "108",
         "108",
         "0.1",
         "0.01",
         {"Hydraulic Radius: 2.25", "Area: 63.62 sq ft", "Capacity: 5132.78 cfs",
          "Velocity: 80.68 ft/sec", "Critical Depth:  N/A  ft"},
         false},
        {"smallest pipe, shallowest flow",
         "1",
         "0.1",
         "0.0001",
         "0.2",
         {"Hydraulic Radius: 0.01", "Area: 0.00 sq ft", "Capacity: 0.00 cfs",
          "Velocity: 0.00 ft/sec", "Critical Depth:  N/A  ft"},
         false},
    };
    for (const auto& c : cases) {
        set(c.d, c.y, c.s, c.n);
        services.messages.clear();
        page.clickButton(page.cmdCompute);
        EXPECT_FALSE(app.lastComputeFailed) << c.name;
        EXPECT_EQ(shown(), c.shown) << c.name;
        EXPECT_EQ(page.txt3Dia.text(), c.reset ? c.y : c.d) << c.name;
        if (c.reset) {
            ASSERT_EQ(services.messages.size(), 1u) << c.name;
            EXPECT_EQ(services.messages[0].text, kReset);
            EXPECT_EQ(services.messages[0].title, "Input Error");
            EXPECT_EQ(services.messages[0].icon, ui::MsgIcon::Exclamation);
        } else {
            EXPECT_TRUE(services.messages.empty()) << c.name;
        }
    }
}

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

TEST_F(CircularPageTest, RangesAndCheckOrder) {
    const struct {
        ui::TextBox* field;
        const char* text;
        const char* message;
    } cases[] = {
        {&page.txt3Slope, "0.00009", "Please enter a number between 0.0001 and 0.1000."},
        {&page.txt3Manning, "0.21", "Please enter a number between 0.0100 and 0.2000."},
        {&page.txt3Manning, "", "Please enter a number between 0.0100 and 0.2000."},
        {&page.txt3Dia, "0.9", "Please enter a number between 1.0 and 108.0."},
        {&page.txt3Dia, "108.1", "Please enter a number between 1.0 and 108.0."},
        {&page.txt3Depth, "0.09", "Please enter a number between 0.1 and 108.0."},
        {&page.txt3Depth, "0", "Please enter a number between 0.1 and 108.0."},
        {&page.txt3Depth, "1e999", "Please enter a number between 0.1 and 108.0."},
    };
    for (const auto& c : cases) {
        page.dropFocus();
        set("24", "12", "0.001", "0.013");
        c.field->setText(c.text);
        if (c.field != &page.txt3Depth) page.txt3Depth.setText("200");
        services.messages.clear();
        page.clickButton(page.cmdCompute);
        EXPECT_TRUE(app.lastComputeFailed) << c.text;
        ASSERT_EQ(services.messages.size(), 1u) << c.text;
        EXPECT_EQ(services.messages[0].text, c.message) << c.text;
        EXPECT_EQ(page.focused(), c.field) << c.text;
        EXPECT_EQ(page.txt3Dia.text(), c.field == &page.txt3Dia ? c.text : "24")
            << "a failed check changes no input";
        EXPECT_EQ(shown(), std::vector<std::string>(5)) << c.text;
    }
}

TEST_F(CircularPageTest, EnterOrder) {
    const struct {
        ui::TextBox* from;
        ui::Control* to;
    } cases[] = {
        {&page.txt3Dia, &page.txt3Depth},
        {&page.txt3Depth, &page.txt3Slope},
        {&page.txt3Slope, &page.txt3Manning},
        {&page.txt3Manning, &page.cmdCompute},
    };
    for (const auto& c : cases) {
        c.from->SetFocus();
        c.from->typeKey(13);
        EXPECT_EQ(page.focused(), c.to) << c.from->fullName();
    }
    EXPECT_EQ(page.txt3Capacity.text(), "Capacity: 0.02 cfs");
}

TEST_F(CircularPageTest, ManningsHelpWritesTheChosenValue) {
    page.clickButton(page.cmdCompute);
    ASSERT_FALSE(page.txt3Capacity.text().empty());
    page.clickButton(page.cmdManningsNHelp);
    ASSERT_EQ(services.modalStack.size(), 1u);
    auto& dialog = *static_cast<ReferenceDialog*>(services.modalStack.back());
    EXPECT_EQ(dialog.TargetField, &page.txt3Manning);
    dialog.MSFlexGrid1.row = 3;
    dialog.clickButton(dialog.cmdOK);
    EXPECT_EQ(page.txt3Manning.text(), "0.016");
    EXPECT_EQ(shown(), std::vector<std::string>(5));
    EXPECT_TRUE(services.modalStack.empty());
}

}  // namespace
}  // namespace vado
