#pragma once

#include <array>

#include "calc/drop/box_inlet.h"
#include "calc/drop/drop_form.h"

namespace vado {

// A box-inlet drop spillway: an open box set into the channel, its crest a weir on three sides.
class FrmBoxInlet : public DropForm {
public:
    FrmBoxInlet(AppContext& app, FrmStageDischarge& window);

    ui::Label& lblTitle;
    ui::TextBox& txt11Depth;
    ui::TextBox& txt11Width;
    ui::TextBox& txt11Breadth;
    std::array<ui::TextBox*, 2> txt11Elev;
    ui::PictureBox& pic11pic;
    ui::Label& lbl11Capacity;
    ui::Label& lbl11Width;
    ui::Label& lbl11Elev;

    void Compute(bool fromCommand, bool& ok) override;

protected:
    void Form_Load() override;
    void ClearResults() override;

private:
    box_inlet::Box box_;  // as the last computation read them
    double depth_ = 0;
};

}  // namespace vado
