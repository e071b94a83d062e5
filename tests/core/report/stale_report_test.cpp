// A report never prints results beside inputs that did not produce them: the rating windows'
// Print commands after the page's inputs changed or its Compute failed, and the report lines
// a checker needs to reproduce a result.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "app/main_module.h"
#include "calc/riser/frm_rect_riser_results.h"
#include "kept_printer.h"
#include "report/frm_info.h"

namespace vado::report {
namespace {

class Program {
  public:
    Program() {
        services.selectPrinter = test::KeepJobs(jobs);
        module.SubMain();
    }
    ui::HeadlessServices services;
    std::vector<test::KeptJob> jobs;
    MainModule module{services};

    CalculatorForm& page(short n) { return static_cast<CalculatorForm&>(*module.FormList[n]); }
    ui::Form& window(const char* name) {
        for (auto* w : module.resultWindows())
            if (w->name() == name) return *w;
        throw std::runtime_error(name);
    }
    // Typed and left, as a person fills a field.
    void type(short n, const char* field, const char* text) {
        ui::Form& p = page(n);
        p.setFocus(p.find(field));
        static_cast<ui::TextBox*>(p.find(field))->setText(text);
        if (!p.leaveFocus()) p.dropFocus();
    }
    void compute(short n) { page(n).clickButton(page(n).cmdCompute, true); }
    // A Print command clicked; when the project-information dialog opens, its Print. The texts
    // of the job, or nothing when no report came out.
    std::optional<std::vector<std::string>> print(ui::Form& form, ui::CommandButton& button) {
        const size_t before = jobs.size();
        form.clickButton(button, true);
        if (services.modalStack.empty()) return std::nullopt;
        auto& info = static_cast<FrmInfo&>(*services.modalStack.back());
        info.clickButton(info.cmdPrint);
        if (jobs.size() == before) return std::nullopt;
        return jobs.back().texts();
    }
};

size_t Count(const std::vector<std::string>& texts, const std::string& t) {
    return static_cast<size_t>(std::count(texts.begin(), texts.end(), t));
}

bool Holds(const std::vector<std::string>& texts, const std::string& t) { return Count(texts, t) > 0; }

FrmWaterControlResults& Table(Program& p) {
    return static_cast<FrmWaterControlResults&>(p.window("frmWaterControlResults"));
}
FrmRectRiserResults& Charts(Program& p) {
    return static_cast<FrmRectRiserResults&>(p.window("frmRectRiserResults"));
}

// A water control structure rated with a 12-in. inlet (12 rows and the one past the pool).
void RateTwelveInch(Program& p) {
    p.type(18, "txtPipeDia(0)", "12");
    p.type(18, "txtPipeDia(1)", "12");
    p.compute(18);
}

struct StaleCase {
    const char* name;
    std::function<void(Program&)> steps;
    // The form and the Print button pressed after the steps.
    std::function<std::pair<ui::Form*, ui::CommandButton*>(Program&)> printFrom;
    bool printed;
    std::function<void(Program&, const std::vector<std::string>&)> check;
};

// The report holds one series, and it is the window's last: a row at the crest (discharge
// 0.00) starts each series, and every pool elevation of the last one is printed.
void ExpectLastSeriesOnly(Program& p, const std::vector<std::string>& t) {
    EXPECT_EQ(Count(t, "0.00"), 1u) << "one series";
    const auto& g = Table(p).grdData;
    for (int r = Table(p).LastSeriesFirstRow(); r < g.rows(); ++r)
        EXPECT_TRUE(Holds(t, g.textMatrix(r, 0))) << "row " << r;
}

using PrintButton = std::pair<ui::Form*, ui::CommandButton*>;

TEST(StaleReports, EveryReportPrintsTheResultsOfTheInputsItPrints) {
    auto tablePrint = [](Program& p) { return PrintButton{&Table(p), &Table(p).cmdPrint}; };
    auto pagePrint = [](short n) { return [n](Program& p) { return PrintButton{&p.page(n), &p.page(n).cmdPrint}; }; };
    // Each page of the charts window prints with its own button, shown with its tab.
    auto chartPrint = [](int i) {
        return [i](Program& p) {
            Charts(p).tabStrip.clickTab(i + 1);
            return PrintButton{&Charts(p), Charts(p).cmdPrint[i]};
        };
    };
    const StaleCase cases[] = {
        {"table after a refused Compute", [](Program& p) {
             RateTwelveInch(p);
             p.type(18, "txtElev(0)", "97");
             p.type(18, "txtPipeDia(1)", "30");
             p.compute(18);
         },
         tablePrint, false, nullptr},
        {"table after an edit without a Compute", [](Program& p) {
             RateTwelveInch(p);
             p.type(18, "txtPipeDia(0)", "24");
         },
         tablePrint, true,
         [](Program& p, const std::vector<std::string>& t) {
             EXPECT_TRUE(Holds(t, "Inlet Pipe Diameter = 24 in."));
             EXPECT_GT(Table(p).LastSeriesFirstRow(), 2) << "the new series went below the old one";
             ExpectLastSeriesOnly(p, t);
         }},
        {"table right after its Compute", [](Program& p) { RateTwelveInch(p); }, tablePrint, true,
         [](Program& p, const std::vector<std::string>& t) {
             EXPECT_EQ(Table(p).LastSeriesFirstRow(), 2) << "no series added";
             EXPECT_TRUE(Holds(t, "Inlet Pipe Diameter = 12 in."));
             ExpectLastSeriesOnly(p, t);
         }},
        {"page after two ratings with different inlets", [](Program& p) {
             RateTwelveInch(p);
             p.type(18, "txtPipeDia(0)", "24");
             p.compute(18);
         },
         pagePrint(18), true, ExpectLastSeriesOnly},
        {"riser charts after an edit", [](Program& p) {
             p.type(19, "txtWidth", "12");
             p.compute(19);
             p.type(19, "txtElev(0)", "96.0");
         },
         chartPrint(0), true,
         [](Program& p, const std::vector<std::string>& t) {
             EXPECT_TRUE(Holds(t, "Max. Pool Elevation = 96.0 ft."));
             EXPECT_EQ(Charts(p).grdDataBasic.rows(), 2 + 4) << "95.2 to 95.8";
             EXPECT_TRUE(Holds(t, "95.8"));
             EXPECT_FALSE(Holds(t, "99.8")) << "no row of the old rating";
         }},
        {"riser full chart after an edit", [](Program& p) {
             p.type(19, "txtWidth", "12");
             p.compute(19);
             p.type(19, "txtElev(1)", "99.0");
         },
         chartPrint(2), true,
         [](Program&, const std::vector<std::string>& t) {
             EXPECT_TRUE(Holds(t, "99.2"));
             EXPECT_FALSE(Holds(t, "95.2"));
         }},
        {"riser graph after a refused edit", [](Program& p) {
             p.type(19, "txtWidth", "12");
             p.compute(19);
             p.type(19, "txtElev(1)", "101");
         },
         chartPrint(1), false, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Program p;
        c.steps(p);
        auto [form, button] = c.printFrom(p);
        const auto texts = p.print(*form, *button);
        EXPECT_EQ(texts.has_value(), c.printed);
        if (texts && c.check) c.check(p, *texts);
    }
}

}  // namespace
}  // namespace vado::report
