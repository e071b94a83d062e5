#include "calc/flow/two_mode_form.h"

#include "shared/formula.h"
#include "shared/number_format.h"

namespace vado {

ui::TextBox& TwoModeForm::addField(const TwoModeLayout& l, int i,
                                   std::function<ui::Control*()> next) {
    NumericField f = l.fields[i].second;
    f.next = std::move(next);
    return addNumericField(std::move(f), l.fields[i].first);
}

TwoModeForm::TwoModeForm(AppContext& app, const std::string& name, short number,
                         const TwoModeLayout& l)
    : CalculatorForm(name, app, number),
      lblTitle(add<ui::Label>("lblTitle")),
      fraSelector(add<ui::Frame>("Frame1")),
      option0(add<ui::OptionButton>(l.selector, 0)),
      option1(add<ui::OptionButton>(l.selector, 1)),
      coefficientLabel(add<ui::Label>(l.labelGroup, 0)),
      sizeLabel(add<ui::Label>(l.labelGroup, l.sizeLabelIndex)),
      headLabel(add<ui::Label>(l.labelGroup, 2)),
      coefficient(addField(l, 0, [this]() -> ui::Control* {
          return firstMode() ? &firstSize : &secondSize;
      })),
      firstSize(addField(l, 1, [this] { return &head; })),
      secondSize(addField(l, 2, [this] { return &head; })),
      head(addField(l, 3, [this] { return &cmdCompute; })),
      lblFormula(add<ui::Label>("lblFormula")),
      lblFormulaExp(add<ui::Label>("lblFormulaExp")),
      picFormula(add<ui::PictureBox>("picFormula")),
      result(add<ui::Label>(l.resultLabel)),
      info(add<ui::Label>(l.infoLabel)),
      firstSizeLabel_(l.firstSizeLabel),
      secondSizeLabel_(l.secondSizeLabel) {
    lblTitle.setCaption(l.title);
    fraSelector.setCaption("Specify:");
    option0.setCaption(l.firstOption);
    option1.setCaption(l.secondOption);
    option0.container = option1.container = fraSelector.name();
    coefficientLabel.setCaption(l.coefficientLabel);
    sizeLabel.setCaption(l.designSizeLabel);
    headLabel.setCaption(l.headLabel);
    lblFormula.setCaption(l.formula);
    lblFormulaExp.setCaption(l.formulaExponent);
    formula::Show(picFormula, l.formulaMath);
    info.setCaption(l.info);
    results = {&result};
    for (auto& f : fields()) f.box->setText(f.defaultText);
    option0.setValue(true);
    option0.onClick = [this] { selector_Click(0); };
    option1.onClick = [this] { selector_Click(1); };

    using namespace ui::page;
    const std::string n = std::to_string(number);
    layout.sections = {
        Title({"lblTitle"}),
        Inputs({Row({option0.fullName(), option1.fullName()})}, fraSelector.name()),
        Inputs({Row({coefficientLabel.fullName(), coefficient.fullName()}),
                {{{sizeLabel.fullName()}}, {{firstSize.fullName(), secondSize.fullName()}}},
                Row({headLabel.fullName(), head.fullName()})}),
        Picture("picFormula", "Formula", formula::Linear(l.formulaMath)),
        Results({Result(result.fullName(), "Q ="), Result(info.fullName(), "")}),
        Commands({"cmdCompute(" + n + ")", "cmdPrint(" + n + ")", "cmdExit(" + n + ")"}),
    };
}

void TwoModeForm::applyMode(bool first, bool relabel) {
    if (relabel) sizeLabel.setCaption(first ? firstSizeLabel_ : secondSizeLabel_);
    firstSize.setEnabled(first);
    firstSize.setVisible(first);
    secondSize.setEnabled(!first);
    secondSize.setVisible(!first);
}

void TwoModeForm::ClearResults() { result.setCaption(""); }

void TwoModeForm::selector_Click(int index) {
    applyMode(index == 0, true);
    result.setCaption("");
    inputEdited = false;
    bool ok = true;
    RunCompute(false, ok);
}

void TwoModeForm::Compute(bool fromCommand, bool& ok) {
    if (blanksBeforeCheck()) result.setCaption("");
    ComputeFrame frame(*this, fromCommand, ok);
    bool first = firstMode();
    double c = 0, size = 0, h = 0;
    if (!frame.take(coefficient, c) || !frame.take(first ? firstSize : secondSize, size) ||
        !frame.take(head, h))
        return;
    result.setCaption("Q = " + FormatNumber(Discharge(c, size, h, first), "###0.00") + " cfs");
    inputEdited = false;
}

}  // namespace vado
