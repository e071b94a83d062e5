#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <iostream>
#include <optional>
#include <utility>
#include <vector>

#include "app/desktop_options.h"
#include "app/main_module.h"
#include "app/project_file.h"
#include "app/recovery.h"
#include "shared/help.h"
#include "shared/side_files.h"
#include "ui/qt/app_identity.h"
#include "ui/qt/document_menu.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_printer.h"
#include "ui/qt/qt_services.h"
#include "ui/qt/settings.h"
#include "ui/safe_file.h"

namespace {

// `--screenshot FILE [--page N] [--set NAME=TEXT]... [--click NAME]... [--f1]`: shows page N (from 0),
// fills its fields (a list takes an item index) and clicks its buttons in order, saves a picture of the whole screen (result
// windows included) and ends; for looking at the pages on a machine without a screen.
struct Screenshot {
    QString file;
    int page = 0;
    std::vector<std::pair<QString, QString>> steps;  // ("--set" or "--click", argument)
};

Screenshot ScreenshotRequest(const QStringList& args) {
    Screenshot s;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == "--f1") s.steps.emplace_back(args[i], QString());
        if (i + 1 == args.size()) break;
        if (args[i] == "--screenshot") s.file = args[i + 1];
        if (args[i] == "--page") s.page = args[i + 1].toInt();
        if (args[i] == "--set" || args[i] == "--click") s.steps.emplace_back(args[i], args[i + 1]);
    }
    return s;
}

void RunStep(vado::MainModule& module, const QString& kind, const QString& arg) {
    ui::Form& page = *module.FormList[module.CurrentForm];
    if (kind == "--set" && arg.contains('.') && arg.indexOf('.') < arg.indexOf('=')) {
        // WINDOW.tabStrip=INDEX chooses a page of an open result window.
        const QString window = arg.left(arg.indexOf('.'));
        for (ui::Form* w : module.resultWindows())
            if (QString::fromStdString(w->name()) == window)
                if (auto* c = w->find(arg.mid(arg.indexOf('.') + 1, arg.indexOf('=') - arg.indexOf('.') - 1).toStdString());
                    c && c->kind() == ui::Kind::TabStrip)
                    static_cast<ui::TabStrip*>(c)->clickTab(arg.mid(arg.indexOf('=') + 1).toInt() + 1);
        return;
    }
    if (kind == "--set") {
        const qsizetype eq = arg.indexOf('=');
        auto* c = page.find(arg.left(eq).toStdString());
        if (c && c->kind() == ui::Kind::ComboBox) {
            page.setFocus(c);
            static_cast<ui::ComboBox*>(c)->setListIndex(arg.mid(eq + 1).toInt());
            return;
        }
        if (!c || c->kind() != ui::Kind::TextBox) return;
        auto& box = static_cast<ui::TextBox&>(*c);
        page.setFocus(&box);
        box.setSelection(0, static_cast<int>(box.text().size()));
        box.paste(arg.mid(eq + 1).toStdString());
        if (!page.leaveFocus()) page.dropFocus();
        return;
    }
    for (auto& c : page.controls())
        if (c->kind() == ui::Kind::CommandButton && (c->name() == arg.toStdString() || c->fullName() == arg.toStdString()))
            return page.clickButton(static_cast<ui::CommandButton&>(*c), true);
}

// The Print button of the page shown; the About page has none.
ui::CommandButton* ShownPrintButton(vado::MainModule& module) {
    for (auto& c : module.FormList[module.CurrentForm]->controls())
        if (c->kind() == ui::Kind::CommandButton && c->name() == "cmdPrint")
            return static_cast<ui::CommandButton*>(c.get());
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const vado::DesktopOptions options = vado::ParseDesktopArgs({argv + 1, argv + argc});
    if (options.action != vado::DesktopOptions::Action::Run)
        return vado::AnswerWithoutWindow(options, vado::ProgramFolder(argv[0]), std::cout, std::cerr);
    QApplication app(argc, argv);
    ui::qt::SetAppIdentity();

    const Screenshot shot = ScreenshotRequest(QApplication::arguments());
    ui::qt::Settings settings;
    if (options.resetSettings) settings.clear();
    // A picture run keeps no work and asks nothing.
    std::optional<vado::recovery::Session> recovery;
    if (shot.file.isEmpty()) recovery.emplace(vado::recovery::DefaultFolder());

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
         .print = [&module] {
             if (ui::CommandButton* print = ShownPrintButton(module))
                 print->form().clickButton(*print);
         },
         .canPrint = [&module] { return ShownPrintButton(module) != nullptr; },
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
    ui::qt::RememberGeometry(window, settings);
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

    if (!shot.file.isEmpty()) {
        window.clickTab(shot.page);
        for (auto& [kind, arg] : shot.steps) {
            if (kind == "--f1")
                window.onHelp(*module.FormList[module.CurrentForm]);
            else
                RunStep(module, kind, arg);
        }
        int status = 0;
        QTimer::singleShot(500, &window, [&] {
            // Written as every file of the program is: whole or not at all, through a link. The
            // picture's format follows the file's suffix.
            const QString suffix = QFileInfo(shot.file).suffix();
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            std::string why;
            const bool drawn = window.screen()->grabWindow(0).save(
                &buffer, suffix.isEmpty() ? "PNG" : suffix.toLatin1().constData());
            status = drawn && ui::WriteFileAtomically(shot.file.toStdString(),
                                                      {bytes.constData(), static_cast<size_t>(bytes.size())}, why)
                         ? 0
                         : 1;
            window.closeGuard = nullptr;  // a picture taken, nothing to keep
            QApplication::quit();
        });
        app.exec();
        return status;
    }
    return app.exec();
}
