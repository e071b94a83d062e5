#include "calc/channel/frm_parabolic.h"

#include "calc/channel/channel.h"
#include "calc/channel/channel_sketches.h"
#include "calc/channel/parabolic.h"

namespace vado {

FrmParabolic::FrmParabolic(AppContext& app)
    : CalculatorForm("frmParabolic", app, 4),
      lblTitle(add<ui::Label>("lblTitle")),
      lbl4Warning(add<ui::Label>("lbl4Warning")),
      pic4pic(add<ui::PictureBox>("pic4pic")),
      txt4Width(addNumericField(channel::Field("Width (ft):", "ft", 10, 100, "##0.0", "30",
                                               [this] { return &txt4depth; }),
                                "txt4Width")),
      txt4depth(addNumericField(
          channel::Field("Depth (ft):", "ft", 0, 10, "#0.0", "2", [this] { return &txt4Slope; }),
          "txt4depth")),
      txt4Slope(addNumericField(channel::Field("Slope (ft/ft):", "ft/ft", 0.0001, 0.1, "0.0000#",
                                               "0.0005", [this] { return &txt4N; }),
                                "txt4Slope")),
      txt4N(addNumericField(channel::Field("Mannings 'N':", "", 0.01, 0.2, "0.0000", "0.04",
                                           [this] { return &cmdCompute; }),
                            "txt4N")),
      txt4Hradius(channel::AddResultField(*this, "txt4Hradius")),
      txt4Area(channel::AddResultField(*this, "txt4Area")),
      txt4Capacity(channel::AddResultField(*this, "txt4Capacity")),
      txt4Velocity(channel::AddResultField(*this, "txt4Velocity")),
      txt4CritDepth(channel::AddResultField(*this, "txt4CritDepth")) {
    setCaption("Parabolic Section");
    lblTitle.setCaption("- Parabolic Section -");
    lbl4Warning.setCaption("Not for Waterway Design");
    results = {&txt4Hradius, &txt4Area, &txt4Capacity, &txt4Velocity, &txt4CritDepth};

    std::vector<std::vector<ui::LayoutCell>> inputRows;
    int i = 0;
    for (auto& f : fields()) {
        auto& label = add<ui::Label>("Label4", i++);
        label.setCaption(f.label);
        f.box->setText(f.defaultText);
        inputRows.push_back({{{label.fullName()}}, {{f.box->fullName()}}});
    }

    pic4pic.onPaint = PaintParabola;
    using namespace ui::page;
    layout.sections = {
        Title({"lblTitle", "lbl4Warning"}),
        Inputs(inputRows),
        Picture("pic4pic", "Sketch of the parabolic section", "Top width T and depth d"),
        channel::ResultsSection({&txt4Hradius, &txt4Area, &txt4Capacity, &txt4Velocity, &txt4CritDepth}),
        Commands({"cmdCompute(4)", "cmdPrint(4)", "cmdExit(4)"}),
    };
}

void FrmParabolic::ClearResults() {
    for (auto* box : {&txt4Hradius, &txt4Area, &txt4Capacity, &txt4Velocity, &txt4CritDepth})
        box->setText("");
    inputEdited = true;
}

void FrmParabolic::Compute(bool fromCommand, bool& ok) {
    ComputeFrame frame(*this, fromCommand, ok);
    parabolic::Inputs in;
    if (!frame.take(txt4Slope, in.slope) || !frame.take(txt4N, in.n) ||
        !frame.take(txt4Width, in.topWidth) || !frame.take(txt4depth, in.depth))
        return;
    auto r = parabolic::Compute(in);
    channel::ShowChannelResults(r.radius, txt4Hradius, r.area, txt4Area, r.capacity, txt4Capacity,
                                r.velocity, txt4Velocity, r.criticalDepth, txt4CritDepth);
    inputEdited = false;
}

}  // namespace vado
