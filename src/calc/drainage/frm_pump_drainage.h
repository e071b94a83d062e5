#pragma once

#include <array>

#include "report/report_bodies.h"
#include "shared/calculator_form.h"

namespace vado {

// A pumping plant for a drained area whose outlet lies above the drain inlet: the pump
// capacity, and the sump area between start and stop, or the stop a sump area allows.
class FrmPumpDrainage : public CalculatorForm, public report::PumpValues {
public:
    explicit FrmPumpDrainage(AppContext& app);

    ui::Label& lblTitle;
    ui::TextBox& txtAcres;
    std::array<ui::TextBox*, 4> txtElev;
    ui::TextBox& txtSumpArea;
    ui::ComboBox& cboDC;
    ui::ComboBox& cboFfactor;
    ui::ComboBox& cboCPH;
    ui::ComboBox& cboCalc;
    ui::PictureBox& picSump;
    ui::Label& lblSumpDim1;
    ui::Label& lblSumpDia;
    ui::Label& lblSumpDim2;
    ui::Label& lblSumpSquare;

    // The values of the last computation.
    double ElevInlet = 0, ElevStart = 0;
    double PumpCap() const override { return pumpCap_; }
    double ElevOutlet() const override { return elevOutlet_; }
    double ElevStop() const override { return elevStop_; }

    // Makes the sump area or the stop elevation the result, by the chosen calculation.
    void SetPumpMode();
    void Compute(bool fromCommand, bool& ok) override;

protected:
    void Form_Load() override;
    void ClearResults() override {}

private:
    int mode() const { return cboCalc.listIndex() == 1 ? 1 : 0; }
    static void MakeResult(ui::TextBox& box, bool result);
    double pumpCap_ = 0, elevOutlet_ = 0, elevStop_ = 0;
};

}  // namespace vado
