#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>

#include "app/project_file.h"
#include "calc/flow/frm_weir.h"
#include "desk.h"
#include "ui/qt/document_menu.h"

namespace vado::qt_test {
namespace {

QAction* Action(QWidget& window, const QString& text) {
    for (QAction* a : window.findChildren<QAction*>())
        if (a->text() == text) return a;
    return nullptr;
}

// File > Save As writes the project and names it in the title; an edit marks it unsaved, and
// Quit asks before the changes go.
TEST(DocumentMenu, SaveAsNamesTheFileAndQuitAsksAboutChanges) {
    Desk desk;
    auto& module = desk.module;
    ui::qt::InstallDocumentMenu(
        *desk.window,
        {.text = [&module] { return project::Save(module); },
         .inputs = [&module] { return project::Save(module, false); },
         .load = [&module](const std::string& text, std::string&) { return project::Load(module, text).error; },
         .fresh = [] { return std::string(); },
         .print = [] {},
         .documentation = [] {},
         .extension = project::kExtension});
    desk.window->clickTab(1);
    Settle();
    EXPECT_TRUE(desk.window->windowTitle().endsWith(" - Untitled")) << desk.window->windowTitle().toStdString();

    auto& weir = static_cast<FrmWeir&>(*module.FormList[1]);
    desk.widget<QWidget>(1, "txt1H1")->setFocus();
    Type(QApplication::focusWidget(), "2\r");
    Settle();
    EXPECT_TRUE(desk.window->windowTitle().endsWith(" - Untitled *"));

    const QString path = QDir::temp().filePath("vado-menu-test.vado");
    QFile::remove(path);
    desk.watchdog.expect([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        // The name typed into the dialog's own field, as a person does.
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    Action(*desk.window, "Save &As...")->trigger();
    Settle();
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_TRUE(desk.window->windowTitle().endsWith(" - vado-menu-test.vado"));

    desk.window->activateWindow();
    Settle();
    QWidget* head = desk.widget<QWidget>(1, "txt1H1");
    head->setFocus();
    Settle();
    Type(head, "3\r");
    Settle();
    EXPECT_EQ(weir.txt1H1.text(), "3");
    EXPECT_TRUE(desk.window->windowTitle().endsWith(" - vado-menu-test.vado *"));
    desk.watchdog.expect([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        desk.watchdog.messages.push_back({box->windowTitle(), box->text(), box->icon()});
        box->button(QMessageBox::Cancel)->click();
    });
    Action(*desk.window, "&Quit")->trigger();
    Settle();
    ASSERT_EQ(desk.watchdog.messages.size(), 1u);
    EXPECT_EQ(desk.watchdog.messages[0].text, "The project has changes that are not saved. Save them first?");
    EXPECT_TRUE(desk.window->isVisible()) << "Cancel keeps the program open";
    QFile::remove(path);
}

}  // namespace
}  // namespace vado::qt_test
