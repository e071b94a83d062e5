#include <QApplication>
#include <QFile>
#include <QStringList>
#include <iostream>
#include <vector>

#include "app/desktop_options.h"
#include "app/main_module.h"
#include "app/page_exports.h"
#include "app/project_file.h"
#include "shared/help.h"
#include "shared/side_files.h"
#include "ui/qt/app_identity.h"
#include "ui/qt/document_menu.h"
#include "ui/qt/export_dialog.h"
#include "ui/qt/export_menu.h"
#include "ui/qt/gallery.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_printer.h"
#include "ui/qt/qt_services.h"

int main(int argc, char** argv) {
    const vado::DesktopOptions options = vado::ParseDesktopArgs({argv + 1, argv + argc});
    if (options.action != vado::DesktopOptions::Action::Run)
        return vado::AnswerWithoutWindow(options, vado::ProgramFolder(argv[0]), std::cout, std::cerr);
    QApplication app(argc, argv);
    ui::qt::SetAppIdentity();

    ui::qt::QtServices services;
    vado::MainModule module(services);
    module.SubMain();

    ui::qt::MainWindow window(
        std::vector<ui::Form*>(module.FormList.begin(), module.FormList.end()), services);
    services.selectPrinter = [&window] { return ui::qt::ChooseQtPrinter(&window); };
    window.onHelp = [&services](ui::Form& page) { vado::OpenHelpFile(page.name(), services); };
    const std::string freshProject = vado::project::Save(module);
    const auto openProject = ui::qt::InstallDocumentMenu(
        window,
        {.text = [&module] { return vado::project::Save(module); },
         .inputs = [&module] { return vado::project::Save(module, false); },
         .load = [&module](const std::string& text, std::string& notice) {
             const vado::project::Loaded loaded = vado::project::Load(module, text);
             if (loaded.ok && !loaded.skipped.empty()) notice = vado::project::SkippedNotice(loaded.skipped);
             return loaded.ok ? std::string() : loaded.error;
         },
         .fresh = [freshProject] { return freshProject; },
         .print = [&module] {
             ui::Form& page = *module.FormList[module.CurrentForm];
             for (auto& c : page.controls())
                 if (c->kind() == ui::Kind::CommandButton && c->name() == "cmdPrint")
                     return page.clickButton(static_cast<ui::CommandButton&>(*c));
         },
         .documentation = [&services] { vado::OpenHelpFile("index", services); },
         .extension = vado::project::kExtension});
    ui::qt::InstallExportDialog(services);
    ui::qt::InstallExportMenu(window, services,
                              {.print = [&module] { vado::ClickPrint(module); },
                               .tableCsv = [&module] { return vado::PageTableCsv(module); },
                               .baseName = [&module] { return vado::PageFileName(module); },
                               .resultsText = [&module] { return vado::PageText(module); }});
    window.show();
    if (!options.projectFile.empty()) openProject(QFile::decodeName(options.projectFile.c_str()));

    if (const auto status = ui::qt::TakePictures(QApplication::arguments(), window)) return *status;
    return app.exec();
}
