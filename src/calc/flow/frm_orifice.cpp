#include "calc/flow/frm_orifice.h"

#include "calc/flow/orifice.h"
#include "ui/surface.h"

namespace vado {

namespace {

TwoModeLayout OrificeLayout() {
    return {
        .selector = "opt2Selector",
        .labelGroup = "Label2",
        .sizeLabelIndex = 4,
        .resultLabel = "lbl2Q",
        .infoLabel = "lbl2Info",
        .title = "- Solution of Orifice Flow Formula -",
        .firstOption = "&Diameter",
        .secondOption = "&Area",
        .firstSizeLabel = "Diameter of orifice (in.):",
        .secondSizeLabel = "Area of orifice (sq.in.):",
        .designSizeLabel = "Diameter of orifice (in):",
        .coefficientLabel = "Orifice coefficient (C):",
        .headLabel = "Head on orifice (ft):",
        .formula = "Q = C a \u221a(2 g h)",
        .formulaExponent = "Where g = 32.2 ft/sec\u00b2",
        .info = "The head is measured from the centre of the orifice to the water surface.",
        .fields = {{
            {"txt2Coeff", {.label = "Orifice coefficient (C):", .lo = 0.1, .hi = 9.0,
                           .format = "0.0", .defaultText = "0.6"}},
            {"txt2Dia", {.label = "Diameter of orifice (in.):", .unit = "inches", .lo = 0.2,
                         .hi = 84.0, .format = "#0.0", .defaultText = "2"}},
            {"txt2Area", {.label = "Area of orifice (sq.in.):", .unit = "square inches",
                          .lo = 0.1, .hi = 6000.0, .format = "##0.0", .defaultText = "2"}},
            {"txt2H", {.label = "Head on orifice (ft):", .unit = "feet", .lo = 0.1, .hi = 99.0,
                       .format = "#0.0", .defaultText = "1"}},
        }},
    };
}

}  // namespace

namespace {

// Q = C a, a radical over 2 g h, and the note on g with its raised 2, centred in the box.
void DrawFormula(ui::Surface& s, double width, double height) {
    const std::string lead = "Q = C a ", radicand = "2 g h", note = "Where g = 32.2 ft/sec";
    const double th = s.TextHeight("Q");
    const double gap = s.TextWidth(" ");
    const double total = s.TextWidth(lead) + 2 * gap + s.TextWidth(radicand);
    double x = (width - total) / 2;
    const double y = height / 2 - 1.5 * th;
    s.setCurrentX(x);
    s.setCurrentY(y);
    s.PrintInline(lead);
    // The radical: a short tick down, a long stroke up, then the bar over the radicand.
    x = s.CurrentX();
    const double barY = y - th * 0.1;
    s.Line(x, y + th * 0.55, x + gap * 0.5, y + th * 0.95);
    s.Line(x + gap * 0.5, y + th * 0.95, x + gap * 1.5, barY);
    s.Line(x + gap * 1.5, barY, x + 2 * gap + s.TextWidth(radicand) + gap * 0.3, barY);
    s.setCurrentX(x + 2 * gap);
    s.setCurrentY(y);
    s.PrintInline(radicand);

    s.setCurrentX((width - s.TextWidth(note + "2")) / 2);
    s.setCurrentY(y + 1.6 * th);
    s.PrintInline(note);
    const double size = s.FontSize();
    s.setFontSize(size * 0.7);
    s.setCurrentY(y + 1.5 * th);
    s.PrintInline("2");
    s.setFontSize(size);
}

}  // namespace

FrmOrifice::FrmOrifice(AppContext& app)
    : TwoModeForm(app, "frmOrifice", 2, OrificeLayout()), picFormula(add<ui::PictureBox>("picFormula")) {
    picFormula.onPaint = DrawFormula;
    // The formula is drawn rather than written in labels.
    lblFormula.setVisible(false);
    lblFormulaExp.setVisible(false);
    layout.sections[3] = {.rows = {{{{"picFormula"}}}}, .centered = true};
}

void FrmOrifice::Form_Load() {
    // Unlike the weir page, an untouched orifice page reports nothing when tabbed through.
    inputEdited = false;
    info.setVisible(false);
    lbl2Q.setCaption("");
    applyMode(firstMode(), false);
}

double FrmOrifice::Discharge(double c, double size, double h, bool diameter) const {
    return orifice::Discharge(c, diameter ? orifice::CircleArea(size) : size, h);
}

}  // namespace vado
