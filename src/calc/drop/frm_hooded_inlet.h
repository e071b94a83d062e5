#pragma once

#include <array>
#include <memory>

#include "calc/drop/drop_form.h"
#include "calc/drop/hooded_inlet.h"
#include "shared/reference_dialogs.h"

namespace vado {

// A hooded-inlet pipe spillway through an embankment.
class FrmHoodedInlet : public DropForm {
public:
    FrmHoodedInlet(AppContext& app, FrmStageDischarge& window);

    ui::Label& lblTitle;
    ui::TextBox& txt9N;
    ui::TextBox& txt9Width;
    std::array<ui::TextBox*, 2> txt9ss;
    ui::TextBox& txt9Dia;
    ui::TextBox& txt9Extra;
    std::array<ui::TextBox*, 6> txt9Elev;
    ui::CheckBox& ck9Tailwater;
    ui::CommandButton& cmdManningsNHelp;
    ui::PictureBox& pic9pic;
    ui::Label& lbl9Capacity;
    ui::Label& lbl9Length;
    ui::Label& lbl9Controls;
    ui::Label& lbl9Spill;
    ui::Label& lbl9Error;

    void Compute(bool fromCommand, bool& ok) override;

protected:
    void Form_Load() override;
    void ClearResults() override;

private:
    ui::Label& tailwaterLabel() const;
    hooded_inlet::Inputs in_;  // as the last computation read them
    double length_ = 0;
    std::unique_ptr<FrmManningsN> manningsN_;
};

}  // namespace vado
