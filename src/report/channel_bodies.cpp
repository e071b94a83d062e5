#include "report/bodies.h"

namespace vado::report {

namespace {

// The three channel sections share their first lines: slope and n beside the result boxes.
struct ChannelNames {
    const char *slope, *n, *radius, *area, *velocity, *capacity;
};

void ChannelResults(Destination& d, const PageReader& p, const ChannelNames& c) {
    d.add2tline("Slope: " + p.text(c.slope) + " ft/ft", p.text(c.radius));
    d.add2tline("'n' value: " + p.text(c.n), p.text(c.area));
    d.add2tline("", p.text(c.velocity));
    d.add2tline("", p.text(c.capacity));
    d.SkipLine();
    d.SkipLine();
}

}  // namespace

void CircularBody(Destination& d, const PageReader& p) {
    ChannelResults(d, p, {"txt3Slope", "txt3Manning", "txt3Hradius", "txt3Area", "txt3Velocity",
                          "txt3Capacity"});
    d.center("Diameter: " + p.text("txt3Dia") + " in.");
    d.center("Depth of Flow: " + p.text("txt3Depth") + " in.");
}

void ParabolicBody(Destination& d, const PageReader& p) {
    ChannelResults(d, p,
                   {"txt4Slope", "txt4N", "txt4Hradius", "txt4Area", "txt4Velocity", "txt4Capacity"});
    d.center("Top Width: " + p.text("txt4Width") + " ft.");
    d.center("Depth of Flow: " + p.text("txt4depth") + " ft.");
}

void TrapezoidalBody(Destination& d, const PageReader& p) {
    ChannelResults(d, p, {"txt5Slope(0)", "txt5N", "txt5HRadius", "txt5Area", "txt5Velocity",
                          "txt5Capacity"});
    d.center("Sideslope: " + p.text("txt5Slope(1)") + ":1");
    d.center("Bottom Width: " + p.text("txt5BW") + " ft");
    d.center("Depth of Flow: " + p.text("txt5Depth") + " ft.");
    d.center(p.caption("lbl5Width"));
}

}  // namespace vado::report
