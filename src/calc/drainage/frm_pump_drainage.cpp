#include "calc/drainage/frm_pump_drainage.h"

#include <cmath>

#include "calc/drainage/drainage.h"
#include "calc/drainage/drainage_sketches.h"
#include "calc/drainage/pump_drainage.h"
#include "shared/number_format.h"

namespace vado {

FrmPumpDrainage::FrmPumpDrainage(AppContext& app)
    : CalculatorForm("frmPumpDrainage", app, 16),
      lblTitle(add<ui::Label>("lblTitle")),
      txtAcres(addNumericField(MakeField("Acres Drained:", "acres", 1, 10000, "##0", true, "10",
                                       [this] { return &cboDC; }),
                               "txtAcres")),
      txtElev{},
      txtSumpArea(addNumericField(MakeField("Sump Area:", "sq ft", 1.0, 500.0, "##0.0", false, "",
                                          [] { return static_cast<ui::Control*>(nullptr); }),
                                  "txtSumpArea")),
      cboDC(add<ui::ComboBox>("cboDC")),
      cboFfactor(add<ui::ComboBox>("cboFfactor")),
      cboCPH(add<ui::ComboBox>("cboCPH")),
      cboCalc(add<ui::ComboBox>("cboCalc")),
      picSump(add<ui::PictureBox>("picSump")),
      lblSumpDim1(add<ui::Label>("lblSumpDim1")),
      lblSumpDia(add<ui::Label>("lblSumpDia")),
      lblSumpDim2(add<ui::Label>("lblSumpDim2")),
      lblSumpSquare(add<ui::Label>("lblSumpSquare")) {
    // The elevations take tenths: their format and results are in tenths, and a computed stop
    // of 99.3 has to be typed back.
    const char* labels[] = {"Inlet:", "Outlet:", "Start:", "Stop:"};
    for (int i = 0; i < 4; ++i)
        txtElev[i] = &addNumericField(
            MakeField(labels[i], "ft", 0, 99999.0, "####0.0", false, "",
                      [this, i]() -> ui::Control* { return i < 3 ? static_cast<ui::Control*>(txtElev[i + 1]) : &cmdCompute; }),
            "txtElev", i);

    setCaption("Pump Drainage");
    lblTitle.setCaption("- Pump Drainage -");
    lblSumpDim1.setCaption("Sump Dimensions:");
    lblSumpDim2.setCaption("or");
    results = {&txtSumpArea, txtElev[3], &lblSumpDia, &lblSumpSquare};

    txtAcres.onChange = [this] { SetPumpMode(); };
    for (int i = 0; i < 4; ++i)
        txtElev[i]->onChange = [this, i] {
            // A stop written by the computation (mode 1) resets nothing.
            if (i < 3 || mode() == 0) SetPumpMode();
        };
    // The area typed in mode 1 is an input: an edit drops the stop computed from the old one.
    txtSumpArea.onChange = [this] {
        if (mode() == 1) SetPumpMode();
    };
    for (auto* list : {&cboCalc, &cboCPH, &cboFfactor, &cboDC})
        list->onClick = [this] {
            SetPumpMode();
            bool ok = true;
            RunCompute(false, ok);
        };
    picSump.onPaint = [](ui::Surface& s, double w, double h) { PaintSump(s, w, h); };

    std::vector<ui::LayoutRow> inputs;
    const char* captions[][2] = {{"Acres Drained:", "txtAcres"}, {"Coefficient:", "cboDC"},
                                 {"F (1.0 or 1.2):", "cboFfactor"}, {"Cycles per hour:", "cboCPH"},
                                 {"", "cboCalc"}, {"Inlet:", "txtElev(0)"}, {"Outlet:", "txtElev(1)"},
                                 {"Start:", "txtElev(2)"}, {"Stop:", "txtElev(3)"},
                                 {"Sump Area (sq ft):", "txtSumpArea"}};
    int k = 0;
    for (auto& [caption, name] : captions) {
        auto& label = add<ui::Label>("Label16", k++);
        label.setCaption(caption);
        // The list of what to compute has no caption of its own.
        if (*caption)
            inputs.push_back({{{label.fullName()}}, {{name}}});
        else
            inputs.push_back({{{}, 1, "Compute:"}, {{name}}});
    }
    cboDC.unit = "in./day";
    for (auto& f : fields()) f.box->setText(f.defaultText);
    using namespace ui::page;
    layout.sections = {
        Title({"lblTitle"}),
        Inputs(inputs),
        Picture("picSump", "Sketch of the sump", "Inlet and outlet of the sump, the pump's start and stop levels"),
        Results({{{{"lblSumpDim1"}}, {{"lblSumpDia"}, 1, "... ft diameter"}, {{"lblSumpDim2"}},
                  {{"lblSumpSquare"}, 1, "... ft square"}}}),
        Commands({"cmdCompute(16)", "cmdPrint(16)", "cmdExit(16)"}),
    };
}

void FrmPumpDrainage::Form_Load() {
    cboDC.clear();
    for (const char* c : drainage::kCoefficients) cboDC.addItem(c);
    cboFfactor.clear();
    for (const char* f : {"1.0", "1.2"}) cboFfactor.addItem(f);
    cboCPH.clear();
    for (const char* c : {"6 cycles/hr", "8 cycles/hr", "10 cycles/hr", "12 cycles/hr"}) cboCPH.addItem(c);
    cboCalc.clear();
    cboCalc.addItem("Compute sump size", 0);
    cboCalc.addItem("Compute stop elev", 1);
    cboDC.setListIndex(1);
    cboFfactor.setListIndex(0);
    cboCPH.setListIndex(2);
    cboCalc.setListIndex(0);
    SetPumpMode();
}

void FrmPumpDrainage::MakeResult(ui::TextBox& box, bool result) {
    box.locked = result;
    if (result) box.setText("");
    box.notify();
}

void FrmPumpDrainage::SetPumpMode() {
    const bool stopIsResult = mode() == 1;
    MakeResult(txtSumpArea, !stopIsResult);
    MakeResult(*txtElev[3], stopIsResult);
    lblSumpDim1.setVisible(!stopIsResult);
    lblSumpDim2.setVisible(!stopIsResult);
    lblSumpDia.setCaption("");
    lblSumpSquare.setCaption("");
}

void FrmPumpDrainage::Compute(bool fromCommand, bool& ok) {
    ComputeFrame frame(*this, fromCommand, ok, fromCommand);
    const bool stopIsResult = mode() == 1;
    pump_drainage::Inputs in;
    short acres = 0;
    if (!frame.take(txtAcres, acres) || !frame.take(*txtElev[0], in.inlet) ||
        !frame.take(*txtElev[1], in.outlet) || !frame.take(*txtElev[2], in.start))
        return;
    if (!stopIsResult && !frame.take(*txtElev[3], in.stop)) return;
    if (stopIsResult && !frame.take(txtSumpArea, in.sumpArea)) return;
    ElevInlet = in.inlet;
    ElevStart = in.start;
    elevOutlet_ = in.outlet;
    if (!stopIsResult) elevStop_ = in.stop;
    // The checks send the focus to their field in either mode; only a reporting run speaks.
    if (auto p = pump_drainage::Check(in, !stopIsResult); p != pump_drainage::Problem::None) {
        txtElev[pump_drainage::FocusOf(p)]->SetFocus();
        if (fromCommand) {
            services().MsgBox(pump_drainage::Message(p), "Input Error", ui::MsgIcon::Exclamation);
            ok = false;
        }
        return;
    }
    in.acres = acres;
    in.coefficient = drainage::ParseCoefficient(cboDC.text());
    in.f = ParseReal(cboFfactor.text()).value_or(1.0);
    in.cyclesPerHour = static_cast<int>(ParseReal(cboCPH.text().substr(0, cboCPH.text().find(' '))).value_or(10));
    pumpCap_ = pump_drainage::PumpCapacity(in);
    if (stopIsResult) {
        elevStop_ = pump_drainage::StopElevation(in, pumpCap_);
        txtElev[3]->setText(FormatNumber(elevStop_, "####0.0"));
    } else {
        const double area = pump_drainage::SumpArea(in, pumpCap_);
        txtSumpArea.setText(FormatNumber(area, "##0.0"));
        lblSumpDia.setCaption(FormatNumber(std::sqrt(4 * area / 3.14159265358979), "##0.0") + " ft diameter");
        lblSumpSquare.setCaption(FormatNumber(std::sqrt(area), "##0.0") + " ft square");
    }
    inputEdited = false;
}

}  // namespace vado
