#pragma once

#include <array>

#include "calc/drop/drop_form.h"

namespace vado {

// A straight drop spillway: a rectangular weir notch falling onto a floor.
class FrmStraightDrop : public DropForm {
public:
    FrmStraightDrop(AppContext& app, FrmStageDischarge& window);

    ui::Label& lblTitle;
    ui::TextBox& txt10Width;
    ui::TextBox& txt10Depth;
    std::array<ui::TextBox*, 2> txt10Elev;
    ui::PictureBox& pic10pic;
    ui::Label& lbl10Elev;
    ui::Label& lbl10Capacity;

    void Compute(bool fromCommand, bool& ok) override;

protected:
    void Form_Load() override;
    void ClearResults() override;

private:
    double width_ = 0, depth_ = 0, crest_ = 0;  // as the last computation read them
};

}  // namespace vado
