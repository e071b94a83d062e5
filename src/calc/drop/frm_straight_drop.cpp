#include "calc/drop/frm_straight_drop.h"

#include "calc/drop/drop_sketches.h"
#include "calc/drop/straight_drop.h"
#include "shared/number_format.h"

namespace vado {

FrmStraightDrop::FrmStraightDrop(AppContext& app, FrmStageDischarge& window)
    : DropForm("frmStraightDrop", app, 10, window),
      lblTitle(add<ui::Label>("lblTitle")),
      txt10Width(addNumericField(MakeField("Width (ft):", "ft", 1.0, 16.0, "#0.0", false, "",
                                       [this] { return &txt10Depth; }),
                                 "txt10Width")),
      txt10Depth(addNumericField(MakeField("Depth of flow over weir (ft):", "ft", 0.1, 3.0, "0.0",
                                       false, "", [this] { return txt10Elev[0]; }),
                                 "txt10Depth")),
      txt10Elev{&addNumericField(MakeField("Weir Elev (ft):", "ft", 0, 99999, "####0.0", false, "",
                                           [this] { return txt10Elev[1]; }),
                                 "txt10Elev", 0),
                &addNumericField(MakeField("Floor Elev (ft):", "ft", 0, 99999, "####0.0", false, "",
                                           [this] { return &cmdCompute; }),
                                 "txt10Elev", 1)},
      pic10pic(add<ui::PictureBox>("pic10pic")),
      lbl10Elev(add<ui::Label>("lbl10Elev")),
      lbl10Capacity(add<ui::Label>("lbl10Capacity")) {
    setCaption("Straight Drop");
    lblTitle.setCaption("- Straight Drop Inlet -");
    lbl10Elev.setCaption("Top Elev (ft): ?????.?");
    lbl10Capacity.setCaption("Capacity = ???.? cfs");
    results = {&lbl10Elev, &lbl10Capacity};
    example = {{"txt10Width", "4.0"}, {"txt10Depth", "1.0"}, {"txt10Elev(0)", "100.0"}, {"txt10Elev(1)", "96.0"}};
    pic10pic.onPaint = [](ui::Surface& s, double w, double h) { PaintStraightDrop(s, w, h); };
    cmdStageDischarge.onClick = [this] {
        PlotRating(110, [this] { return RatingOutcome{.rows = straight_drop::Rating(width_, depth_, crest_)}; }, "");
    };

    std::vector<std::vector<ui::LayoutCell>> inputs;
    int i = 0;
    for (auto& f : fields()) {
        auto& label = add<ui::Label>("Label10", i++);
        label.setCaption(f.label);
        f.box->setText(f.defaultText);
        inputs.push_back({{{label.fullName()}}, {{f.box->fullName()}}});
    }
    using namespace ui::page;
    layout.sections = {
        Title({"lblTitle"}),
        Inputs(inputs),
        Picture("pic10pic", "Sketch of the straight drop structure",
                "Weir of width and depth of flow over it, the weir and floor elevations"),
        Results({Result("lbl10Elev", "Top Elev (ft):"), Result("lbl10Capacity", "Capacity:")}),
        Commands({"cmdCompute(10)", "cmdPrint(10)", "cmdStageDischarge", "cmdExit(10)"}),
    };
}

void FrmStraightDrop::Form_Load() { ClearResults(); }

void FrmStraightDrop::ClearResults() {
    lbl10Elev.setCaption("");
    lbl10Capacity.setCaption("");
    inputEdited = true;
}

void FrmStraightDrop::Compute(bool fromCommand, bool& ok) {
    ComputeFrame frame(*this, fromCommand, ok);
    double width = 0, depth = 0, crest = 0, floor = 0;
    if (!frame.take(txt10Width, width) || !frame.take(txt10Depth, depth) ||
        !frame.take(*txt10Elev[0], crest))
        return;
    // The top elevation shows before the floor is checked, and stays when that check fails.
    lbl10Elev.setCaption("Top Elev (ft): " + FormatNumber(crest + depth, "####0.0"));
    if (!frame.take(*txt10Elev[1], floor)) return;
    if (!FallIsFine(frame, fromCommand, ok, crest, floor, *txt10Elev[0])) return;
    width_ = width;
    depth_ = depth;
    crest_ = crest;
    lbl10Capacity.setCaption("Capacity: " +
                             FormatNumber(straight_drop::Capacity(width, depth), "##0.0") + " cfs");
    inputEdited = false;
}

}  // namespace vado
