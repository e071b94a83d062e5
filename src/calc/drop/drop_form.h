#pragma once

#include <functional>
#include <vector>

#include "calc/drop/drop_structure.h"
#include "calc/drop/frm_stage_discharge.h"
#include "shared/calculator_form.h"

namespace vado {

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
    // `failureNote` is shown after a failed Compute when not empty.
    void PlotRating(short reportCode, const std::function<std::vector<RatingRow>()>& rating,
                    const std::string& failureNote);

    FrmStageDischarge& stageDischarge_;
};

}  // namespace vado
