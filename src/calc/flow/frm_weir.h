#pragma once

#include "calc/flow/two_mode_form.h"

namespace vado {

// Weir flow: Q = C L H^(3/2) for a straight crest or a riser rim.
class FrmWeir : public TwoModeForm {
public:
    explicit FrmWeir(AppContext& app);

    ui::OptionButton& optDiameter = option0;  // opt1Selector(0)
    ui::OptionButton& optLength = option1;    // opt1Selector(1)
    ui::Label& lblLength = sizeLabel;         // Label1(3)
    ui::TextBox& txt1Coeff = coefficient;
    ui::TextBox& txt1Dia = firstSize;
    ui::TextBox& txt1Len = secondSize;
    ui::TextBox& txt1H1 = head;
    ui::Label& lbl1Q = result;

protected:
    void Form_Load() override;
    double Discharge(double c, double size, double h, bool diameter) const override;
    bool blanksBeforeCheck() const override { return true; }
};

}  // namespace vado
