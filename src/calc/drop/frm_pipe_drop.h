#pragma once

#include <array>
#include <memory>

#include "calc/drop/drop_form.h"
#include "calc/drop/pipe_drop.h"
#include "shared/reference_dialogs.h"

namespace vado {

// A pipe drop spillway: a vertical riser joined at its base to a barrel under the embankment.
class FrmPipeDrop : public DropForm {
public:
    FrmPipeDrop(AppContext& app, FrmStageDischarge& window);

    ui::Label& lblTitle;
    ui::TextBox& txt8N;
    ui::TextBox& txt8Width;
    std::array<ui::TextBox*, 2> txt8ss;
    std::array<ui::TextBox*, 2> txt8Diam;
    ui::TextBox& txt8extra;
    std::array<ui::TextBox*, 7> txt8Elev;
    ui::CheckBox& ck8Tailwater;
    ui::CommandButton& cmdManningsNHelp;
    ui::PictureBox& pic8pic;
    ui::Label& lbl8Capacity;
    ui::Label& lbl8Length;
    ui::Label& lbl8Height;
    ui::Label& lbl8Controls;
    ui::Label& lbl8Spill;
    ui::Label& lbl8Problem;

    void Compute(bool fromCommand, bool& ok) override;

protected:
    void Form_Load() override;
    void ClearResults() override;

private:
    ui::Label& tailwaterLabel() const;
    ui::TextBox* focusField(pipe_drop::Field f) const;
    pipe_drop::Inputs in_;  // as the last computation read them
    double length_ = 0;
    std::unique_ptr<FrmManningsN> manningsN_;
};

}  // namespace vado
