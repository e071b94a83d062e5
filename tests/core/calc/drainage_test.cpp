#include <gtest/gtest.h>

#include "app/main_module.h"
#include "calc/drainage/drainage.h"
#include "calc/drainage/frm_subsurface.h"
#include "calc/drainage/subsurface.h"
#include "calc/drainage/surface_inlet.h"
#include "person.h"
#include "report/report_bodies.h"
#include "ui/recording_printer.h"

namespace vado {
namespace {

class DrainageTest : public ::testing::Test {
  protected:
    void SetUp() override { module.SubMain(); }
    ui::HeadlessServices services;
    MainModule module{services};
    const std::string tubing = "CP Tubing - Normal Inst. Condition";
};

TEST_F(DrainageTest, LookUpStatuses) {
    const struct {
        std::string material;
        short size;
        drainage::NStatus status;
        double n;
    } cases[] = {
        {tubing, 12, drainage::NStatus::Found, 0.017},
        {tubing, 9, drainage::NStatus::BelowRow, 0},  // meets the 10 to 12 row first
        {tubing, 27, drainage::NStatus::NoRow, 0},
        {"Concrete - Normal Inst. Condition", 30, drainage::NStatus::Found, 0.013},
        {"Concrete - Normal Inst. Condition", 3, drainage::NStatus::BelowRow, 0},
        {"Clay - Normal Inst. Condition", 26, drainage::NStatus::NoRow, 0},
        {"Clay - Normal Inst. Condition", 16, drainage::NStatus::BelowRow, 0},
        {"Steel", 12, drainage::NStatus::NoRow, 0},
    };
    for (const auto& c : cases) {
        auto r = drainage::LookUpDrainN(module.DrainMaterials, c.material, c.size);
        EXPECT_EQ(r.status, c.status) << c.material << " " << c.size;
        EXPECT_EQ(r.n, c.n) << c.material << " " << c.size;
    }
}

TEST(SurfaceInlet, FittingsByOrificeSize) {
    const struct {
        double d;
        bool fits;
        int larger, smaller;
    } cases[] = {{3.5, true, 6, 4}, {3.5001, true, 8, 6}, {5.5, true, 8, 6}, {6.0, true, 10, 8}, {6.001, false, 0, 0}};
    for (const auto& c : cases) {
        int larger = 0, smaller = 0;
        EXPECT_EQ(surface_inlet::Fitting(c.d, larger, smaller), c.fits) << c.d;
        EXPECT_EQ(larger, c.larger) << c.d;
        EXPECT_EQ(smaller, c.smaller) << c.d;
    }
}

TEST_F(DrainageTest, ANeedEqualToASizesCapacityPassesThatSizeBy) {
    const double q3 = drainage::FullPipeCapacity(3, 0.002, 0.015);
    auto exact = subsurface::SizeMain(module.DrainMaterials, module.StandardDiameters, tubing, 1.0, 0.002,
                                      q3 / drainage::kCfsPerAcreInch);
    EXPECT_GT(exact.size, 3);
}

// The printed table: the two header rows and the mains one under the other, no line left for
// the empty row between them.
TEST_F(DrainageTest, TheReportLeavesNoLineForAnEmptyRowBetweenMains) {
    auto& page = static_cast<FrmSubsurface&>(*module.FormList[15]);
    for (auto step : {"grdData(2,0)=A", "grdData(2,1)=0.002", "grdData(2,2)=10", "grdData(4,0)=B", "grdData(4,1)=0.002",
                      "grdData(4,2)=40"})
        test::Apply(page, step);
    page.cmdCompute_Click();
    ASSERT_FALSE(module.app().lastComputeFailed);
    ui::RecordingPrinter printer;
    report::Destination d(printer, "");
    report::PrintReportBody(15, d, [&](short n) -> const ui::Form* { return module.FormList[n]; });
    std::vector<double> rowTops;
    for (const auto* op : printer.texts())
        if (op->x == 720 && op->text != "Drain Material" && op->text != "Drainage Coefficient") rowTops.push_back(op->y);
    ASSERT_EQ(rowTops.size(), 2 + 2u);
    for (size_t i = 2; i < rowTops.size(); ++i) EXPECT_EQ(rowTops[i] - rowTops[i - 1], rowTops[1] - rowTops[0]) << "row " << i;
}

TEST_F(DrainageTest, UpOnTheFirstDataRowStaysThere) {
    auto& page = static_cast<FrmSubsurface&>(*module.FormList[15]);
    page.grdData.row = 2;
    page.grdData.col = 0;
    page.grdData.onEnterCell();
    ASSERT_TRUE(page.txtCover.visible());
    page.txtCover.paste("M1");
    EXPECT_FALSE(page.txtCover.onKeyDown(38, 0) && page.grdData.row != 2);
    EXPECT_EQ(page.grdData.row, 2);
    EXPECT_EQ(page.grdData.rows(), 3) << "the only data row stays";
    EXPECT_EQ(page.grdData.textMatrix(2, 0), "M1");
}

}  // namespace
}  // namespace vado
