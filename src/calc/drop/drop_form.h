#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calc/drop/drop_structure.h"
#include "calc/drop/frm_stage_discharge.h"
#include "shared/calculator_form.h"

namespace vado {

// What a rating came to: its rows, or the reason it has none (with the field to go back to),
// and the marker the graph draws, if any.
struct RatingOutcome {
    std::vector<RatingRow> rows;
    std::string problem;
    ui::TextBox* focus = nullptr;
    std::optional<double> marker;
};

// A drop-structure page: a calculator whose "Plot Stage-Disch" command rates the structure into
// the shared stage-discharge window.
class DropForm : public CalculatorForm {
public:
    ui::CommandButton& cmdStageDischarge;

protected:
    DropForm(std::string name, AppContext& app, short number, FrmStageDischarge& window);

    // The fall from crest to floor: a refusal speaks when messages are shown (the focus to the
    // crest field) and then fails only a reporting Compute; unspoken, it counts as success.
    bool FallIsFine(const ComputeFrame& frame, bool fromCommand, bool& ok, double crest,
                    double floor, ui::TextBox& crestField);

    // The rating command: the Compute command, then the whole rating worked out before the window
    // is touched, filled in, the page's results put back by a quiet Compute, the window shown.
    // `failureNote` is shown after a failed Compute when not empty. A rating that cannot be
    // worked out says why, as an input error, and fails like the Compute command.
    void PlotRating(short reportCode, const std::function<RatingOutcome()>& rating,
                    const std::string& failureNote);

    // A refusal of the computation as an input error: shown when messages are, with the focus
    // sent to `focus` when given; it fails a reporting Compute, and counts as success unspoken.
    void Refuse(const ComputeFrame& frame, bool fromCommand, bool& ok, const std::string& message,
                ui::TextBox* focus);

    // The tailwater box: shows and enables the tailwater field and its label, or hides them.
    static void ShowTailwater(const ui::CheckBox& box, ui::TextBox& field, ui::Label& label);

    FrmStageDischarge& stageDischarge_;
};

}  // namespace vado
