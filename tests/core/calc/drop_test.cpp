#include <gtest/gtest.h>

#include <cmath>

#include "app/main_module.h"
#include "calc/drop/box_inlet.h"
#include "calc/drop/drop_structure.h"
#include "calc/drop/frm_straight_drop.h"
#include "calc/drop/hooded_inlet.h"
#include "calc/drop/pipe_drop.h"
#include "report/bodies.h"
#include "shared/plot_graph.h"
#include "ui/recording_printer.h"

namespace vado {
namespace {

TEST(DropRating, StepsStopOnTheDoubleProduct) {
    const struct {
        double h;
        std::vector<double> heads;
    } cases[] = {
        {0.6, {0.2, 0.4}},  // 3 x 0.2 is 0.6000000000000001
        {1.0, {0.2, 0.4, 0.6000000000000001, 0.8, 1.0}},
        {0.1, {}},
        {0.2, {0.2}},
    };
    for (const auto& c : cases) EXPECT_EQ(drop::RatingHeads(c.h), c.heads) << c.h;
}

TEST(DropFall, ExactComparisons) {
    const struct {
        double crest, floor;
        drop::Fall fall;
    } cases[] = {
        {100, 95, drop::Fall::Fine},  // 5.0 exactly passes
        {100, 94.9, drop::Fall::OverfallTooHigh},
        {100, 100, drop::Fall::FloorNotBelowCrest},
        {100, 100.1, drop::Fall::FloorNotBelowCrest},
    };
    for (const auto& c : cases) EXPECT_EQ(drop::CheckFall(c.crest, c.floor), c.fall) << c.floor;
    EXPECT_EQ(drop::Message(drop::Fall::OverfallTooHigh), "The maximum overfall is 5 ft.");
}

TEST(BoxInlet, TheFirstC2FitHoldsUpToARatioOfExactlyPointFortyFive) {
    // With h = W the first coefficient is 2.71828^0.0053734; y = ln(B / W).
    auto q = [](double b) { return box_inlet::Compute({.width = 10, .breadth = b, .crest = 100, .floor = 99}, 10).q; };
    auto expected = [](double b, bool first) {
        const double y = std::log(b / 10);
        const double c2 = first ? std::pow(2.71828, 0.0016745 * y * y + 0.023989 * y + 0.058657)
                                : std::pow(2.71828, 0.0078909 * y * y - 0.059777 * y - 0.0027294);
        return 3.43 * (2 * b + 10) * std::pow(10, 1.5) * std::pow(2.71828, 0.0053734) * c2 / 1.11;
    };
    EXPECT_DOUBLE_EQ(q(4.5), expected(4.5, true));
    EXPECT_DOUBLE_EQ(q(4.5000001), expected(4.5000001, false));
}

class StageDischargeTest : public ::testing::Test {
  protected:
    void SetUp() override { module.SubMain(); }
    std::vector<std::vector<std::string>> dataRows() const {
        auto& cells = window().grdData.cells();
        return {cells.begin() + 2, cells.end()};
    }
    FrmStageDischarge& window() const { return const_cast<MainModule&>(module).stageDischarge(); }

