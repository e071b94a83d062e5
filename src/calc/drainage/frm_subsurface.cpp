#include "calc/drainage/frm_subsurface.h"

#include "calc/drainage/drainage.h"
#include "calc/drainage/subsurface.h"
#include "shared/fields.h"
#include "shared/number_format.h"

namespace vado {

FrmSubsurface::FrmSubsurface(AppContext& app, const DrainMaterialTable& materials,
                             const StandardDiameterTable& sizes)
    : CalculatorForm("frmSubsurface", app, 15),
      lblTitle(add<ui::Label>("lblTitle")),
      cboDrMat(add<ui::ComboBox>("cboDrMat")),
      cboDC(add<ui::ComboBox>("cboDC")),
      grdData(add<ui::Grid>("grdData")),
      txtCover(add<ui::TextBox>("txtCover")),
      materials_(materials),
      sizes_(sizes) {
    setCaption("Subsurface Drainage");
    lblTitle.setCaption("- Subsurface Drain Design -");
    txtCover.setToolTip("For Editing Grid");
    results = {&grdData};
    grdData.fixedRows = 2;
    grdData.editableColumns = 3;
    grdData.maxRows = kMaxMains + 2;
    txtCover.container = "grdData";

    for (auto* list : {&cboDrMat, &cboDC}) {
        list->onClick = [this] {
            ClearResults();
            bool ok = true;
            RunCompute(false, ok);
        };
        // Leaving the table for the lists checks it row by row: never on the overlay taking
        // the focus (that would loop) nor on the commands (their Compute speaks once).
        list->onGotFocus = [this] { CheckAllRows(); };
    }
    grdData.onEnterCell = [this] { EnterCell(); };
    // A cell edited as the overlay edits it (from a script).
    grdData.onCellEdited = [this](int r, int c) {
        grdData.row = r;
        grdData.col = c;
        bool ok = true;
        RunCompute(false, ok);
    };
    txtCover.onChange = [this] {
        if (placing_) return;
        // Into the cell the overlay was opened on, wherever the cursor has been put since.
        grdData.setTextMatrix(editRow_, editCol_, txtCover.text());
        bool ok = true;
        RunCompute(false, ok);
    };
    txtCover.onKeyDown = [this](int keyCode, int shift) { return coverKey(keyCode, shift); };
    txtCover.onKeyPress = [this](std::int16_t& key) {
        if (key == 27) {
            // Escape closes the overlay; what was typed is already in the cell.
            key = 0;
            grdData.SetFocus();
            return;
        }
        if (key == 13) {
            key = 0;
            if (grdData.col < 2)
                MoveTo(grdData.row, grdData.col + 1);
            else
                NextRow(true);
            return;
        }
        if (grdData.col > 0) FilterNumericKey(txtCover, key, false, false, false);
    };
    txtCover.onValidate = [this](bool&) {
        txtCover.setVisible(false);
        txtCover.setEnabled(false);
    };

    auto& material = add<ui::Label>("Label15", 0);
    material.setCaption("Drain Material:");
    auto& coefficient = add<ui::Label>("Label15", 1);
    coefficient.setCaption("Drainage Coefficient:");
    cboDC.unit = "in./day";
    using namespace ui::page;
    layout.sections = {
        Title({"lblTitle"}),
        Inputs({Row({"Label15(0)", "cboDrMat"}), Row({"Label15(1)", "cboDC"})}),
        {.rows = {{{{"grdData"}}}},
         .stretch = true,
         .role = ui::Role::Inputs,
         .column = ui::Column::Across,
         .name = "Drain mains",
         .description = "One main a row: its name, grade and acres; the rest of the row is computed"},
        Commands({"cmdCompute(15)", "cmdPrint(15)", "cmdExit(15)"}),
    };
    cmdPrint.onClick = [this] {
        cmdCompute_Click();
        if (this->app().lastComputeFailed) return;
        TrimEmptyRows();
        if (this->app().showReport) this->app().showReport(reportCode());
    };
}

void FrmSubsurface::Form_Load() {
    cboDrMat.clear();
    for (const auto& name : drainage::MaterialNames(materials_)) cboDrMat.addItem(name);
    cboDC.clear();
    for (const char* c : drainage::kCoefficients) cboDC.addItem(c);
    cboDrMat.setListIndex(4);
    cboDC.setListIndex(1);
    txtCover.setVisible(false);
    txtCover.setEnabled(false);
    grdData.setCols(9);
    grdData.setRows(3);
    // The format string writes row 0: the headers go in after it.
    grdData.setFormatString("^XXXXXXXX|^XXXXXXX|^XXXXXX|^XXXXXXXXXX|^XXXXXXXX|^XXXXXXXXX|^XXXXX|^XXXXXX|^XXXXX");
    const char* headers[2][9] = {
        {"Main", "Grade", "Acres", "Q(cfs)", "Q(cfs)", "Acres", "Size", "n", "vel"},
        {"ID", "(ft/ft)", "(need)", "(need)", "avail", "(avail)", "(in)", "", "(fps)"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 9; ++c) grdData.setTextMatrix(r, c, headers[r][c]);
    InitGrid();
}

void FrmSubsurface::InitGrid() {
    editing_ = false;
    grdData.row = grdData.rowSel = 2;
    grdData.col = grdData.colSel = 0;
    editing_ = true;
}

void FrmSubsurface::ClearResults() {
    for (int r = 2; r < grdData.rows(); ++r)
        for (int c = 3; c < 9; ++c) grdData.setTextMatrix(r, c, "");
}

bool FrmSubsurface::RowIsEmpty(int row) const {
    return grdData.textMatrix(row, 0).empty() && grdData.textMatrix(row, 1).empty() &&
           grdData.textMatrix(row, 2).empty();
}

void FrmSubsurface::TrimEmptyRows() {
    while (grdData.rows() > 3 && RowIsEmpty(grdData.rows() - 1)) grdData.setRows(grdData.rows() - 1);
    if (grdData.row >= grdData.rows()) grdData.row = grdData.rows() - 1;
}

bool FrmSubsurface::CheckRow(int row, bool report) {
    const auto check = subsurface::CheckRow(grdData.textMatrix(row, 0), grdData.textMatrix(row, 1),
                                            grdData.textMatrix(row, 2));
    if (check.problem == subsurface::RowProblem::None) return true;
    if (report) {
        services().MsgBox(subsurface::Message(check.problem), "Input Error", ui::MsgIcon::Exclamation);
        grdData.row = grdData.rowSel = row;
        grdData.col = grdData.colSel = check.column;
        grdData.SetFocus();
        grdData.notify();
    }
    return false;
}

bool FrmSubsurface::CheckAllRows() {
    // An empty row is passed over, as the computation passes over it.
    for (int r = 2; r < grdData.rows(); ++r)
        if (!RowIsEmpty(r) && !CheckRow(r, true)) return false;
    return true;
}

void FrmSubsurface::Compute(bool fromCommand, bool& ok) {
    ok = true;
    const bool wasEditing = editing_;
    editing_ = false;
    const int row = grdData.row, col = grdData.col;
    // Rows the computation does not reach show no results, never an earlier run's.
    ClearResults();
    const double dc = drainage::ParseCoefficient(cboDC.text());
    for (int r = 2; r < grdData.rows(); ++r) {
        // A row emptied or left out between two mains ends nothing: every main below it is sized.
        if (RowIsEmpty(r)) continue;
        if (!CheckRow(r, fromCommand)) {
            ok = false;
            break;
        }
        const double grade = ParseReal(grdData.textMatrix(r, 1)).value_or(0);
        const double acres = ParseReal(grdData.textMatrix(r, 2)).value_or(0);
        const auto m = subsurface::SizeMain(materials_, sizes_, cboDrMat.text(), dc, grade, acres);
        grdData.setTextMatrix(r, 3, FormatNumber(m.qNeed, "#0.00"));
        if (m.outcome == subsurface::Main::Outcome::TooBig) {
            grdData.setTextMatrix(r, 5, "Main");
            grdData.setTextMatrix(r, 6, "too");
            grdData.setTextMatrix(r, 7, "big");
        } else if (m.outcome == subsurface::Main::Outcome::Sized) {
            grdData.setTextMatrix(r, 4, FormatNumber(m.qAvail, "#0.00"));
            grdData.setTextMatrix(r, 5, FormatNumber(m.acresAvail, "##0.0"));
            grdData.setTextMatrix(r, 6, FormatNumber(m.size, "##0"));
            grdData.setTextMatrix(r, 7, FormatNumber(m.n, "0.000"));
            grdData.setTextMatrix(r, 8, FormatNumber(m.velocity, "#0.0"));
        }
    }
    // A failed check in reporting mode leaves the cursor on the cell it names.
    if (ok || !fromCommand) {
        grdData.row = row;
        grdData.col = col;
    }
    editing_ = wasEditing;
}

void FrmSubsurface::EnterCell() {
    if (!editing_ || grdData.row < 2) return;
    if (grdData.col > 2) grdData.col = 2;
    grdData.rowSel = editRow_ = grdData.row;
    grdData.colSel = editCol_ = grdData.col;
    placing_ = true;
    txtCover.setText(grdData.textMatrix(grdData.row, grdData.col));
    placing_ = false;
    txtCover.setEnabled(true);
    txtCover.setVisible(true);
    txtCover.SetFocus();
    grdData.notify();
}

void FrmSubsurface::MoveTo(int row, int col) {
    grdData.row = row;
    grdData.col = col;
    grdData.SetFocus();
    EnterCell();
}

void FrmSubsurface::NextRow(bool toFirstColumn) {
    const int row = grdData.row;
    if (!CheckRow(row, true)) return;
    if (row == grdData.rows() - 1) {
        if (grdData.rows() >= grdData.maxRows) return;
        grdData.setRows(grdData.rows() + 1);
    }
    MoveTo(row + 1, toFirstColumn ? 0 : grdData.col);
}

void FrmSubsurface::PreviousRow() {
    // The first data row has nowhere to go up to: the rows above it are the headers.
    const int row = grdData.row;
    if (row <= 2) return;
    if (row == grdData.rows() - 1 && RowIsEmpty(row)) grdData.setRows(grdData.rows() - 1);
    MoveTo(row - 1, grdData.col);
}

bool FrmSubsurface::coverTab(bool backwards) {
    const int row = grdData.row;
    const bool lastAndEmpty = row == grdData.rows() - 1 && RowIsEmpty(row);
    if (backwards) {
        if (grdData.col > 0) {
            MoveTo(row, grdData.col - 1);
            return true;
        }
        // Column 0 of the first data row: the focus leaves the table backwards.
        if (row <= 2) return false;
        if (lastAndEmpty) grdData.setRows(grdData.rows() - 1);
        MoveTo(row - 1, 2);
        return true;
    }
    // Past the end of the table the focus leaves it, so the keyboard is never held in it.
    if (lastAndEmpty) return false;
    if (grdData.col < 2)
        MoveTo(row, grdData.col + 1);
    else
        NextRow(true);
    return true;
}

bool FrmSubsurface::coverKey(int keyCode, int shift) {
    const int len = static_cast<int>(txtCover.text().size());
    if (keyCode == 9) return coverTab(shift & 1);
    if (shift != 0) return false;
    switch (keyCode) {
        case 37:  // Left
            if (txtCover.selStart() != 0 || grdData.col < 1) return false;
            MoveTo(grdData.row, grdData.col - 1);
            return true;
        case 39:  // Right
            if (grdData.col >= 2 || txtCover.selStart() + txtCover.selLength() != len) return false;
            MoveTo(grdData.row, grdData.col + 1);
            return true;
        case 38:  // Up
            PreviousRow();
            return true;
        case 40:  // Down
            NextRow(false);
            return true;
        default:
            return false;
    }
}

}  // namespace vado
