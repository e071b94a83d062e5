#include "report/report_bodies.h"

#include "ui/printer.h"

namespace vado::report {

namespace {

// Read access to a page's controls by the names the report lines use.
class PageReader {
  public:
    PageReader(const PageLookup& lookup, short number) : form_(lookup ? lookup(number) : nullptr) {
        if (!form_)
            throw ui::PrintError("the page of report " + std::to_string(number) + " is missing");
    }

    // The text of a text box or combo box.
    std::string text(const char* name) const {
        const ui::Control& c = control(name);
        if (c.kind() == ui::Kind::TextBox) return static_cast<const ui::TextBox&>(c).text();
        if (c.kind() == ui::Kind::ComboBox) return static_cast<const ui::ComboBox&>(c).text();
        throw ui::PrintError(std::string(name) + " holds no text");
    }
    const std::string& caption(const char* name) const { return control(name).caption(); }
    // The caption's characters from position k (counted from 1).
    std::string captionFrom(const char* name, size_t k) const {
        const std::string& c = caption(name);
        return k - 1 < c.size() ? c.substr(k - 1) : std::string();
    }
    // The caption's characters after the first `mark` ("" when it has none).
    std::string captionAfter(const char* name, char mark) const {
        const std::string& c = caption(name);
        auto at = c.find(mark);
        return at == std::string::npos ? std::string() : c.substr(at + 1);
    }
    bool selected(const char* name) const {
        const ui::Control& c = control(name);
        if (c.kind() != ui::Kind::OptionButton)
            throw ui::PrintError(std::string(name) + " is no option");
        return static_cast<const ui::OptionButton&>(c).value();
    }

  private:
    const ui::Control& control(const char* name) const {
        const ui::Control* c = form_->find(name);
        if (!c) throw ui::PrintError(form_->name() + " has no control " + name);
        return *c;
    }
    const ui::Form* form_;
};

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

void WeirBody(Destination& d, const PageReader& p) {
    FormulaBody(d, p, {"Weir", "txt1Coeff", "opt1Selector(0)", "txt1Dia", "txt1Len", "txt1H1",
                       "lbl1Q", "Diameter", " in.", "Length", " ft."});
}

void OrificeBody(Destination& d, const PageReader& p) {
    FormulaBody(d, p, {"Orifice", "txt2Coeff", "opt2Selector(0)", "txt2Dia", "txt2Area", "txt2H",
                       "lbl2Q", "Diameter", " in.", "Area", " sq.in."});
}

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

void PipeFlowBody(Destination& d, const PageReader& p) {
    d.center("Mannings Coefficient (n): " + p.text("txt6N"));
    d.center("Entrance Coefficient (Ke): " + p.text("txt6Ke"));
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

}  // namespace

short TitleNumber(short reportCode) {
    return reportCode > 99 ? static_cast<short>(reportCode % 100) : reportCode;
}

void PrintReportBody(short reportCode, Destination& d, const PageLookup& page) {
    switch (reportCode) {
        case 1:
            return WeirBody(d, PageReader(page, 1));
        case 2:
            return OrificeBody(d, PageReader(page, 2));
        case 3:
            return CircularBody(d, PageReader(page, 3));
        case 4:
            return ParabolicBody(d, PageReader(page, 4));
        case 5:
            return TrapezoidalBody(d, PageReader(page, 5));
        case 6:
            return PipeFlowBody(d, PageReader(page, 6));
        case 7:
            return CulvertBody(d, PageReader(page, 7));
        default:
            return;
    }
}

}  // namespace vado::report
