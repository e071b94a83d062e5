#include "report/bodies.h"

#include "shared/number_format.h"

namespace vado::report {

namespace {

// The first two characters of a fitting label ("8 inch pipe", "10 inch pipe"), blanks trimmed.
std::string PipeSize(const PageReader& p, const char* label) {
    std::string s = p.caption(label).substr(0, 2);
    while (!s.empty() && s.back() == ' ') s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(0, 1);
    return s;
}

}  // namespace

void SurfaceInletBody(Destination& d, const PageReader& p) {
    d.add2tline("Size of outlet main = " + p.text("txt12Main") + " in.",
                "Orifice diameter = " + p.caption("lbl12Orifice"));
    d.add2tline("Slope of main = " + p.text("txt12Slope") + " ft/ft",
                "Orifice capacity = " + p.caption("lbl12Capacity"));
    d.add2tline("'n' value of main = " + p.caption("lbl12N"), "");
    d.add2tline("Acres on main = " + p.text("txt12Acres"),
                "Pipe above orifice = " + PipeSize(p, "lbl12DaOrf") + " in.");
    d.add2tline("Drainage coefficient = " + p.text("cbo12DC"),
                "Pipe below orifice = " + PipeSize(p, "lbl12DbOrf") + " in.");
    d.SkipLine();
    d.SkipLine();
    d.SkipLine();
    d.center("Elevation of maximum flow = " + p.text("txt12Elev(0)"));
    d.center("Elevation of orifice = " + p.text("txt12Elev(1)"));
}

void SubsurfaceBody(Destination& d, const PageReader& p) {
    d.add3tline("Drain Material", p.text("cboDrMat"), "");
    d.add3tline("Drainage Coefficient", p.text("cboDC"), "");
    d.SkipLine();
    // One line a row: column 0 at the margin, the others 1200 twips (10800 / 9) apart.
    std::vector<double> x;
    for (int c = 0; c < 9; ++c) x.push_back(720 + c * 1200);
    // A main's row without an ID, grade or acres was passed over by the computation.
    const ui::Grid& g = p.grid("grdData");
    PrintGridRows(d, g, x, [&g](int r) {
        return r >= g.fixedRows && g.textMatrix(r, 0).empty() && g.textMatrix(r, 1).empty() &&
               g.textMatrix(r, 2).empty();
    });
}

void PumpDrainageBody(Destination& d, const PageReader& p, const PumpValues& pump) {
    d.add3tline("Acres drained", p.text("txtAcres"), "");
    d.add3tline("Pump capacity", FormatNumber(pump.PumpCap(), "###0") + " gpm.", "");
    d.add3tline("Coefficient", p.text("cboDC"), "");
    d.add3tline("Static head", FormatNumber(pump.ElevOutlet() - pump.ElevStop() + 1.0, "#0.0") + " ft.", "");
    d.add3tline("Cycles per hour", p.text("cboCPH"), "");
    if (p.selectedIndex("cboCalc") == 1)
        d.add3tline("Sump Area", p.text("txtSumpArea") + " sq.ft.", "");
    else
        d.add3tline("Sump dimensions", p.caption("lblSumpDia") + " or " + p.caption("lblSumpSquare"), "");
    d.add3tline("F " + p.text("cboFfactor"),
                p.selectedIndex("cboFfactor") == 0 ? "Surface or Surface & Subsurface." : "Subsurface only.", "");
    d.SkipLine();
    d.SkipLine();
    d.add3tline("Elevation of outlet invert", FormatNumber(p.number("txtElev(1)"), "###0.0"), "");
    d.add3tline("Elevation of inlet", FormatNumber(p.number("txtElev(0)"), "###0.0"), "");
    d.add3tline("Elevation pump starts", FormatNumber(p.number("txtElev(2)"), "###0.0"), "");
    d.add3tline("Elevation pump stops", FormatNumber(p.number("txtElev(3)"), "###0.0"), "");
}

}  // namespace vado::report

namespace vado::report {

void PlungePoolBody(Destination& d, const PageReader& p) {
    // "Eliptical" as the report has always spelt it.
    d.center("Design is based on procedures contained in:" +
             std::string(p.selectedIndex("cboType") == 0 ? " Eliptical   - Design Note 6 - 1986"
                                                         : " Rectangular - Design Note 6 - 1986"));
    d.SkipLine();
    d.add3tline("Dimensions:", "", "");
    auto e = [&](int i) { return p.number(("txtElev(" + std::to_string(i) + ")").c_str()); };
    d.add3tline("Elevation of pipe outlet", FormatNumber(e(0), "####0.0"), "");
    d.add3tline("Elevation of flow in channel", FormatNumber(e(1), "####0.0"), "");
    d.add3tline("Elevation of channel bottom", FormatNumber(e(2), "####0.0"), "");
    d.add3tline("Elevation of pool bottom", FormatNumber(e(3), "####0.0"), "");
    d.add3tline("Depth of plunge pool", FormatNumber(e(2) - e(3), "####0.0"), "");
    d.add3tline("'x' distance", p.caption("lblOffset"), "");
    d.add3tline("Pool bottom dimensions", p.caption("lblBW"), "");
    // "Side slope with flow  2:1" from its 21st character is "  2:1"; "Side slope across
    // flow  2:1" from its 23rd likewise.
    d.add3tline("Side Slope in direction of flow", p.captionFrom("lblSS1", 21), "");
    d.add3tline("Side Slope across flow", p.captionFrom("lblSS2", 23), "");
    d.SkipLine();
    d.add3tline("Pipe size", p.text("txtPipeDia") + " in.", "");
    d.add3tline("Slope in pipe", p.text("txtPipeSlope") + " ft/ft.", "");
    d.add3tline("Discharge from pipe", p.text("txtPipeQ") + " cfs.", "");
    d.SkipLine();
    d.add3tline("Thickness of filter material", p.text("txtFilterThickness") + " in.", "");
    d.add3tline("Thickness of rip-rap", p.caption("lblRipRapThickness"), "");
    d.add3tline("Average size of rip-rap", p.text("txtRockSize") + " in.", "");
    d.SkipLine();
    // Relative densities: their difference, 1.64, is the rock's submerged density in the design.
    d.add3tline("Density of rip-rap", FormatNumber(2.64, "0.00"), "");
    d.add3tline("Density of water", FormatNumber(1.0, "0.00"), "");
    d.SkipLine();
    d.add3tline("Quantities:", "", "");
    d.add3tline("Filter material required", p.caption("lblFilter"), "");
    d.add3tline("Rip-rap required", p.caption("lblRipRap"), "");
}

}  // namespace vado::report
