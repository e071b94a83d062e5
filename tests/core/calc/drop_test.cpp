#include <gtest/gtest.h>

#include "../program.h"
#include "calc/drop/drop_structure.h"
#include "calc/drop/frm_straight_drop.h"
#include "report/bodies.h"
#include "ui/recording_printer.h"

namespace vado {
namespace {

TEST(DropBodies, TheOverfallLinePrintsWhatTheFieldsHold) {
    // The page refuses a 5.5 ft fall; the body prints whatever the fields hold.
    test::Program p;
    auto& page = p.page<FrmStraightDrop>(10);
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
