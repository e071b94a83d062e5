#pragma once

#include <array>

#include "calc/riser/frm_rect_riser_results.h"
#include "calc/riser/rect_riser.h"
#include "shared/calculator_form.h"

namespace vado {

// A rectangular riser (an open box whose rim is a weir) on a circular barrel, rated from the
// weir up to the maximum pool into its results window.
class FrmRectRiser : public CalculatorForm {
public:
    FrmRectRiser(AppContext& app, FrmRectRiserResults& results);

    ui::Label& lblTitle;
    ui::TextBox& txtLen;
    ui::TextBox& txtWidth;
    std::array<ui::TextBox*, 5> txtElev;
    ui::TextBox& txtPipeLen;
    ui::TextBox& txtPipeDia;
    ui::ComboBox& cboPipeMat;
    ui::PictureBox& picPlan;
    ui::PictureBox& picSketch;

    void Compute(bool fromCommand, bool& ok) override;
    // The records of the last successful computation.
    const std::vector<RectRiserFlow>& records() const { return records_; }

protected:
    void Form_Load() override;
    void ClearResults() override {}

private:
    FrmRectRiserResults& results_;
    std::vector<RectRiserFlow> records_;
};

}  // namespace vado
