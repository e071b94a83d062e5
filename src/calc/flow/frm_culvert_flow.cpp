#include "calc/flow/frm_culvert_flow.h"

#include "calc/flow/culvert.h"
#include "calc/flow/inlet_sketch.h"
#include "shared/number_format.h"

namespace vado {

FrmCulvertFlow::FrmCulvertFlow(AppContext& app, const InletCoefficientTable& inletTypes)
    : CalculatorForm("frmCulvertFlow", app, 7),
      lblTitle(add<ui::Label>("lblTitle")),
      txt7N(addNumericField(MakeField("Mannings 'N':", "", 0.01, 2.0, "0.000", false, "0.025",
                                  [this] { return &cbo7Entrance; }),
                            "txt7N")),
      txt7Length(addNumericField(MakeField("Length (ft):", "ft", 5, 500, "##0", true, "40",
                                       [this] { return txt7Elev[2]; }),
                                 "txt7Length")),
      txt7Diam(addNumericField(MakeField("Diameter (in):", "in.", 4, 60, "#0", true, "24",
                                     [this] { return &txt7N; }),
                               "txt7Diam")),
      txt7Elev{},
      cbo7Entrance(add<ui::ComboBox>("cbo7Entrance")),
      pic7pic(add<ui::PictureBox>("pic7pic")),
      lbl7Controls(add<ui::Label>("lbl7Controls")),
      lbl7Capacity(add<ui::Label>("lbl7Capacity")),
      cmdManningsNHelp(add<ui::CommandButton>("cmdManningsNHelp")),
      inletTypes_(inletTypes) {
    // Two Enter chains: headwater -> inlet -> diameter -> n -> entrance type, and
    // length -> tailwater -> outlet -> Compute.
    const char* labels[] = {"Headwater Elev (ft):", "Inlet Elev (ft):", "Tailwater Elev (ft):",
                            "Outlet Elev (ft):"};
    std::function<ui::Control*()> next[] = {
        [this] { return txt7Elev[1]; }, [this] { return &txt7Diam; },
        [this] { return txt7Elev[3]; }, [this] { return &cmdCompute; }};
    for (int i = 0; i < 4; ++i)
        txt7Elev[i] = &addNumericField(
            MakeField(labels[i], "ft", 0, 99999, "####0.0", false, "", next[i]), "txt7Elev", i);

    // Digits only on the keyboard, yet the length and diameter are checked and used as reals.
    fieldOf(txt7Length).wholeNumber = false;
    fieldOf(txt7Diam).wholeNumber = false;
    setCaption("Culvert Flow");
    lblTitle.setCaption("- Culvert Flow -");
    cmdManningsNHelp.setCaption("&Help to select \"n\" value");
    cbo7Entrance.style = ui::ComboBox::Style::DropDownList;
    results = {&lbl7Controls, &lbl7Capacity};

    std::vector<std::vector<ui::LayoutCell>> inputs;
    int i = 0;
    for (auto& f : fields()) {
        auto& label = add<ui::Label>("Label7", i++);
        label.setCaption(f.label);
        f.box->setText(f.defaultText);
        inputs.push_back({{{label.fullName()}}, {{f.box->fullName()}}});
    }
    auto& entranceLabel = add<ui::Label>("Label7", i);
    entranceLabel.setCaption("Entrance type:");
    inputs.push_back({{{entranceLabel.fullName()}}, {{"cbo7Entrance"}}});

    cbo7Entrance.onClick = [this] { pic7pic.Refresh(); };
    pic7pic.onPaint = [this](ui::Surface& s, double w, double h) {
        PaintInlet(s, w, h, cbo7Entrance.listIndex());
    };
    cmdManningsNHelp.onClick = [this] {
        if (!manningsN_) manningsN_ = std::make_unique<FrmManningsN>(services());
        manningsN_->Open(txt7N);
    };

    using namespace ui::page;
    inputs.push_back(Row({"cmdManningsNHelp"}));
    layout.sections = {
        Title({"lblTitle"}),
        Inputs(inputs),
        Picture("pic7pic", "Sketch of the culvert inlet", "The inlet of the chosen entrance type"),
        Results({Result("lbl7Controls", "Controlling condition:"), Result("lbl7Capacity", "Capacity =")}),
        Commands({"cmdCompute(7)", "cmdPrint(7)", "cmdExit(7)"}),
    };
}

void FrmCulvertFlow::Form_Load() {
    ClearResults();
    cbo7Entrance.clear();
    for (int k = 0; k < 7; ++k)
        cbo7Entrance.addItem(inletTypes_[k].Name + " ; Ke = " + FormatNumber(inletTypes_[k].Ke, ".##"), k);
    cbo7Entrance.setListIndex(0);
}

void FrmCulvertFlow::ClearResults() {
    inputEdited = true;
    lbl7Capacity.setCaption("");
    lbl7Controls.setCaption("");
}

void FrmCulvertFlow::Compute(bool fromCommand, bool& ok) {
    ComputeFrame frame(*this, fromCommand, ok);
    culvert::Inputs in;
    if (!frame.take(txt7N, in.n) || !frame.take(txt7Length, in.lengthFt) ||
        !frame.take(txt7Diam, in.diameterIn) || !frame.take(*txt7Elev[0], in.headwater) ||
        !frame.take(*txt7Elev[1], in.inlet) || !frame.take(*txt7Elev[2], in.tailwater) ||
        !frame.take(*txt7Elev[3], in.outlet))
        return;
    int k = cbo7Entrance.listIndex();
    if (k < 0 || k > 6) k = 0;
    auto r = culvert::Evaluate(in, inletTypes_[k]);
    if (r.failure != culvert::Failure::None) {
        // These checks speak even in a quiet computation; only the Compute command fails on them.
        services().MsgBox(culvert::Message(r.failure), "Input Error", ui::MsgIcon::Exclamation);
        if (int e = culvert::FocusElevation(r.failure); e >= 0) txt7Elev[e]->SetFocus();
        ok = !fromCommand;
        return;
    }
    lbl7Controls.setCaption(r.inletControls ? "Inlet Controls Flow" : "Outlet Controls Flow");
    lbl7Capacity.setCaption("Capacity = " + FormatNumber(r.capacity, "###0.0") + " cfs");
    inputEdited = false;
}

}  // namespace vado
