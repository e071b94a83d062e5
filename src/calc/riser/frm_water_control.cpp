#include "calc/riser/frm_water_control.h"

#include <algorithm>

#include "calc/riser/pipe_materials.h"
#include "calc/riser/riser_sketches.h"
#include "calc/riser/water_control.h"
#include "shared/number_format.h"

namespace vado {

FrmWaterControl::FrmWaterControl(AppContext& app, FrmWaterControlResults& results)
    : CalculatorForm("frmWaterControl", app, 18),
      lblTitle(add<ui::Label>("lblTitle")),
      txtElev{},
      txtPipeLen{},
      txtPipeDia{},
      txtWeirLen(addNumericField(MakeField("Weir Length (in):", "in.", 3, 99, "#0", true, "12",
                                       [this] { return txtElev[3]; }),
                                 "txtWeirLen")),
      cboInletMat(add<ui::ComboBox>("cboInletMat")),
      cboOutletMat(add<ui::ComboBox>("cboOutletMat")),
      cboInletType(add<ui::ComboBox>("cboInletType")),
      picSketch(add<ui::PictureBox>("picSketch")),
      results_(results) {
    const char* labels[] = {"Max. Pool Elev.",        "Pipe Inlet Elev.",  "Weir Elev.",
                            "Structure Invert Elev.", "Outlet Pipe Elev.", "Tailwater Elev."};
    const char* defaults[] = {"100.0", "95.0", "98.0", "95.0", "94.0", "96"};
    std::function<ui::Control*()> next[] = {
        [this] { return &cboInletType; }, [this] { return &cboInletMat; },
        [this] { return &txtWeirLen; },   [this] { return txtPipeLen[1]; },
        [this] { return txtElev[5]; },    [this] { return &cmdCompute; }};
    for (int i = 0; i < 6; ++i)
        txtElev[i] = &addNumericField(
            MakeField(labels[i], "ft", 0, 99999, "####0.0", false, defaults[i], next[i]), "txtElev", i);
    const char* pipe[] = {"Inlet ", "Outlet "};
    const char* lengths[] = {"15.0", "32.0"};
    for (int i = 0; i < 2; ++i) {
        txtPipeLen[i] = &addNumericField(
            MakeField((std::string(pipe[i]) + "Pipe Length").c_str(), "ft", 4, 75, "#0", true, lengths[i],
                      [this, i] { return txtPipeDia[i]; }),
            "txtPipeLen", i);
        txtPipeDia[i] = &addNumericField(
            MakeField((std::string(pipe[i]) + "Pipe Dia").c_str(), "in.", 4, 36, "#0", true, "",
                      [this, i]() -> ui::Control* { return i == 0 ? static_cast<ui::Control*>(txtElev[2]) : &cboOutletMat; }),
            "txtPipeDia", i);
        // A length is checked as a whole number, but its key filter takes a point: "15.0".
        fieldOf(*txtPipeLen[i]).integerOnly = false;
    }

    setCaption("Water Control Structure");
    example = {{"txtPipeDia(0)", "12"}, {"txtPipeDia(1)", "12"}};
    lblTitle.setCaption("- In-Line WCS Discharge Rating Calculator -");
    cboInletType.onClick = [this] {
        inputEdited = false;
        bool ok = true;
        RunCompute(false, ok);
    };
    cmdCompute.onClick = [this] { cmdCompute_Click(); };
    // The window's Print: its last series, when that is of the inputs now; else a new rating.
    results_.prepareReport = [this] {
        if (results_.LastSeriesInputs() == InputsNow()) return true;
        cmdCompute_Click();
        return !this->app().lastComputeFailed;
    };
    picSketch.onPaint = [](ui::Surface& s, double w, double h) { PaintWaterControl(s, w, h); };

    std::vector<std::vector<ui::LayoutCell>> inputs;
    int i = 0;
    for (auto& f : fields()) {
        auto& label = add<ui::Label>("Label18", i++);
        label.setCaption(f.label);
        f.box->setText(f.defaultText);
        inputs.push_back({{{label.fullName()}}, {{f.box->fullName()}}});
    }
    // The weir length, made first, goes below the pipes.
    std::rotate(inputs.begin(), inputs.begin() + 1, inputs.end());
    const char* lists[][2] = {{"Inlet Pipe Material", "cboInletMat"},
                              {"Outlet Pipe Material", "cboOutletMat"},
                              {"Inlet Type", "cboInletType"}};
    for (auto& [caption, name] : lists) {
        auto& label = add<ui::Label>("Label18", i++);
        label.setCaption(caption);
        inputs.push_back({{{label.fullName()}}, {{name}}});
    }
    using namespace ui::page;
    layout.sections = {
        Title({"lblTitle"}),
        Inputs(inputs),
        Picture("picSketch", "Sketch of the water control structure",
                "Inlet pipe into the structure, the weir boards, the outlet pipe and the pool, "
                "structure and tailwater elevations"),
        Commands({"cmdCompute(18)", "cmdPrint(18)", "cmdExit(18)"}),
    };
}

void FrmWaterControl::Form_Load() {
    for (auto* list : {&cboInletMat, &cboOutletMat}) {
        list->clear();
        for (const auto& m : kPipeMaterials) list->addItem(m.name, m.nThousandths);
        list->setListIndex(0);
    }
    // Entrance loss coefficients in tenths.
    cboInletType.clear();
    for (auto [name, tenths] : {std::pair{"Projecting", 11L}, {"Headwall", 5L}, {"Canopy", 9L},
                                {"Mitered to Slope", 5L}})
        cboInletType.addItem(name, tenths);
    cboInletType.setListIndex(0);
}

void FrmWaterControl::Compute(bool fromCommand, bool& ok) {
    ComputeFrame frame(*this, fromCommand, ok);
    water_control::Inputs in;
    double invert = 0;
    if (!frame.take(*txtElev[0], in.maxPool) || !frame.take(*txtElev[1], in.inlet) ||
        !frame.take(*txtElev[2], in.weir) || !frame.take(*txtElev[3], invert) ||
        !frame.take(*txtElev[4], in.outlet) || !frame.take(*txtElev[5], in.tailwater) ||
        !frame.take(*txtPipeLen[0], in.inletLength) || !frame.take(*txtPipeDia[0], in.inletDiameter) ||
        !frame.take(*txtPipeLen[1], in.outletLength) || !frame.take(*txtPipeDia[1], in.outletDiameter) ||
        !frame.take(txtWeirLen, in.weirLength))
        return;
    if (!fromCommand) return;
    if (auto p = water_control::Check(in); p != water_control::Problem::None) {
        services().MsgBox(water_control::Message(p), "Input Error", ui::MsgIcon::Exclamation);
        ok = false;
        return;
    }
    // A tailwater below the outlet pipe's working level is raised to it, and the rating goes on.
    if (const double minimum = water_control::MinimumTailwater(in); in.tailwater < minimum) {
        in.tailwater = minimum;
        txtElev[5]->setText(FormatNumber(minimum, "####0.0"));
        services().MsgBox("The tailwater elevation was adjusted up to the minimum elevation.",
                          "Input Error", ui::MsgIcon::Exclamation);
    }
    auto material = [](const ui::ComboBox& c) {
        return (c.listIndex() >= 0 ? c.itemData(c.listIndex()) : kPipeMaterials[0].nThousandths) / 1000.0;
    };
    in.nInlet = material(cboInletMat);
    in.nOutlet = material(cboOutletMat);
    in.ke = (cboInletType.listIndex() >= 0 ? cboInletType.itemData(cboInletType.listIndex()) : 11) / 10.0;
    results_.Load();
    results_.BeginSeries(InputsNow());
    for (const auto& r : water_control::Rating(in))
        results_.add_row(r.pool, r.discharge, r.upstream, r.downstream, r.status);
    results_.Show();
}

}  // namespace vado
