#pragma once

#include <array>
#include <functional>
#include <string>

#include "report/print_job.h"
#include "report/report_bodies.h"
#include "ui/form.h"

namespace vado::report {

// What the report layer needs from the application: the report titles, the catalogue pages the
// bodies read and the day of printing.
struct ReportSources {
    std::function<std::string(short catalogueNumber)> title;
    PageLookup page;
    WindowLookup window;
    std::function<Date()> today = LocalToday;
};

inline constexpr const char* kLogoFile = "qlbs_print.bmp";

// The names of the dialog's entry fields, top to bottom.
inline constexpr std::array<const char*, 5> kInfoFields = {"txtOwnerName", "cboCounty", "txtState",
                                                           "txtDesigner", "txtSite"};

// The project-information dialog: who and where the design is for. Its Print button runs the
// print job for ReportCode on a printer the person chooses.
class FrmInfo : public ui::Form {
  public:
    FrmInfo(ui::Services& services, ReportSources sources);

    ui::Label& lblOwnerName;
    ui::TextBox& txtOwnerName;
    ui::Label& lblCounty;
    ui::ComboBox& cboCounty;
    ui::Label& lblState;
    ui::TextBox& txtState;
    ui::Label& lblDesigner;
    ui::TextBox& txtDesigner;
    ui::Label& lblSite;
    ui::TextBox& txtSite;
    ui::CommandButton& cmdPrint;
    ui::CommandButton& cmdCancel;

    // Set by the calling page before the dialog is shown.
    short ReportCode = 0;

    enum class Outcome { None, Printed, PrinterCancelled, Failed };
    // How the last Print ended, and why it failed.
    Outcome lastOutcome() const { return outcome_; }
    const std::string& lastError() const { return error_; }

    void cmdPrint_Click();
    void cmdCancel_Click();

    ProjectInfo projectInfo() const;
    void setProjectInfo(const ProjectInfo& info);

  protected:
    void Form_Load() override;

  private:
    ReportSources sources_;
    Outcome outcome_ = Outcome::None;
    std::string error_;
};

}  // namespace vado::report
