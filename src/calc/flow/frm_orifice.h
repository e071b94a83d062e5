#pragma once

#include "calc/flow/two_mode_form.h"

namespace vado {

// Orifice flow: Q = C a sqrt(2 g h) for a circular orifice or an orifice of given area.
class FrmOrifice : public TwoModeForm {
public:
    explicit FrmOrifice(AppContext& app);

    ui::OptionButton& optDiameter = option0;  // opt2Selector(0)
    ui::OptionButton& optArea = option1;      // opt2Selector(1)
    ui::Label& lblSize = sizeLabel;           // Label2(4)
    ui::TextBox& txt2Coeff = coefficient;
    ui::TextBox& txt2Dia = firstSize;
    ui::TextBox& txt2Area = secondSize;
    ui::TextBox& txt2H = head;
    ui::Label& lbl2Q = result;

protected:
    void Form_Load() override;
    double Discharge(double c, double size, double h, bool diameter) const override;
    bool blanksBeforeCheck() const override { return false; }
};

}  // namespace vado
