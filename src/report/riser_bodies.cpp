#include "report/bodies.h"

namespace vado::report {

void WaterControlBody(Destination& d, const PageReader& p, const PageReader& table) {
    d.add2tline("Max. Pool Elevation = " + p.text("txtElev(0)") + " ft.",
                      "Tailwater Elevation = " + p.text("txtElev(5)") + " ft.");
    d.add2tline("Pipe Inlet Elevation = " + p.text("txtElev(1)") + " ft.",
                "Pipe Outlet Elevation = " + p.text("txtElev(4)") + " ft.");
    d.add2tline("Inlet Pipe Material = " + p.text("cboInletMat"),
                "Outlet Pipe Material = " + p.text("cboOutletMat"));
    d.add2tline("Inlet Pipe Diameter = " + p.text("txtPipeDia(0)") + " in.",
                "Outlet Pipe Diameter = " + p.text("txtPipeDia(1)") + " in.");
    d.add2tline("Inlet Pipe Length = " + p.text("txtPipeLen(0)") + " ft.",
                "Outlet Pipe Length = " + p.text("txtPipeLen(1)") + " ft.");
    d.add2tline("Inlet Type = " + p.text("cboInletType"), "");
    d.SkipLine();
    d.SkipLine();
    d.center("Weir Elevation = " + p.text("txtElev(2)") + " ft.");
    d.center("Weir Length = " + p.text("txtWeirLen") + " in.");
    d.center("Structure Invert Elevation = " + p.text("txtElev(3)") + " ft.");
    d.SkipLine();
    d.HRule();
    d.SkipLine();
    d.center("WCS Discharge Rating Table");
    d.SkipLine();
    d.add6tline("Pool Elevation", "Discharge", "Water Elevation", "Water Elevation", "", "");
    d.add6tline("", "(CFS)", "Over Weir", "DS of Weir", "", "");
    const ui::Grid& g = table.grid("grdData");
    // The window may hold earlier series above the one these inputs made.
    const auto* series = dynamic_cast<const SeriesSource*>(&table.form());
    for (int r = series ? series->LastSeriesFirstRow() : 2; r < g.rows(); ++r)
        d.add6tline(g.textMatrix(r, 0), g.textMatrix(r, 1), g.textMatrix(r, 2), g.textMatrix(r, 3),
                    g.textMatrix(r, 4), "");
}

void RectRiserBody(Destination& d, const PageReader& p, const PageReader& charts) {
    d.add2tline("Max. Pool Elevation = " + p.text("txtElev(0)") + " ft.",
                "Tailwater Elevation = " + p.text("txtElev(4)") + " ft.");
    d.add2tline("Weir Elevation = " + p.text("txtElev(1)") + " ft.",
                "Pipe Outlet Elevation = " + p.text("txtElev(3)") + " ft.");
    // The inlet line carries no unit.
    d.add2tline("Pipe Inlet Elevation = " + p.text("txtElev(2)"), "Pipe Material = " + p.text("cboPipeMat"));
    d.add2tline("Riser Length = " + p.text("txtLen") + " ft.", "Pipe Diameter = " + p.text("txtPipeDia") + " in.");
    d.add2tline("Riser Width = " + p.text("txtWidth") + " ft.", "Pipe Length = " + p.text("txtPipeLen") + " ft.");
    d.SkipLine();
    d.SkipLine();
    d.HRule();
    d.SkipLine();
    // The controlling condition gets three of the six columns: "Orifice Flow At Pipe Inlet
    // Controls" is wider than one and would run into the discharge.
    const ui::Grid& g = charts.grid("grdDataBasic");
    for (int r = 0; r < g.rows(); ++r)
        d.add6tline(g.textMatrix(r, 0), g.textMatrix(r, 1), "", "", g.textMatrix(r, 2), "");
}

void RectRiserFullChart(Destination& d, const PageReader& charts) {
    // Column 0 at the margin, then 1080 twips apart, the controlling text 3600 wide.
    PrintGridRows(d, charts.grid("grdDataFull"), {720, 1872, 2952, 4032, 5112, 6192, 9792});
}

}  // namespace vado::report
