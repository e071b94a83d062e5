#include "calc/drop/drop_form.h"

namespace vado {

DropForm::DropForm(std::string name, AppContext& app, short number, FrmStageDischarge& window)
    : CalculatorForm(std::move(name), app, number),
      cmdStageDischarge(add<ui::CommandButton>("cmdStageDischarge")),
      stageDischarge_(window) {
    cmdStageDischarge.setCaption("Plot Stage-Disch");
}

bool DropForm::FallIsFine(const ComputeFrame& frame, bool fromCommand, bool& ok, double crest,
                          double floor, ui::TextBox& crestField) {
    const drop::Fall fall = drop::CheckFall(crest, floor);
    if (fall == drop::Fall::Fine) return true;
    Refuse(frame, fromCommand, ok, drop::Message(fall), &crestField);
    return false;
}

void DropForm::Refuse(const ComputeFrame& frame, bool fromCommand, bool& ok,
                      const std::string& message, ui::TextBox* focus) {
    ok = true;
    if (!frame.showMessage()) return;
    if (focus) focus->SetFocus();
    services().MsgBox(message, "Input Error", ui::MsgIcon::Exclamation);
    ok = !fromCommand;
}

void DropForm::ShowTailwater(const ui::CheckBox& box, ui::TextBox& field, ui::Label& label) {
    const bool on = box.value() != 0;
    field.setVisible(on);
    field.setEnabled(on);
    label.setVisible(on);
}

void DropForm::PlotRating(short reportCode, const std::function<RatingOutcome()>& rating,
                          const std::string& failureNote) {
    cmdCompute_Click();
    if (app().lastComputeFailed) {
        if (!failureNote.empty()) services().MsgBox(failureNote, services().AppTitle(), ui::MsgIcon::None);
        return;
    }
    const RatingOutcome outcome = rating();
    if (!outcome.problem.empty()) {
        if (outcome.focus) outcome.focus->SetFocus();
        services().MsgBox(outcome.problem, "Input Error", ui::MsgIcon::Exclamation);
        app().lastComputeFailed = true;
        return;
    }
    stageDischarge_.Fill(reportCode, outcome.rows);
    if (outcome.marker) {
        stageDischarge_.MarkerOn = true;
        stageDischarge_.MarkerValue = *outcome.marker;
    }
    bool ok = true;
    RunCompute(false, ok);
    stageDischarge_.Show();
}

}  // namespace vado
