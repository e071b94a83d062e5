#include "calc/flow/frm_pipe_flow.h"

#include "calc/flow/pipe_flow.h"
#include "shared/formula.h"
#include "shared/number_format.h"

namespace vado {

FrmPipeFlow::FrmPipeFlow(AppContext& app)
    : CalculatorForm("frmPipeFlow", app, 6),
      lblTitle(add<ui::Label>("lblTitle")),
      txt6N(addNumericField(MakeField("Mannings Coefficient (n):", "", 0.01, 1.0, "0.000", false,
                                  "0.025", [this] { return &txt6Ke; }),
                            "txt6N")),
      txt6Ke(addNumericField(MakeField("Entrance Coefficient (Ke):", "", 0, 2, "0.00", false, "0.65",
                                   [this] { return &txt6Kb; }),
                             "txt6Ke")),
      txt6Kb(addNumericField(MakeField("Bend Coefficient (Kb):", "", 0, 2, "0.00", false, "0",
                                   [this] { return &txt6Diameter; }),
                             "txt6Kb")),
      txt6Diameter(addNumericField(MakeField("Diameter of pipe in inches:", "in.", 1, 84, "#0", true,
                                         "24", [this] { return &txt6Head; }),
                                   "txt6Diameter")),
      txt6Head(addNumericField(MakeField("Head on pipe in feet:", "ft", 0.1, 100, "##0.0", false, "10",
                                     [this] { return &txt6Length; }),
                               "txt6Head")),
      txt6Length(addNumericField(MakeField("Length of pipe in feet:", "ft", 1, 2000, "###0", true, "60",
                                       [this] { return &cmdCompute; }),
                                 "txt6Length")),
      lbl6Q(add<ui::Label>("lbl6Q")),
      lbl6Velocity(add<ui::Label>("lbl6Velocity")),
      lbl6Friction(add<ui::Label>("lbl6Friction")),
      lbl6MaxFall(add<ui::Label>("lbl6MaxFall")),
      cmdManningsNHelp(add<ui::CommandButton>("cmdManningsNHelp")),
      cmdKeHelp(add<ui::CommandButton>("cmdKeHelp")),
      picFormula(add<ui::PictureBox>("picFormula")) {
    setCaption("Pipe Flow");
    lblTitle.setCaption("- Pipe Flow -");
    cmdManningsNHelp.setCaption("Help to select \"n\" value");
    cmdKeHelp.setCaption("Help to select \"Ke\" value");
    results = {&lbl6Q, &lbl6Velocity, &lbl6Friction, &lbl6MaxFall};

    // The field labels, and the formula drawn as static labels.
    std::vector<std::vector<ui::LayoutCell>> inputRows;
    int i = 0;
    for (auto& f : fields()) {
        auto& label = add<ui::Label>("Label6", i++);
        label.setCaption(f.label);
        f.box->setText(f.defaultText);
        inputRows.push_back({{{label.fullName()}}, {{f.box->fullName()}}});
    }
    const char* formula[] = {"Q = a",        "2 g H",   "1 + Ke + Kb + Kp L", "Where g = 32.2 ft/sec",
                             "2",            "Kp =",    "5087  n",            "2",
                             "d",            "4/3"};
    for (int k = 0; k < 10; ++k) add<ui::Label>("lblFormula", k).setCaption(formula[k]);
    const std::vector<std::string> math = {"Q = a \\sqrt{\\frac{2 g H}{1 + K_e + K_b + K_p L}}",
                                           "K_p = \\frac{5087 n^2}{d^{4/3}}",
                                           "Where g = 32.2 ft/sec^2"};
    formula::Show(picFormula, math);

    cmdManningsNHelp.onClick = [this] {
        if (!manningsN_) manningsN_ = std::make_unique<FrmManningsN>(services());
        manningsN_->Open(txt6N);
    };
    cmdKeHelp.onClick = [this] {
        if (!keHelp_) keHelp_ = std::make_unique<FrmKeHelp>(services());
        keHelp_->Open(txt6Ke);
    };

    using namespace ui::page;
    inputRows.push_back(Row({"cmdManningsNHelp", "cmdKeHelp"}));
    layout.sections = {
        Title({"lblTitle"}),
        Inputs(inputRows),
        Picture("picFormula", "Formula", formula::Linear(math)),
        Results({Result("lbl6Q", "Q ="), Result("lbl6Velocity", "Velocity ="),
                 Result("lbl6Friction", "Friction (Kp) ="),
                 Result("lbl6MaxFall", "Max allowable fall in pipe when outlet is not submerged =")}),
        Commands({"cmdCompute(6)", "cmdPrint(6)", "cmdExit(6)"}),
    };
}

void FrmPipeFlow::Form_Load() { ClearResults(); }

void FrmPipeFlow::ClearResults() {
    for (auto* r : results) r->setCaption("");
    inputEdited = true;
}

void FrmPipeFlow::Compute(bool fromCommand, bool& ok) {
    ComputeFrame frame(*this, fromCommand, ok);
    pipe_flow::Inputs in;
    if (!frame.take(txt6N, in.n) || !frame.take(txt6Ke, in.ke) || !frame.take(txt6Kb, in.kb) ||
        !frame.take(txt6Diameter, in.diameterIn) || !frame.take(txt6Head, in.headFt) ||
        !frame.take(txt6Length, in.lengthFt))
        return;
    auto r = pipe_flow::Compute(in);
    lbl6Q.setCaption("Q = " + FormatNumber(r.q, "##0.0") + " cfs");
    lbl6Velocity.setCaption("Velocity = " + FormatNumber(r.velocity, "###0.0") + " ft/sec");
    lbl6Friction.setCaption("Friction (Kp) = " + FormatNumber(r.kp, "0.0000"));
    lbl6MaxFall.setCaption("Max allowable fall in pipe when outlet is not submerged = " +
                           FormatNumber(r.hf, "###0.0") + " ft.");
    inputEdited = false;
}

}  // namespace vado
