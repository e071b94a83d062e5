#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QStringList>
#include <cstdio>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

#include "app/desktop_options.h"
#include "app/main_module.h"
#include "app/page_exports.h"
#include "app/project_file.h"
#include "app/recovery.h"
#include "shared/help.h"
#include "shared/side_files.h"
#include "ui/qt/app_identity.h"
#include "ui/qt/app_style.h"
#include "ui/qt/document_menu.h"
#include "ui/qt/export_dialog.h"
#include "ui/qt/export_menu.h"
#include "ui/qt/gallery.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_printer.h"
#include "ui/qt/qt_services.h"
#include "ui/qt/settings.h"

int main(int argc, char** argv) {
    const vado::DesktopOptions options = vado::ParseDesktopArgs({argv + 1, argv + argc});
    if (options.action != vado::DesktopOptions::Action::Run) {
        // Not <iostream>: its static initialiser would set up the C++ locales on every start,
        // which the window never uses.
        std::ostringstream out, err;
        const int code = vado::AnswerWithoutWindow(options, vado::ProgramFolder(argv[0]), out, err);
        std::fputs(out.str().c_str(), stdout);
        std::fputs(err.str().c_str(), stderr);
        return code;
    }
    QApplication app(argc, argv);
    ui::qt::SetAppIdentity();
    ui::qt::InstallAppStyle();

    ui::qt::Settings settings;
    if (options.resetSettings) settings.clear();
    // A picture run shows the window at its default size, keeps no work and asks nothing.
    const bool pictures = QApplication::arguments().contains("--screenshot");
    std::optional<vado::recovery::Session> recovery;
    if (!pictures) recovery.emplace(vado::recovery::DefaultFolder());

    ui::qt::QtServices services;
    vado::MainModule module(services);
    module.SubMain();

    ui::qt::MainWindow window(
        std::vector<ui::Form*>(module.FormList.begin(), module.FormList.end()), services);
    services.selectPrinter = [&window] { return ui::qt::ChooseQtPrinter(&window); };
    window.onHelp = [&services](ui::Form& page) { vado::OpenHelpFile(page.name(), services); };
    ui::qt::DocumentMenu& menu = ui::qt::InstallDocumentMenu(
        window,
        {.text = [&module] { return vado::project::Save(module); },
         .inputs = [&module] { return vado::project::Save(module, false); },
         .load = [&module](const std::string& text, std::string& notice) {
             const vado::project::Loaded loaded = vado::project::Load(module, text);
             if (loaded.ok && !loaded.skipped.empty()) notice = vado::project::SkippedNotice(loaded.skipped);
             return loaded.ok ? std::string() : loaded.error;
         },
         // A new project is what a program just started holds (made when asked for, so that
         // start-up does not pay for it).
         .fresh = [] {
             ui::HeadlessServices headless;
             vado::MainModule fresh(headless);
             fresh.SubMain();
             return vado::project::Save(fresh);
         },
         .print = [&module] { vado::ClickPrint(module); },
         .canPrint = [&module] { return vado::PrintCommand(module) != nullptr; },
         .documentation = [&services] { vado::OpenHelpFile("index", services); },
         .extension = vado::project::kExtension,
         .keep = [&recovery, told = false](const std::string& text) mutable {
             std::string why;
             if (!recovery || recovery->keep(text, why) || std::exchange(told, true)) return;
             qWarning("vadocalc: unsaved work cannot be kept in %s: %s", recovery->file().c_str(),
                      why.c_str());
         },
         .drop = [&recovery] { if (recovery) recovery->drop(); }},
        &settings);
    ui::qt::InstallExportDialog(services);
    ui::qt::InstallExportMenu(window, services,
                              {.print = [&module] { vado::ClickPrint(module); },
                               .tableCsv = [&module] { return vado::PageTableCsv(module); },
                               .baseName = [&module] { return vado::PageFileName(module); },
                               .resultsText = [&module] { return vado::PageText(module); }});
    if (!pictures) ui::qt::RememberGeometry(window, settings);
    window.show();
    if (!options.projectFile.empty())
        menu.openFile(QFile::decodeName(options.projectFile.c_str()));
    // After the project asked for: work restored replaces a file that is safe on disk.
    if (recovery)
        vado::recovery::OfferLeftOvers(
            *recovery,
            [&](const vado::recovery::LeftOver& work) {
                using vado::recovery::Choice;
                const std::optional<bool> restore = ui::qt::AskToRestore(&window, work.keptAt);
                return !restore ? Choice::Later : *restore ? Choice::Restore : Choice::Discard;
            },
            [&](const std::string& text) { return menu.restoreUnsaved(text); },
            [&](const std::string& message) {
                QMessageBox::warning(&window, "Vadocalc", QString::fromStdString(message));
            });

    if (const auto status = ui::qt::TakePictures(QApplication::arguments(), window)) return *status;
    return app.exec();
}
