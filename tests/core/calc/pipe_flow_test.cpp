#include <gtest/gtest.h>

#include "calc/flow/frm_pipe_flow.h"
#include "calc/flow/pipe_flow.h"

namespace vado {
namespace {

class PipeFlowPageTest : public ::testing::Test {
protected:
    void SetUp() override { page.Load(); }
    void set(const std::vector<std::pair<ui::TextBox*, const char*>>& values) {
        for (auto& [box, text] : values) box->setText(text);
    }
    std::vector<std::string> shown() const {
        return {page.lbl6Q.caption(), page.lbl6Velocity.caption(), page.lbl6Friction.caption(),
                page.lbl6MaxFall.caption()};
    }

    ui::HeadlessServices services;
    AppContext app{services};
    FrmPipeFlow page{app};
};

TEST(PipeFlow, WorkedExample) {
    auto r = pipe_flow::Compute(
        {.n = 0.025, .ke = 0.65, .kb = 0, .diameterIn = 24, .headFt = 10, .lengthFt = 60});
    EXPECT_NEAR(r.kp, 0.045926, 1e-6);
    EXPECT_NEAR(r.q, 37.978, 1e-3);
    EXPECT_NEAR(r.velocity, 12.089, 1e-3);
    EXPECT_NEAR(r.hf, 6.2609, 1e-4);
}

TEST_F(PipeFlowPageTest, Results) {
    const struct {
        const char* name;
        const char *n, *ke, *kb, *d, *h, *l;
        std::vector<std::string> shown;
    } cases[] = {
        {"defaults", "0.025", "0.65", "0", "24", "10", "60",
         {"Q = 38.0 cfs", "Velocity = 12.1 ft/sec", "Friction (Kp) = 0.0459",
          "Max allowable fall in pipe when outlet is not submerged = 6.3 ft."}},
        {"largest discharge", "0.01", "0", "0", "84", "100", "1",
         {"Q = 3085.8 cfs", "Velocity = 80.2 ft/sec", "Friction (Kp) = 0.0014",
          "Max allowable fall in pipe when outlet is not submerged = 0.1 ft."}},
        {"smallest discharge", "1", "0.65", "0", "1", "10", "2000",
         {"Q = 0.0 cfs", "Velocity = 0.0 ft/sec", "Friction (Kp) = 5087.0000",
          "Max allowable fall in pipe when outlet is not submerged = 10.0 ft."}},
        {"upper bounds of the coefficients", "1", "2", "2", "84", "100", "2000",
         {"Q = 18.6 cfs", "Velocity = 0.5 ft/sec", "Friction (Kp) = 13.8279",
          "Max allowable fall in pipe when outlet is not submerged = 100.1 ft."}},
    };
    for (const auto& c : cases) {
        set({{&page.txt6N, c.n}, {&page.txt6Ke, c.ke}, {&page.txt6Kb, c.kb},
             {&page.txt6Diameter, c.d}, {&page.txt6Head, c.h}, {&page.txt6Length, c.l}});
        page.clickButton(page.cmdCompute);
        EXPECT_FALSE(app.lastComputeFailed) << c.name;
        EXPECT_EQ(shown(), c.shown) << c.name;
        EXPECT_TRUE(services.messages.empty()) << c.name;
    }
}

TEST_F(PipeFlowPageTest, RangeMessagesInCheckOrder) {
    const struct {
        ui::TextBox* field;
        const char* text;
        const char* message;
    } cases[] = {
        {&page.txt6N, "", "Please enter a number between 0.010 and 1.000."},
        {&page.txt6N, "0.009", "Please enter a number between 0.010 and 1.000."},
        {&page.txt6Ke, "2.01", "Please enter a number between 0.00 and 2.00."},
        {&page.txt6Kb, "x", "Please enter a number between 0.00 and 2.00."},
        {&page.txt6Diameter, "85", "Please enter a number between 1 and 84."},
        {&page.txt6Diameter, "0.4", "Please enter a number between 1 and 84."},
        {&page.txt6Diameter, "40000", "Please enter a number between 1 and 84."},
        {&page.txt6Head, "0", "Please enter a number between 0.1 and 100.0."},
        {&page.txt6Length, "2001", "Please enter a number between 1 and 2000."},
    };
    for (const auto& c : cases) {
        page.dropFocus();  // the Compute command alone, not the validation of a focused field
        std::string before = c.field->text();
        c.field->setText(c.text);
        // A later field out of range too: only the first failure in check order is reported.
        if (c.field != &page.txt6Length) page.txt6Length.setText("9999");
        services.messages.clear();
        page.clickButton(page.cmdCompute);
        EXPECT_TRUE(app.lastComputeFailed) << c.text;
        ASSERT_EQ(services.messages.size(), 1u) << c.text;
        EXPECT_EQ(services.messages[0].text, c.message) << c.text;
        EXPECT_EQ(page.focused(), c.field) << c.text;
        EXPECT_EQ(page.lbl6Q.caption(), "") << c.text;
        c.field->setText(before);
        page.txt6Length.setText("60");
    }
}

TEST_F(PipeFlowPageTest, BoundariesPass) {
    set({{&page.txt6N, "0.01"}, {&page.txt6Ke, "0"}, {&page.txt6Kb, "2"},
         {&page.txt6Diameter, "1"}, {&page.txt6Head, "0.1"}, {&page.txt6Length, "2000"}});
    page.clickButton(page.cmdCompute);
    EXPECT_FALSE(app.lastComputeFailed);
    set({{&page.txt6N, "1"}, {&page.txt6Ke, "2"}, {&page.txt6Kb, "0"},
         {&page.txt6Diameter, "84"}, {&page.txt6Head, "100"}, {&page.txt6Length, "1"}});
    page.clickButton(page.cmdCompute);
    EXPECT_FALSE(app.lastComputeFailed);
}

TEST_F(PipeFlowPageTest, QuietModeNeverBlocksAndEnterWalksTheFields) {
    page.txt6Head.setText("");
    page.txt6N.SetFocus();
    ui::TextBox* order[] = {&page.txt6N, &page.txt6Ke, &page.txt6Kb, &page.txt6Diameter,
                            &page.txt6Head, &page.txt6Length};
    for (int i = 0; i < 6; ++i) {
        ASSERT_EQ(page.focused(), order[i]);
        order[i]->typeKey(13);
    }
    EXPECT_EQ(page.focused(), &page.cmdCompute) << "Enter in the last field only moves the focus";
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(page.lbl6Q.caption(), "");
}

TEST_F(PipeFlowPageTest, IntegerFieldsRefuseThePoint) {
    page.txt6Diameter.SetFocus();
    page.txt6Diameter.typeKey('3');
    page.txt6Diameter.typeKey('.');
    EXPECT_EQ(page.txt6Diameter.text(), "3");
    EXPECT_EQ(services.beeps, 1);
    page.txt6Head.SetFocus();
    page.txt6Head.typeKey('3');
    page.txt6Head.typeKey('.');
    EXPECT_EQ(page.txt6Head.text(), "3.");
}

}  // namespace
}  // namespace vado
