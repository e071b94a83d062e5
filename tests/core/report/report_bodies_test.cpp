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
        {6, {}, {"Mannings Coefficient (n): 0.025", "Entrance Coefficient (Ke): 0.65", "Bend Coefficient (Kb): 0",
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
        {8,
         {{"txt8ss(0)", "2"}, {"txt8ss(1)", "2"}, {"txt8extra", "5"}, {"ck8Tailwater", "1"},
          {"txt8Elev(0)", "110"}, {"txt8Elev(1)", "107"}, {"txt8Elev(2)", "105"}, {"txt8Elev(3)", "103"},
          {"txt8Elev(4)", "96"}, {"txt8Elev(5)", "95"}, {"txt8Elev(6)", "90"}},
         {"Top Width: 10 ft.", "'n' value: 0.025", "Upstream sideslope: 2:1", "Discharge: 6.5 cfs",
          "Downstream sideslope: 2:1", "Pipe diameter: 12 in.", "Riser diameter: 15 in.",
          "Pipe length:  59.0 ft.", "(including 5 feet", "beyond the toe.)", "Riser length:  8.0 ft.",
          "Pipe Controls Flow", "Elevation of top: 110", "Elevation of emergency: 107",
          "Elevation of design storm: 105", "Elevation of riser: 103", "Elevation of inlet: 96",
          "Elevation of outlet: 95", "Elevation of tailwater: 90"}},
        {9,
         {{"txt9ss(0)", "2"}, {"txt9ss(1)", "2"}, {"txt9Extra", "5"}, {"txt9Elev(0)", "108"},
          {"txt9Elev(1)", "106"}, {"txt9Elev(2)", "101.5"}, {"txt9Elev(3)", "100"}, {"txt9Elev(4)", "98"}},
         {"Top Width: 10 ft.", "'n' value: 0.025", "Upstream sideslope: 2:1", "Discharge: 0.0 cfs",
          "Downstream sideslope: 2:1", "Pipe diameter: 12 in.", "Pipe length:  51.0 ft.",
          "(including 5 feet", "beyond the toe.)", "Orifice Controls Flow", "Elevation of top: 108",
          "Elevation of emergency: 106", "Elevation of design storm: 101.5", "Elevation of inlet: 100",
          "Elevation of outlet: 98"}},
        {12,
         {{"txt12Main", "12"}, {"txt12Elev(0)", "105"}, {"txt12Elev(1)", "101"}},
         {"Size of outlet main = 12 in.", "Orifice diameter = 4.572 in.", "Slope of main = 0.0020 ft/ft",
          "Orifice capacity = 1.061 cfs", "'n' value of main = 0.017", "Acres on main = 10",
          "Pipe above orifice = 8 in.", "Drainage coefficient = 3/8", "Pipe below orifice = 6 in.",
          "Elevation of maximum flow = 105", "Elevation of orifice = 101"}},
        {14,
         {},
         {"Design is based on procedures contained in: Eliptical   - Design Note 6 - 1986", "Dimensions:",
          "Elevation of pipe outlet", "102.5", "Elevation of flow in channel", "101.5",
          "Elevation of channel bottom", "100.0", "Elevation of pool bottom", "93.6", "Depth of plunge pool",
          "6.4", "'x' distance", "21.3", "Pool bottom dimensions", "8.3 x 7.0 ft.",
          "Side Slope in direction of flow", "  2:1", "Side Slope across flow", "  2:1", "Pipe size", "30 in.",
          "Slope in pipe", "0.0100 ft/ft.", "Discharge from pipe", "100 cfs.", "Thickness of filter material",
          "9 in.", "Thickness of rip-rap", "2.5 ft. thick", "Average size of rip-rap", "12 in.",
          "Density of rip-rap", "2.64", "Density of water", "1.00", "Quantities:",
          "Filter material required", "51.7 cu. yds.", "Rip-rap required", "123.0 cu. yds."}},
        {16,
         {{"txtElev(0)", "101"}, {"txtElev(1)", "110"}, {"txtElev(2)", "100"}, {"txtElev(3)", "98"}},
         {"Acres drained", "10", "Pump capacity", "71 gpm.", "Coefficient", "3/8", "Static head", "13.0 ft.",
          "Cycles per hour", "10 cycles/hr", "Sump dimensions", "3.0 ft diameter or 2.7 ft square", "F 1.0",
          "Surface or Surface & Subsurface.", "Elevation of outlet invert", "110.0", "Elevation of inlet",
          "101.0", "Elevation pump starts", "100.0", "Elevation pump stops", "98.0"}},
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
        for (auto& [name, text] : c.inputs) {
            ui::Control* control = page.find(name);
            if (control->kind() == ui::Kind::CheckBox)
                static_cast<ui::CheckBox*>(control)->setValue(1);
            else {
                // Typed and left, as a person fills a field.
                page.setFocus(control);
                static_cast<ui::TextBox*>(control)->setText(text);
                page.leaveFocus();
            }
        }
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
