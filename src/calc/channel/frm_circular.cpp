#include "calc/channel/frm_circular.h"

#include "calc/channel/channel.h"
#include "calc/channel/channel_sketches.h"
#include "calc/channel/circular.h"

namespace vado {

FrmCircular::FrmCircular(AppContext& app)
    : CalculatorForm("frmCircular", app, 3),
      lblTitle(add<ui::Label>("lblTitle")),
      pic3pic(add<ui::PictureBox>("pic3pic")),
      txt3Dia(addNumericField(
          channel::Field("dia. (in.):", "in.", 1, 108, "##0.0", "4", [this] { return &txt3Depth; }),
          "txt3Dia")),
      txt3Depth(addNumericField(channel::Field("water depth (in.): ", "in.", 0.1, 108, "##0.0", "2",
                                               [this] { return &txt3Slope; }),
                                "txt3Depth")),
      txt3Slope(addNumericField(channel::Field("Slope (ft./ft.):", "ft/ft", 0.0001, 0.1, "0.0000#",
                                               "0.0005", [this] { return &txt3Manning; }),
                                "txt3Slope")),
      txt3Manning(addNumericField(channel::Field("Mannings 'N':", "", 0.01, 0.2, "0.0000", "0.015",
                                                 [this] { return &cmdCompute; }),
                                  "txt3Manning")),
      cmdManningsNHelp(add<ui::CommandButton>("cmdManningsNHelp")),
      txt3Hradius(channel::AddResultField(*this, "txt3Hradius")),
      txt3Area(channel::AddResultField(*this, "txt3Area")),
      txt3Capacity(channel::AddResultField(*this, "txt3Capacity")),
      txt3Velocity(channel::AddResultField(*this, "txt3Velocity")),
      txt3CritDepth(channel::AddResultField(*this, "txt3CritDepth")) {
    setCaption("Circular Section");
    lblTitle.setCaption("- Circular Section -");
    cmdManningsNHelp.setCaption("&Help to select \"n\" value");
    results = {&txt3Hradius, &txt3Area, &txt3Capacity, &txt3Velocity, &txt3CritDepth};

    std::vector<std::vector<ui::LayoutCell>> inputRows;
    int i = 0;
    for (auto& f : fields()) {
        auto& label = add<ui::Label>("Label3", i++);
        label.setCaption(f.label);
        f.box->setText(f.defaultText);
        inputRows.push_back({{{label.fullName()}}, {{f.box->fullName()}}});
    }

    cmdManningsNHelp.onClick = [this] {
        if (!manningsN_) manningsN_ = std::make_unique<FrmManningsN>(services());
        manningsN_->Open(txt3Manning);
    };

    pic3pic.onPaint = PaintCircle;
    using namespace ui::page;
    inputRows.push_back(Row({"cmdManningsNHelp"}));
    layout.sections = {
        Title({"lblTitle"}),
        Inputs(inputRows),
        Picture("pic3pic", "Sketch of the circular section", "Pipe diameter D and water depth d"),
        channel::ResultsSection({&txt3Hradius, &txt3Area, &txt3Capacity, &txt3Velocity, &txt3CritDepth}),
        Commands({"cmdCompute(3)", "cmdPrint(3)", "cmdExit(3)"}),
    };
}

void FrmCircular::ClearResults() {
    for (auto* box : {&txt3Hradius, &txt3Area, &txt3Capacity, &txt3Velocity, &txt3CritDepth})
        box->setText("");
    inputEdited = true;
}

void FrmCircular::Compute(bool fromCommand, bool& ok) {
    ComputeFrame frame(*this, fromCommand, ok);
    circular::Inputs in;
    if (!frame.take(txt3Slope, in.slope) || !frame.take(txt3Manning, in.n) ||
        !frame.take(txt3Dia, in.diameterIn) || !frame.take(txt3Depth, in.depthIn))
        return;
    // Not an error: the pipe is taken as flowing full at the larger size, and the user is told,
    // whichever way the computation was started.
    if (in.depthIn > in.diameterIn) {
        in.diameterIn = in.depthIn;
        txt3Dia.setText(txt3Depth.text());
        services().MsgBox("Depth was greater than the diameter. Resetting the diameter.",
                          "Input Error", ui::MsgIcon::Exclamation);
    }
    auto r = circular::Compute(in);
    channel::ShowChannelResults(r.radius, txt3Hradius, r.area, txt3Area, r.capacity, txt3Capacity,
                                r.velocity, txt3Velocity, r.criticalDepth, txt3CritDepth);
    inputEdited = false;
}

}  // namespace vado
