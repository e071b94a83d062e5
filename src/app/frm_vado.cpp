#include "app/frm_vado.h"

#include "shared/help.h"

namespace vado {

FrmVado::FrmVado(AppContext& app)
    : CatalogueForm("frmVado", app),
      fraPage(add<ui::Frame>("fraPage")),
      Image1(add<ui::PictureBox>("Image1")),
      lblProductName(add<ui::Label>("lblProductName")),
      lblVersion(add<ui::Label>("lblVersion")),
      cmdHelp(add<ui::CommandButton>("cmdHelp")),
      cmdExit(add<ui::CommandButton>("cmdExit")),
      lbl0Info(add<ui::Label>("lbl0Info")) {
    setCaption("QLBS " + services().AppTitle());
    cmdHelp.setCaption("&View Program Documentation");
    cmdExit.setCaption("E&xit");
    lbl0Info.setCaption("Hydraulic design aids for small structures.");
    cmdHelp.onClick = [this] { OpenHelpFile("Vado", services()); };
    cmdExit.onClick = [this] { services().Quit(); };
    layout.sections = {
        {.frame = "fraPage",
         .rows = {{{{"Image1"}}}, {{{"lblProductName"}}}, {{{"lblVersion"}}}, {{{"lbl0Info"}}}},
         .centered = true},
        {.rows = {{{{"cmdHelp"}}, {{"cmdExit"}}}}, .centered = true},
    };
}

void FrmVado::Form_Load() {
    lbl0Info.setVisible(false);
    lblVersion.setCaption("Version " + std::to_string(ui::Services::kVersionMajor) + "." +
                          std::to_string(ui::Services::kVersionMinor) + "." +
                          std::to_string(ui::Services::kVersionRevision));
    lblProductName.setCaption(services().AppTitle());
}

FrmPending::FrmPending(AppContext& app, std::string name, std::string title, short catalogueNumber)
    : CatalogueForm(std::move(name), app),
      lblTitle(add<ui::Label>("lblTitle")),
      lblNote(add<ui::Label>("lblNote")),
      cmdExit(add<ui::CommandButton>("cmdExit", catalogueNumber)) {
    lblTitle.setCaption(title);
    lblNote.setCaption("This calculator is not available in this release.");
    cmdExit.setCaption("E&xit");
    cmdExit.onClick = [this] { services().Quit(); };
    layout.sections = {
        {.rows = {{{{"lblTitle"}}}, {{{"lblNote"}}}}, .centered = true},
        {.rows = {{{{"cmdExit(" + std::to_string(catalogueNumber) + ")"}}}}, .centered = true},
    };
}

}  // namespace vado
