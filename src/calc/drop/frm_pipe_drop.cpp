#include "calc/drop/frm_pipe_drop.h"

#include "calc/drop/drop_sketches.h"
#include "shared/number_format.h"

namespace vado {

FrmPipeDrop::FrmPipeDrop(AppContext& app, FrmStageDischarge& window)
    : DropForm("frmPipeDrop", app, 8, window),
      lblTitle(add<ui::Label>("lblTitle")),
      txt8N(addNumericField(MakeField("Mannings 'N':", "", 0.01, 0.1, "0.000#", false, "0.025",
                                  [this] { return &txt8Width; }),
                            "txt8N")),
      txt8Width(addNumericField(MakeField("Top Width (ft):", "ft", 3, 40, "#0", false, "10",
                                      [this] { return txt8ss[0]; }),
                                "txt8Width")),
      txt8ss{&addNumericField(MakeField("Upstream:", ": 1", 0, 20, "#0.0", false, "",
                                        [this] { return txt8ss[1]; }),
                              "txt8ss", 0),
             &addNumericField(MakeField("Downstream:", ": 1", 0, 20, "#0.0", false, "",
                                        [this] { return &ck8Tailwater; }),
                              "txt8ss", 1)},
      txt8Diam{&addNumericField(MakeField("Riser Diam (in):", "in.", 4, 48, "#0", false, "15",
                                          [this] { return txt8Elev[4]; }),
                                "txt8Diam", 0),
               &addNumericField(MakeField("Pipe Diam (in):", "in.", 4, 48, "#0", false, "12",
                                          [this] { return &txt8extra; }),
                                "txt8Diam", 1)},
      txt8extra(addNumericField(MakeField("Xtra Pipe (ft):", "ft", 0, 999, "##0", false, "",
                                      [this] { return txt8Elev[5]; }),
                                "txt8extra")),
      txt8Elev{},
      ck8Tailwater(add<ui::CheckBox>("ck8Tailwater")),
      cmdManningsNHelp(add<ui::CommandButton>("cmdManningsNHelp")),
      pic8pic(add<ui::PictureBox>("pic8pic")),
      lbl8Capacity(add<ui::Label>("lbl8Capacity")),
      lbl8Length(add<ui::Label>("lbl8Length")),
      lbl8Height(add<ui::Label>("lbl8Height")),
      lbl8Controls(add<ui::Label>("lbl8Controls")),
      lbl8Spill(add<ui::Label>("lbl8Spill")),
      lbl8Problem(add<ui::Label>("lbl8Problem")) {
    const char* labels[] = {"Top Elev (ft):",   "Emer. Elev (ft):",  "Water Elev (ft):",
                            "Riser Elev (ft):", "Inlet Elev (ft):",  "Outlet Elev (ft):",
                            "Tailwater Elev (ft):"};
    std::function<ui::Control*()> next[] = {
        [this] { return txt8Elev[1]; },  [this] { return txt8Elev[2]; },
        [this] { return txt8Elev[3]; },  [this] { return txt8Diam[0]; },
        [this] { return txt8Diam[1]; },  [this] { return &cmdCompute; },
        [] { return static_cast<ui::Control*>(nullptr); }};
    for (int i = 0; i < 7; ++i)
        txt8Elev[i] = &addNumericField(
            MakeField(labels[i], "ft", 0, 99999, "####0.0", false, "", next[i]), "txt8Elev", i);

    setCaption("Pipe Drop Inlet");
    lblTitle.setCaption("- Pipe Drop Structure -");
    ck8Tailwater.setCaption("Tailwater");
    cmdManningsNHelp.setCaption("&Help to select \"n\" value");
    lbl8Spill.setCaption("Emergency Spillway Also has Flow");
    results = {&lbl8Capacity, &lbl8Length, &lbl8Height, &lbl8Controls, &lbl8Spill, &lbl8Problem};

    std::vector<std::vector<ui::LayoutCell>> inputs;
    int i = 0;
    for (auto& f : fields()) {
        auto& label = add<ui::Label>("Label8", i++);
        label.setCaption(f.label);
        f.box->setText(f.defaultText);
        inputs.push_back({{{label.fullName()}}, {{f.box->fullName()}}});
    }
    inputs.push_back({{{"ck8Tailwater"}}, {{"cmdManningsNHelp"}}});

    ck8Tailwater.onClick = [this] {
        ShowTailwater(ck8Tailwater, *txt8Elev[6], tailwaterLabel());
        ClearResults();
    };
    cmdManningsNHelp.onClick = [this] {
        if (!manningsN_) manningsN_ = std::make_unique<FrmManningsN>(services());
        manningsN_->Open(txt8N);
    };
    pic8pic.onPaint = [](ui::Surface& s, double w, double h) { PaintPipeDrop(s, w, h); };
    cmdStageDischarge.onClick = [this] {
        PlotRating(108, [this] {
            const pipe_drop::Rating r = pipe_drop::RatingOf(in_, length_);
            if (r.problem != pipe_drop::Problem::None)
                return RatingOutcome{.problem = pipe_drop::Message(r.problem),
                                     .focus = focusField(pipe_drop::FocusOf(r.problem))};
            return RatingOutcome{.rows = r.rows};
        }, "");
    };

    using namespace ui::page;
    layout.sections = {
        Title({"lblTitle"}),
        Inputs(inputs),
        Picture("pic8pic", "Sketch of the pipe drop structure",
                "Embankment with its top and emergency spillway elevations, the riser and the pipe "
                "through the fill to the outlet"),
        Results({Result("lbl8Capacity", "Capacity ="), Result("lbl8Length", "Length of pipe ="),
                 Result("lbl8Height", "Height of riser ="), Result("lbl8Controls", "Controlling condition:"),
                 Result("lbl8Spill", ""), Result("lbl8Problem", "")}),
        Commands({"cmdCompute(8)", "cmdPrint(8)", "cmdStageDischarge", "cmdExit(8)"}),
    };
}

ui::Label& FrmPipeDrop::tailwaterLabel() const {
    return static_cast<ui::Label&>(*find("Label8(13)"));
}

ui::TextBox* FrmPipeDrop::focusField(pipe_drop::Field f) const {
    switch (f) {
        case pipe_drop::Field::Top:
            return txt8Elev[0];
        case pipe_drop::Field::Water:
            return txt8Elev[2];
        case pipe_drop::Field::Riser:
            return txt8Elev[3];
        case pipe_drop::Field::Inlet:
            return txt8Elev[4];
        case pipe_drop::Field::None:
            break;
    }
    return nullptr;
}

void FrmPipeDrop::Form_Load() {
    ClearResults();
    ShowTailwater(ck8Tailwater, *txt8Elev[6], tailwaterLabel());
}

void FrmPipeDrop::ClearResults() {
    for (auto* r : {&lbl8Capacity, &lbl8Length, &lbl8Height, &lbl8Controls, &lbl8Problem})
        r->setCaption("");
    lbl8Spill.setVisible(false);
    inputEdited = true;
}

void FrmPipeDrop::Compute(bool fromCommand, bool& ok) {
    ComputeFrame frame(*this, fromCommand, ok);
    pipe_drop::Inputs in;
    in.tailwaterOn = ck8Tailwater.value() != 0;
    if (!frame.take(txt8N, in.n) || !frame.take(txt8Width, in.topWidth) ||
        !frame.take(*txt8Diam[0], in.riserIn) || !frame.take(*txt8Diam[1], in.pipeIn) ||
        !frame.take(*txt8ss[0], in.upstreamSlope) || !frame.take(*txt8ss[1], in.downstreamSlope) ||
        !frame.take(txt8extra, in.extraPipe) || !frame.take(*txt8Elev[0], in.top) ||
        !frame.take(*txt8Elev[1], in.emergency) || !frame.take(*txt8Elev[2], in.water) ||
        !frame.take(*txt8Elev[3], in.riser) || !frame.take(*txt8Elev[4], in.inlet) ||
        !frame.take(*txt8Elev[5], in.outlet))
        return;
    if (in.tailwaterOn && !frame.take(*txt8Elev[6], in.tailwater)) return;
    // The riser-size advice is written first and stays whatever the checks below find.
    lbl8Problem.setCaption(pipe_drop::RiserWarning(in));
    pipe_drop::Problem p = pipe_drop::CheckElevations(in);
    const double length = pipe_drop::PipeLength(in);
    pipe_drop::Flow f;
    if (p == pipe_drop::Problem::None) {
        f = pipe_drop::FlowAt(in, length, in.water);
        p = f.problem;
    }
    if (p != pipe_drop::Problem::None)
        return Refuse(frame, fromCommand, ok, pipe_drop::Message(p), focusField(pipe_drop::FocusOf(p)));
    in_ = in;
    length_ = length;
    lbl8Capacity.setCaption("Capacity = " + FormatNumber(f.q, "###0.0") + " cfs");
    lbl8Length.setCaption("Length of pipe = " + FormatNumber(length, "###0.0") + " ft.");
    lbl8Height.setCaption("Height of riser = " + FormatNumber(in.riser - in.inlet + 1.0, "#0.0") + " ft.");
    lbl8Controls.setCaption(f.controls);
    lbl8Spill.setVisible(in.water > in.emergency);
    inputEdited = false;
}

}  // namespace vado
