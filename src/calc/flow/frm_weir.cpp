#include "calc/flow/frm_weir.h"

#include "calc/flow/weir.h"
#include "shared/number_format.h"

namespace vado {

FrmWeir::FrmWeir(AppContext& app)
    : CalculatorForm("frmWeir", app, 1),
      lblTitle(add<ui::Label>("lblTitle")),
      fraSelector(add<ui::Frame>("Frame1")),
      optDiameter(add<ui::OptionButton>("opt1Selector", 0)),
      optLength(add<ui::OptionButton>("opt1Selector", 1)),
      lblCoeff(add<ui::Label>("Label1", 0)),
      lblLength(add<ui::Label>("Label1", 3)),
      lblHead(add<ui::Label>("Label1", 2)),
      txt1Coeff(addNumericField({.label = "Weir Coefficient (C):",
                                 .lo = 0.1,
                                 .hi = 9.0,
                                 .format = "0.0",
                                 .defaultText = "3.1",
                                 .next = [this]() -> ui::Control* {
                                     return diameterMode() ? &txt1Dia : &txt1Len;
                                 }},
                                "txt1Coeff")),
      txt1Dia(addNumericField({.label = "Diameter of Weir (inches):",
                               .unit = "inches",
                               .lo = 0.2,
                               .hi = 84.0,
                               .format = "#0.0",
                               .defaultText = "24",
                               .next = [this] { return &txt1H1; }},
                              "txt1Dia")),
      txt1Len(addNumericField({.label = "Length of Weir (feet):",
                               .unit = "feet",
                               .lo = 0.1,
                               .hi = 999.0,
                               .format = "##0.0",
                               .defaultText = "6",
                               .next = [this] { return &txt1H1; }},
                              "txt1Len")),
      txt1H1(addNumericField({.label = "Head on Weir (ft.):",
                              .unit = "feet",
                              .lo = 0.1,
                              .hi = 99.0,
                              .format = "#0.0",
                              .defaultText = "1",
                              .next = [this] { return &cmdCompute; }},
                             "txt1H1")),
      lblFormula(add<ui::Label>("lblFormula")),
      lblFormulaExp(add<ui::Label>("lblFormulaExp")),
      lbl1Q(add<ui::Label>("lbl1Q")),
      lbl1info(add<ui::Label>("lbl1info")) {
    lblTitle.setCaption("- Solution to Weir Flow Formula -");
    fraSelector.setCaption("Specify:");
    optDiameter.setCaption("&Diameter");
    optLength.setCaption("&Length");
    optDiameter.container = optLength.container = "Frame1";
    lblCoeff.setCaption("Weir Coefficient (C):");
    lblLength.setCaption("Diameter of Weir (inches):");
    lblHead.setCaption("Head on Weir (ft.):");
    lblFormula.setCaption("Q = C L H");
    lblFormulaExp.setCaption("3/2");
    lbl1Q.setCaption("Q = ???");
    lbl1info.setCaption("The diameter is the rim of a circular riser; its crest length is the "
                        "circumference.");
    results = {&lbl1Q};
    for (auto& f : fields()) f.box->setText(f.defaultText);
    optDiameter.setValue(true);
    optDiameter.onClick = [this] { opt1Selector_Click(0); };
    optLength.onClick = [this] { opt1Selector_Click(1); };

    layout.sections = {
        {.rows = {{{{"lblTitle"}}}}, .centered = true},
        {.frame = "Frame1", .rows = {{{{"opt1Selector(0)"}}, {{"opt1Selector(1)"}}}}},
        {.rows = {{{{"Label1(0)"}}, {{"txt1Coeff"}}},
                  {{{"Label1(3)"}}, {{"txt1Dia", "txt1Len"}}},
                  {{{"Label1(2)"}}, {{"txt1H1"}}}}},
        {.rows = {{{{"lblFormula"}}, {{"lblFormulaExp"}}}}, .centered = true},
        {.rows = {{{{"lbl1Q"}}}}, .centered = true},
        {.rows = {{{{"cmdCompute(1)"}}, {{"cmdPrint(1)"}}, {{"cmdExit(1)"}}}}, .centered = true},
    };
}

void FrmWeir::Form_Load() {
    inputEdited = true;
    lbl1info.setVisible(false);
    lbl1Q.setCaption("");
    applyMode(optDiameter.value());
}

void FrmWeir::applyMode(bool diameter) {
    lblLength.setCaption(diameter ? "Diameter of Weir (inches):" : "Length of Weir (feet):");
    txt1Dia.setEnabled(diameter);
    txt1Dia.setVisible(diameter);
    txt1Len.setEnabled(!diameter);
    txt1Len.setVisible(!diameter);
}

void FrmWeir::ClearResults() { lbl1Q.setCaption(""); }

void FrmWeir::opt1Selector_Click(int index) {
    applyMode(index == 0);
    lbl1Q.setCaption("");
    inputEdited = false;
    bool ok = true;
    Compute(false, ok);
}

void FrmWeir::Compute(bool fromCommand, bool& ok) {
    lbl1Q.setCaption("");
    ComputeFrame frame(*this, fromCommand, ok);
    weir::Inputs in;
    in.mode = diameterMode() ? weir::Mode::Diameter : weir::Mode::Length;
    if (!frame.take(txt1Coeff, in.coefficient)) return;
    if (in.mode == weir::Mode::Diameter ? !frame.take(txt1Dia, in.diameterIn)
                                        : !frame.take(txt1Len, in.lengthFt))
        return;
    if (!frame.take(txt1H1, in.headFt)) return;
    lbl1Q.setCaption("Q = " + FormatNumber(weir::Discharge(in), "###0.00") + " cfs");
    inputEdited = false;
}

}  // namespace vado
