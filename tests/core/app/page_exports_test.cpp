#include "app/page_exports.h"

#include <gtest/gtest.h>

#include "app/main_module.h"

namespace vado {
namespace {

// The program as it starts, without a window.
struct Program {
    Program() { module.SubMain(); }

    // Opens page n, sets its fields as typed and clicks its Compute.
    ui::Form& computed(int n, const std::vector<std::pair<std::string, std::string>>& inputs) {
        ui::Form& page = *module.FormList[n];
        module.FormList[module.CurrentForm]->tabStrip.clickTab(n + 1);
        for (const auto& [name, text] : inputs) {
            ui::Control* c = page.find(name);
            EXPECT_NE(c, nullptr) << name;
            if (!c) continue;
            page.setFocus(c);
            if (c->kind() == ui::Kind::ComboBox) {
                static_cast<ui::ComboBox*>(c)->setListIndex(std::stoi(text));
            } else {
                auto* box = static_cast<ui::TextBox*>(c);
                box->setSelection(0, static_cast<int>(box->text().size()));
                box->paste(text);
            }
            page.leaveFocus();
        }
        for (auto& c : page.controls())
            if (c->name() == "cmdCompute") page.clickButton(static_cast<ui::CommandButton&>(*c));
        return page;
    }

    ui::HeadlessServices services;
    MainModule module{services};
};

// Copy Results: the caption, the inputs as caption, value and unit, then the results shown.
TEST(PageExports, PageTextHoldsInputsThenResults) {
    const struct {
        const char* name;
        int page;
        std::vector<std::pair<std::string, std::string>> inputs;
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
         {{"txt1H1", "0"}},
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
        Program program;
        program.computed(c.page, c.inputs);
        EXPECT_EQ(PageText(program.module), c.text) << c.name;
    }
}

}  // namespace
}  // namespace vado
