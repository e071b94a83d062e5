#pragma once

#include <memory>
#include <optional>

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

    // The entries a report would be headed with: the dialog's, or those a project file brought
    // before the dialog was first opened.
    ProjectInfo projectInfo() const;
    // Entries from a project file: into the dialog when it is open, else into the next one.
    void setProjectInfo(const ProjectInfo& info);

  private:
    AppContext& app_;
    ReportSources sources_;
    std::unique_ptr<FrmInfo> info_;
    std::optional<ProjectInfo> pending_;
};

// Installs the report layer as the application's showReport.
std::shared_ptr<Reporting> InstallReporting(AppContext& app, ReportSources sources);

}  // namespace vado::report
