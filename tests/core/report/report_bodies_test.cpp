#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "../program.h"

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
        vado::test::Program p;
        auto& page = p.page(c.code);
        for (const auto& step : c.steps) ASSERT_TRUE(vado::test::Apply(page, step)) << step;
        page.clickButton(page.cmdPrint);
        ASSERT_NE(p.dialog(), nullptr) << c.code;
        p.dialog()->txtSite.setText("Site");
        p.dialog()->clickButton(p.dialog()->cmdPrint);
        ASSERT_EQ(p.jobs.size(), 1u) << c.code;
        auto texts = p.jobs[0].texts();
        auto site = std::find(texts.begin(), texts.end(), "Site");
        ASSERT_NE(site, texts.end()) << c.code;
        EXPECT_EQ(std::vector<std::string>(site + 1, texts.end()), c.body) << c.code;
        EXPECT_EQ(texts.front(), p.module.GetReportTitle(c.code)) << c.code;
    }
}

}  // namespace
}  // namespace vado::report
