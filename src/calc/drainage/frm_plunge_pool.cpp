#include "calc/drainage/frm_plunge_pool.h"

#include <cmath>

#include "calc/drainage/plunge_pool.h"
#include "shared/number_format.h"
#include "shared/sketch.h"

namespace vado {

namespace {

// The pool in plan, its outline at the flow surface, at the grade and at the bottom, as ovals or
// rectangles; and the pipe coming in from the left.
void PaintPool(ui::Surface& s, double width, double height, bool rectangular) {
    if (width <= 0 || height <= 0) return;
    const SketchScale k{width / 200, height / 100};
    ScaledLine(s, k, 5, 45, 45, 45);  // the pipe
    ScaledLine(s, k, 5, 55, 45, 55);
    auto shape = [&](double halfLength, double halfWidth) {
        const double cx = 120 * k.x, cy = 50 * k.y, a = halfLength * k.x, b = halfWidth * k.y;
        if (rectangular) {
            s.Line(cx - a, cy - b, cx + a, cy - b);
            s.Line(cx + a, cy - b, cx + a, cy + b);
            s.Line(cx + a, cy + b, cx - a, cy + b);
            s.Line(cx - a, cy + b, cx - a, cy - b);
            return;
        }
        constexpr int kSteps = 48;
        for (int i = 0; i < kSteps; ++i) {
            const double t0 = 2 * 3.14159265358979 * i / kSteps, t1 = 2 * 3.14159265358979 * (i + 1) / kSteps;
            s.Line(cx + a * std::cos(t0), cy + b * std::sin(t0), cx + a * std::cos(t1), cy + b * std::sin(t1));
        }
    };
    shape(70, 42);
    shape(45, 28);
    shape(16, 10);
    ScaledMoveTo(s, k, 5, 35);
    s.PrintInline("Pipe Outlet");
    // The bottom's name between the inner ring and the next, clear of both.
    const std::string bottom = "Pool Bottom";
    s.setCurrentX(120 * k.x - s.TextWidth(bottom) / 2);
    s.setCurrentY(69 * k.y - s.TextHeight(bottom) / 2);
    s.PrintInline(bottom);
}

}  // namespace

FrmPlungePool::FrmPlungePool(AppContext& app)
    : CalculatorForm("frmPlungePool", app, 14),
      lblTitle(add<ui::Label>("lblTitle")),
      txtRockSize(addNumericField(MakeField("Ave Rock Size (in.):", "in.", 1, 99, "#0", true, "12",
                                          [this] { return &txtFilterThickness; }),
                                  "txtRockSize")),
      txtFilterThickness(addNumericField(MakeField("Filter Thickness (in.):", "in.", 1, 99, "#0", true, "9",
                                                 [this] { return &txtPipeDia; }),
                                         "txtFilterThickness")),
      txtPipeDia(addNumericField(MakeField("Diameter of Pipe (in.):", "in.", 1, 99, "#0", true, "30",
                                         [this] { return &txtPipeQ; }),
                                 "txtPipeDia")),
      txtPipeQ(addNumericField(MakeField("Maximum Pipe Q (cfs.):", "cfs", 1, 999, "##0", true, "100",
                                       [this] { return &txtPipeSlope; }),
                               "txtPipeQ")),
      txtPipeSlope(addNumericField(MakeField("Slope of Pipe (ft/ft):", "ft/ft", 0.0001, 1.0, "0.0000",
                                           false, "0.0100", [this] { return txtElev[0]; }),
                                   "txtPipeSlope")),
      txtElev{},
      cboType(add<ui::ComboBox>("cboType")),
      picSketch(add<ui::PictureBox>("picSketch")),
      lblOffset(add<ui::Label>("lblOffset")),
      lblBW(add<ui::Label>("lblBW")),
      lblRipRap(add<ui::Label>("lblRipRap")),
      lblRipRapThickness(add<ui::Label>("lblRipRapThickness")),
      lblFilter(add<ui::Label>("lblFilter")),
      lblSS1(add<ui::Label>("lblSS1")),
      lblSS2(add<ui::Label>("lblSS2")) {
    // The elevations take tenths, as their defaults and format do.
    const char* labels[] = {"Pipe Outlet (ft):", "Channel Flow (ft):", "Channel Grade (ft):"};
    const char* defaults[] = {"102.5", "101.5", "100.0"};
    for (int i = 0; i < 3; ++i)
        txtElev[i] = &addNumericField(
            MakeField(labels[i], "ft", 0.1, 99999.0, "####0.#", false, defaults[i],
                      [this, i]() -> ui::Control* { return i < 2 ? static_cast<ui::Control*>(txtElev[i + 1]) : &cmdCompute; }),
            "txtElev", i);
    // Rock size and filter thickness are checked as whole numbers; their keys take a point.
    fieldOf(txtRockSize).integerOnly = false;
    fieldOf(txtFilterThickness).integerOnly = false;
    // The pool bottom is a result shown among the elevations: locked, and writing it clears nothing.
    txtElev[3] = &add<ui::TextBox>("txtElev", 3);
    txtElev[3]->locked = true;

    setCaption("Plunge Pool");
    lblTitle.setCaption("- Plunge Pool -");
    results = {txtElev[3], &lblOffset, &lblBW, &lblRipRap, &lblRipRapThickness, &lblFilter, &lblSS1, &lblSS2};
    cboType.onClick = [this] {
        ClearPoolResults();
        picSketch.Refresh();
    };
    picSketch.onPaint = [this](ui::Surface& s, double w, double h) { PaintPool(s, w, h, cboType.listIndex() == 1); };

    std::vector<std::vector<ui::LayoutCell>> inputs;
    int i = 0;
    for (auto& f : fields()) {
        auto& label = add<ui::Label>("Label14", i++);
        label.setCaption(f.label);
        f.box->setText(f.defaultText);
        inputs.push_back({{{label.fullName()}}, {{f.box->fullName()}}});
    }
    // The design option chooses the pool's shape: an input, captioned among the results' own.
    const char* resultLabels[][2] = {{"Pool Bottom (ft):", "txtElev(3)"}, {"Design Option:", "cboType"},
                                     {"'x' distance (ft):", "lblOffset"}, {"Pool bottom:", "lblBW"},
                                     {"Rip-rap:", "lblRipRap"}, {"", "lblRipRapThickness"},
                                     {"Filter:", "lblFilter"}, {"", "lblSS1"}, {"", "lblSS2"}};
    std::vector<ui::LayoutRow> results;
    for (auto& [caption, name] : resultLabels) {
        auto& label = add<ui::Label>("Label14", i++);
        label.setCaption(caption);
        (std::string(name) == "cboType" ? inputs : results).push_back({{{label.fullName()}}, {{name}}});
    }
    using namespace ui::page;
    layout.sections = {
        Title({"lblTitle"}),
        Inputs(inputs),
        Picture("picSketch", "Sketch of the plunge pool",
                "Pipe outlet over the pool below the channel; the offset x and the pool bottom"),
        Results(results),
        Commands({"cmdCompute(14)", "cmdPrint(14)", "cmdExit(14)"}),
    };
}

void FrmPlungePool::Form_Load() {
    cboType.clear();
    cboType.addItem("Elliptical");
    cboType.addItem("Rectangular");
    cboType.setListIndex(0);
}

void FrmPlungePool::ClearPoolResults() {
    for (auto* l : {&lblOffset, &lblBW, &lblRipRap, &lblRipRapThickness, &lblFilter, &lblSS1, &lblSS2})
        l->setCaption("");
    txtElev[3]->setText("");
    inputEdited = true;
}

void FrmPlungePool::Compute(bool fromCommand, bool& ok) {
    ComputeFrame frame(*this, fromCommand, ok, fromCommand);
    plunge_pool::Inputs in;
    if (!frame.take(txtRockSize, in.rockIn) || !frame.take(txtFilterThickness, in.filterIn) ||
        !frame.take(txtPipeDia, in.pipeIn) || !frame.take(txtPipeQ, in.q) ||
        !frame.take(txtPipeSlope, in.slope) || !frame.take(*txtElev[0], in.outlet) ||
        !frame.take(*txtElev[1], in.flow) || !frame.take(*txtElev[2], in.grade))
        return;
    in.rectangular = cboType.listIndex() == 1;
    const plunge_pool::Result r = plunge_pool::Compute(in);
    if (r.problem != plunge_pool::Problem::None) {
        // Said in either mode; only the reporting run fails on it.
        ui::TextBox* focus[] = {&txtRockSize, &txtPipeQ, &txtPipeSlope, txtElev[0], txtElev[1]};
        focus[static_cast<int>(plunge_pool::FocusOf(r.problem))]->SetFocus();
        services().MsgBox(plunge_pool::Message(r.problem), "Input Error", ui::MsgIcon::Exclamation);
        ok = !fromCommand;
        return;
    }
    lblOffset.setCaption(FormatNumber(r.offset, "#0.0"));
    lblBW.setCaption(FormatNumber(r.bottomLength, "#0.0") + " x " + FormatNumber(r.bottomWidth, "#0.0") + " ft.");
    lblFilter.setCaption(FormatNumber(r.filter, "##0.0") + " cu. yds.");
    lblRipRapThickness.setCaption(FormatNumber(r.riprapThickness, "#0.0") + " ft. thick");
    lblRipRap.setCaption(FormatNumber(r.riprap, "###0.0") + " cu. yds.");
    txtElev[3]->setText(FormatNumber(r.bottom, "####0.0"));
    lblSS1.setCaption("Side slope with flow  " + FormatNumber(r.slopeWithFlow, "#0") + ":1");
    lblSS2.setCaption("Side slope across flow  " + FormatNumber(r.slopeAcrossFlow, "#0") + ":1");
    inputEdited = false;
}

}  // namespace vado
