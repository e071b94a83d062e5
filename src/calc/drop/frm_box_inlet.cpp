#include "calc/drop/frm_box_inlet.h"

#include "calc/drop/box_inlet.h"
#include "calc/drop/drop_sketches.h"
#include "shared/number_format.h"

namespace vado {

FrmBoxInlet::FrmBoxInlet(AppContext& app, FrmStageDischarge& window)
    : DropForm("frmBoxInlet", app, 11, window),
      lblTitle(add<ui::Label>("lblTitle")),
      txt11Depth(addNumericField(MakeField("Depth of flow over weir (ft):", "ft", 0.1, 3.0, "0.0",
                                       false, "", [this] { return &txt11Width; }),
                                 "txt11Depth")),
      txt11Width(addNumericField(MakeField("Width (ft):", "ft", 1.0, 16.0, "#0.0", false, "",
                                       [this] { return &txt11Breadth; }),
                                 "txt11Width")),
      // "Beadth" is the label the page has always carried.
      txt11Breadth(addNumericField(MakeField("Beadth (ft):", "ft", 1.0, 16.0, "#0.0", false, "",
                                         [this] { return txt11Elev[0]; }),
                                   "txt11Breadth")),
      txt11Elev{&addNumericField(MakeField("Weir Elev (ft):", "ft", 0, 99999, "####0.0", false, "",
                                           [this] { return txt11Elev[1]; }),
                                 "txt11Elev", 0),
                &addNumericField(MakeField("Floor Elev (ft):", "ft", 0, 99999, "####0.0", false, "",
                                           [this] { return &cmdCompute; }),
                                 "txt11Elev", 1)},
      pic11pic(add<ui::PictureBox>("pic11pic")),
      lbl11Capacity(add<ui::Label>("lbl11Capacity")),
      lbl11Width(add<ui::Label>("lbl11Width")),
      lbl11Elev(add<ui::Label>("lbl11Elev")) {
    setCaption("Drop Box Inlet");
    lblTitle.setCaption("- Drop Box Inlet -");
    lbl11Capacity.setCaption("Capacity = ???.? cfs");
    lbl11Width.setCaption("Width of Inlet Channel (ft): ??");
    lbl11Elev.setCaption("Top Elev (ft): ?????.?");
    results = {&lbl11Capacity, &lbl11Width, &lbl11Elev};
    example = {{"txt11Depth", "1"}, {"txt11Width", "4"}, {"txt11Breadth", "4"}, {"txt11Elev(0)", "100"}, {"txt11Elev(1)", "97"}};
    pic11pic.onPaint = [](ui::Surface& s, double w, double h) { PaintBoxInlet(s, w, h); };
    cmdStageDischarge.onClick = [this] {
        PlotRating(111, [this] { return RatingOutcome{.rows = box_inlet::Rating(box_, depth_)}; },
                   "Problems in computation");
    };

    std::vector<std::vector<ui::LayoutCell>> inputs;
    int i = 0;
    for (auto& f : fields()) {
        auto& label = add<ui::Label>("Label11", i++);
        label.setCaption(f.label);
        f.box->setText(f.defaultText);
        inputs.push_back({{{label.fullName()}}, {{f.box->fullName()}}});
    }
    using namespace ui::page;
    layout.sections = {
        Title({"lblTitle"}),
        Inputs(inputs),
        Picture("pic11pic", "Sketch of the box-inlet drop structure",
                "Box inlet of width and breadth, the depth of flow over its crest, weir and floor elevations"),
        Results({Result("lbl11Capacity", "Capacity:"), Result("lbl11Width", "Width of Inlet Channel (ft):"),
                 Result("lbl11Elev", "Top Elev (ft):")}),
        Commands({"cmdCompute(11)", "cmdPrint(11)", "cmdStageDischarge", "cmdExit(11)"}),
    };
}

void FrmBoxInlet::Form_Load() { ClearResults(); }

void FrmBoxInlet::ClearResults() {
    for (auto* r : results) r->setCaption("");
    inputEdited = true;
}

void FrmBoxInlet::Compute(bool fromCommand, bool& ok) {
    ComputeFrame frame(*this, fromCommand, ok);
    // Checked in this order, not the Enter order.
    box_inlet::Box box;
    double depth = 0;
    if (!frame.take(txt11Width, box.width) || !frame.take(txt11Breadth, box.breadth) ||
        !frame.take(txt11Depth, depth) || !frame.take(*txt11Elev[0], box.crest) ||
        !frame.take(*txt11Elev[1], box.floor))
        return;
    if (!FallIsFine(frame, fromCommand, ok, box.crest, box.floor, *txt11Elev[0])) return;
    box_ = box;
    depth_ = depth;
    const box_inlet::Capacity c = box_inlet::Compute(box, depth);
    lbl11Capacity.setCaption("Capacity: " + FormatNumber(c.q, "##0.0") + " cfs");
    lbl11Width.setCaption("Width of Inlet Channel (ft): " + FormatNumber(c.inletWidth, "#0.0"));
    lbl11Elev.setCaption("Top Elev (ft): " + FormatNumber(box.crest + depth, "####0.0"));
    inputEdited = false;
}

}  // namespace vado
