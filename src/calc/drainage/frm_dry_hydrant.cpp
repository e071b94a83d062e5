#include "calc/drainage/frm_dry_hydrant.h"

#include "report/destination.h"
#include "shared/number_format.h"
#include "shared/sketch.h"

namespace vado {

FrmDryHydrant::FrmDryHydrant(AppContext& app)
    : CalculatorForm("frmDryHydrant", app, 17),
      lblTitle(add<ui::Label>("lblTitle")),
      txtWaterNeeded(addNumericField(MakeField("Water Needed (gal./min.):", "gpm", 0.0001, 2000.0,
                                             "####0.0", false, "500", [this] { return &txtHzWms; }),
                                     "txtWaterNeeded")),
      txtHzWms(addNumericField(MakeField("Hz-Wms Coef:", "", 0.0001, 2000.0, "####0.0", false, "150",
                                       [this] { return txtElev[0]; }),
                               "txtHzWms")),
      txtElev{},
      txtPipeLen(addNumericField(MakeField("Pipe Length (ft):", "ft", 0.0001, 1000.0, "####0.0", false,
                                         "50", [this] { return &txtWaterNeeded; }),
                                 "txtPipeLen")),
      cboType(add<ui::ComboBox>("cboType")),
      picSketch(add<ui::PictureBox>("picSketch")) {
    const char* labels[] = {"Pump Elev:", "Hydrant Elev:", "Normal Water Elev.:", "Inlet Elev.:"};
    for (int i = 0; i < 4; ++i)
        txtElev[i] = &addNumericField(
            MakeField(labels[i], "ft", 0, 99999.0, "####0.0", false, "",
                      [this, i]() -> ui::Control* { return i < 3 ? static_cast<ui::Control*>(txtElev[i + 1]) : &cmdCompute; }),
            "txtElev", i);
    setCaption("Dry Hydrant");
    lblTitle.setCaption("- Dry Hydrant -");
    results = {&picSketch};
    picSketch.minimumWidth = 7200;
    picSketch.minimumHeight = 6600;
    // Another type has other fittings: a result drawn for the last type would not fit it.
    cboType.onClick = [this] { ClearHydrantResults(); };
    picSketch.onPaint = [this](ui::Surface& s, double w, double h) { Paint(s, w, h); };

    std::vector<std::vector<ui::LayoutCell>> inputs;
    int i = 0;
    for (auto& f : fields()) {
        auto& label = add<ui::Label>("Label17", i++);
        label.setCaption(f.label);
        f.box->setText(f.defaultText);
        inputs.push_back({{{label.fullName()}}, {{f.box->fullName()}}});
    }
    auto& type = add<ui::Label>("Label17", i);
    type.setCaption("Design Type:");
    inputs.push_back({{{type.fullName()}}, {{"cboType"}}});
    using namespace ui::page;
    layout.sections = {
        Title({"lblTitle"}),
        Inputs(inputs),
        Picture("picSketch", "Sketch of the dry hydrant",
                "Hydrant head on the bank, the suction pipe down to its strainer in the pond; after "
                "Compute, the total head loss and the materials required"),
        Commands({"cmdCompute(17)", "cmdPrint(17)", "cmdExit(17)"}),
    };
}

void FrmDryHydrant::Form_Load() {
    cboType.clear();
    for (const char* t : {"1", "2", "3"}) cboType.addItem(t);
    cboType.setListIndex(0);
    valid_ = false;
}

void FrmDryHydrant::ClearHydrantResults() {
    valid_ = false;
    inputEdited = true;
    picSketch.Refresh();
}

void FrmDryHydrant::Compute(bool fromCommand, bool& ok) {
    valid_ = false;
    picSketch.Refresh();
    ComputeFrame frame(*this, fromCommand, ok, fromCommand);
    dry_hydrant::Inputs in;
    if (!frame.take(txtWaterNeeded, in.q) || !frame.take(txtHzWms, in.c) ||
        !frame.take(*txtElev[0], in.pump) || !frame.take(*txtElev[1], in.hydrant) ||
        !frame.take(*txtElev[2], in.water) || !frame.take(*txtElev[3], in.inlet) ||
        !frame.take(txtPipeLen, in.length))
        return;
    in.type = std::max(0, cboType.listIndex());
    result_ = dry_hydrant::Compute(in);
    length_ = in.length;
    if (result_.problem != dry_hydrant::Problem::None) {
        // Quietly these end without a word, so no field is held without a message.
        if (fromCommand) {
            services().MsgBox(dry_hydrant::Message(result_.problem), "Input Error", ui::MsgIcon::Exclamation);
            ok = false;
        }
        return;
    }
    valid_ = true;
    inputEdited = false;
    picSketch.Refresh();
}

std::vector<std::string> FrmDryHydrant::materials() const {
    return dry_hydrant::Materials(std::max(0, cboType.listIndex()), result_.size, result_.standpipe, length_);
}

void FrmDryHydrant::PrintResults(report::Destination& d) const {
    // Each label takes two of the six columns: "Elevation of center of inlet" is wider than one.
    auto line = [&d](const std::string& label, const std::string& value) {
        d.add6tline(label, "", value, "", "", "");
    };
    d.add3tline("Design Parameters:", "", "");
    line("Water available at", txtWaterNeeded.text() + " gpm.");
    line("Total system head loss", FormatNumber(result_.head, "#0.0") + " ft.");
    line("Pipe Hazen-Wms. Coefficient", txtHzWms.text());
    d.SkipLine();
    const char* elevations[] = {"Elevation of pump", "Elevation of hydrant", "Elevation of normal water",
                                "Elevation of center of inlet"};
    for (int i = 0; i < 4; ++i) line(elevations[i], txtElev[i]->text());
    d.SkipLine();
    d.add3tline("Bill of Materials:", "", "");
    for (const auto& line : materials()) d.AddLine(line);
}

void FrmDryHydrant::Paint(ui::Surface& s, double width, double height) const {
    if (width <= 0 || height <= 0) return;
    // With results the figure takes the upper part of the picture and they the lower; without,
    // the figure has the whole picture.
    const SketchScale k{width / 200, height * (valid_ ? 0.55 : 0.9) / 100};
    auto label = [&](long x, long y, const std::string& text) {
        ScaledMoveTo(s, k, x, y);
        s.PrintInline(text);
    };
    const int type = std::max(0, cboType.listIndex());
    // Bank, pond and the suction line from the strainer up to the hydrant head.
    ScaledLine(s, k, 5, 30, 60, 30);      // ground at the hydrant
    ScaledLine(s, k, 60, 30, 110, 75);    // bank down to the pond
    ScaledLine(s, k, 95, 55, 195, 55);    // normal water
    ScaledLine(s, k, 105, 65, 195, 65);   // low water
    ScaledLine(s, k, 110, 75, 195, 75);   // pond bottom
    ScaledLine(s, k, 30, 15, 30, 30);     // hydrant riser above ground
    if (type == 0) {
        ScaledLine(s, k, 30, 30, 30, 70);     // vertical standpipe
        ScaledLine(s, k, 30, 70, 170, 70);    // intake pipe through the bank (90 deg. elbow)
    } else if (type == 1) {
        ScaledLine(s, k, 30, 30, 30, 40);     // short vertical drop
        ScaledLine(s, k, 30, 40, 60, 70);     // 45 deg. run
        ScaledLine(s, k, 60, 70, 170, 70);
    } else {
        ScaledLine(s, k, 30, 30, 70, 70);     // 45 deg. standpipe all the way
        ScaledLine(s, k, 70, 70, 170, 70);
    }
    ScaledLine(s, k, 170, 66, 185, 66);       // strainer
    ScaledLine(s, k, 170, 74, 185, 74);
    ScaledLine(s, k, 185, 66, 185, 74);
    label(35, 12, type == 0 ? "90 deg. head" : "45 deg. head");
    label(34, 21, "Hydrant Elev");
    label(120, 48, "Normal Water Elev.");
    label(120, 58, "Low Water Level");
    label(150, 78, "Inlet Elev.");
    label(188, 62, "2'");
    if (!valid_) return;
    double y = height * 0.6;
    auto line = [&](const std::string& text) {
        s.setCurrentX(5 * k.x);
        s.setCurrentY(y);
        s.PrintInline(text);
        y += s.TextHeight(text);
    };
    line("Total head loss: " + FormatNumber(result_.head, "##0.0") + " ft.");
    line("Materials Required:");
    for (const auto& material : materials()) line(material);
}

}  // namespace vado
