#include "calc/drop/frm_stage_discharge.h"

#include "shared/number_format.h"
#include "shared/rating_grid.h"

namespace vado {

FrmStageDischarge::FrmStageDischarge(AppContext& app)
    : ui::Form("frmStageDischarge", app.services),
      fraPage(add<ui::Frame>("fraPage")),
      grdData(add<ui::Grid>("grdData")),
      picGraph(add<ui::PictureBox>("picGraph")),
      cmdPrint(add<ui::CommandButton>("cmdPrint")),
      cmdExport(add<ui::CommandButton>(ui::kExportCommand)),
      cmdExit(add<ui::CommandButton>("cmdExit")),
      app_(app) {
    setCaption("Stage Discharge Results");
    width = 11400;
    height = 6600;
    cmdPrint.setCaption("&Print");
    cmdExport.setCaption("&Export\u2026");
    cmdExit.setCaption("Close");
    grdData.container = picGraph.container = "fraPage";
    grdData.fixedRows = 2;
    grdData.setCols(2);
    grdData.setFormatString("^ Elevation  |^  Discharge");

    picGraph.onPaint = [this](ui::Surface& s, double w, double h) {
        if (graphReady_) DrawTheGraph(s, 0, 0, static_cast<long>(w), static_cast<long>(h), false);
    };
    CopySelectionOnCtrlC(grdData, services());
    cmdPrint.onClick = [this] { cmdPrint_Click(); };
    cmdExport.onClick = [this] { OfferExport(services(), exportOffer()); };
    cmdExit.onClick = [this] { Unload(); };

    layout.sections = {
        {.frame = "fraPage", .rows = {{{{"grdData"}, 2}, {{"picGraph"}, 3}}}, .stretch = true},
        {.rows = {{{{"cmdPrint"}}, {{"cmdExport"}}, {{"cmdExit"}}}}, .centered = true},
    };
}

void FrmStageDischarge::Form_Load() {
    grdData.setRows(3);
    grdData.setTextMatrix(1, 0, "");
    grdData.setTextMatrix(1, 1, "CFS");
    grdData.setTextMatrix(2, 0, "");
    grdData.setTextMatrix(2, 1, "");
    graphReady_ = false;
    MarkerOn = false;
    picGraph.Refresh();
}

void FrmStageDischarge::addData(int i, double elevation, double discharge) {
    grdData.setRows(i + 2);
    grdData.setTextMatrix(i + 1, 0, FormatNumber(elevation, "####0.0"));
    grdData.setTextMatrix(i + 1, 1, FormatNumber(discharge, "####0.00"));
}

void FrmStageDischarge::doneAddingData() {
    if (grdData.rows() >= 4) graphReady_ = true;
    picGraph.Refresh();
}

void FrmStageDischarge::Fill(short reportCode, const std::vector<RatingRow>& rows) {
    Load();
    ReportCode = reportCode;
    Form_Load();
    for (size_t i = 0; i < rows.size(); ++i)
        addData(static_cast<int>(i) + 1, rows[i].elevation, rows[i].discharge);
    doneAddingData();
}

void FrmStageDischarge::DrawTheGraph(ui::Surface& target, long left, long top, long width,
                                     long height, bool printing) const {
    DrawRatingGraph(target, grdData, 0, 1, left, top, width, height, printing, MarkerValue,
                    MarkerOn);
}

std::string FrmStageDischarge::Inconsistency() const {
    if (grdData.rows() < 3) return "the table lost its data row";
    if (graphReady_ && grdData.rows() < 4) return "a graph over fewer than two rows";
    for (int row = 2; row < grdData.rows(); ++row)
        for (int c = 0; c < 2; ++c) {
            const std::string& t = grdData.textMatrix(row, c);
            if (graphReady_ ? !ParseReal(t) : !t.empty() && !ParseReal(t))
                return "cell (" + std::to_string(row) + "," + std::to_string(c) + ") holds \"" + t +
                       "\"";
        }
    return {};
}

ui::ExportOffer FrmStageDischarge::exportOffer() {
    ui::ExportOffer offer{.baseName = "stage-discharge",
                          .tableCsv = [this] { return TableCsv(grdData); },
                          .graphView = &picGraph};
    if (graphReady_)
        offer.graph = [this](ui::Surface& s, double w, double h) {
            DrawTheGraph(s, 0, 0, static_cast<long>(w), static_cast<long>(h), false);
        };
    if (!app_.lastComputeFailed) offer.report = [this] { clickButton(cmdPrint); };
    return offer;
}

void FrmStageDischarge::cmdPrint_Click() {
    if (app_.lastComputeFailed) return;
    if (app_.showReport) app_.showReport(ReportCode);
}

}  // namespace vado
