#include "ui/qt/export_menu.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <tuple>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "app/page_exports.h"
#include "desk.h"

namespace vado::qt_test {
namespace {

// The main window with the document's File and Help menus as the program has them, and the
// export commands added to them.
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
    QMenu* menu(const QString& title) const {
        for (QAction* a : window->menuBar()->actions())
            if (a->text() == title) return a->menu();
        return nullptr;
    }
    QAction* action(const QString& menuTitle, const QString& text) const {
        for (QAction* a : menu(menuTitle)->actions())
            if (a->text() == text) return a;
        return nullptr;
    }
};

// The name typed into a save dialog's field, then Save pressed.
std::function<void(QWidget*)> SaveAs(const QString& path) {
    return [path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr) << "a save dialog";
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

TEST(ExportMenu, TheCommandsSitInTheMenusAPersonLooksIn) {
    MenuDesk desk;
    QStringList bar, file;
    for (QAction* a : desk.window->menuBar()->actions()) bar << a->text();
    for (QAction* a : desk.menu("&File")->actions()) file << a->text();
    EXPECT_EQ(bar, (QStringList{"&File", "&Edit", "&Help"}));
    EXPECT_EQ(file, (QStringList{"&Print...", "Export P&DF...", "Export &Table...", "", "&Quit"}));
    // Export Table only where the page has a table.
    emit desk.menu("&File")->aboutToShow();
    EXPECT_FALSE(desk.action("&File", "Export &Table...")->isEnabled());
    desk.window->clickTab(15);
    emit desk.menu("&File")->aboutToShow();
    EXPECT_TRUE(desk.action("&File", "Export &Table...")->isEnabled());
    // Export PDF is greyed wherever Print is (the About page has no report).
    desk.action("&File", "&Print...")->setEnabled(false);
    EXPECT_FALSE(desk.action("&File", "Export P&DF...")->isEnabled());
}

// Export PDF runs Print's path (Compute, the project information, the report) and writes the
// file chosen, without the print dialog.
TEST(ExportMenu, ExportPdfWritesTheReportToTheChosenFile) {
    MenuDesk desk;
    QTemporaryDir dir;
    const QString file = dir.filePath("weir.pdf");
    desk.window->clickTab(1);
    Settle();
    desk.watchdog.expect([](QWidget* info) {
        EXPECT_EQ(info->windowTitle(), "Print Information");
        QTimer::singleShot(0, info, [info] { Type(info->focusWidget(), "\r"); });
    });
    desk.watchdog.expect(SaveAs(file));
    desk.action("&File", "Export P&DF...")->trigger();
    Settle();
    EXPECT_EQ(desk.watchdog.pending(), 0);
    QProcess text;
    text.start("pdftotext", {file, "-"});
    ASSERT_TRUE(text.waitForFinished(10000)) << "pdftotext (poppler-utils) is needed";
    const QString report = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(report.contains("Weir Flow Formula Solution")) << report.toStdString();
    EXPECT_TRUE(report.contains("19.48 cfs"));
    // File > Print still asks for a printer: the PDF's file choice was for that export only.
    EXPECT_FALSE(desk.services.selectPrinter);
}

TEST(ExportMenu, AFailedComputeWritesNoPdf) {
    MenuDesk desk;
    QTemporaryDir dir;
    desk.window->clickTab(1);
    auto& head = static_cast<ui::TextBox&>(*desk.module.FormList[1]->find("txt1H1"));
    head.setText("");
    desk.watchdog.expectMessage();
    desk.action("&File", "Export P&DF...")->trigger();
    Settle();
    EXPECT_EQ(desk.watchdog.pending(), 0) << "the Compute's message, and no file dialog";
    ASSERT_EQ(desk.watchdog.messages.size(), 1u);
    EXPECT_EQ(desk.watchdog.messages[0].title, "Input Error");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(ExportMenu, CopyResultsAndExportTable) {
    MenuDesk desk;
    desk.window->clickTab(1);
    desk.module.FormList[1]->clickButton(
        static_cast<ui::CommandButton&>(*desk.module.FormList[1]->find("cmdCompute(1)")));
    Settle();
    // The result caption itself can be selected with the mouse.
    auto* result = desk.widget<QLabel>(1, "lbl1Q");
    ASSERT_NE(result, nullptr);
    const QPoint from(1, result->height() / 2), to(result->width() - 1, result->height() / 2);
    for (auto [type, at, buttons] : {std::tuple{QEvent::MouseButtonPress, from, Qt::LeftButton},
                                     std::tuple{QEvent::MouseMove, to, Qt::LeftButton},
                                     std::tuple{QEvent::MouseButtonRelease, to, Qt::NoButton}}) {
        QMouseEvent e(type, QPointF(at), QPointF(result->mapToGlobal(at)), Qt::LeftButton,
                      buttons, Qt::NoModifier);
        QApplication::sendEvent(result, &e);
    }
    EXPECT_EQ(result->selectedText(), "Q = 19.48 cfs");

    desk.action("&Edit", "&Copy Results")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), PageText(desk.module));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith("Q = 19.48 cfs\n"));

    QTemporaryDir dir;
    desk.window->clickTab(15);
    desk.watchdog.expect(SaveAs(dir.filePath("mains")));
    desk.action("&File", "Export &Table...")->trigger();
    Settle();
    QFile csv(dir.filePath("mains.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << "the extension is added";
    EXPECT_TRUE(csv.readAll().startsWith("Main,Grade,Acres,Q(cfs),Q(cfs),Acres,Size,n,vel\r\n"));
}

}  // namespace
}  // namespace vado::qt_test
