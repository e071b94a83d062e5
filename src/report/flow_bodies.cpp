#include "report/bodies.h"

namespace vado::report {

namespace {

// The weir and orifice pages: a coefficient, one of two sizes, a head and the discharge label.
struct TwoModeBody {
    const char* noun;  // "Weir", "Orifice"
    const char *coefficient, *selector, *firstSize, *secondSize, *head, *result;
    const char *firstSizeName, *firstUnit, *secondSizeName, *secondUnit;
};

void FormulaBody(Destination& d, const PageReader& p, const TwoModeBody& b) {
    const std::string noun = b.noun;
    d.center(noun + " Coefficient (C):  " + p.text(b.coefficient));
    if (p.selected(b.selector))
        d.center(std::string(b.firstSizeName) + " of " + noun + ":  " + p.text(b.firstSize) +
                 b.firstUnit);
    else
        d.center(std::string(b.secondSizeName) + " of " + noun + ":  " + p.text(b.secondSize) +
                 b.secondUnit);
    d.center("Head on " + noun + ":  " + p.text(b.head) + " ft.");
    d.SkipLine();
    // The result label reads "Q = 19.48 cfs"; from its fourth character on is " 19.48 cfs", so
    // the line has three blanks after the colon, one more than the lines above.
    d.center(noun + " Capacity:  " + p.captionFrom(b.result, 4));
}

}  // namespace

void WeirBody(Destination& d, const PageReader& p) {
    FormulaBody(d, p, {"Weir", "txt1Coeff", "opt1Selector(0)", "txt1Dia", "txt1Len", "txt1H1",
                       "lbl1Q", "Diameter", " in.", "Length", " ft."});
}

void OrificeBody(Destination& d, const PageReader& p) {
    FormulaBody(d, p, {"Orifice", "txt2Coeff", "opt2Selector(0)", "txt2Dia", "txt2Area", "txt2H",
                       "lbl2Q", "Diameter", " in.", "Area", " sq.in."});
}

void PipeFlowBody(Destination& d, const PageReader& p) {
    d.center("Mannings Coefficient (n): " + p.text("txt6N"));
    d.center("Entrance Coefficient (Ke): " + p.text("txt6Ke"));
    // The bend loss changes the capacity: without it a checker could not reproduce the result.
    d.center("Bend Coefficient (Kb): " + p.text("txt6Kb"));
    d.center("Diameter of Pipe: " + p.text("txt6Diameter") + " in.");
    d.center("Head on Pipe: " + p.text("txt6Head") + " ft.");
    d.center("Length of Pipe: " + p.text("txt6Length") + " ft.");
    d.SkipLine();
    d.SkipLine();
    d.center("Pipe Capacity: " + p.captionFrom("lbl6Q", 5));
    d.center("Pipe Velocity: " + p.captionFrom("lbl6Velocity", 12));
    d.SkipLine();
    d.center("Friction Coefficient (Kp): " + p.captionFrom("lbl6Friction", 17));
    d.center("Max allocable fall in pipe when");
    d.center("outlet is not submerged: " + p.captionAfter("lbl6MaxFall", '='));
}

void CulvertBody(Destination& d, const PageReader& p) {
    d.add2tline("'n' value: " + p.text("txt7N"), p.caption("lbl7Capacity"));
    d.add2tline("Length: " + p.text("txt7Length") + " ft.", "");
    d.add2tline("Diameter: " + p.text("txt7Diam") + " in.", p.caption("lbl7Controls"));
    d.add2tline(p.text("cbo7Entrance"), "");
    d.SkipLine();
    d.SkipLine();
    d.SkipLine();
    d.center("Elevation of Headwater: " + p.text("txt7Elev(0)"));
    d.center("Elevation of Inlet: " + p.text("txt7Elev(1)"));
    d.center("Elevation of Tailwater: " + p.text("txt7Elev(2)"));
    d.center("Elevation of Outlet: " + p.text("txt7Elev(3)"));
}

}  // namespace vado::report
