#include "app/page_exports.h"

#include <gtest/gtest.h>

#include "app/main_module.h"
#include "person.h"

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
        ui::HeadlessServices services;
        MainModule module{services};
        module.SubMain();
        CatalogueForm& page = *module.FormList[c.page];
        test::ShowPage(module, page);
        for (const auto& step : c.steps) ASSERT_TRUE(test::Apply(page, step)) << step;
        for (auto& b : page.controls())
            if (b->name() == "cmdCompute") page.clickButton(static_cast<ui::CommandButton&>(*b));
        EXPECT_EQ(PageText(module), c.text) << c.name;
    }
}

}  // namespace
}  // namespace vado
