#include "calc/drop/frm_hooded_inlet.h"

#include "calc/drop/drop_sketches.h"
#include "shared/number_format.h"

namespace vado {

FrmHoodedInlet::FrmHoodedInlet(AppContext& app, FrmStageDischarge& window)
    : DropForm("frmHoodedInlet", app, 9, window),
      lblTitle(add<ui::Label>("lblTitle")),
      txt9N(addNumericField(MakeField("Mannings 'N':", "", 0.01, 0.1, "0.000#", false, "0.025",
                                  [this] { return &txt9Width; }),
                            "txt9N")),
      txt9Width(addNumericField(MakeField("Top Width (ft):", "ft", 3, 40, "#0", false, "10",
                                      [this] { return txt9ss[0]; }),
                                "txt9Width")),
      txt9ss{&addNumericField(MakeField("Upstream:", ": 1", 0, 20, "#0.0", false, "",
                                        [this] { return txt9ss[1]; }),
                              "txt9ss", 0),
             &addNumericField(MakeField("Downstream:", ": 1", 0, 20, "#0.0", false, "",
                                        [this] { return &ck9Tailwater; }),
                              "txt9ss", 1)},
      txt9Dia(addNumericField(MakeField("Pipe Diam (in):", "in.", 1, 48, "#0", false, "12",
                                    [this]() -> ui::Control* {
                                        return ck9Tailwater.value() ? txt9Elev[5] : &txt9Extra;
                                    }),
                              "txt9Dia")),
      txt9Extra(addNumericField(MakeField("Extra Pipe (ft):", "ft", 0, 999, "##0", false, "",
                                      [this] { return txt9Elev[4]; }),
                                "txt9Extra")),
      txt9Elev{},
      ck9Tailwater(add<ui::CheckBox>("ck9Tailwater")),
      cmdManningsNHelp(add<ui::CommandButton>("cmdManningsNHelp")),
      pic9pic(add<ui::PictureBox>("pic9pic")),
      lbl9Capacity(add<ui::Label>("lbl9Capacity")),
      lbl9Length(add<ui::Label>("lbl9Length")),
      lbl9Controls(add<ui::Label>("lbl9Controls")),
      lbl9Spill(add<ui::Label>("lbl9Spill")),
      lbl9Error(add<ui::Label>("lbl9Error")) {
    const char* labels[] = {"Top Elev (ft):",   "Emer Elev (ft):",   "Water Elev (ft):",
                            "Inlet Elev (ft):", "Outlet Elev (ft):", "Tailwater Elev (ft):"};
    std::function<ui::Control*()> next[] = {
        [this] { return txt9Elev[1]; }, [this] { return txt9Elev[2]; },
        [this] { return txt9Elev[3]; }, [this] { return &txt9Dia; },
        [this] { return &cmdCompute; }, [this] { return &txt9Extra; }};
    for (int i = 0; i < 6; ++i)
        txt9Elev[i] = &addNumericField(
            MakeField(labels[i], "ft", 0, 99999, "####0.0", false, "", next[i]), "txt9Elev", i);

    setCaption("Hooded Inlet");
    lblTitle.setCaption("- Hooded Inlet -");
    ck9Tailwater.setCaption("Tailwater");
    cmdManningsNHelp.setCaption("&Help to select \"n\" value");
    lbl9Spill.setCaption("Emergency Spillway Also has Flow");
    // Five blanks between the sentences, as the warning has always read.
    lbl9Error.setCaption("Hood not sufficiently submerged.     Equation may not be valid for this situation.");
    results = {&lbl9Capacity, &lbl9Length, &lbl9Controls, &lbl9Spill, &lbl9Error};

    std::vector<std::vector<ui::LayoutCell>> inputs;
    int i = 0;
    for (auto& f : fields()) {
        auto& label = add<ui::Label>("Label9", i++);
        label.setCaption(f.label);
        f.box->setText(f.defaultText);
        inputs.push_back({{{label.fullName()}}, {{f.box->fullName()}}});
    }
    inputs.push_back({{{"ck9Tailwater"}}, {{"cmdManningsNHelp"}}});

    ck9Tailwater.onClick = [this] { ShowTailwater(ck9Tailwater, *txt9Elev[5], tailwaterLabel()); };
    cmdManningsNHelp.onClick = [this] {
        if (!manningsN_) manningsN_ = std::make_unique<FrmManningsN>(services());
        manningsN_->Open(txt9N);
    };
    pic9pic.onPaint = [](ui::Surface& s, double w, double h) { PaintHoodedInlet(s, w, h); };
    cmdStageDischarge.onClick = [this] {
        PlotRating(109, [this] {
            const hooded_inlet::Rating r = hooded_inlet::RatingOf(in_, length_);
            if (r.problem != hooded_inlet::Problem::None)
                return RatingOutcome{.problem = hooded_inlet::Message(r.problem), .focus = txt9Elev[2]};
            return RatingOutcome{.rows = r.rows, .marker = hooded_inlet::HoodMarker(in_)};
        }, "");
    };

    using namespace ui::page;
    layout.sections = {
        Title({"lblTitle"}),
        Inputs(inputs),
        Picture("pic9pic", "Sketch of the hooded inlet drop structure",
                "Embankment with its top and emergency spillway elevations and the hooded pipe inlet "
                "through the fill to the outlet"),
        Results({Result("lbl9Capacity", "Capacity ="), Result("lbl9Length", "Length of pipe ="),
                 Result("lbl9Controls", "Controlling condition:"), Result("lbl9Spill", ""),
                 Result("lbl9Error", "")}),
        Commands({"cmdCompute(9)", "cmdPrint(9)", "cmdStageDischarge", "cmdExit(9)"}),
    };
}

ui::Label& FrmHoodedInlet::tailwaterLabel() const {
    return static_cast<ui::Label&>(*find("Label9(11)"));
}

void FrmHoodedInlet::Form_Load() {
    ClearResults();
    ShowTailwater(ck9Tailwater, *txt9Elev[5], tailwaterLabel());
}

void FrmHoodedInlet::ClearResults() {
    lbl9Capacity.setCaption("");
    lbl9Length.setCaption("");
    lbl9Controls.setCaption("");
    lbl9Spill.setVisible(false);
    lbl9Error.setVisible(false);
    inputEdited = true;
}

void FrmHoodedInlet::Compute(bool fromCommand, bool& ok) {
    ComputeFrame frame(*this, fromCommand, ok);
    hooded_inlet::Inputs in;
    in.tailwaterOn = ck9Tailwater.value() != 0;
    if (!frame.take(txt9N, in.n) || !frame.take(txt9Width, in.topWidth) ||
        !frame.take(txt9Dia, in.diameterIn) || !frame.take(*txt9ss[0], in.upstreamSlope) ||
        !frame.take(*txt9ss[1], in.downstreamSlope) || !frame.take(txt9Extra, in.extraPipe) ||
        !frame.take(*txt9Elev[0], in.top) || !frame.take(*txt9Elev[1], in.emergency) ||
        !frame.take(*txt9Elev[2], in.water) || !frame.take(*txt9Elev[3], in.inlet) ||
        !frame.take(*txt9Elev[4], in.outlet))
        return;
    if (in.tailwaterOn && !frame.take(*txt9Elev[5], in.tailwater)) return;
    // These checks leave the focus where it is.
    if (auto p = hooded_inlet::CheckElevations(in); p != hooded_inlet::Problem::None)
        return Refuse(frame, fromCommand, ok, hooded_inlet::Message(p), nullptr);
    const double length = hooded_inlet::PipeLength(in);
    const hooded_inlet::Flow f = hooded_inlet::PipeFlow(in, length, in.water, false);
    if (f.problem != hooded_inlet::Problem::None)
        return Refuse(frame, fromCommand, ok, hooded_inlet::Message(f.problem), txt9Elev[2]);
    in_ = in;
    length_ = length;
    lbl9Error.setVisible(f.q < 0.05);
    lbl9Capacity.setCaption("Capacity = " + FormatNumber(f.q, "###0.0") + " cfs");
    lbl9Length.setCaption("Length of pipe = " + FormatNumber(length, "###0.0") + " ft.");
    lbl9Controls.setCaption(f.pipeControls ? "Pipe Controls Flow" : "Orifice Controls Flow");
    lbl9Spill.setVisible(in.water > in.emergency);
    inputEdited = false;
}

}  // namespace vado
