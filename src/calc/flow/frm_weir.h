#pragma once

#include "shared/calculator_form.h"

namespace vado {

// Weir flow: Q = C L H^(3/2) for a straight crest or a riser rim.
class FrmWeir : public CalculatorForm {
public:
    explicit FrmWeir(AppContext& app);

    ui::Label& lblTitle;
    ui::Frame& fraSelector;
    ui::OptionButton& optDiameter;  // opt1Selector(0)
    ui::OptionButton& optLength;    // opt1Selector(1)
    ui::Label& lblCoeff;            // Label1(0)
    ui::Label& lblLength;           // Label1(3), in front of the diameter or the length
    ui::Label& lblHead;             // Label1(2)
    ui::TextBox& txt1Coeff;
    ui::TextBox& txt1Dia;
    ui::TextBox& txt1Len;
    ui::TextBox& txt1H1;
    ui::Label& lblFormula;
    ui::Label& lblFormulaExp;
    ui::Label& lbl1Q;
    ui::Label& lbl1info;

    bool diameterMode() const { return optDiameter.value(); }
    void Compute(bool fromCommand, bool& ok) override;

protected:
    void Form_Load() override;
    void ClearResults() override;

private:
    void opt1Selector_Click(int index);
    // The label in front of the diameter or length and which of the two fields shows.
    void applyMode(bool diameter);
};

}  // namespace vado
