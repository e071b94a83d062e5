#include "calc/riser/frm_water_control_results.h"

#include "shared/number_format.h"
#include "shared/rating_grid.h"

namespace vado {

FrmWaterControlResults::FrmWaterControlResults(AppContext& app)
    : ui::Form("frmWaterControlResults", app.services),
      grdData(add<ui::Grid>("grdData")),
      cmdCompute(add<ui::CommandButton>("cmdCompute")),
      cmdPrint(add<ui::CommandButton>("cmdPrint")),
      cmdExport(add<ui::CommandButton>(ui::kExportCommand)),
      cmdExit(add<ui::CommandButton>("cmdExit")),
      app_(app) {
    setCaption("WCS Discharge Rating Table");
    width = 11400;
    height = 6600;
    cmdCompute.setCaption("&Compute");
    cmdPrint.setCaption("&Print");
    cmdExport.setCaption("&Export\u2026");
    cmdExit.setCaption("Close");
    grdData.fixedRows = 2;
    // The report pairs the page's inputs with their own rating, never with an older one: the
    // page computes first when the last series is not theirs, and a failed Compute prints nothing.
    cmdPrint.onClick = [this] {
        if (prepareReport && !prepareReport()) return;
        if (app_.showReport) app_.showReport(118);
    };
    cmdExport.onClick = [this] { OfferExport(services(), exportOffer()); };
    cmdExit.onClick = [this] { Unload(); };
    layout.sections = {
        {.rows = {{{{"grdData"}}}}, .stretch = true},
        {.rows = {{{{"cmdCompute"}}, {{"cmdPrint"}}, {{"cmdExport"}}, {{"cmdExit"}}}},
         .centered = true},
    };
}

void FrmWaterControlResults::Form_Load() {
    grdData.setRows(3);
    grdData.setCols(5);
    grdData.setFormatString(
        "^XXXXXXXXXXX|^XXXXXXXXXXX|^XXXXXXXXXXXXX|^XXXXXXXXXXXXX|^XXXXXXXXXXXXXXXXXXXXXXXXXXXX");
    const char* headers[2][5] = {
        {"Pool Elevation", "Discharge", "Water Elevation", "Water Elevation", ""},
        {"", "CFS", "Over Weir", "DS of Weir", ""}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 5; ++c) grdData.setTextMatrix(r, c, headers[r][c]);
    for (int c = 0; c < 5; ++c) grdData.setTextMatrix(2, c, "");
    firstRow_ = true;
    seriesStart_ = 2;
    seriesInputs_.clear();
}

void FrmWaterControlResults::BeginSeries(std::string inputs) {
    seriesStart_ = firstRow_ ? 2 : grdData.rows();
    seriesInputs_ = std::move(inputs);
}

void FrmWaterControlResults::add_row(double pool, double discharge, double upstream,
                                     double downstream, const std::string& status) {
    int row = grdData.rows();
    if (firstRow_) {
        firstRow_ = false;
        row = 2;
    } else {
        grdData.setRows(row + 1);
    }
    grdData.setTextMatrix(row, 0, FormatNumber(pool, "####0.00"));
    grdData.setTextMatrix(row, 1, FormatNumber(discharge, "##0.00"));
    grdData.setTextMatrix(row, 2, FormatNumber(upstream, "####0.0"));
    grdData.setTextMatrix(row, 3, FormatNumber(downstream, "####0.00"));
    grdData.setTextMatrix(row, 4, status);
}

ui::ExportOffer FrmWaterControlResults::exportOffer() {
    return {.baseName = "wcs-rating",
            .tableCsv = [this] { return TableCsv(grdData); },
            .report = [this] { clickButton(cmdPrint); }};
}

std::string FrmWaterControlResults::Inconsistency() const {
    for (int row = firstRow_ ? 3 : 2; row < grdData.rows(); ++row)
        for (int c = 0; c < 4; ++c)
            if (!ParseReal(grdData.textMatrix(row, c)))
                return "cell (" + std::to_string(row) + "," + std::to_string(c) +
                       ") holds no number";
    return {};
}

}  // namespace vado