    ui::HeadlessServices services;
    MainModule module{services};
};

TEST_F(StageDischargeTest, EachSeriesReplacesTheLastWhole) {
    window().Fill(110, {{100.2, 1}, {100.4, 2}, {100.6, 3}});
    window().MarkerOn = true;
    window().Fill(111, {{200.2, 12.346}, {200.4, 20.004}});
    EXPECT_EQ(dataRows(), (std::vector<std::vector<std::string>>{{"200.2", "12.35"}, {"200.4", "20.00"}}));
    EXPECT_TRUE(window().graphReady());
    EXPECT_FALSE(window().MarkerOn);
    EXPECT_EQ(window().ReportCode, 111);

    // The graph goes through the table's rounded values.
    ui::RecordingPrinter drawn, expected;
    window().DrawTheGraph(drawn, 0, 0, 6000, 4000, false);
    PlotGraph(expected, {.x = {200.2, 200.4}, .y = {12.35, 20.0}, .width = 6000, .height = 4000,
                         .title = "Discharge vs Elevation", .xCaption = "Elevation", .yCaption = "Discharge, CFS"});
    EXPECT_EQ(drawn.ops.size(), expected.ops.size());
    for (size_t i = 0; i < drawn.ops.size() && i < expected.ops.size(); ++i)
        EXPECT_EQ(drawn.ops[i].y, expected.ops[i].y) << i;

    // One row, then none: no graph, and no earlier rating under the new code.
    window().Fill(110, {{100.2, 1}});
    EXPECT_FALSE(window().graphReady());
    window().Fill(109, {});
    EXPECT_EQ(dataRows(), (std::vector<std::vector<std::string>>{{"", ""}}));
    EXPECT_FALSE(window().graphReady());
    EXPECT_EQ(window().Inconsistency(), "");
}

TEST_F(StageDischargeTest, CtrlCCopiesTheSelectedCellsAndPlainCDoesNot) {
    window().Fill(110, {{100.2, 1}, {100.4, 2}, {100.6, 3}});
    auto& g = window().grdData;
    g.row = 3;
    g.col = 1;
    g.rowSel = 2;
    g.colSel = 0;
    g.onKeyDown(67, 0);
    EXPECT_EQ(services.clipboard, "");
    g.onKeyDown(67, 2);
    EXPECT_EQ(services.clipboard, "100.2\t1.00\n100.4\t2.00");
}

TEST_F(StageDischargeTest, PrintIsRefusedAfterAFailedCompute) {
    auto& page = static_cast<FrmStraightDrop&>(*module.FormList[10]);
    page.txt10Width.setText("4");
    page.txt10Depth.setText("1");
    page.txt10Elev[0]->setText("100");
    page.txt10Elev[1]->setText("96");
    page.clickButton(page.cmdStageDischarge);
    ASSERT_TRUE(window().visible());
    page.txt10Depth.setText("9");
    page.clickButton(page.cmdCompute);
    window().clickButton(window().cmdPrint);
    EXPECT_TRUE(services.modalStack.empty());
    page.txt10Depth.setText("1");
    page.clickButton(page.cmdCompute);
    window().clickButton(window().cmdPrint);
    EXPECT_EQ(services.modalStack.size(), 1u);
}

TEST_F(StageDischargeTest, AQuietFallCheckWithoutAnEditIsSilentAndLetsTheFocusGo) {
    auto& page = static_cast<FrmStraightDrop&>(*module.FormList[10]);
    for (auto [box, text] : {std::pair{&page.txt10Width, "4"}, {&page.txt10Depth, "1"},
                             {page.txt10Elev[0], "100"}, {page.txt10Elev[1], "100"}})
        box->setText(text);
    page.txt10Elev[1]->SetFocus();  // the focus arriving clears inputEdited
    page.txt10Width.SetFocus();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(page.focused(), &page.txt10Width);
    EXPECT_EQ(page.lbl10Elev.caption(), "Top Elev (ft): 101.0");
    EXPECT_EQ(page.lbl10Capacity.caption(), "");
}

TEST(DropBodies, TheOverfallLinePrintsWhatTheFieldsHold) {
    // The page refuses a 5.5 ft fall; the body prints whatever the fields hold.
    ui::HeadlessServices services;
    MainModule module(services);
    module.SubMain();
    auto& page = static_cast<FrmStraightDrop&>(*module.FormList[10]);
    page.txt10Elev[0]->setText("100");
    page.txt10Elev[1]->setText("94.5");
    ui::RecordingPrinter printer;
    report::Destination d(printer, "");
    report::PrintReportBody(10, d, [&](short) -> const ui::Form* { return &page; });
    EXPECT_NE(printer.findText("Overfall: 5.5 ft."), nullptr);
}

}  // namespace
}  // namespace vado

