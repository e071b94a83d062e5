#pragma once

#include <array>
#include <vector>

#include "calc/mensuration/mensuration.h"
#include "shared/calculator_form.h"

namespace vado {

// Lengths, areas and volumes of fourteen plane figures and solids, one frame each. Where a
// figure has interchangeable dimensions the field being edited is the known one and the other is
// computed and written back.
class FrmMensuration : public CalculatorForm {
public:
    explicit FrmMensuration(AppContext& app);

    static constexpr int kFigures = 14;
    ui::ComboBox& cboFormula;
    std::array<ui::Frame*, kFigures> frmFormula;
    std::array<ui::PictureBox*, kFigures> picImage;
    // Each figure's formulas drawn as mathematics (the circle has none); the labels
    // lblFormula(n) keep them as text.
    std::array<ui::PictureBox*, kFigures> picMath{};
    ui::PictureBox& pic9Angle;

    // The input fields of a figure, in their order (the active-field index is the position).
    const std::vector<ui::TextBox*>& inputs(int figure) const { return inputs_[figure]; }
    // The labels a figure writes its results into.
    const std::vector<ui::Label*>& outputs(int figure) const { return outputs_[figure]; }
    int activeField() const { return active_; }
    bool resultsValid() const { return valid_; }

    void Compute(bool fromCommand, bool& ok) override;
    void ComputeFigure(int figure, bool report, bool& ok);

    // The sketches, drawn on any surface.
    void PaintFigure(int figure, ui::Surface& s, double width, double height) const;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void ClearResults() override {}

private:
    ui::TextBox& input(int figure, int position) const { return *inputs_[figure][position]; }
    ui::Label& out(int figure, int position) const { return *outputs_[figure][position]; }
    bool take(int figure, int position, bool report, double& v);
    bool number(int figure, int position, bool report, double& v);
    void writeBack(int figure, int position, double v, const char* format = "##0.00");
    bool solve(int figure, bool report);
    void blank(int figure);
    void showFigure(int figure);

    std::array<std::vector<ui::TextBox*>, kFigures> inputs_;
    std::array<std::vector<ui::Label*>, kFigures> outputs_;
    int active_ = 0;
    bool typing_ = false;
    bool valid_ = false;
    int depth_ = 0;
    int failures_ = 0;
    mensuration::RightTriangle right_;
    mensuration::ObliqueTriangle oblique_;
    mensuration::Parallelogram parallelogram_;
};

}  // namespace vado
