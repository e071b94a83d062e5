#pragma once

#include <memory>

#include "shared/calculator_form.h"
#include "shared/reference_dialogs.h"

namespace vado {

// Full pipe flow with entrance, bend and friction losses.
class FrmPipeFlow : public CalculatorForm {
public:
    explicit FrmPipeFlow(AppContext& app);

    ui::Label& lblTitle;
    ui::TextBox& txt6N;
    ui::TextBox& txt6Ke;
    ui::TextBox& txt6Kb;
    ui::TextBox& txt6Diameter;
    ui::TextBox& txt6Head;
    ui::TextBox& txt6Length;
    ui::Label& lbl6Q;
    ui::Label& lbl6Velocity;
    ui::Label& lbl6Friction;
    ui::Label& lbl6MaxFall;
    ui::CommandButton& cmdManningsNHelp;
    ui::CommandButton& cmdKeHelp;
    // The formula drawn as mathematics; the labels lblFormula(0..9) keep its old pieces.
    ui::PictureBox& picFormula;

    void Compute(bool fromCommand, bool& ok) override;

protected:
    void Form_Load() override;
    void ClearResults() override;

private:
    std::unique_ptr<FrmManningsN> manningsN_;
    std::unique_ptr<FrmKeHelp> keHelp_;
};

}  // namespace vado
