#pragma once

#include <memory>

#include "report/frm_info.h"
#include "shared/app_context.h"

namespace vado::report {

// Owns the project-information dialog: created on first use, created afresh after Cancel
// unloaded it (so its entries are gone and the county list is read again), kept hidden with
// its entries after a print.
class Reporting {
  public:
    Reporting(AppContext& app, ReportSources sources);

    // What a page's Print command does once its Compute succeeded.
    void showReport(short reportCode);
    // The dialog, when it exists.
    FrmInfo* dialog() const { return info_.get(); }

  private:
    AppContext& app_;
    ReportSources sources_;
    std::unique_ptr<FrmInfo> info_;
};

// Installs the report layer as the application's showReport.
std::shared_ptr<Reporting> InstallReporting(AppContext& app, ReportSources sources);

}  // namespace vado::report
