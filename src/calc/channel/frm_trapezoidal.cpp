#include "calc/channel/frm_trapezoidal.h"

#include <variant>

#include "calc/channel/channel.h"
#include "calc/channel/channel_sketches.h"
#include "calc/channel/trapezoidal.h"
#include "shared/number_format.h"

namespace vado {

namespace {

const char kWidthReset[] = " Width @ surface   ft ";

}  // namespace

FrmTrapezoidal::FrmTrapezoidal(AppContext& app)
    : CalculatorForm("frmTrapezoidal", app, 5),
      lblTitle(add<ui::Label>("lblTitle")),
      pic5pic(add<ui::PictureBox>("pic5pic")),
      txt5BW(addNumericField(channel::Field(" Bottom width (ft):", "ft", 0, 40, "#0.0", "4",
                                            [this] { return &txt5Slope(0); }),
                             "txt5BW")),
      txt5Depth(addNumericField(
          channel::Field("Depth (ft):", "ft", 0, 10, "#0.0", "3", [this] { return &txt5BW; }),
          "txt5Depth")),
      txt5N(addNumericField(channel::Field("Mannings N:", "", 0.01, 0.2, "0.0000", "0.04",
                                           [this] { return &cmdCompute; }),
                            "txt5N")),
      lbl5Width(add<ui::Label>("lbl5Width")),
      lbl5Slope(add<ui::Label>("lbl5Slope")),
      txt5HRadius(channel::AddResultField(*this, "txt5HRadius")),
      txt5Area(channel::AddResultField(*this, "txt5Area")),
      txt5Capacity(channel::AddResultField(*this, "txt5Capacity")),
      txt5Velocity(channel::AddResultField(*this, "txt5Velocity")),
      txt5CritDepth(channel::AddResultField(*this, "txt5CritDepth")) {
    setCaption("Trapezoidal Section");
    lblTitle.setCaption("- Trapezoidal Section -");
    results = {&txt5HRadius, &txt5Area, &txt5Capacity, &txt5Velocity, &txt5CritDepth, &lbl5Width};

    auto toN = [this] { return &txt5N; };
    txt5Slope_[0] = &addNumericField(
        channel::Field("Slope (ft/ft):", "ft/ft", 0.0001, 0.1, "0.0000#", "0.0005", toN),
        "txt5Slope", 0);
    txt5Slope_[1] = &addNumericField(
        channel::Field("Side slope (horizontal per 1 vertical):", ": 1", 0, 20, "#0.0#", "2", toN),
        "txt5Slope", 1);
    txt5Slope_[2] = &add<ui::TextBox>("txt5Slope", 2);
    txt5Slope_[2]->locked = true;

    // A new channel slope leaves the surface width standing; a new side slope changes it and is
    // repeated on the far side of the sketch.
    txt5Slope(0).onChange = [this] { ClearResults(true); };
    txt5Slope(1).onChange = [this] {
        ClearResults(false);
        lbl5Slope.setCaption(txt5Slope(1).text());
        pic5pic.Refresh();
    };
    txt5N.onChange = [this] { ClearResults(true); };

    auto label = [this](int i, const char* caption) -> std::string {
        auto& l = add<ui::Label>("Label5", i);
        l.setCaption(caption);
        return l.fullName();
    };
    const std::string bwLabel = label(0, " Bottom width (ft):");
    // The side slope was read z : 1 on the old sketch, its box beside this "1".
    label(1, "1");
    const std::string depthLabel = label(2, "Depth (ft):");
    const std::string slopeLabel = label(3, "Slope (ft/ft):");
    const std::string nLabel = label(4, "Mannings N:");
    for (auto& f : fields()) f.box->setText(f.defaultText);

    // The sketch writes the side slope on both banks; the grey box of the old sketch (member 2)
    // and the "1" beside it are not shown.
    pic5pic.onPaint = [this](ui::Surface& s, double w, double h) {
        PaintTrapezoid(s, w, h, txt5Slope(1).text());
    };
    using namespace ui::page;
    ui::LayoutSection results = channel::ResultsSection(
        {&txt5HRadius, &txt5Area, &txt5Capacity, &txt5Velocity, &txt5CritDepth});
    results.rows.insert(results.rows.begin(), Result("lbl5Width", ""));
    layout.sections = {
        Title({"lblTitle"}),
        Inputs({Row({bwLabel, "txt5BW"}),
                Row({depthLabel, "txt5Depth"}),
                {{{}, 1, "Side slope:"}, {{"txt5Slope(1)"}}},
                Row({slopeLabel, "txt5Slope(0)"}),
                Row({nLabel, "txt5N"})}),
        Picture("pic5pic", "Sketch of the trapezoidal section",
                "Bottom width b, depth d, side slopes z horizontal to 1 vertical, top width T"),
        results,
        Commands({"cmdCompute(5)", "cmdPrint(5)", "cmdExit(5)"}),
    };
}

void FrmTrapezoidal::Form_Load() {
    lbl5Slope.setCaption("");
    ClearResults(false);
}

void FrmTrapezoidal::ClearResults(bool keepWidth) {
    for (auto* box : {&txt5HRadius, &txt5Area, &txt5Capacity, &txt5Velocity, &txt5CritDepth})
        box->setText("");
    inputEdited = true;
    if (!keepWidth) lbl5Width.setCaption(kWidthReset);
}

void FrmTrapezoidal::Compute(bool fromCommand, bool& ok) {
    ComputeFrame frame(*this, fromCommand, ok);
    trapezoidal::Inputs in;
    if (!frame.take(txt5Slope(1), in.sideSlope) || !frame.take(txt5Depth, in.depth) ||
        !frame.take(txt5BW, in.bottomWidth) || !frame.take(txt5Slope(0), in.slope) ||
        !frame.take(txt5N, in.n))
        return;
    auto outcome = trapezoidal::Compute(in);
    if (auto* problem = std::get_if<trapezoidal::Problem>(&outcome)) {
        // Like a failed range check: reported only when a range message would be, with the
        // focus on the bottom width, which both cases name.
        if (frame.showMessage()) {
            services().MsgBox(trapezoidal::Message(*problem), "Input Error",
                              ui::MsgIcon::Exclamation);
            txt5BW.SetFocus();
        }
        ok = !frame.showMessage();
        return;
    }
    const auto& r = std::get<trapezoidal::Results>(outcome);
    lbl5Width.setCaption(" Width @ surface " + FormatNumber(r.topWidth, "##") + " ft ");
    channel::ShowChannelResults(r.radius, txt5HRadius, r.area, txt5Area, r.capacity, txt5Capacity,
                                r.velocity, txt5Velocity, r.criticalDepth, txt5CritDepth);
    inputEdited = false;
}

}  // namespace vado
