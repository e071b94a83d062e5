// A report never prints results beside inputs that did not produce them: the rating windows'
// Print commands after the page's inputs changed or its Compute failed.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "../program.h"
#include "calc/riser/frm_rect_riser_results.h"

namespace vado::report {
namespace {

using Texts = std::vector<std::string>;
using vado::test::Program;

bool Holds(const Texts& texts, const std::string& t) { return std::find(texts.begin(), texts.end(), t) != texts.end(); }

FrmWaterControlResults& Table(Program& p) { return p.window<FrmWaterControlResults>("frmWaterControlResults"); }
FrmRectRiserResults& Charts(Program& p) { return p.window<FrmRectRiserResults>("frmRectRiserResults"); }

// The report holds one series, and it is the window's last: a row at the crest (discharge
// 0.00) starts each series, and every pool elevation of the last one is printed.
void ExpectLastSeriesOnly(Program& p, const Texts& t) {
    EXPECT_EQ(std::count(t.begin(), t.end(), "0.00"), 1) << "one series";
    const auto& g = Table(p).grdData;
    for (int r = Table(p).LastSeriesFirstRow(); r < g.rows(); ++r) EXPECT_TRUE(Holds(t, g.textMatrix(r, 0))) << "row " << r;
}

TEST(StaleReports, EveryReportPrintsTheResultsOfTheInputsItPrints) {
    using Print = std::function<std::optional<Texts>(Program&)>;
    const Print table = [](Program& p) { return p.print(Table(p), Table(p).cmdPrint); };
    const Print page18 = [](Program& p) { return p.print(p.page(18), p.page(18).cmdPrint); };
    // Each page of the charts window prints with its own button, shown with its tab.
    auto chart = [](int i) -> Print {
        return [i](Program& p) {
            Charts(p).tabStrip.clickTab(i + 1);
            return p.print(Charts(p), *Charts(p).cmdPrint[i]);
        };
    };
    const std::initializer_list<std::string> rate12 = {"txtPipeDia(0)=12", "txtPipeDia(1)=12", "cmdCompute"};
    const std::initializer_list<std::string> rateRiser = {"txtWidth=12", "cmdCompute"};
    const struct {
        const char* name;
        std::function<void(Program&)> steps;
        Print print;
        std::function<void(Program&, const Texts&)> check;  // null: nothing may print
    } cases[] = {
        {"table after a refused Compute",
         [&](Program& p) { p.steps(18, rate12), p.steps(18, {"txtElev(0)=97", "txtPipeDia(1)=30", "cmdCompute"}); },
         table, nullptr},
        {"table after an edit without a Compute", [&](Program& p) { p.steps(18, rate12), p.steps(18, {"txtPipeDia(0)=24"}); },
         table,
         [](Program& p, const Texts& t) {
             EXPECT_TRUE(Holds(t, "Inlet Pipe Diameter = 24 in."));
             EXPECT_GT(Table(p).LastSeriesFirstRow(), 2) << "the new series went below the old one";
             ExpectLastSeriesOnly(p, t);
         }},
        {"page after two ratings with different inlets",
         [&](Program& p) { p.steps(18, rate12), p.steps(18, {"txtPipeDia(0)=24", "cmdCompute"}); }, page18,
         ExpectLastSeriesOnly},
        {"riser charts after an edit", [&](Program& p) { p.steps(19, rateRiser), p.steps(19, {"txtElev(0)=96.0"}); },
         chart(0),
         [](Program& p, const Texts& t) {
             EXPECT_TRUE(Holds(t, "Max. Pool Elevation = 96.0 ft."));
             EXPECT_EQ(Charts(p).grdDataBasic.rows(), 2 + 4) << "95.2 to 95.8";
             EXPECT_TRUE(Holds(t, "95.8"));
             EXPECT_FALSE(Holds(t, "99.8")) << "no row of the old rating";
         }},
        {"riser graph after a refused edit", [&](Program& p) { p.steps(19, rateRiser), p.steps(19, {"txtElev(1)=101"}); },
         chart(1), nullptr},
        // Another page's failure is no reason to refuse: the window's Print rates its own page.
        {"riser full chart after another page's refused Compute",
         [&](Program& p) { p.steps(19, rateRiser), p.steps(1, {"txt1H1=0", "cmdCompute"}); }, chart(2),
         [](Program& p, const Texts& t) {
             EXPECT_TRUE(Holds(t, "99.8"));
             EXPECT_FALSE(p.module.app().lastComputeFailed);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Program p;
        c.steps(p);
        const auto texts = c.print(p);
        EXPECT_EQ(texts.has_value(), c.check != nullptr);
        if (texts && c.check) c.check(p, *texts);
    }
}

}  // namespace
}  // namespace vado::report
