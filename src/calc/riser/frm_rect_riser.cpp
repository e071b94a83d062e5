#include "calc/riser/frm_rect_riser.h"

#include "calc/riser/pipe_materials.h"
#include "calc/riser/riser_sketches.h"

namespace vado {

FrmRectRiser::FrmRectRiser(AppContext& app, FrmRectRiserResults& results)
    : CalculatorForm("frmRectRiser", app, 19),
      lblTitle(add<ui::Label>("lblTitle")),
      txtLen(addNumericField(MakeField("Riser Length L (ft):", "ft", 1.0, 99.0, "#0.0", false, "12",
                                     [this] { return &txtWidth; }),
                             "txtLen")),
      txtWidth(addNumericField(MakeField("Riser Width W (ft):", "ft", 1.0, 99.0, "#0.0", false, "",
                                       [this] { return txtElev[0]; }),
                               "txtWidth")),
      txtElev{},
      txtPipeLen(addNumericField(MakeField("Pipe Length (ft):", "ft", 1.0, 999, "##0.0", false, "120.0",
                                         [this] { return &txtPipeDia; }),
                                 "txtPipeLen")),
      txtPipeDia(addNumericField(MakeField("Pipe Dia. (In):", "in.", 6, 120, "#0", true, "48",
                                         [this] { return txtElev[4]; }),
                                 "txtPipeDia")),
      cboPipeMat(add<ui::ComboBox>("cboPipeMat")),
      picPlan(add<ui::PictureBox>("picPlan")),
      picSketch(add<ui::PictureBox>("picSketch")),
      results_(results) {
    const char* labels[] = {"Max Pool Elev (ft):", "Weir Elev (ft):", "Inlet Elev (ft):",
                            "Outlet Elev (ft):", "Tailwater Elev (ft):"};
    const char* defaults[] = {"100.0", "95.0", "85.0", "83.0", "82.0"};
    std::function<ui::Control*()> next[] = {
        [this] { return txtElev[1]; }, [this] { return txtElev[2]; }, [this] { return &cboPipeMat; },
        [this] { return &cmdCompute; }, [this] { return txtElev[3]; }};
    for (int i = 0; i < 5; ++i)
        txtElev[i] = &addNumericField(
            MakeField(labels[i], "ft", 0, 99999, "####0.0", false, defaults[i], next[i]), "txtElev", i);

    setCaption("Rectangular Riser Drop Inlet");
    example = {{"txtWidth", "12"}};
    lblTitle.setCaption("- Rectangular Riser Drop Inlet -");
    // Leaving a field checks nothing here: the page computes on Enter and on the commands.
    for (auto& f : fields()) f.box->onValidate = nullptr;
    cboPipeMat.onClick = [this] {
        inputEdited = false;
        bool ok = true;
        RunCompute(false, ok);
    };
    cmdCompute.onClick = [this] {
        cmdCompute_Click();
        if (!this->app().lastComputeFailed) {
            results_.Fill(records_);
            results_.Show();
        }
    };
    // The report prints the window's chart: it is filled from this computation first, from the
    // page's Print and from the window's alike.
    results_.prepareReport = [this] {
        cmdCompute_Click();
        if (this->app().lastComputeFailed) return false;
        results_.Fill(records_);
        return true;
    };
    cmdPrint.onClick = [this] {
        if (results_.prepareReport() && this->app().showReport) this->app().showReport(reportCode());
    };
    picPlan.onPaint = [](ui::Surface& s, double w, double h) { PaintRiserPlan(s, w, h); };
    picSketch.onPaint = [](ui::Surface& s, double w, double h) { PaintRiserSection(s, w, h); };

    std::vector<std::vector<ui::LayoutCell>> inputs;
    int i = 0;
    for (auto& f : fields()) {
        auto& label = add<ui::Label>("Label19", i++);
        label.setCaption(f.label);
        f.box->setText(f.defaultText);
        inputs.push_back({{{label.fullName()}}, {{f.box->fullName()}}});
    }
    auto& materialLabel = add<ui::Label>("Label19", i);
    materialLabel.setCaption("Pipe Material:");
    inputs.push_back({{{materialLabel.fullName()}}, {{"cboPipeMat"}}});
    using namespace ui::page;
    layout.sections = {
        Title({"lblTitle"}),
        Inputs(inputs),
        Picture("picPlan", "Plan of the riser", "Riser length L and width W"),
        Picture("picSketch", "Section through the riser and its pipe",
                "Pool, weir, pipe inlet and outlet and tailwater elevations"),
        Commands({"cmdCompute(19)", "cmdPrint(19)", "cmdExit(19)"}),
    };
}

void FrmRectRiser::Form_Load() {
    cboPipeMat.clear();
    for (const auto& m : kPipeMaterials) cboPipeMat.addItem(m.name, m.nThousandths);
    cboPipeMat.setListIndex(0);
}

void FrmRectRiser::Compute(bool fromCommand, bool& ok) {
    ComputeFrame frame(*this, fromCommand, ok);
    rect_riser::Inputs in;
    if (!frame.take(txtLen, in.length) || !frame.take(txtWidth, in.width) ||
        !frame.take(*txtElev[0], in.maxPool) || !frame.take(*txtElev[1], in.weir) ||
        !frame.take(*txtElev[2], in.inlet) || !frame.take(*txtElev[3], in.outlet) ||
        !frame.take(*txtElev[4], in.tailwater) || !frame.take(txtPipeLen, in.pipeLength) ||
        !frame.take(txtPipeDia, in.pipeDiameterIn))
        return;
    const int k = cboPipeMat.listIndex();
    in.n = (k >= 0 ? cboPipeMat.itemData(k) : kPipeMaterials[0].nThousandths) / 1000.0;
    // These checks speak only in a reporting computation, but fail whenever messages would show.
    if (auto p = rect_riser::Check(in); p != rect_riser::Problem::None) {
        if (fromCommand) services().MsgBox(rect_riser::Message(p), "Input Error", ui::MsgIcon::Exclamation);
        ok = !frame.showMessage();
        return;
    }
    records_ = rect_riser::Rating(in);
}

}  // namespace vado
