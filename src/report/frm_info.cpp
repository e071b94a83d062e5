#include "report/frm_info.h"


#include "report/county_list.h"
#include "shared/side_files.h"

namespace vado::report {

FrmInfo::FrmInfo(ui::Services& services, ReportSources sources)
    : ui::Form("frmInfo", services),
      lblOwnerName(add<ui::Label>("lblOwnerName")),
      txtOwnerName(add<ui::TextBox>("txtOwnerName")),
      lblCounty(add<ui::Label>("lblCounty")),
      cboCounty(add<ui::ComboBox>("cboCounty")),
      lblState(add<ui::Label>("lblState")),
      txtState(add<ui::TextBox>("txtState")),
      lblDesigner(add<ui::Label>("lblDesigner")),
      txtDesigner(add<ui::TextBox>("txtDesigner")),
      lblSite(add<ui::Label>("lblSite")),
      txtSite(add<ui::TextBox>("txtSite")),
      cmdPrint(add<ui::CommandButton>("cmdPrint")),
      cmdCancel(add<ui::CommandButton>("cmdCancel")),
      sources_(std::move(sources)) {
    setCaption("Print Information");
    width = 6000;
    height = 3900;
    lblOwnerName.setCaption("Landowner:");
    lblCounty.setCaption("County:");
    lblState.setCaption("State:");
    lblDesigner.setCaption("Designer:");
    lblSite.setCaption("Site/Reach Identity:");
    cboCounty.style = ui::ComboBox::Style::DropDownCombo;
    cmdPrint.setCaption("&Print");
    cmdPrint.isDefault = true;
    cmdCancel.setCaption("Cancel");
    cmdCancel.isCancel = true;
    cmdPrint.onClick = [this] { cmdPrint_Click(); };
    cmdCancel.onClick = [this] { cmdCancel_Click(); };

    auto row = [](const char* label, const char* field) {
        return std::vector<ui::LayoutCell>{{{label}}, {{field}}};
    };
    layout.sections = {
        {.rows = {row("lblOwnerName", "txtOwnerName"), row("lblCounty", "cboCounty"),
                  row("lblState", "txtState"), row("lblDesigner", "txtDesigner"),
                  row("lblSite", "txtSite")}},
        {.rows = {{{{"cmdPrint"}}, {{"cmdCancel"}}}}, .centered = true},
    };
}

void FrmInfo::Form_Load() {
    cboCounty.clear();
    for (auto& name : LoadCountyList(services().AppFolder())) cboCounty.addItem(name);
}

void FrmInfo::setProjectInfo(const ProjectInfo& info) {
    txtOwnerName.setText(info.owner);
    cboCounty.setText(info.county);
    txtState.setText(info.state);
    txtDesigner.setText(info.designer);
    txtSite.setText(info.site);
}

ProjectInfo FrmInfo::projectInfo() const {
    return {txtOwnerName.text(), cboCounty.text(), txtState.text(), txtDesigner.text(),
            txtSite.text()};
}

void FrmInfo::cmdCancel_Click() { Unload(); }

void FrmInfo::cmdPrint_Click() {
    error_.clear();
    try {
        if (!services().selectPrinter) throw ui::PrintError("no printer is available");
        std::unique_ptr<ui::Printer> printer = services().selectPrinter();
        if (!printer) {
            outcome_ = Outcome::PrinterCancelled;
            Hide();
            return;
        }
        short code = ReportCode;
        ReportJob job{
            .title = sources_.title ? sources_.title(TitleNumber(code)) : std::string(),
            .info = projectInfo(),
            .date = sources_.today ? sources_.today() : LocalToday(),
            .logoFile = FindSideFile(kLogoFile, services().AppFolder()).value_or(""),
            .body = [this, code](Destination& d) { PrintReportBody(code, d, sources_.page, sources_.window); },
        };
        PrintReport(*printer, job);
        outcome_ = Outcome::Printed;
    } catch (const std::exception& e) {
        // The job is already abandoned; a silent failure would look like a finished print.
        outcome_ = Outcome::Failed;
        error_ = e.what();
        services().MsgBox("The report could not be printed: " + error_ + ".", services().AppTitle(),
                          ui::MsgIcon::Exclamation);
    }
    Hide();
}

}  // namespace vado::report
