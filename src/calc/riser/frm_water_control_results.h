#pragma once

#include "shared/app_context.h"
#include "ui/export_offer.h"
#include "ui/form.h"

namespace vado {

// The discharge rating table of a water control structure. Rows accumulate while the window
// stays open: closing it is what starts a fresh table.
class FrmWaterControlResults : public ui::Form {
public:
    explicit FrmWaterControlResults(AppContext& app);

    ui::Grid& grdData;
    ui::CommandButton& cmdCompute;  // carries no action
    ui::CommandButton& cmdPrint;
    ui::CommandButton& cmdExport;
    ui::CommandButton& cmdExit;

    void add_row(double pool, double discharge, double upstream, double downstream,
                 const std::string& status);
    std::string Inconsistency() const override;
    // The table and its report.
    ui::ExportOffer exportOffer();

protected:
    void Form_Load() override;

private:
    AppContext& app_;
    bool firstRow_ = true;
};

}  // namespace vado
