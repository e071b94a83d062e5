#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "desk.h"
#include "report/print_job.h"
#include "ui/qt/form_view.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_printer.h"

namespace vado::qt_test {
namespace {

// The desktop program's Print: the weir page's button opens the project-information dialog,
// whose Print opens the print dialog, where the person picks a PDF file.
class PrintDialogViewTest : public ::testing::Test {
  protected:
    PrintDialogViewTest() {
        desk.services.selectPrinter = [this] { return ui::qt::ChooseQtPrinter(desk.window.get()); };
        desk.window->clickTab(1);
        Settle();
    }

    // Fills the project information as typed, then presses Enter there (once the watchdog's
    // answer has returned, so it can see the print dialog that follows).
    void answerInfo(QWidget* w) {
        infoTitle = w->windowTitle();
        const std::pair<const char*, const char*> entries[] = {{"Hilltop Farm LLC", "txtOwnerName"},
                                                               {"Adams", "cboCounty"},
                                                               {"PA", "txtState"},
                                                               {"Field Office", "txtDesigner"},
                                                               {"Pond 3", "txtSite"}};
        for (auto& [text, name] : entries) {
            auto* window = qobject_cast<ui::qt::FormWindow*>(w);
            ASSERT_NE(window, nullptr) << "the project information should open first";
            QWidget* field = window->view().widgetNamed(name);
            if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit();
            ASSERT_NE(field, nullptr) << name;
            field->setFocus();
            Type(field, text);
        }
        QTimer::singleShot(0, w, [w] { Type(w->focusWidget(), "\r"); });
    }

    // Picks the PDF file entry of the print dialog, names the file and presses Print.
    void answerPrintDialog(QWidget* w, const QString& file) {
        auto* dialog = qobject_cast<QPrintDialog*>(w);
        ASSERT_NE(dialog, nullptr) << "the print dialog should follow";
        EXPECT_TRUE(dialog->testOption(QAbstractPrintDialog::PrintToFile));
        EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
        EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintSelection));
        EXPECT_EQ(dialog->printer()->pageLayout().pageSize().id(), QPageSize::Letter)
            << "the dialog starts on the paper the reports are laid out for";
        auto* printers = dialog->findChild<QComboBox*>("printers");
        ASSERT_NE(printers, nullptr);
        int pdf = -1;
        for (int i = 0; i < printers->count(); ++i)
            if (printers->itemText(i).contains("PDF")) pdf = i;
        ASSERT_GE(pdf, 0) << "printing to a PDF file is always offered";
        printers->setCurrentIndex(pdf);
        auto* name = dialog->findChild<QLineEdit*>("filename");
        ASSERT_NE(name, nullptr);
        name->setText(file);
        dialog->accept();
    }

    QWidget* printButton() const { return desk.widget<QPushButton>(1, "cmdPrint(1)"); }

    Desk desk;
    QTemporaryDir dir;
    QString infoTitle;
};

TEST_F(PrintDialogViewTest, PrintingToAPdfFileFromTheDesktop) {
    const QString file = dir.filePath("weir.pdf");
    desk.watchdog.expect([this](QWidget* w) { answerInfo(w); });
    desk.watchdog.expect([this, file](QWidget* w) { answerPrintDialog(w, file); });
    ASSERT_NE(printButton(), nullptr);
    qobject_cast<QPushButton*>(printButton())->click();
    Settle();
    EXPECT_EQ(desk.watchdog.pending(), 0);
    EXPECT_EQ(infoTitle, "Print Information");
    ASSERT_TRUE(QFile::exists(file));

    QProcess text;
    text.start("pdftotext", {"-layout", file, "-"});
    ASSERT_TRUE(text.waitForFinished(10000)) << "pdftotext (poppler-utils) is needed";
    const QString report = QString::fromUtf8(text.readAllStandardOutput());
    const QString lines[] = {
        "Weir Flow Formula Solution",
        "prepared for",
        "Hilltop Farm LLC",
        "Adams County, PA",
        "Designer: Field Office",
        "Date: " + QString::fromStdString(report::FormatDate(report::LocalToday())),
        "Pond 3",
        "Diameter of Weir:",
        "Weir Capacity:"};
    qsizetype at = 0;
    for (const QString& line : lines) {
        qsizetype found = report.indexOf(line, at);
        EXPECT_GE(found, 0) << line.toStdString() << " in order in\n" << report.toStdString();
        if (found >= 0) at = found + line.size();
    }
    EXPECT_TRUE(report.contains("19.48 cfs"));
}

TEST_F(PrintDialogViewTest, CancellingThePrintDialogPrintsNothingAndClosesTheInformation) {
    desk.watchdog.expect([this](QWidget* w) { answerInfo(w); });
    desk.watchdog.expect([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    qobject_cast<QPushButton*>(printButton())->click();
    Settle();
    EXPECT_EQ(desk.watchdog.pending(), 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace
}  // namespace vado::qt_test
