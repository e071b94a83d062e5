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

class ParabolicPageTest : public ::testing::Test {
  protected:
    void SetUp() override { page.Load(); }
    void set(const char* t, const char* d, const char* s, const char* n) {
        page.txt4Width.setText(t);
        page.txt4depth.setText(d);
        page.txt4Slope.setText(s);
        page.txt4N.setText(n);
    }
    std::vector<std::string> shown() const {
        return {page.txt4Hradius.text(), page.txt4Area.text(), page.txt4Capacity.text(),
                page.txt4Velocity.text(), page.txt4CritDepth.text()};
    }

    ui::HeadlessServices services;
    AppContext app{services};
    FrmParabolic page{app};
};

TEST_F(ParabolicPageTest, AsLoaded) {
    EXPECT_EQ(page.caption(), "Parabolic Section");
    EXPECT_EQ(page.lblTitle.caption(), "- Parabolic Section -");
    EXPECT_EQ(page.lbl4Warning.caption(), "Not for Waterway Design");
    EXPECT_EQ(shown(), std::vector<std::string>(5));
    EXPECT_EQ(page.txt4Width.text(), "30");
    EXPECT_TRUE(page.txt4CritDepth.locked);
}

TEST_F(ParabolicPageTest, WorkedExamples) {
    const struct {
        const char* name;
        const char *t, *d, *s, *n;
        std::vector<std::string> shown;
    } cases[] = {
        {"defaults",
         "30",
         "2",
         "0.0005",
         "0.04",
         {"Hydraulic Radius: 1.32", "Area: 40.00 sq ft", "Capacity: 39.94 cfs",
          "Velocity: 1.00 ft/sec", "Critical Depth: 0.76 ft"}},
        {"narrow and shallow",
         "10",
         "0.5",
         "0.001",
         "0.03",
         {"Hydraulic Radius: 0.33", "Area: 3.33 sq ft", "Capacity: 2.50 cfs",
          "Velocity: 0.75 ft/sec", "Critical Depth: 0.25 ft"}},
        {"dry",
         "100",
         "0",
         "0.0005",
         "0.04",
         {"Hydraulic Radius: 0.00", "Area: 0.00 sq ft", "Capacity: 0.00 cfs",
          "Velocity: 0.00 ft/sec", "Critical Depth:  N/A  ft"}},
        {"narrowest and deepest: critical depth above the depth",
         "10",
         "10",
         "0.1",
         "0.01",
         {"Hydraulic Radius: 1.82", "Area: 66.67 sq ft", "Capacity: 4666.48 cfs",
          "Velocity: 70.00 ft/sec", "Critical Depth: 37.84 ft"}},
        {"widest and deepest",
         "100",
         "10",
         "0.1",
         "0.01",
         {"Hydraulic Radius: 6.49", "Area: 666.67 sq ft", "Capacity: 109031.30 cfs",
          "Velocity: 163.55 ft/sec", "Critical Depth: 66.62 ft"}},
        {"flattest and roughest",
         "10",
         "10",
         "0.0001",
         "0.2",
         {"Hydraulic Radius: 1.82", "Area: 66.67 sq ft", "Capacity: 7.38 cfs",
          "Velocity: 0.11 ft/sec", "Critical Depth: 0.51 ft"}},
    };
    for (const auto& c : cases) {
        set(c.t, c.d, c.s, c.n);
        page.clickButton(page.cmdCompute);
        EXPECT_FALSE(app.lastComputeFailed) << c.name;
        EXPECT_EQ(shown(), c.shown) << c.name;
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ParabolicPageTest, RangesAndCheckOrder) {
    const struct {
        ui::TextBox* field;
        const char* text;
        const char* message;
    } cases[] = {
        {&page.txt4Slope, "0.2", "Please enter a number between 0.0001 and 0.1000."},
        {&page.txt4Slope, "", "Please enter a number between 0.0001 and 0.1000."},
        {&page.txt4N, "0.009", "Please enter a number between 0.0100 and 0.2000."},
        {&page.txt4Width, "9.9", "Please enter a number between 10.0 and 100.0."},
        {&page.txt4Width, "100.01", "Please enter a number between 10.0 and 100.0."},
        {&page.txt4depth, "10.01", "Please enter a number between 0.0 and 10.0."},
        {&page.txt4depth, "1.2.3", "Please enter a number between 0.0 and 10.0."},
    };
    for (const auto& c : cases) {
        page.dropFocus();
        set("30", "2", "0.0005", "0.04");
        c.field->setText(c.text);
        if (c.field != &page.txt4depth) page.txt4depth.setText("11");
        services.messages.clear();
        page.clickButton(page.cmdCompute);
        EXPECT_TRUE(app.lastComputeFailed) << c.text;
        ASSERT_EQ(services.messages.size(), 1u) << c.text;
        EXPECT_EQ(services.messages[0].text, c.message) << c.text;
        EXPECT_EQ(services.messages[0].title, "Input Error");
        EXPECT_EQ(page.focused(), c.field) << c.text;
        EXPECT_EQ(shown(), std::vector<std::string>(5)) << c.text;
    }
}

TEST_F(ParabolicPageTest, BoundariesPass) {
    for (auto [t, s, n] : {std::tuple{"10", "0.0001", "0.01"}, {"100", "0.1", "0.2"}}) {
        set(t, "10", s, n);
        page.clickButton(page.cmdCompute);
        EXPECT_FALSE(app.lastComputeFailed) << t;
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ParabolicPageTest, EnterOrder) {
    const struct {
        ui::TextBox* from;
        ui::Control* to;
    } cases[] = {
        {&page.txt4Width, &page.txt4depth},
        {&page.txt4depth, &page.txt4Slope},
        {&page.txt4Slope, &page.txt4N},
        {&page.txt4N, &page.cmdCompute},
    };
    for (const auto& c : cases) {
        c.from->SetFocus();
        c.from->typeKey(13);
        EXPECT_EQ(page.focused(), c.to) << c.from->fullName();
    }
    EXPECT_EQ(page.txt4Capacity.text(), "Capacity: 39.94 cfs");
}

}  // namespace
}  // namespace vado
