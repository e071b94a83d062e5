#include <QApplication>
#include <QStringList>
#include <vector>

#include "app/main_module.h"
#include "app/project_file.h"
#include "shared/help.h"
#include "ui/qt/document_menu.h"
#include "ui/qt/gallery.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_printer.h"
#include "ui/qt/qt_services.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vadocalc");

    ui::qt::QtServices services;
    vado::MainModule module(services);
    module.SubMain();

    ui::qt::MainWindow window(
        std::vector<ui::Form*>(module.FormList.begin(), module.FormList.end()), services);
    services.selectPrinter = [&window] { return ui::qt::ChooseQtPrinter(&window); };
    window.onHelp = [&services](ui::Form& page) { vado::OpenHelpFile(page.name(), services); };
    const std::string freshProject = vado::project::Save(module);
    ui::qt::InstallDocumentMenu(
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
    window.show();

    if (const auto status = ui::qt::TakePictures(QApplication::arguments(), window)) return *status;
    return app.exec();
}
