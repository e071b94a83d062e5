// The File, Edit and Help menus: the project as a document, exports, the print dialog, and what
// is remembered between runs.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/page_exports.h"
#include "app/project_file.h"
#include "desk.h"
#include "ui/qt/document_menu.h"
#include "ui/qt/export_menu.h"
#include "ui/qt/qt_printer.h"
#include "ui/qt/settings.h"

namespace vado::qt_test {
namespace {

// The desktop program with its menus installed as it starts, the work it keeps for recovery
// recorded.
class MenuTest : public ::testing::Test {
  protected:
    void install(ui::qt::Settings* settings = nullptr) {
        MainModule& module = desk.module;
        menu = &ui::qt::InstallDocumentMenu(
            *desk.window,
            {.text = [&module] { return project::Save(module); },
             .inputs = [&module] { return project::Save(module, false); },
             .load = [&module](const std::string& text,
                               std::string&) { return project::Load(module, text).error; },
             .fresh = [fresh = project::Save(module)] { return fresh; },
             .print = [&module] { ClickPrint(module); },
             .canPrint = [&module] { return PrintCommand(module) != nullptr; },
             .documentation = [] {},
             .extension = project::kExtension,
             .keep = [this](const std::string& text) { kept.push_back(text); },
             .drop = [this] { ++dropped; },
             .keepAfter = std::chrono::milliseconds(20)},
            settings);
        ui::qt::InstallExportMenu(*desk.window, desk.services,
                                  {.print = [&module] { ClickPrint(module); },
                                   .tableCsv = [&module] { return PageTableCsv(module); },
                                   .baseName = [&module] { return PageFileName(module); },
                                   .resultsText = [&module] { return PageText(module); }});
    }
    void saveAs(const QString& path) {
        desk.watchdog.expect(SaveAs(path));
        Action(*desk.window, "Save &As...")->trigger();
        Settle();
    }
    // The project information dialog of a Print, accepted with Enter.
    void expectPrintInformation() {
        desk.watchdog.expect([](QWidget* info) {
            EXPECT_EQ(info->windowTitle(), "Print Information");
            QTimer::singleShot(0, info, [info] { Type(info->focusWidget(), "\r"); });
        });
    }
    static void waitFor(const std::function<bool()>& done, int ms = 2000) {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    bool titled(const QString& end) const { return desk.window->windowTitle().endsWith(end); }

    Desk desk;
    ui::qt::DocumentMenu* menu = nullptr;
    std::vector<std::string> kept;
    int dropped = 0;
    QTemporaryDir dir;
};

// Save As names the file in the title, an edit marks it unsaved, and Quit or a page's Exit
// button asks before the changes go (each answer with its key); Cancel keeps the program open.
TEST_F(MenuTest, SaveAsNamesTheFileAndLeavingAsksAboutChanges) {
    install();
    desk.window->clickTab(1);
    EXPECT_TRUE(titled(" - Untitled"));
    desk.steps(1, {"txt1H1=2"});
    EXPECT_TRUE(titled(" - Untitled *"));
    saveAs(dir.filePath("job.vado"));
    EXPECT_TRUE(QFile::exists(dir.filePath("job.vado")));
    EXPECT_TRUE(titled(" - job.vado"));
    // Typed this time: the window made active again after the save dialog.
    desk.window->activateWindow();
    desk.widget<QWidget>(1, "txt1H1")->setFocus();
    Settle();
    Play("3 <Return>");
    EXPECT_TRUE(titled(" - job.vado *"));

    const std::function<void()> leave[] = {
        [&] { Action(*desk.window, "&Quit")->trigger(); },
        [&] { desk.widget<QPushButton>(1, "cmdExit(1)")->click(); }};
    for (const auto& how : leave) {
        QStringList buttons;
        desk.watchdog.expect([&buttons](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), "The project has changes that are not saved. Save them first?");
            for (auto b : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
                buttons << box->button(b)->text();
            box->button(QMessageBox::Cancel)->click();
        });
        how();
        Settle();
        EXPECT_EQ(buttons, QStringList({"&Save", "&Discard", "&Cancel"}));
        EXPECT_TRUE(desk.window->isVisible());
        EXPECT_EQ(desk.widget<QLineEdit>(1, "txt1H1")->text(), "3");
    }
}

// Unsaved work is kept soon after a change (once, not per key); kept work restored comes back
// untitled and unsaved, computed, and is kept again at once; saved work is dropped.
TEST_F(MenuTest, UnsavedWorkIsKeptRestoredAndDroppedOnceSaved) {
    install();
    desk.steps(1, {"txt1H1=2"});
    waitFor([this] { return !kept.empty(); });
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_NE(kept[0].find("\"txt1H1\": \"2\""), std::string::npos) << kept[0];

    desk.window->clickTab(0);
    EXPECT_EQ(menu->restoreUnsaved(kept[0]), "");
    EXPECT_EQ(kept.size(), 2u);
    EXPECT_TRUE(titled(" - Untitled *"));
    EXPECT_EQ(desk.window->currentPage(), 1);
    EXPECT_EQ(desk.widget<QLabel>(1, "lbl1Q")->text(), "Q = 55.09 cfs");

    saveAs(dir.filePath("kept.vado"));
    EXPECT_EQ(dropped, 1);
    const size_t before = kept.size();
    waitFor([] { return false; }, 60);
    EXPECT_EQ(kept.size(), before) << "saved work needs no recovery file";
}

TEST_F(MenuTest, OpenRecentListsSavedProjectsAndDropsAMissingOneWithANote) {
    ui::qt::Settings settings(dir.filePath("settings.conf"));
    install(&settings);
    desk.steps(1, {"txt1H1=2"});
    const QString path = dir.filePath("pond & riser.vado");
    saveAs(path);
    EXPECT_EQ(settings.recentFiles(), QStringList{path});
    QMenu* recent = Action(*desk.window, "Open &Recent")->menu();
    ASSERT_NE(recent, nullptr);
    emit recent->aboutToShow();
    ASSERT_EQ(recent->actions().size(), 1);
    EXPECT_EQ(recent->actions()[0]->text(), "&1 pond && riser.vado");

    QFile::remove(path);
    desk.watchdog.expectMessage();
    recent->actions()[0]->trigger();
    Settle();
    ASSERT_EQ(desk.watchdog.messages.size(), 1u);
    EXPECT_EQ(desk.watchdog.messages[0].text,
              "The project " + path + " is no longer there; it has been taken off the list.");
    EXPECT_TRUE(settings.recentFiles().isEmpty());
}

// A file that is no project is reported, and nothing of it goes in.
TEST_F(MenuTest, AFileThatIsNoProjectIsReportedAndLeavesTheProgramNew) {
    install();
    const std::string fresh = project::Save(desk.module);
    QFile other(dir.filePath("other.vado"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly) && other.write("{\"format\": \"other\"}") > 0);
    other.close();
    const std::pair<QString, const char*> cases[] = {
        {other.fileName(), ""},
        {dir.filePath("missing.vado"), "cannot be read"},
        {dir.path(), "cannot be read"}};
    for (const auto& [path, message] : cases) {
        desk.watchdog.expectMessage();
        menu->openFile(path);
        Settle();
        ASSERT_FALSE(desk.watchdog.messages.empty());
        EXPECT_TRUE(desk.watchdog.messages.back().text.contains(message)) << path.toStdString();
        EXPECT_EQ(project::Save(desk.module), fresh);
        EXPECT_TRUE(titled(" - Untitled"));
    }
    EXPECT_EQ(desk.watchdog.messages.size(), 3u);
}

// Print and Export PDF are greyed on the About page, which has no report; Export Table where the
// page has no table. On the subsurface page it writes the grid, the extension added to the name.
TEST_F(MenuTest, CommandsAreGreyedWhereThePageHasNothingForThem) {
    install();
    for (int page : {0, 1, 0, 15}) {
        desk.window->clickTab(page);
        Settle();
        emit desk.window->menuBar()->actions()[0]->menu()->aboutToShow();
        EXPECT_EQ(Action(*desk.window, "Export &Table...")->isEnabled(), page == 15) << page;
        for (const char* command : {"&Print...", "Export P&DF..."})
            EXPECT_EQ(Action(*desk.window, command)->isEnabled(), page != 0) << page << command;
    }
    desk.watchdog.expect(SaveAs(dir.filePath("mains")));
    Action(*desk.window, "Export &Table...")->trigger();
    Settle();
    QFile csv(dir.filePath("mains.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith("Main,Grade,Acres,Q(cfs),Q(cfs),Acres,Size,n,vel\r\n"));
}

// Export PDF runs Print's path (Compute, the project information, the report) and writes the
// file chosen without the print dialog; a failed Compute writes nothing and asks for no file.
TEST_F(MenuTest, ExportPdfWritesTheReportOnlyAfterASuccessfulCompute) {
    install();
    desk.steps(1, {});
    const QString file = dir.filePath("weir.pdf");
    expectPrintInformation();
    desk.watchdog.expect(SaveAs(file));
    Action(*desk.window, "Export P&DF...")->trigger();
    Settle();
    EXPECT_EQ(desk.watchdog.pending(), 0);
    QFile pdf(file);
    EXPECT_TRUE(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
    EXPECT_FALSE(desk.services.selectPrinter) << "File > Print still asks for a printer";

    QFile::remove(file);
    desk.steps(1, {"txt1H1="});
    desk.watchdog.expectMessage();
    Action(*desk.window, "Export P&DF...")->trigger();
    Settle();
    ASSERT_EQ(desk.watchdog.messages.size(), 1u);
    EXPECT_EQ(desk.watchdog.messages[0].title, "Input Error");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// The result caption can be selected with the mouse; Copy Results puts the page's text on the
// clipboard.
TEST_F(MenuTest, ResultsCanBeSelectedAndCopied) {
    install();
    desk.steps(1, {"cmdCompute(1)"});
    auto* result = desk.widget<QLabel>(1, "lbl1Q");
    const QPoint from(1, result->height() / 2), to(result->width() - 1, result->height() / 2);
    Mouse(result, QEvent::MouseButtonPress, from, Qt::LeftButton);
    Mouse(result, QEvent::MouseMove, to, Qt::LeftButton);
    Mouse(result, QEvent::MouseButtonRelease, to, Qt::NoButton);
    EXPECT_EQ(result->selectedText(), "Q = 19.48 cfs");
    Action(*desk.window, "&Copy Results")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), PageText(desk.module));
}

// The page's Print: the project information, then the print dialog, which starts on US Letter
// (the paper the reports are laid out for); Cancel there closes both.
TEST_F(MenuTest, PrintDialogStartsOnLetterAndCancelClosesIt) {
    install();
    desk.services.selectPrinter = [this] { return ui::qt::ChooseQtPrinter(desk.window.get()); };
    desk.steps(1, {});
    expectPrintInformation();
    desk.watchdog.expect([](QWidget* w) {
        auto* dialog = qobject_cast<QPrintDialog*>(w);
        ASSERT_NE(dialog, nullptr) << "the print dialog follows";
        EXPECT_EQ(dialog->printer()->pageLayout().pageSize().id(), QPageSize::Letter);
        dialog->reject();
    });
    desk.widget<QPushButton>(1, "cmdPrint(1)")->click();
    Settle();
    EXPECT_EQ(desk.watchdog.pending(), 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The window's place and size and the recent projects (the latest eight, each once) are kept
// from one run to the next; a reset forgets them.
TEST(Settings, GeometryAndRecentProjectsSurviveARestart) {
    QTemporaryDir dir;
    const QString file = dir.filePath("vadocalc.conf");
    auto job = [&](int i) { return dir.filePath(QString("job%1.vado").arg(i)); };
    QRect placed;
    {
        Desk run;
        ui::qt::Settings settings(file);
        ui::qt::RememberGeometry(*run.window, settings);
        run.window->setGeometry(137, 64, 700, 900);
        Settle();
        placed = run.window->geometry();
        for (int i = 1; i <= 10; ++i) settings.addRecentFile(job(i));
        settings.addRecentFile(dir.filePath("sub/../job5.vado"));
        run.window->close();
    }
    Desk next;
    ui::qt::Settings settings(file);
    EXPECT_NE(next.window->geometry(), placed);
    ui::qt::RememberGeometry(*next.window, settings);
    Settle();
    EXPECT_EQ(next.window->geometry(), placed);
    EXPECT_EQ(settings.recentFiles(),
              QStringList({job(5), job(10), job(9), job(8), job(7), job(6), job(4), job(3)}));
    settings.clear();
    EXPECT_TRUE(ui::qt::Settings(file).windowGeometry().isEmpty());
}

}  // namespace
}  // namespace vado::qt_test
