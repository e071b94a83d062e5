#include "app/frm_vado.h"

#include "shared/help.h"
#include "ui/surface.h"

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
    cmdHelp.onClick = [this] { OpenHelpFile("index", services()); };
    Image1.onPaint = [](ui::Surface& s, double w, double h) {
        // The agency mark: its initials over three waves of water.
        s.setFontSize(s.FontSize() * 2);
        s.setFontBold(true);
        const std::string mark = "QLBS";
        s.setCurrentX((w - s.TextWidth(mark)) / 2);
        s.setCurrentY(h * 0.15);
        s.PrintInline(mark);
        s.setFontBold(false);
        s.setFontSize(s.FontSize() / 2);
        for (int row = 0; row < 3; ++row) {
            const double y = h * (0.62 + 0.1 * row), amp = h * 0.03, step = w / 24;
            for (double x = w * 0.15; x + step <= w * 0.85; x += step)
                s.Line(x, y + (static_cast<int>(x / step) % 2 ? amp : -amp), x + step,
                       y + (static_cast<int>(x / step) % 2 ? -amp : amp));
        }
    };
    cmdExit.onClick = [this] { services().Quit(); };
    using namespace ui::page;
    layout.sections = {
        {.frame = "fraPage",
         .rows = {{{{"Image1"}}}, {{{"lblProductName"}}}, {{{"lblVersion"}}}, {{{"lbl0Info"}}}},
         .centered = true,
         .role = ui::Role::Plain,
         .column = ui::Column::Across,
         .name = "QLBS logo"},
        Commands({"cmdHelp", "cmdExit"}),
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