namespace vado {
namespace {

TEST(DropRating, ElevationsStopOnTheDoubleSum) {
    const struct {
        double crest, emergency;
        size_t rows;
    } cases[] = {
        {100.0, 100.6, 3},  // 100 + 3 x 0.2 rounds back to 100.6
        {0.0, 0.6, 2},      // 3 x 0.2 lies above 0.6
        {100.0, 99.0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(drop::RatingElevations(c.crest, c.emergency)->size(), c.rows) << c.crest;
    // 5 x 6553.4 rounds up to 32767 steps, the last of which lies above the crest.
    EXPECT_EQ(drop::RatingElevations(0, 6553.4)->size(), 32766u);
    EXPECT_FALSE(drop::RatingElevations(0, 99999)) << "more rows than a 16-bit row number";
}

TEST(HoodedInlet, ChecksAndTheHoodFactor) {
    hooded_inlet::Inputs in{.n = 0.025, .topWidth = 10, .upstreamSlope = 2, .downstreamSlope = 2,
                            .diameterIn = 12, .extraPipe = 5, .top = 108, .emergency = 108,
                            .water = 100, .inlet = 100, .outlet = 98};
    EXPECT_EQ(hooded_inlet::CheckElevations(in), hooded_inlet::Problem::None) << "Top = Emergency, Water = Inlet";
    const double length = hooded_inlet::PipeLength(in);
    const struct {
        double n, d, water;
        bool pipe;
    } cases[] = {
        {0.024, 10, 101.5, true},  // k = 1.8 from n = 0.024 on; hd = k D / 12 = 1.5 is pipe flow
        {0.024, 10, 101.49, false},
        {0.0239, 15, 101.75, true},  // k = 1.4 below 0.024: 1.4 x 15 / 12 = 1.75
        {0.0239, 15, 101.74, false},
    };
    for (const auto& c : cases) {
        in.n = c.n;
        in.diameterIn = c.d;
        auto f = hooded_inlet::PipeFlow(in, length, c.water, false);
        EXPECT_EQ(f.pipeControls, c.pipe) << c.n << " " << c.water;
        EXPECT_EQ(f.q > 0, c.pipe) << "orifice control reports no discharge";
        EXPECT_GT(hooded_inlet::PipeFlow(in, length, c.water, true).q, 0) << "kept for a rating";
    }
    in.diameterIn = 12;
    // A tailwater above 0.6 D over the outlet takes over the head; below it plays no part.
    in.tailwaterOn = true;
    in.tailwater = 99.5;
    const double withTail = hooded_inlet::PipeFlow(in, length, 102, true).q;
    in.tailwater = 98.5;
    const double without = hooded_inlet::PipeFlow(in, length, 102, true).q;
    in.tailwaterOn = false;
    EXPECT_LT(withTail, without);
    EXPECT_EQ(without, hooded_inlet::PipeFlow(in, length, 102, true).q);
    EXPECT_EQ(hooded_inlet::PipeFlow(in, length, 98.6, true).q, 0) << "a zero head is no flow";
    EXPECT_EQ(hooded_inlet::PipeFlow(in, length, 98.59, true).problem, hooded_inlet::Problem::NoHead);
}

TEST(PipeDrop, EachElevationCheckWithItsField) {
    const pipe_drop::Inputs good{.riserIn = 15, .pipeIn = 12, .top = 110, .emergency = 107, .water = 105,
                                 .riser = 103, .inlet = 96, .outlet = 95};
    const struct {
        const char* name;
        void (*change)(pipe_drop::Inputs&);
        pipe_drop::Problem problem;
        pipe_drop::Field focus;
    } cases[] = {
        {"no top", [](pipe_drop::Inputs& i) { i.top = 0; }, pipe_drop::Problem::NoElevations, pipe_drop::Field::Top},
        {"emergency above top", [](pipe_drop::Inputs& i) { i.emergency = 110.1; }, pipe_drop::Problem::EmergencyAboveTop, pipe_drop::Field::Top},
        {"riser at the water", [](pipe_drop::Inputs& i) { i.water = 103; }, pipe_drop::Problem::RiserNotBelowWater, pipe_drop::Field::Water},
        {"inlet at the riser", [](pipe_drop::Inputs& i) { i.inlet = 103; }, pipe_drop::Problem::InletNotBelowRiser, pipe_drop::Field::Riser},
        {"outlet at the riser", [](pipe_drop::Inputs& i) { i.outlet = 103; }, pipe_drop::Problem::OutletNotBelowRiser, pipe_drop::Field::Inlet},
        {"tailwater at the riser", [](pipe_drop::Inputs& i) { i.tailwaterOn = true; i.tailwater = 103; }, pipe_drop::Problem::TailwaterNotBelowRiser, pipe_drop::Field::Riser},
        {"top at the emergency", [](pipe_drop::Inputs& i) { i.emergency = 110; }, pipe_drop::Problem::None, pipe_drop::Field::None},
    };
    for (const auto& c : cases) {
        pipe_drop::Inputs in = good;
        c.change(in);
        EXPECT_EQ(pipe_drop::CheckElevations(in), c.problem) << c.name;
        EXPECT_EQ(pipe_drop::FocusOf(c.problem), c.focus) << c.name;
    }
    EXPECT_EQ(pipe_drop::RiserWarning(good), "");
    pipe_drop::Inputs small = good;
    small.riserIn = 14;
    EXPECT_EQ(pipe_drop::RiserWarning(small), "Riser diameter should be 1.25 times the diameter of the pipe. !!!");
}

}  // namespace
}  // namespace vado
