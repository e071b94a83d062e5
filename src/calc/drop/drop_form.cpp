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
    if (frame.showMessage()) {
        crestField.SetFocus();
        services().MsgBox(drop::Message(fall), "Input Error", ui::MsgIcon::Exclamation);
        ok = !fromCommand;
    } else {
        ok = true;
    }
    return false;
}

void DropForm::PlotRating(short reportCode, const std::function<std::vector<RatingRow>()>& rating,
                          const std::string& failureNote) {
    cmdCompute_Click();
    if (app().lastComputeFailed) {
        if (!failureNote.empty()) services().MsgBox(failureNote, services().AppTitle(), ui::MsgIcon::None);
        return;
    }
    const std::vector<RatingRow> rows = rating();
    stageDischarge_.Fill(reportCode, rows);
    bool ok = true;
    RunCompute(false, ok);
    stageDischarge_.Show();
}

}  // namespace vado
