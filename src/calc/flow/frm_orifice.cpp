#include "calc/flow/frm_orifice.h"

#include "calc/flow/orifice.h"

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
        .formulaMath = {"Q = C a \\sqrt{2 g h}", "Where g = 32.2 ft/sec^2"},
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

FrmOrifice::FrmOrifice(AppContext& app)
    : TwoModeForm(app, "frmOrifice", 2, OrificeLayout()) {
    // The formula is drawn rather than written in labels.
    lblFormula.setVisible(false);
    lblFormulaExp.setVisible(false);
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
