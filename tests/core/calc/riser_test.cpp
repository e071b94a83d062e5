#include <gtest/gtest.h>

#include "app/main_module.h"
#include "calc/riser/frm_rect_riser.h"
#include "calc/riser/rect_riser.h"
#include "report/bodies.h"
#include "ui/recording_printer.h"

namespace vado {
namespace {

TEST(RectRiserFlow, StrictlySmallerWalkKeepsTheEarlierOnTies) {
    const struct {
        double qp, qw, qoh, qol;
        const char* controls;
        double q;
    } cases[] = {
        {0, 0, 0, 0, "Pipe Flow Controls", 0},
        {5, 5, 5, 5, "Pipe Flow Controls", 5},
        {9, 2, 8, 2, "Weir Flow Controls", 2},
        {9, 3, 2, 2, "Orifice Flow Into Riser Controls", 2},
        {9, 3, 2, 1, "Orifice Flow At Pipe Inlet Controls", 1},
    };
    for (const auto& c : cases) {
        RectRiserFlow r;
        r.Fill(100, c.qp, c.qw, c.qoh, c.qol);
        EXPECT_EQ(r.Controls(), c.controls) << c.qp << c.qw << c.qoh << c.qol;
        EXPECT_EQ(r.Q(), c.q);
    }
}

rect_riser::Inputs Riser(double pool, double weir) {
    return {.length = 12, .width = 12, .maxPool = pool, .weir = weir, .inlet = weir - 10,
            .outlet = weir - 12, .tailwater = weir - 13, .pipeLength = 120, .pipeDiameterIn = 48, .n = 0.013};
}

TEST(RectRiser, RecordCountFromTheFlooredStepsInDoubles) {
    const struct {
        double pool, weir;
        size_t records;
        double first, last;
    } cases[] = {
        {100.0, 95.0, 24, 95.2, 99.8},  // (100 - 95.2) x 5 = 23.999999999999986
        {85.0, 83.0, 9, 83.2, 84.8},    // 8.99999... gives N = 8
        {95.3, 95.0, 2, 95.2, 95.4},    // N = 0 becomes 1
        {95.4, 95.0, 2, 95.2, 95.4},
        {2.8, 2.6, 2, 2.8, 3.0},        // a gap of 0.2 whose (2.8 - 2.8) x 5 is just below 0: N = -1
        {2.7, 2.5, 2, 2.7, 2.9},        // the same gap without the rounding
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pool);
        EXPECT_EQ(rect_riser::Check(Riser(c.pool, c.weir)), rect_riser::Problem::None);
        const auto records = rect_riser::Rating(Riser(c.pool, c.weir));
        ASSERT_EQ(records.size(), c.records);
        EXPECT_NEAR(records.front().elev, c.first, 1e-9);
        EXPECT_NEAR(records.back().elev, c.last, 1e-9);
    }
    // The gap is judged as typed: under 0.2 ft there is no step to rate.
    for (auto [pool, weir] : {std::pair{95.19, 95.0}, {2.79, 2.6}, {95.1999, 95.0}})
        EXPECT_EQ(rect_riser::Check(Riser(pool, weir)), rect_riser::Problem::PoolTooLowForARating) << pool;
    EXPECT_EQ(rect_riser::Check(Riser(99999, 100)), rect_riser::Problem::RatingTooLong);
}

class RiserWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override { module.SubMain(); }
    ui::HeadlessServices services;
    MainModule module{services};
    FrmRectRiser& riser() { return static_cast<FrmRectRiser&>(*module.FormList[19]); }
    ui::Form& window(const char* name) {
        for (auto* w : module.resultWindows())
            if (w->name() == name) return *w;
        throw std::runtime_error(name);
    }
};

TEST_F(RiserWindowsTest, TheWindowShowsOnePageAndPrintsFromIt) {
    riser().txtWidth.setText("12");
    riser().clickButton(riser().cmdCompute);
    auto& results = static_cast<FrmRectRiserResults&>(window("frmRectRiserResults"));
    ASSERT_TRUE(results.visible());
    results.tabStrip.clickTab(3);
    EXPECT_TRUE(results.grdDataFull.visible());
    EXPECT_FALSE(results.grdDataBasic.visible());
    // Another page's failure is no reason to refuse: the window's Print rates its own page.
    module.app().lastComputeFailed = true;
    results.clickButton(*results.cmdPrint[2]);
    ASSERT_EQ(services.modalStack.size(), 1u);
    EXPECT_FALSE(module.app().lastComputeFailed);
}

TEST_F(RiserWindowsTest, TheFullChartPrintsEachRecordOnOneLineInItsColumns) {
    riser().txtWidth.setText("12");
    riser().clickButton(riser().cmdCompute);
    auto page = [this](short n) -> const ui::Form* { return module.FormList[n]; };
    auto windows = [this](short code) { return module.resultWindow(code); };
    ui::RecordingPrinter full;
    report::Destination d2(full, "");
    report::PrintReportBody(319, d2, page, windows);
    const ui::RecordedOp* qp = full.findText("336.89");
    const ui::RecordedOp* elev = full.findText("95.2");
    ASSERT_TRUE(qp && elev);
    EXPECT_EQ(qp->x, 1872);
    EXPECT_EQ(qp->y, elev->y);
    EXPECT_EQ(full.findText("Discharge")->x, 9792);
}

}  // namespace
}  // namespace vado
