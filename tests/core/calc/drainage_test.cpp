#include <gtest/gtest.h>

#include "app/main_module.h"
#include "calc/drainage/drainage.h"
#include "calc/drainage/frm_pump_drainage.h"
#include "calc/drainage/frm_subsurface.h"
#include "calc/drainage/subsurface.h"
#include "calc/drainage/surface_inlet.h"
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
    // 0.002 ft/ft: 3 in. tubing carries 0.034 cfs, 6 in. 0.217.
    auto six = subsurface::SizeMain(module.DrainMaterials, module.StandardDiameters, tubing, 0.375, 0.002, 10);
    EXPECT_EQ(six.size, 6);
    EXPECT_DOUBLE_EQ(six.qNeed, 10 * 0.375 * 0.04200001);
    // A need equal to a size's capacity passes that size by.
    const double q3 = drainage::FullPipeCapacity(3, 0.002, 0.015);
    auto exact = subsurface::SizeMain(module.DrainMaterials, module.StandardDiameters, tubing, 1.0,
                                      0.002, q3 / 0.04200001);
    EXPECT_GT(exact.size, 3);
    // Tubing stops at 24 in.; concrete goes to 30 in. and beyond that nothing is chosen.
}

TEST_F(DrainageTest, AnEmptyRowBetweenMainsEndsNothing) {
    const struct {
        const char* name;
        std::vector<std::vector<const char*>> rows;  // ID, grade, acres from row 2
        const char* message;                         // "" when the Compute succeeds
        std::vector<const char*> sized;              // the size column, row by row
    } cases[] = {
        {"first main emptied", {{"", "", ""}, {"B", "0.002", "10"}}, "", {"", "6"}},
        {"a gap between two mains", {{"A", "0.002", "10"}, {"", "", ""}, {"B", "0.002", "40"}}, "", {"6", "", "10"}},
        {"a bad main below the gap still fails",
         {{"A", "0.002", "10"}, {"", "", ""}, {"B", "", "40"}},
         "Please fill in the grade before moving to another row.", {"6", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ui::HeadlessServices s;
        MainModule m(s);
        m.SubMain();
        auto& page = static_cast<FrmSubsurface&>(*m.FormList[15]);
        page.grdData.setRows(2 + static_cast<int>(c.rows.size()));
        for (size_t r = 0; r < c.rows.size(); ++r)
            for (int col = 0; col < 3; ++col) page.grdData.setTextMatrix(2 + static_cast<int>(r), col, c.rows[r][col]);
        page.cmdCompute_Click();
        EXPECT_EQ(m.app().lastComputeFailed, *c.message != '\0');
        if (*c.message) {
            ASSERT_FALSE(s.messages.empty());
            EXPECT_EQ(s.messages.back().text, c.message);
        }
        for (size_t r = 0; r < c.sized.size(); ++r)
            EXPECT_EQ(page.grdData.textMatrix(2 + static_cast<int>(r), 6), c.sized[r]) << "row " << r + 2;
        if (*c.message) continue;
        // The printed table: the two header rows and the mains one under the other, no line
        // left for an empty row.
        ui::RecordingPrinter printer;
        report::Destination d(printer, "");
        report::PrintReportBody(15, d, [&m](short n) -> const ui::Form* { return m.FormList[n]; });
        std::vector<double> rowTops;
        for (const auto* op : printer.texts())
            if (op->x == 720 && op->text != "Drain Material" && op->text != "Drainage Coefficient")
                rowTops.push_back(op->y);
        size_t mains = 0;
        for (const auto& row : c.rows) mains += *row[0] ? 1 : 0;
        ASSERT_EQ(rowTops.size(), 2 + mains);
        for (size_t i = 2; i < rowTops.size(); ++i)
            EXPECT_EQ(rowTops[i] - rowTops[i - 1], rowTops[1] - rowTops[0]) << "row " << i;
    }
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

TEST_F(DrainageTest, PumpModeOneAreaEditDropsTheComputedStop) {
    auto& page = static_cast<FrmPumpDrainage&>(*module.FormList[16]);
    page.cboCalc.setListIndex(1);
    for (auto [box, text] : {std::pair{page.txtElev[0], "101"}, {page.txtElev[1], "110"},
                             {page.txtElev[2], "100"}, {&page.txtSumpArea, "20"}})
        box->setText(text);
    page.clickButton(page.cmdCompute);
    ASSERT_EQ(page.txtElev[3]->text(), "99.3");
    EXPECT_NEAR(page.ElevStop(), 99.29125, 1e-6) << "the report's static head uses the computed stop";
    page.txtSumpArea.setText("30");
    EXPECT_EQ(page.txtElev[3]->text(), "") << "no stale stop beside the new area";
    EXPECT_TRUE(page.txtElev[3]->locked);
}

}  // namespace
}  // namespace vado
