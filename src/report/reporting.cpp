#include "report/reporting.h"

namespace vado::report {

Reporting::Reporting(AppContext& app, ReportSources sources)
    : app_(app), sources_(std::move(sources)) {}

void Reporting::showReport(short reportCode) {
    // An unloaded dialog is replaced here, outside its own Cancel handler.
    if (!info_ || !info_->loaded()) {
        info_ = std::make_unique<FrmInfo>(app_.services, sources_);
        if (pending_) {
            info_->Load();
            info_->setProjectInfo(*pending_);
            pending_.reset();
        }
    }
    info_->ReportCode = reportCode;
    info_->ShowModal();
}

ProjectInfo Reporting::projectInfo() const {
    if (pending_) return *pending_;
    if (info_ && info_->loaded()) return info_->projectInfo();
    return {};
}

void Reporting::setProjectInfo(const ProjectInfo& info) {
    if (info_ && info_->loaded()) {
        info_->setProjectInfo(info);
        pending_.reset();
    } else {
        pending_ = info;
    }
}

std::shared_ptr<Reporting> InstallReporting(AppContext& app, ReportSources sources) {
    auto reporting = std::make_shared<Reporting>(app, std::move(sources));
    app.showReport = [reporting](short code) { reporting->showReport(code); };
    return reporting;
}

}  // namespace vado::report
