#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/main_module.h"
#include "kept_printer.h"
#include "person.h"
#include "report/frm_info.h"

namespace vado::report {
namespace {

// The cases of report_bodies.txt: a page's code and steps, then the body lines it must print.
struct BodyCase {
    short code = 0;
    std::vector<std::string> steps, body;
};

std::vector<BodyCase> ReadCases() {
    std::ifstream in(std::string(VADO_CORE_TEST_DIR) + "/report/report_bodies.txt");
    std::vector<BodyCase> cases;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("#")) continue;
        if (!line.starts_with("$ ")) {
            if (!cases.empty()) cases.back().body.push_back(line);
            continue;
        }
        std::istringstream words(line.substr(2));
        cases.emplace_back();
        words >> cases.back().code;
        for (std::string step; words >> step;) cases.back().steps.push_back(step);
    }
    return cases;
}

TEST(ReportBodies, EachPagePrintsItsInputsAndResultsAfterTheHeader) {
    const auto cases = ReadCases();
    ASSERT_GE(cases.size(), 14u);
    for (const auto& c : cases) {
        ui::HeadlessServices services;
        std::vector<test::KeptJob> jobs;
        services.selectPrinter = test::KeepJobs(jobs);
        MainModule module(services);
        module.SubMain();
        auto& page = static_cast<CalculatorForm&>(*module.FormList[c.code]);
        for (const auto& step : c.steps) ASSERT_TRUE(vado::test::Apply(page, step)) << step;
        page.clickButton(page.cmdPrint);
        ASSERT_FALSE(services.modalStack.empty()) << c.code;
        auto& info = static_cast<FrmInfo&>(*services.modalStack.back());
        info.txtSite.setText("Site");
        info.clickButton(info.cmdPrint);
        ASSERT_EQ(jobs.size(), 1u) << c.code;
        auto texts = jobs[0].texts();
        auto site = std::find(texts.begin(), texts.end(), "Site");
        ASSERT_NE(site, texts.end()) << c.code;
        EXPECT_EQ(std::vector<std::string>(site + 1, texts.end()), c.body) << c.code;
        EXPECT_EQ(texts.front(), module.GetReportTitle(c.code)) << c.code;
    }
}

}  // namespace
}  // namespace vado::report
