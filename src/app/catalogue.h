#pragma once

#include <array>
#include <string_view>

namespace vado {

struct CatalogueEntry {
    std::string_view tabCaption;
    std::string_view toolTip;
    std::string_view form;
    std::string_view reportTitle;
};

inline constexpr int kCatalogueSize = 20;

// Catalogue number = tab index - 1 = index in FormList and ReportTitles.
inline constexpr std::array<CatalogueEntry, kCatalogueSize> kCatalogue = {{
    {"About Vado", "About the Hydraulics Program", "frmVado", "Invalid Index"},
    {"Weir Flow", "Solve Weir Flow Equation", "frmWeir", "Weir Flow Formula Solution"},
    {"Orifice Flow", "Solve Orifice Flow Equation", "frmOrifice", "Orifice Flow Formula Solution"},
    {"Circular Section", "Mannings Equation for a Circular Section", "frmCircular", "Circular Section"},
    {"Parabolic Section", "Mannings Equation for a Parabolic Section", "frmParabolic",
     "Parabolic Channel Section"},
    {"Trapezoidal Section", "Mannings Equation for a Trapezoidal Section", "frmTrapezoidal",
     "Trapezoidal Channel Section"},
    {"Pipe Flow", "", "frmPipeFlow", "Pipe Flow Formula Solution"},
    {"Culvert Flow", "", "frmCulvertFlow", "Culvert Evaluation"},
    {"Pipe Drop Structure", "", "frmPipeDrop", "Pipe Drop Structure"},
    {"Hooded Inlet", "", "frmHoodedInlet", "Hooded Inlet Drop Structure"},
    {"Straight Drop Structure", "", "frmStraightDrop", "Straight Drop Structure"},
    {"Box Inlet Drop", "", "frmBoxInlet", "Box-Inlet Drop Structure"},
    {"Surface Inlet", "", "frmSurfaceInlet", "Orifice for Subsurface Drain Inlet"},
    {"Mensuration Formulas", "", "frmMensuration", "Mensuration Formula"},
    {"Plunge Pool", "", "frmPlungePool", "Plunge Pool"},
    {"Subsurface Drainage", "", "frmSubsurface", "Subsurface Drainage"},
    {"Pump Drainage", "", "frmPumpDrainage", "Pump Drainage"},
    {"Dry Hydrant", "", "frmDryHydrant", "Dry Hydrant"},
    {"Water Control Structure", "", "frmWaterControl", "Water Control Structure Design"},
    {"Rect. Riser Drop", "", "frmRectRiser", "Rectangular Riser Drop Inlet Design"},
}};

}  // namespace vado
