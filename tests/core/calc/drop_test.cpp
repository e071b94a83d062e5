#include <gtest/gtest.h>

#include <cmath>

#include "app/main_module.h"
#include "calc/drop/box_inlet.h"
#include "calc/drop/drop_structure.h"
#include "calc/drop/frm_straight_drop.h"
#include "report/bodies.h"
#include "ui/recording_printer.h"

namespace vado {
namespace {

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

TEST(DropRating, NoMoreRowsThanASixteenBitRowNumber) {
    // 5 x 6553.4 rounds up to 32767 steps, the last of which lies above the crest.
    EXPECT_EQ(drop::RatingElevations(0, 6553.4)->size(), 32766u);
    EXPECT_FALSE(drop::RatingElevations(0, 99999));
}

}  // namespace
}  // namespace vado
