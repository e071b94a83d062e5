#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include "desk.h"
#include "report/print_job.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_printer.h"

namespace vado::qt_test {
namespace {

// The weir page's Print: the project information typed and Enter pressed there, then the print
// dialog, which starts on US Letter (the paper the reports are laid out for), where the PDF file
// entry is picked and Print pressed, or Cancel.
TEST(PrintDialogView, PrintingToAPdfFileFromTheDesktopOrCancelling) {
    for (const bool cancel : {false, true}) {
        Desk desk;
        QTemporaryDir dir;
        const QString file = dir.filePath("weir.pdf");
        desk.services.selectPrinter = [&desk] { return ui::qt::ChooseQtPrinter(desk.window.get()); };
        desk.window->clickTab(1);
        desk.watchdog.expect([](QWidget* w) {
            auto* window = qobject_cast<ui::qt::FormWindow*>(w);
            ASSERT_NE(window, nullptr) << "the project information opens first";
            EXPECT_EQ(w->windowTitle(), "Print Information");
            for (auto [name, text] : {std::pair{"txtOwnerName", "Hilltop Farm LLC"},
                                      {"cboCounty", "Adams"}, {"txtState", "PA"},
                                      {"txtDesigner", "Field Office"}, {"txtSite", "Pond 3"}}) {
                QWidget* field = window->view().widgetNamed(name);
                if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit();
                ASSERT_NE(field, nullptr) << name;
                field->setFocus();
                Type(field, text);
            }
            // Enter once this answer has returned, so the watchdog sees the print dialog.
            QTimer::singleShot(0, w, [w] { Type(w->focusWidget(), "\r"); });
        });
        desk.watchdog.expect([&](QWidget* w) {
            auto* dialog = qobject_cast<QPrintDialog*>(w);
            ASSERT_NE(dialog, nullptr) << "the print dialog follows";
            EXPECT_EQ(dialog->printer()->pageLayout().pageSize().id(), QPageSize::Letter);
            if (cancel) return dialog->reject();
            auto* printers = dialog->findChild<QComboBox*>("printers");
            ASSERT_NE(printers, nullptr);
            printers->setCurrentIndex(printers->findText("PDF", Qt::MatchContains));
            ASSERT_GE(printers->currentIndex(), 0) << "printing to a PDF file is always offered";
            dialog->findChild<QLineEdit*>("filename")->setText(file);
            dialog->accept();
        });
        desk.widget<QPushButton>(1, "cmdPrint(1)")->click();
        Settle();
        EXPECT_EQ(desk.watchdog.pending(), 0);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        if (cancel) {
            EXPECT_TRUE(QDir(dir.path()).isEmpty());
            continue;
        }
        const QString date = QString::fromStdString(report::FormatDate(report::LocalToday()));
        const QString report = PdfText(file);
        EXPECT_TRUE(report.contains(QRegularExpression(
            "Weir Flow Formula Solution.*prepared for.*Hilltop Farm LLC.*Adams County, PA.*"
            "Designer: Field Office.*Date: " + QRegularExpression::escape(date) +
                ".*Pond 3.*Weir Capacity: +19.48 cfs",
            QRegularExpression::DotMatchesEverythingOption)))
            << report.toStdString();
    }
}

}  // namespace
}  // namespace vado::qt_test
