#include <gtest/gtest.h>

#include "calc/flow/culvert.h"
#include "calc/flow/frm_culvert_flow.h"
#include "calc/flow/inlet_sketch.h"
#include "ui/recording_printer.h"

namespace vado {
namespace {

class CulvertPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        FillInletCoefficients(table);
        page.Load();
    }

    ui::HeadlessServices services;
    AppContext app{services};
    InletCoefficientTable table;
    FrmCulvertFlow page{app, table};
};

TEST(Culvert, FactorEqualToTheLimitIsRefused) {
    // With Y = 0, C = 1, no slope and D = 2 ft, a headwater 8 ft over the invert gives x = 2.
    Coefficient k;
    Coefficient::FillIt(k, "test", 0, 1, 2, 0, 0, 0, 0.5);
    auto r = culvert::Evaluate({0.025, 40, 24, 108, 100, 95, 100}, k);
    EXPECT_EQ(r.factor, 2);
    EXPECT_EQ(r.failure, culvert::Failure::FactorAtOrBelowLimit);
    k.FactorLimit = 1.999;
    EXPECT_EQ(culvert::Evaluate({0.025, 40, 24, 108, 100, 95, 100}, k).failure,
              culvert::Failure::None);
}

TEST_F(CulvertPageTest, QuietComputationsSpeakButDoNotHoldTheFocus) {
    // n, length and diameter as the page starts (0.025, 40 ft, 24 in.), entrance type 0.
    for (auto [i, text] : {std::pair{0, "110"}, {1, "100"}, {2, "95"}}) page.txt7Elev[i]->setText(text);
    page.txt7Elev[3]->SetFocus();
    page.txt7Elev[3]->typeKey('9');
    page.txt7Elev[3]->typeKey('9');
    page.txt7Elev[3]->typeKey(13);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(page.lbl7Capacity.caption(), "Capacity = 44.9 cfs");

    services.messages.clear();
    page.txt7Elev[2]->SetFocus();
    for (char k : std::string("111")) page.txt7Elev[2]->typeKey(k);
    page.txt7Length.SetFocus();  // leaving: the quiet check speaks, then sends the focus on
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Tailwater should not be higher that Headwater.");
    EXPECT_EQ(page.focused(), page.txt7Elev[0]);
    EXPECT_EQ(page.lbl7Capacity.caption(), "");

    // Enter on an implausible page: one message, the focus goes to the headwater and stays.
    page.txt7Elev[2]->SetFocus();
    services.messages.clear();
    page.txt7Elev[2]->typeKey(13);
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(page.focused(), page.txt7Elev[0]);
}

}  // namespace
}  // namespace vado

