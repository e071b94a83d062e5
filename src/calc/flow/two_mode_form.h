#pragma once

#include <array>
#include <string>
#include <vector>

#include "shared/calculator_form.h"

namespace vado {

// What tells one two-mode formula page from another: control names, captions, fields.
struct TwoModeLayout {
    std::string selector;     // option group, e.g. "opt1Selector"
    std::string labelGroup;   // indexed field labels, e.g. "Label1"
    int sizeLabelIndex;       // the member in front of the size field
    std::string resultLabel;  // "lbl1Q"
    std::string infoLabel;    // the design note, hidden at load
    std::string title;
    std::string firstOption, secondOption;
    std::string firstSizeLabel, secondSizeLabel;
    std::string designSizeLabel;  // the size label's caption until the first mode change
    std::string coefficientLabel, headLabel;
    std::string formula, formulaExponent;
    // The formula as the page draws it (see shared/formula.h), one line each.
    std::vector<std::string> formulaMath;
    std::string info;
    // Fields by name: coefficient, first size, second size, head (the field's own `next` is
    // set here: coefficient -> current size -> head -> Compute).
    std::array<std::pair<std::string, NumericField>, 4> fields;
};

// A formula page of three fields whose middle one is one of two sizes, chosen with a two-button
// selector inside a "Specify:" frame; both sizes share one place and only the current one shows.
class TwoModeForm : public CalculatorForm {
public:
    TwoModeForm(AppContext& app, const std::string& name, short number, const TwoModeLayout& l);

    bool firstMode() const { return option0.value(); }
    void Compute(bool fromCommand, bool& ok) override;

    ui::Label& lblTitle;
    ui::Frame& fraSelector;
    ui::OptionButton& option0;
    ui::OptionButton& option1;
    ui::Label& coefficientLabel;
    ui::Label& sizeLabel;
    ui::Label& headLabel;
    ui::TextBox& coefficient;
    ui::TextBox& firstSize;
    ui::TextBox& secondSize;
    ui::TextBox& head;
    ui::Label& lblFormula;
    ui::Label& lblFormulaExp;
    ui::PictureBox& picFormula;
    ui::Label& result;
    ui::Label& info;

protected:
    // Shows the size field of the mode, with its label when `relabel`.
    void applyMode(bool first, bool relabel);
    void ClearResults() override;
    // The discharge in cfs from the coefficient, the size of the current mode and the head.
    virtual double Discharge(double c, double size, double h, bool first) const = 0;
    // Whether Compute blanks the result before it checks the fields.
    virtual bool blanksBeforeCheck() const = 0;

private:
    void selector_Click(int index);
    ui::TextBox& addField(const TwoModeLayout& l, int i, std::function<ui::Control*()> next);
    std::string firstSizeLabel_, secondSizeLabel_;
};

}  // namespace vado
