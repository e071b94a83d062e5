#include "app/page_exports.h"

#include <gtest/gtest.h>

#include "../program.h"

namespace vado {
namespace {

// Copy Results: the caption, the inputs as caption, value and unit, then the results shown.
TEST(PageExports, PageTextHoldsInputsThenResults) {
    const struct {
        const char* name;
        int page;
        std::vector<std::string> steps;
        std::string text;
    } cases[] = {
        {"weir by diameter",
         1,
         {},
         "Weir Flow Formula Solution\n\n"
         "Weir Coefficient (C):\t3.1\n"
         "Diameter of Weir (inches):\t24\tinches\n"
         "Head on Weir (ft.):\t1\tfeet\n"
         "\nQ = 19.48 cfs\n"},
        {"a failed computation shows no result",
         1,
         {"txt1H1=0"},
         "Weir Flow Formula Solution\n\n"
         "Weir Coefficient (C):\t3.1\n"
         "Diameter of Weir (inches):\t24\tinches\n"
         "Head on Weir (ft.):\t0\tfeet\n"},
        {"subsurface lists and table",
         15,
         {},
         "Subsurface Drainage\n\n"
         "Drain Material:\tCP Tubing - Normal Inst. Condition\n"
         "Drainage Coefficient:\t3/8\n"
         "\nMain\tGrade\tAcres\tQ(cfs)\tQ(cfs)\tAcres\tSize\tn\tvel\n"
         "ID\t(ft/ft)\t(need)\t(need)\tavail\t(avail)\t(in)\t\t(fps)\n"},
    };
    for (const auto& c : cases) {
        test::Program p;
        test::ShowPage(p.module, p.page(c.page));
        for (const auto& step : c.steps) ASSERT_TRUE(test::Apply(p.page(c.page), step)) << step;
        p.click(p.page(c.page), "cmdCompute");
        EXPECT_EQ(PageText(p.module), c.text) << c.name;
    }
}

}  // namespace
}  // namespace vado
