#pragma once

#include <vector>

#include "report/report_bodies.h"
#include "shared/app_context.h"
#include "ui/export_offer.h"
#include "ui/form.h"

namespace vado {

// One row of a stage-discharge rating: water-surface elevation (ft) and discharge (cfs).
struct RatingRow {
    double elevation = 0;
    double discharge = 0;
};

// The rating window the four drop structures share: a two-column table (the only store of the
// rating, as formatted text) and the graph drawn from that text.
class FrmStageDischarge : public ui::Form, public report::GraphSource {
public:
    explicit FrmStageDischarge(AppContext& app);

    ui::Frame& fraPage;
    ui::Grid& grdData;
    ui::PictureBox& picGraph;
    ui::CommandButton& cmdPrint;
    ui::CommandButton& cmdExport;
    ui::CommandButton& cmdExit;

    // Set by the calculator before the window is shown: 108 pipe drop, 109 hooded inlet, 110
    // straight drop, 111 box inlet.
    short ReportCode = 0;
    double MarkerValue = 0;
    bool MarkerOn = false;
    bool graphReady() const { return graphReady_; }

    // Row i (from 1) of the series; i = 1 cuts the table back to that one row.
    void addData(int i, double elevation, double discharge);
    void doneAddingData();
    // A whole series: the table starts as loaded (one blank row, no graph, no marker), so a
    // series without rows never shows an earlier rating under a new report code.
    void Fill(short reportCode, const std::vector<RatingRow>& rows);

    void DrawTheGraph(ui::Surface& target, long left, long top, long width, long height,
                      bool printing) const override;
    std::string Inconsistency() const override;

    void cmdPrint_Click();
    // The rating as a table, its graph once drawn, and its report while the last Compute stands.
    ui::ExportOffer exportOffer();

protected:
    void Form_Load() override;

private:
    AppContext& app_;
    bool graphReady_ = false;
};

}  // namespace vado
