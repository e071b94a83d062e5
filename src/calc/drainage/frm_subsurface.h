#pragma once

#include "calc/drainage/drain_material.h"
#include "shared/calculator_form.h"

namespace vado {

// Mains of a subsurface drainage system, one grid row each: every row gets the smallest
// standard size of the chosen material that carries its drainage.
class FrmSubsurface : public CalculatorForm {
public:
    FrmSubsurface(AppContext& app, const DrainMaterialTable& materials,
                  const StandardDiameterTable& sizes);

    ui::Label& lblTitle;
    ui::ComboBox& cboDrMat;
    ui::ComboBox& cboDC;
    ui::Grid& grdData;
    ui::TextBox& txtCover;  // the overlay that edits the current cell

    // The most data rows the grid takes.
    static constexpr int kMaxMains = 999;

    void Compute(bool fromCommand, bool& ok) override;
    void InitGrid();
    // Removes trailing rows without an ID, grade or acres (never the first data row).
    void TrimEmptyRows();
    // Checks one row: the first bad cell, shown and put under the cursor in reporting mode.
    bool CheckRow(int row, bool report);
    // Every data row in turn but the empty ones, stopping at the first that fails, with messages.
    bool CheckAllRows();

protected:
    void Form_Load() override;
    void ClearResults() override;

private:
    void EnterCell();
    void MoveTo(int row, int col);
    void NextRow(bool toFirstColumn);
    void PreviousRow();
    bool RowIsEmpty(int row) const;
    bool coverKey(int keyCode, int shift);
    // Tab moves one column right (from the acres, on to the next row), Shift+Tab one left; false
    // when the focus is to leave the table instead.
    bool coverTab(bool backwards);

    const DrainMaterialTable& materials_;
    const StandardDiameterTable& sizes_;
    bool editing_ = false;  // the overlay opens on a cell only while set
    bool placing_ = false;  // the overlay is being given a cell's text
    int editRow_ = 2, editCol_ = 0;  // the cell the overlay edits
};

}  // namespace vado
