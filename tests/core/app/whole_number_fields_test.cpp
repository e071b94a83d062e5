// Fields checked as whole numbers refuse a number with a fraction that got past their key
// filter (a paste, a project file), on every page that has them; the key filter and the check
// are told apart where the two differ.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "app/cli/cli.h"
#include "app/main_module.h"

namespace vado {
namespace {

nlohmann::json RunJson(std::vector<std::string> args) {
    std::ostringstream out, err;
    args.insert(args.begin(), "--json");
    EXPECT_EQ(RunCli(args, out, err), 0) << err.str();
    return nlohmann::json::parse(out.str());
}

TEST(WholeNumberFields, AFractionIsRefusedWhereTheCheckWantsAWholeNumber) {
    const struct {
        const char* name;
        std::vector<std::string> steps;
        const char* message;  // the Compute command's, "" when it succeeds
    } cases[] = {
        {"inlet pipe diameter", {"frmWaterControl", "txtPipeDia(0)=12.4", "txtPipeDia(1)=12"},
         "Please enter a whole number between 4 and 36."},
        {"pipe length written with a point", {"frmWaterControl", "txtPipeDia(0)=12", "txtPipeDia(1)=12", "txtPipeLen(0)=15.0"}, ""},
        {"pipe length with a fraction", {"frmWaterControl", "txtPipeDia(0)=12", "txtPipeDia(1)=12", "txtPipeLen(0)=15.5"},
         "Please enter a whole number between 4 and 75."},
        {"acres drained",
         {"frmPumpDrainage", "txtAcres=10.5", "txtElev(0)=101", "txtElev(1)=110", "txtElev(2)=100", "txtElev(3)=98"},
         "Please enter a whole number between 1 and 10000."},
        {"pipe flow diameter", {"frmPipeFlow", "txt6Diameter=24.5"}, "Please enter a whole number between 1 and 84."},
        {"size of main, not a missing n", {"frmSurfaceInlet", "txt12Main=12.4", "txt12Elev(0)=104", "txt12Elev(1)=100"},
         "Please enter a whole number between 3 and 24."},
        {"rock size", {"frmPlungePool", "txtRockSize=12.5"}, "Please enter a whole number between 1 and 99."},
        {"number of sides", {"frmMensuration", "cboFormula=11", "txt11Nsides=3.5"},
         "Please enter a whole number between 3 and 16."},
        {"culvert length, a decimal check", {"frmCulvertFlow", "txt7Length=40.5", "txt7Elev(0)=110", "txt7Elev(1)=100", "txt7Elev(2)=95", "txt7Elev(3)=99"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto args = c.steps;
        args.insert(args.end(), {"--click", "cmdCompute"});
        const auto j = RunJson(args);
        const bool fails = *c.message != '\0';
        EXPECT_EQ(j["lastComputeFailed"], fails);
        if (fails) {
            ASSERT_FALSE(j["messages"].empty());
            EXPECT_EQ(j["messages"].back()["text"], c.message);
            EXPECT_EQ(j["messages"].back()["title"], "Input Error");
            EXPECT_TRUE(j["windows"].empty()) << "no rating for a refused input";
        }
    }
}

TEST(WholeNumberFields, TheKeyFilterTakesAPointWhereThePageListsNoDigitsOnlyField) {
    ui::HeadlessServices services;
    MainModule module(services);
    module.SubMain();
    const struct {
        const char* page;
        const char* field;
        bool takesPoint;
    } cases[] = {
        {"frmWaterControl", "txtPipeLen(0)", true},  {"frmWaterControl", "txtPipeDia(0)", false},
        {"frmWaterControl", "txtWeirLen", false},    {"frmCulvertFlow", "txt7Length", false},
        {"frmCulvertFlow", "txt7N", true},           {"frmPipeFlow", "txt6Diameter", false},
        {"frmSurfaceInlet", "txt12Main", true},      {"frmPlungePool", "txtRockSize", true},
        {"frmPlungePool", "txtPipeQ", false},        {"frmPumpDrainage", "txtAcres", false},
        {"frmPumpDrainage", "txtElev(0)", true},     {"frmRectRiser", "txtPipeDia", false},
        {"frmMensuration", "txt11Nsides", false},
    };
    for (const auto& c : cases) {
        ui::Form& page = *module.formNamed(c.page);
        auto& box = static_cast<ui::TextBox&>(*page.find(c.field));
        box.setText("15");
        box.setSelection(2, 0);
        const int beeps = services.beeps;
        box.typeKey('.');
        EXPECT_EQ(box.text(), c.takesPoint ? "15." : "15") << c.page << "." << c.field;
        EXPECT_EQ(services.beeps - beeps, c.takesPoint ? 0 : 1) << c.page << "." << c.field;
    }
}

}  // namespace
}  // namespace vado
