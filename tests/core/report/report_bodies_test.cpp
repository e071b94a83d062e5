#include <gtest/gtest.h>

#include "app/main_module.h"
#include "kept_printer.h"
#include "report/frm_info.h"

namespace vado::report {
namespace {

// Each page's report body with the page's default inputs, as the lines come out after the
// site line of the header (the culvert with the elevations of its first worked example, on its default entrance).
TEST(ReportBodies, CalculatorPages) {
    const struct {
        short code;
        std::vector<std::pair<const char*, const char*>> inputs;
        std::vector<std::string> body;
    } cases[] = {
        {2, {}, {"Orifice Coefficient (C):  0.6", "Diameter of Orifice:  2 in.",
                 "Head on Orifice:  1 ft.", "Orifice Capacity:   0.10 cfs"}},
        {3, {}, {"Slope: 0.0005 ft/ft", "Hydraulic Radius: 0.08", "'n' value: 0.015",
                 "Area: 0.04 sq ft", "Velocity: 0.42 ft/sec", "Capacity: 0.02 cfs",
                 "Diameter: 4 in.", "Depth of Flow: 2 in."}},
        {4, {}, {"Slope: 0.0005 ft/ft", "Hydraulic Radius: 1.32", "'n' value: 0.04",
                 "Area: 40.00 sq ft", "Velocity: 1.00 ft/sec", "Capacity: 39.94 cfs",
                 "Top Width: 30 ft.", "Depth of Flow: 2 ft."}},
        {5, {}, {"Slope: 0.0005 ft/ft", "Hydraulic Radius: 1.72", "'n' value: 0.04",
                 "Area: 30.00 sq ft", "Velocity: 1.19 ft/sec", "Capacity: 35.81 cfs",
                 "Sideslope: 2:1", "Bottom Width: 4 ft", "Depth of Flow: 3 ft.",
                 " Width @ surface 16 ft "}},
        {6, {}, {"Mannings Coefficient (n): 0.025", "Entrance Coefficient (Ke): 0.65",
                 "Diameter of Pipe: 24 in.", "Head on Pipe: 10 ft.", "Length of Pipe: 60 ft.",
                 "Pipe Capacity: 38.0 cfs", "Pipe Velocity: 12.1 ft/sec",
                 "Friction Coefficient (Kp): 0.0459", "Max allocable fall in pipe when",
                 "outlet is not submerged:  6.3 ft."}},
        {7,
         {{"txt7Elev(0)", "110"}, {"txt7Elev(1)", "100"}, {"txt7Elev(2)", "95"}, {"txt7Elev(3)", "99"}},
         {"'n' value: 0.025", "Capacity = 44.9 cfs", "Length: 40 ft.", "Diameter: 24 in.",
          "Outlet Controls Flow", "Projecting - groove edge ; Ke = .25",
          "Elevation of Headwater: 110", "Elevation of Inlet: 100", "Elevation of Tailwater: 95",
          "Elevation of Outlet: 99"}},
        {10,
         {{"txt10Width", "4.0"}, {"txt10Depth", "1.0"}, {"txt10Elev(0)", "100.0"}, {"txt10Elev(1)", "96.0"}},
         {"Width of inlet: 4.0 ft.", "Capacity: 12.7 cfs", "Depth of flow over weir: 1.0 ft.",
          "Overfall: 4.0 ft.", "Elevation of box: 100.0", "Elevation of floor: 96.0",
          "Elevation of wingwall: 101.0"}},
        {11,
         {{"txt11Depth", "1"}, {"txt11Width", "4"}, {"txt11Breadth", "4"}, {"txt11Elev(0)", "100"},
          {"txt11Elev(1)", "97"}},
         {"Width of box (W): 4 ft.", "Capacity: 34.7 cfs", "Length of box (B): 4 ft.",
          "Minimum width of", "Depth of flow over weir: 1 ft.", "inlet channel:  22.5 ft.",
          "Overfall: 3.0 ft.", "Elevation of box: 100", "Elevation of floor: 97",
          "Elevation of wingwall: 101.0"}},
    };
    for (const auto& c : cases) {
        ui::HeadlessServices services;
        std::vector<test::KeptJob> jobs;
        services.selectPrinter = test::KeepJobs(jobs);
        MainModule module(services);
        module.SubMain();
        auto& page = static_cast<CalculatorForm&>(*module.FormList[c.code]);
        for (auto& [name, text] : c.inputs) static_cast<ui::TextBox*>(page.find(name))->setText(text);
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
