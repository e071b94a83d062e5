#pragma once

#include <array>

#include "calc/drainage/dry_hydrant.h"
#include "report/report_bodies.h"
#include "shared/calculator_form.h"

namespace vado {

// A dry hydrant: the suction pipe from a pond to the hydrant head a fire truck's pump takes
// water from. The results are drawn on the sketch and printed by the page itself.
class FrmDryHydrant : public CalculatorForm, public report::SelfPrintingBody {
public:
    explicit FrmDryHydrant(AppContext& app);

    ui::Label& lblTitle;
    ui::TextBox& txtWaterNeeded;
    ui::TextBox& txtHzWms;
    std::array<ui::TextBox*, 4> txtElev;
    ui::TextBox& txtPipeLen;
    ui::ComboBox& cboType;
    ui::PictureBox& picSketch;

    bool resultsValid() const { return valid_; }
    const dry_hydrant::Result& result() const { return result_; }
    void ClearHydrantResults();
    void Compute(bool fromCommand, bool& ok) override;
    void PrintResults(report::Destination& d) const override;
    // The sketch: the chosen type's figure, and the results while they are valid.
    void Paint(ui::Surface& s, double width, double height) const;

protected:
    void Form_Load() override;
    void ClearResults() override { ClearHydrantResults(); }

private:
    std::vector<std::string> materials() const;
    dry_hydrant::Result result_;
    double length_ = 0;
    bool valid_ = false;
};

}  // namespace vado
