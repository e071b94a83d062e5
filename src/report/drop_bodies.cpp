#include "report/bodies.h"

#include "shared/number_format.h"

namespace vado::report {

namespace {

// The three elevation lines both drop inlets end with; E0 the crest, E1 the floor, D the depth.
void ElevationLines(Destination& d, const PageReader& p, const char* crest, const char* floor,
                    const char* depth) {
    d.SkipLine();
    d.SkipLine();
    d.SkipLine();
    d.center("Elevation of box: " + p.text(crest));
    d.center("Elevation of floor: " + p.text(floor));
    d.center("Elevation of wingwall: " + FormatNumber(p.number(crest) + p.number(depth), "####0.0"));
}

std::string Overfall(const PageReader& p, const char* crest, const char* floor) {
    return "Overfall: " + FormatNumber(p.number(crest) - p.number(floor), "####0.0") + " ft.";
}

}  // namespace

void StraightDropBody(Destination& d, const PageReader& p) {
    d.add2tline("Width of inlet: " + p.text("txt10Width") + " ft.", p.caption("lbl10Capacity"));
    d.add2tline("Depth of flow over weir: " + p.text("txt10Depth") + " ft.",
                Overfall(p, "txt10Elev(0)", "txt10Elev(1)"));
    ElevationLines(d, p, "txt10Elev(0)", "txt10Elev(1)", "txt10Depth");
}

void BoxInletBody(Destination& d, const PageReader& p) {
    d.add2tline("Width of box (W): " + p.text("txt11Width") + " ft.", p.caption("lbl11Capacity"));
    d.add2tline("Length of box (B): " + p.text("txt11Breadth") + " ft.", "Minimum width of");
    // The label reads "Width of Inlet Channel (ft): 22.5"; after its colon comes " 22.5", so
    // the line has two blanks after "channel:".
    d.add2tline("Depth of flow over weir: " + p.text("txt11Depth") + " ft.",
                "inlet channel: " + p.captionAfter("lbl11Width", ':') + " ft.");
    d.add2tline("", Overfall(p, "txt11Elev(0)", "txt11Elev(1)"));
    ElevationLines(d, p, "txt11Elev(0)", "txt11Elev(1)", "txt11Depth");
}

void RatingGraphBody(Destination& d, const GraphSource* window) {
    if (!window) throw ui::PrintError("the rating window is not open");
    ui::Printer& printer = d.printer();
    const double y = printer.CurrentY();
    window->DrawTheGraph(printer, 720, static_cast<long>(y),
                         static_cast<long>(printer.ScaleWidth() - 1440),
                         static_cast<long>(printer.ScaleHeight() - y - 720), true);
}

}  // namespace vado::report
