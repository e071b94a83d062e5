#include "ui/qt/export_menu.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "app/page_exports.h"
#include "desk.h"
#include "ui/qt/qt_printer.h"

namespace vado::qt_test {
namespace {

// The main window with File and Help menus as the program has them, and the export commands
// added to them.
struct MenuDesk : Desk {
    MenuDesk() {
        QMenu* file = window->menuBar()->addMenu("&File");
        file->addAction("&Print...");
        file->addSeparator();
        file->addAction("&Quit");
        window->menuBar()->addMenu("&Help");
        ui::qt::InstallExportMenu(*window, services,
                                  {.print = [this] { ClickPrint(module); },
                                   .tableCsv = [this] { return PageTableCsv(module); },
                                   .baseName = [this] { return PageFileName(module); },
                                   .resultsText = [this] { return PageText(module); }});
    }
    QTemporaryDir dir;
};

// Export Table is greyed where the page has no table; on the subsurface page it writes the
// grid, the extension added to the name typed.
TEST(ExportMenu, ExportTableOnlyWhereThereIsATable) {
    MenuDesk desk;
    QAction* table = Action(*desk.window, "Export &Table...");
    for (int page : {0, 1, 15}) {
        desk.window->clickTab(page);
        emit desk.window->menuBar()->actions()[0]->menu()->aboutToShow();
        EXPECT_EQ(table->isEnabled(), page == 15) << page;
    }
    desk.watchdog.expect(SaveAs(desk.dir.filePath("mains")));
    table->trigger();
    Settle();
    QFile csv(desk.dir.filePath("mains.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith("Main,Grade,Acres,Q(cfs),Q(cfs),Acres,Size,n,vel\r\n"));
    // Export PDF is greyed wherever Print is (the About page has no report).
    Action(*desk.window, "&Print...")->setEnabled(false);
    EXPECT_FALSE(Action(*desk.window, "Export P&DF...")->isEnabled());
}

// Export PDF runs Print's path (Compute, the project information, the report) and writes the
// file chosen without the print dialog; a failed Compute writes nothing and asks for no file.
TEST(ExportMenu, ExportPdfWritesTheReportOnlyAfterASuccessfulCompute) {
    MenuDesk desk;
    desk.window->clickTab(1);
    const QString file = desk.dir.filePath("weir.pdf");
    desk.watchdog.expect([](QWidget* info) {
        EXPECT_EQ(info->windowTitle(), "Print Information");
        QTimer::singleShot(0, info, [info] { Type(info->focusWidget(), "\r"); });
    });
    desk.watchdog.expect(SaveAs(file));
    Action(*desk.window, "Export P&DF...")->trigger();
    Settle();
    EXPECT_EQ(desk.watchdog.pending(), 0);
    QProcess text;
    text.start("pdftotext", {file, "-"});
    ASSERT_TRUE(text.waitForFinished(10000)) << "pdftotext (poppler-utils) is needed";
    EXPECT_TRUE(text.readAllStandardOutput().contains("19.48 cfs"));
    EXPECT_FALSE(desk.services.selectPrinter) << "File > Print still asks for a printer";

    QFile::remove(file);
    static_cast<ui::TextBox&>(*desk.module.FormList[1]->find("txt1H1")).setText("");
    desk.watchdog.expectMessage();
    Action(*desk.window, "Export P&DF...")->trigger();
    Settle();
    ASSERT_EQ(desk.watchdog.messages.size(), 1u);
    EXPECT_EQ(desk.watchdog.messages[0].title, "Input Error");
    EXPECT_TRUE(QDir(desk.dir.path()).isEmpty());
}

// The result caption can be selected with the mouse; Copy Results puts the page's text on the
// clipboard.
TEST(ExportMenu, ResultsCanBeSelectedAndCopied) {
    MenuDesk desk;
    desk.steps(1, {"cmdCompute(1)"});
    auto* result = desk.widget<QLabel>(1, "lbl1Q");
    ASSERT_NE(result, nullptr);
    const QPoint from(1, result->height() / 2), to(result->width() - 1, result->height() / 2);
    Mouse(result, QEvent::MouseButtonPress, from, Qt::LeftButton);
    Mouse(result, QEvent::MouseMove, to, Qt::LeftButton);
    Mouse(result, QEvent::MouseButtonRelease, to, Qt::NoButton);
    EXPECT_EQ(result->selectedText(), "Q = 19.48 cfs");
    Action(*desk.window, "&Copy Results")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), PageText(desk.module));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith("Q = 19.48 cfs\n"));
}

// The page's Print: the project information, then the print dialog, which starts on US Letter
// (the paper the reports are laid out for); Cancel there closes both.
TEST(PrintDialog, StartsOnLetterAndCancelClosesIt) {
    MenuDesk desk;
    desk.services.selectPrinter = [&desk] { return ui::qt::ChooseQtPrinter(desk.window.get()); };
    desk.window->clickTab(1);
    desk.watchdog.expect([](QWidget* info) {
        EXPECT_EQ(info->windowTitle(), "Print Information");
        QTimer::singleShot(0, info, [info] { Type(info->focusWidget(), "\r"); });
    });
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

}  // namespace
}  // namespace vado::qt_test
