#pragma once

#include <array>

#include "shared/calculator_form.h"

namespace vado {

// A riprap-lined plunge pool below a cantilevered pipe outlet discharging into a channel.
class FrmPlungePool : public CalculatorForm {
public:
    explicit FrmPlungePool(AppContext& app);

    ui::Label& lblTitle;
    ui::TextBox& txtRockSize;
    ui::TextBox& txtFilterThickness;
    ui::TextBox& txtPipeDia;
    ui::TextBox& txtPipeQ;
    ui::TextBox& txtPipeSlope;
    std::array<ui::TextBox*, 4> txtElev;  // index 3, the pool bottom, is a result
    ui::ComboBox& cboType;
    ui::PictureBox& picSketch;
    ui::Label& lblOffset;
    ui::Label& lblBW;
    ui::Label& lblRipRap;
    ui::Label& lblRipRapThickness;
    ui::Label& lblFilter;
    ui::Label& lblSS1;
    ui::Label& lblSS2;

    void ClearPoolResults();
    void Compute(bool fromCommand, bool& ok) override;

protected:
    void Form_Load() override;
    void ClearResults() override { ClearPoolResults(); }
};

}  // namespace vado
