#pragma once

#include <array>
#include <memory>

#include "calc/flow/coefficient.h"
#include "shared/calculator_form.h"
#include "shared/reference_dialogs.h"

namespace vado {

// A circular culvert with a submerged inlet, under inlet and under outlet control.
class FrmCulvertFlow : public CalculatorForm {
public:
    FrmCulvertFlow(AppContext& app, const InletCoefficientTable& inletTypes);

    ui::Label& lblTitle;
    ui::TextBox& txt7N;
    ui::TextBox& txt7Length;
    ui::TextBox& txt7Diam;
    std::array<ui::TextBox*, 4> txt7Elev;
    ui::ComboBox& cbo7Entrance;
    ui::PictureBox& pic7pic;
    ui::Label& lbl7Controls;
    ui::Label& lbl7Capacity;
    ui::CommandButton& cmdManningsNHelp;

    void Compute(bool fromCommand, bool& ok) override;

protected:
    void Form_Load() override;
    void ClearResults() override;

private:
    const InletCoefficientTable& inletTypes_;
    std::unique_ptr<FrmManningsN> manningsN_;
};

}  // namespace vado
