#pragma once

#include <array>

#include "shared/calculator_form.h"

namespace vado {

// Manning's equation and the critical depth of a trapezoidal channel.
class FrmTrapezoidal : public CalculatorForm {
  public:
    explicit FrmTrapezoidal(AppContext& app);

    ui::Label& lblTitle;
    ui::PictureBox& pic5pic;
    ui::TextBox& txt5BW;
    ui::TextBox& txt5Depth;
    ui::TextBox& txt5N;
    // The group txt5Slope: member 0 the channel slope, member 1 the side slope entered on the
    // sketch, member 2 a grey box on the sketch that nothing reads or writes.
    ui::TextBox& txt5Slope(int i) const { return *txt5Slope_.at(i); }
    ui::Label& lbl5Width;
    ui::Label& lbl5Slope;
    ui::TextBox& txt5HRadius;
    ui::TextBox& txt5Area;
    ui::TextBox& txt5Capacity;
    ui::TextBox& txt5Velocity;
    ui::TextBox& txt5CritDepth;

    void Compute(bool fromCommand, bool& ok) override;

  protected:
    void Form_Load() override;
    void ClearResults() override { ClearResults(false); }
    // Blanks the five results and, unless keepWidth, the surface width of the sketch.
    void ClearResults(bool keepWidth);

  private:
    std::array<ui::TextBox*, 3> txt5Slope_{};
};

}  // namespace vado
