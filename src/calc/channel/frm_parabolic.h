#pragma once

#include "shared/calculator_form.h"

namespace vado {

// Manning's equation and an estimated critical depth for a parabolic channel.
class FrmParabolic : public CalculatorForm {
  public:
    explicit FrmParabolic(AppContext& app);

    ui::Label& lblTitle;
    ui::Label& lbl4Warning;
    ui::PictureBox& pic4pic;
    ui::TextBox& txt4Width;
    ui::TextBox& txt4depth;
    ui::TextBox& txt4Slope;
    ui::TextBox& txt4N;
    ui::TextBox& txt4Hradius;
    ui::TextBox& txt4Area;
    ui::TextBox& txt4Capacity;
    ui::TextBox& txt4Velocity;
    ui::TextBox& txt4CritDepth;

    void Compute(bool fromCommand, bool& ok) override;

  protected:
    void Form_Load() override { ClearResults(); }
    void ClearResults() override;
};

}  // namespace vado
