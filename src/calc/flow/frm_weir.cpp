#include "calc/flow/frm_weir.h"

#include "calc/flow/weir.h"

namespace vado {

namespace {

TwoModeLayout WeirLayout() {
    return {
        .selector = "opt1Selector",
        .labelGroup = "Label1",
        .sizeLabelIndex = 3,
        .resultLabel = "lbl1Q",
        .infoLabel = "lbl1info",
        .title = "- Solution to Weir Flow Formula -",
        .firstOption = "&Diameter",
        .secondOption = "&Length",
        .firstSizeLabel = "Diameter of Weir (inches):",
        .secondSizeLabel = "Length of Weir (feet):",
        .designSizeLabel = "Diameter of Weir (inches):",
        .coefficientLabel = "Weir Coefficient (C):",
        .headLabel = "Head on Weir (ft.):",
        .formula = "Q = C L H",
        .formulaExponent = "3/2",
        .formulaMath = {"Q = C L H^{3/2}"},
        .info = "The diameter is the rim of a circular riser; its crest length is the "
                "circumference.",
        .fields = {{
            {"txt1Coeff", {.label = "Weir Coefficient (C):", .lo = 0.1, .hi = 9.0,
                           .format = "0.0", .defaultText = "3.1"}},
            {"txt1Dia", {.label = "Diameter of Weir (inches):", .unit = "inches", .lo = 0.2,
                         .hi = 84.0, .format = "#0.0", .defaultText = "24"}},
            {"txt1Len", {.label = "Length of Weir (feet):", .unit = "feet", .lo = 0.1,
                         .hi = 999.0, .format = "##0.0", .defaultText = "6"}},
            {"txt1H1", {.label = "Head on Weir (ft.):", .unit = "feet", .lo = 0.1, .hi = 99.0,
                        .format = "#0.0", .defaultText = "1"}},
        }},
    };
}

}  // namespace

FrmWeir::FrmWeir(AppContext& app) : TwoModeForm(app, "frmWeir", 1, WeirLayout()) {}

void FrmWeir::Form_Load() {
    inputEdited = true;
    info.setVisible(false);
    lbl1Q.setCaption("");
    applyMode(firstMode(), true);
}

double FrmWeir::Discharge(double c, double size, double h, bool diameter) const {
    weir::Inputs in{.mode = diameter ? weir::Mode::Diameter : weir::Mode::Length,
                    .coefficient = c,
                    .diameterIn = size,
                    .lengthFt = size,
                    .headFt = h};
    return weir::Discharge(in);
}

}  // namespace vado
