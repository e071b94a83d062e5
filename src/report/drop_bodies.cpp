#include "report/bodies.h"

#include <vector>

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

// The pipe drop (8) and the hooded inlet (9) share their layout; the hooded inlet has no riser.
struct EmbankmentNames {
    const char *width, *n, *upSlope, *downSlope, *capacity, *pipe, *riser, *length, *extra,
        *height, *controls, *elev;
    std::vector<const char*> elevationWords;  // one line per elevation field, in order
};

void EmbankmentBody(Destination& d, const PageReader& p, const EmbankmentNames& b) {
    d.add2tline("Top Width: " + p.text(b.width) + " ft.", "'n' value: " + p.text(b.n));
    // "Capacity = 6.5 cfs" from its twelfth character is "6.5 cfs".
    d.add2tline("Upstream sideslope: " + p.text(b.upSlope) + ":1",
                "Discharge: " + p.captionFrom(b.capacity, 12));
    d.add2tline("Downstream sideslope: " + p.text(b.downSlope) + ":1",
                "Pipe diameter: " + p.text(b.pipe) + " in.");
    if (b.riser) d.add2tline("", "Riser diameter: " + p.text(b.riser) + " in.");
    d.add2tline("", "Pipe length: " + p.captionAfter(b.length, '='));
    d.add2tline("", "(including " + p.text(b.extra) + " feet");
    d.add2tline("", "beyond the toe.)");
    if (b.height) d.add2tline("", "Riser length: " + p.captionAfter(b.height, '='));
    d.SkipLine();
    d.add2tline("", p.caption(b.controls));
    for (int i = 0; i < 4; ++i) d.SkipLine();
    for (size_t i = 0; i < b.elevationWords.size(); ++i) {
        const std::string field = std::string(b.elev) + "(" + std::to_string(i) + ")";
        // The tailwater line only while its field is shown.
        if (i + 1 == b.elevationWords.size() && !p.visible(field.c_str())) break;
        d.center(std::string("Elevation of ") + b.elevationWords[i] + ": " + p.text(field.c_str()));
    }
}

}  // namespace

void PipeDropBody(Destination& d, const PageReader& p) {
    EmbankmentBody(d, p, {"txt8Width", "txt8N", "txt8ss(0)", "txt8ss(1)", "lbl8Capacity",
                          "txt8Diam(1)", "txt8Diam(0)", "lbl8Length", "txt8extra", "lbl8Height",
                          "lbl8Controls", "txt8Elev",
                          {"top", "emergency", "design storm", "riser", "inlet", "outlet", "tailwater"}});
}

void HoodedInletBody(Destination& d, const PageReader& p) {
    EmbankmentBody(d, p, {"txt9Width", "txt9N", "txt9ss(0)", "txt9ss(1)", "lbl9Capacity", "txt9Dia",
                          nullptr, "lbl9Length", "txt9Extra", nullptr, "lbl9Controls", "txt9Elev",
                          {"top", "emergency", "design storm", "inlet", "outlet", "tailwater"}});
}

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

void RatingGraphBody(Destination& d, const ui::Form* window) {
    const auto* graph = dynamic_cast<const GraphSource*>(window);
    if (!graph) throw ui::PrintError("the rating window is not open");
    ui::Printer& printer = d.printer();
    const double y = printer.CurrentY();
    graph->DrawTheGraph(printer, 720, static_cast<long>(y),
                         static_cast<long>(printer.ScaleWidth() - 1440),
                         static_cast<long>(printer.ScaleHeight() - y - 720), true);
}

}  // namespace vado::report
