#pragma once

#include <functional>

#include "report/report_bodies.h"
#include "shared/app_context.h"
#include "ui/export_offer.h"
#include "ui/form.h"

namespace vado {

// The discharge rating table of a water control structure. Rows accumulate while the window
// stays open: closing it is what starts a fresh table. A report prints only the last series.
class FrmWaterControlResults : public ui::Form, public report::SeriesSource {
public:
    explicit FrmWaterControlResults(AppContext& app);

    ui::Grid& grdData;
    ui::CommandButton& cmdCompute;  // carries no action
    ui::CommandButton& cmdPrint;
    ui::CommandButton& cmdExport;
    ui::CommandButton& cmdExit;

    // The rows added after this are one rating, of the inputs `inputs` describes.
    void BeginSeries(std::string inputs);
    void add_row(double pool, double discharge, double upstream, double downstream,
                 const std::string& status);
    int LastSeriesFirstRow() const override { return seriesStart_; }
    // The inputs of the last series ("" before the first).
    const std::string& LastSeriesInputs() const { return seriesInputs_; }
    // Run before the window's report: true when the last series is that of the page's inputs
    // now, rating them first when it is not; false when there is nothing true to print.
    std::function<bool()> prepareReport;
    std::string Inconsistency() const override;
    // The table and its report.
    ui::ExportOffer exportOffer();

protected:
    void Form_Load() override;

private:
    AppContext& app_;
    bool firstRow_ = true;
    int seriesStart_ = 2;
    std::string seriesInputs_;
};

}  // namespace vado
