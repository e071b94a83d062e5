#include <gtest/gtest.h>

#include "../program.h"
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

// Each record on one line: the pool elevation and its flows side by side, in their columns.
TEST(RiserReport, TheFullChartPrintsEachRecordOnOneLineInItsColumns) {
    test::Program p;
    p.steps(19, {"txtWidth=12", "cmdCompute"});
    ui::RecordingPrinter full;
    report::Destination d(full, "");
    report::PrintReportBody(319, d, [&](short n) -> const ui::Form* { return p.module.FormList[n]; },
                            [&](short code) { return p.module.resultWindow(code); });
    const ui::RecordedOp *qp = full.findText("336.89"), *elev = full.findText("95.2");
    ASSERT_TRUE(qp && elev);
    EXPECT_EQ(qp->x, 1872);
    EXPECT_EQ(qp->y, elev->y);
    EXPECT_EQ(full.findText("Discharge")->x, 9792);
}

}  // namespace
}  // namespace vado
