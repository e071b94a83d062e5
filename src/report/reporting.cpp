#include "report/reporting.h"

namespace vado::report {

Reporting::Reporting(AppContext& app, ReportSources sources)
    : app_(app), sources_(std::move(sources)) {}

void Reporting::showReport(short reportCode) {
    // An unloaded dialog is replaced here, outside its own Cancel handler.
    if (!info_ || !info_->loaded()) info_ = std::make_unique<FrmInfo>(app_.services, sources_);
    info_->ReportCode = reportCode;
    info_->ShowModal();
}

std::shared_ptr<Reporting> InstallReporting(AppContext& app, ReportSources sources) {
    auto reporting = std::make_shared<Reporting>(app, std::move(sources));
    app.showReport = [reporting](short code) { reporting->showReport(code); };
    return reporting;
}

}  // namespace vado::report
