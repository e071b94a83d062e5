#pragma once

#include <array>

#include "calc/riser/frm_water_control_results.h"
#include "shared/calculator_form.h"

namespace vado {

// An in-line water control structure: an inlet pipe into a box whose stop-log weir holds the
// pool, an outlet pipe on to the tailwater; rated into its table window.
class FrmWaterControl : public CalculatorForm {
public:
    FrmWaterControl(AppContext& app, FrmWaterControlResults& results);

    ui::Label& lblTitle;
    std::array<ui::TextBox*, 6> txtElev;
    std::array<ui::TextBox*, 2> txtPipeLen;
    std::array<ui::TextBox*, 2> txtPipeDia;
    ui::TextBox& txtWeirLen;
    ui::ComboBox& cboInletMat;
    ui::ComboBox& cboOutletMat;
    ui::ComboBox& cboInletType;
    ui::PictureBox& picSketch;

    // A reporting Compute also rates the structure; a quiet one only checks the ranges.
    void Compute(bool fromCommand, bool& ok) override;

protected:
    void Form_Load() override;
    void ClearResults() override {}

private:
    FrmWaterControlResults& results_;
};

}  // namespace vado
