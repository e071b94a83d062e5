#pragma once

#include <array>

#include "calc/drainage/drain_material.h"
#include "shared/calculator_form.h"

namespace vado {

// The orifice in a surface inlet riser that lets into a subsurface main only what the main can
// carry beyond its own drainage.
class FrmSurfaceInlet : public CalculatorForm {
public:
    FrmSurfaceInlet(AppContext& app, const DrainMaterialTable& materials);

    ui::Label& lblTitle;
    ui::Frame& fraMain;
    ui::TextBox& txt12Main;
    ui::TextBox& txt12Slope;
    ui::TextBox& txt12Acres;
    std::array<ui::TextBox*, 2> txt12Elev;
    ui::ComboBox& cbo12DrMat;
    ui::ComboBox& cbo12DC;
    ui::PictureBox& pic12pic;
    ui::Label& lbl12N;
    ui::Label& lbl12Orifice;
    ui::Label& lbl12Capacity;
    ui::Label& lbl12DaOrf;
    ui::Label& lbl12DbOrf;

    // The n of the main from the table, shown in lbl12N: the label is the cache Compute reads.
    void ShowManningN();
    void Compute(bool fromCommand, bool& ok) override;

protected:
    void Form_Load() override;
    void ClearResults() override;

private:
    void refuse(bool fromCommand, bool& ok, const char* message, ui::TextBox& focus);
    const DrainMaterialTable& materials_;
};

}  // namespace vado
