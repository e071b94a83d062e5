#pragma once

#include <memory>

#include "shared/calculator_form.h"
#include "shared/reference_dialogs.h"

namespace vado {

// Manning's equation for a circular conduit flowing part full, with an empirical critical depth.
class FrmCircular : public CalculatorForm {
  public:
    explicit FrmCircular(AppContext& app);

    ui::Label& lblTitle;
    ui::PictureBox& pic3pic;
    ui::TextBox& txt3Dia;
    ui::TextBox& txt3Depth;
    ui::TextBox& txt3Slope;
    ui::TextBox& txt3Manning;
    ui::CommandButton& cmdManningsNHelp;
    ui::TextBox& txt3Hradius;
    ui::TextBox& txt3Area;
    ui::TextBox& txt3Capacity;
    ui::TextBox& txt3Velocity;
    ui::TextBox& txt3CritDepth;

    void Compute(bool fromCommand, bool& ok) override;

  protected:
    void Form_Load() override { ClearResults(); }
    void ClearResults() override;

  private:
    std::unique_ptr<FrmManningsN> manningsN_;
};

}  // namespace vado
