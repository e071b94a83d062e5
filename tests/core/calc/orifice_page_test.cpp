#include <gtest/gtest.h>

#include <cmath>

#include "calc/flow/frm_orifice.h"
#include "calc/flow/orifice.h"

namespace vado {
namespace {

class OrificePageTest : public ::testing::Test {
protected:
    void SetUp() override { page.Load(); }
    ui::HeadlessServices services;
    AppContext app{services};
    FrmOrifice page{app};
};

TEST_F(OrificePageTest, Results) {
    EXPECT_NEAR(orifice::CircleArea(2), 3.14159265, 1e-8);
    EXPECT_NEAR(orifice::Discharge(0.6, 144, 1), 0.6 * std::sqrt(64.32), 1e-12);
    const struct {
        const char* name;
        bool area;
        const char *c, *size, *h, *shown;
    } cases[] = {
        {"defaults", false, "0.6", "2", "1", "Q = 0.10 cfs"},
        {"one square foot", true, "0.6", "144", "1", "Q = 4.81 cfs"},
        {"largest area", true, "9", "6000.0", "99", "Q = 29924.15 cfs"},
        {"largest diameter", false, "0.6", "84.0", "1", "Q = 185.19 cfs"},
    };
    for (const auto& c : cases) {
        (c.area ? page.optArea : page.optDiameter).click();
        page.txt2Coeff.setText(c.c);
        (c.area ? page.txt2Area : page.txt2Dia).setText(c.size);
        page.txt2H.setText(c.h);
        page.clickButton(page.cmdCompute);
        EXPECT_EQ(page.lbl2Q.caption(), c.shown) << c.name;
        EXPECT_FALSE(app.lastComputeFailed) << c.name;
    }
}

TEST_F(OrificePageTest, AreaBoundary) {
    page.optArea.click();
    page.txt2Area.setText("6000.1");
    page.clickButton(page.cmdCompute);
    EXPECT_TRUE(app.lastComputeFailed);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Please enter a number between 0.1 and 6000.0.");
    EXPECT_EQ(page.focused(), &page.txt2Area);
    EXPECT_EQ(page.lbl2Q.caption(), "");
}

TEST_F(OrificePageTest, UntouchedPageIsQuietWhenTabbedThrough) {
    EXPECT_FALSE(page.inputEdited);
    page.txt2H.setText("");
    page.inputEdited = false;  // as loaded: no edit yet
    page.txt2Coeff.SetFocus();
    page.txt2Dia.SetFocus();
    page.txt2H.SetFocus();
    page.txt2Coeff.SetFocus();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(page.focused(), &page.txt2Coeff);
}

TEST_F(OrificePageTest, SizeLabelKeepsItsDesignTextUntilTheFirstModeChange) {
    EXPECT_EQ(page.lblSize.caption(), "Diameter of orifice (in):");
    EXPECT_TRUE(page.txt2Dia.visible());
    EXPECT_FALSE(page.txt2Area.visible());
    page.clickButton(page.cmdCompute);
    ASSERT_EQ(page.lbl2Q.caption(), "Q = 0.10 cfs");

    page.optArea.click();
    EXPECT_EQ(page.lblSize.caption(), "Area of orifice (sq.in.):");
    EXPECT_EQ(page.lbl2Q.caption(), "Q = 0.07 cfs") << "recomputed from the area of 2 sq.in.";
    page.optDiameter.click();
    EXPECT_EQ(page.lblSize.caption(), "Diameter of orifice (in.):");
    EXPECT_EQ(page.lbl2Q.caption(), "Q = 0.10 cfs");
}

TEST_F(OrificePageTest, EnterOrderFollowsTheMode) {
    page.optArea.click();
    page.txt2Coeff.SetFocus();
    page.txt2Coeff.typeKey(13);
    EXPECT_EQ(page.focused(), &page.txt2Area);
    page.txt2Area.typeKey(13);
    EXPECT_EQ(page.focused(), &page.txt2H);
    page.txt2H.typeKey(13);
    EXPECT_EQ(page.focused(), &page.cmdCompute);
}

}  // namespace
}  // namespace vado
