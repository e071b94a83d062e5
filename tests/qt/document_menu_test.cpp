#include "ui/qt/document_menu.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/project_file.h"
#include "calc/flow/frm_weir.h"
#include "desk.h"
#include "ui/qt/settings.h"

namespace vado::qt_test {
namespace {

using namespace std::chrono_literals;

QAction* Action(QWidget& window, const QString& text) {
    for (QAction* a : window.findChildren<QAction*>())
        if (a->text() == text) return a;
    return nullptr;
}

// A program of its own without a window, the weir page shown with its head typed.
struct Headless {
    explicit Headless(const std::string& head = "") {
        module.SubMain();
        if (head.empty()) return;
        module.FormList[0]->tabStrip.clickTab(2);
        weir().setFocus(&weir().txt1H1);
        weir().txt1H1.paste(head);
        weir().leaveFocus();
    }
    FrmWeir& weir() { return static_cast<FrmWeir&>(*module.FormList[1]); }
    ui::HeadlessServices services;
    MainModule module{services};
};

// Lets the event loop run for `ms`, or until `done`.
void Wait(
    int ms, const std::function<bool()>& done = [] { return false; }) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The desktop program with its File and Help menus, the work it keeps for recovery recorded.
class DocumentMenuTest : public ::testing::Test {
  protected:
    void install(ui::qt::Settings* settings = nullptr) {
        auto& module = desk.module;
        menu = &ui::qt::InstallDocumentMenu(
            *desk.window,
            {.text = [&module] { return project::Save(module); },
             .inputs = [&module] { return project::Save(module, false); },
             .load = [&module](const std::string& text,
                               std::string&) { return project::Load(module, text).error; },
             .fresh = [fresh = project::Save(module)] { return fresh; },
             .print = [] {},
             .canPrint = [&module] { return module.CurrentForm != 0; },
             .documentation = [] {},
             .extension = project::kExtension,
             .keep = [this](const std::string& text) { kept.push_back(text); },
             .drop = [this] { ++dropped; },
             .keepAfter = 20ms},
            settings);
    }
    FrmWeir& weir() const { return static_cast<FrmWeir&>(*desk.module.FormList[1]); }
    void typeHead(const std::string& keys) {
        desk.window->activateWindow();
        desk.window->clickTab(1);
        Settle();
        QWidget* head = desk.widget<QWidget>(1, "txt1H1");
        head->setFocus();
        Settle();
        Type(head, keys);
        Settle();
    }
    // Names the file in a file dialog and accepts it, as a person does.
    void answerFileDialog(const QString& path) {
        desk.watchdog.expect([path](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(path);
            static_cast<QDialog*>(dialog)->accept();
        });
    }
    // Answers the unsaved-changes question with the button `choice`, recording the question.
    void answerQuestion(QMessageBox::StandardButton choice) {
        desk.watchdog.expect([this, choice](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            desk.watchdog.messages.push_back({box->windowTitle(), box->text(), box->icon()});
            for (auto button : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
                buttonTexts << box->button(button)->text();
            box->button(choice)->click();
        });
    }
    QString title() const { return desk.window->windowTitle(); }

    Desk desk;
    ui::qt::DocumentMenu* menu = nullptr;
    std::vector<std::string> kept;
    int dropped = 0;
    QStringList buttonTexts;
    QTemporaryDir dir;
};

// File > Save As writes the project and names it in the title; an edit marks it unsaved, and
// Quit asks before the changes go.
TEST_F(DocumentMenuTest, SaveAsNamesTheFileAndQuitAsksAboutChanges) {
    install();
    desk.window->clickTab(1);
    Settle();
    EXPECT_TRUE(title().endsWith(" - Untitled")) << title().toStdString();
    typeHead("2\r");
    EXPECT_TRUE(title().endsWith(" - Untitled *"));

    const QString path = dir.filePath("vado-menu-test.vado");
    answerFileDialog(path);
    Action(*desk.window, "Save &As...")->trigger();
    Settle();
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_TRUE(title().endsWith(" - vado-menu-test.vado"));

    typeHead("3\r");
    EXPECT_EQ(weir().txt1H1.text(), "3");
    EXPECT_TRUE(title().endsWith(" - vado-menu-test.vado *"));
    answerQuestion(QMessageBox::Cancel);
    Action(*desk.window, "&Quit")->trigger();
    Settle();
    ASSERT_EQ(desk.watchdog.messages.size(), 1u);
    EXPECT_EQ(desk.watchdog.messages[0].text,
              "The project has changes that are not saved. Save them first?");
    EXPECT_EQ(buttonTexts, QStringList({"&Save", "&Discard", "&Cancel"}))
        << "each answer has its key";
    EXPECT_TRUE(desk.window->isVisible()) << "Cancel keeps the program open";
}

// The Exit button of a page ends the program as closing the window does: not before unsaved
// work has been asked about.
TEST_F(DocumentMenuTest, ExitOnAPageAsksAboutUnsavedWork) {
    install();
    typeHead("2\r");
    answerQuestion(QMessageBox::Cancel);
    desk.widget<QPushButton>(1, "cmdExit(1)")->click();
    Settle();
    EXPECT_EQ(desk.watchdog.messages.size(), 1u);
    EXPECT_TRUE(desk.window->isVisible());
    EXPECT_EQ(weir().txt1H1.text(), "2");
}

TEST_F(DocumentMenuTest, PrintIsGreyedWhereThePageHasNoReport) {
    install();
    QAction* print = Action(*desk.window, "&Print...");
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->shortcut(), QKeySequence::Print);
    EXPECT_FALSE(print->isEnabled()) << "the About page";
    desk.window->clickTab(1);
    Settle();
    EXPECT_TRUE(print->isEnabled());
    desk.window->clickTab(0);
    Settle();
    EXPECT_FALSE(print->isEnabled());
}

TEST_F(DocumentMenuTest, UnsavedWorkIsKeptSoonAfterAChangeAndDroppedOnceSaved) {
    install();
    typeHead("2\r");
    Wait(2000, [this] { return !kept.empty(); });
    ASSERT_EQ(kept.size(), 1u) << "one file for the change, not one per key";
    Headless other;
    ASSERT_TRUE(project::Load(other.module, kept.back()).ok);
    EXPECT_EQ(other.weir().txt1H1.text(), "2");

    answerFileDialog(dir.filePath("kept.vado"));
    Action(*desk.window, "Save &As...")->trigger();
    Settle();
    EXPECT_EQ(dropped, 1) << "saved work needs no recovery file";
    Wait(60);
    EXPECT_EQ(kept.size(), 1u);
}

TEST_F(DocumentMenuTest, RestoredWorkComesBackUntitledUnsavedAndKeptAtOnce) {
    install();
    Headless typed("2");
    const std::string work = project::Save(typed.module);
    EXPECT_EQ(menu->restoreUnsaved(work), "");
    EXPECT_EQ(kept, std::vector<std::string>{work});
    EXPECT_TRUE(title().endsWith(" - Untitled *")) << title().toStdString();
    EXPECT_EQ(desk.window->currentPage(), 1);
    EXPECT_EQ(desk.widget<QLineEdit>(1, "txt1H1")->text(), "2");
    EXPECT_EQ(desk.widget<QLabel>(1, "lbl1Q")->text(), "Q = 55.09 cfs");
}

TEST_F(DocumentMenuTest, OpenRecentListsSavedProjectsAndDropsAMissingOneWithANote) {
    ui::qt::Settings settings(dir.filePath("settings.conf"));
    install(&settings);
    typeHead("2\r");
    const QString path = dir.filePath("pond & riser.vado");
    answerFileDialog(path);
    Action(*desk.window, "Save &As...")->trigger();
    Settle();
    EXPECT_EQ(settings.recentFiles(), QStringList{path});

    QMenu* recent = nullptr;
    for (QMenu* m : desk.window->findChildren<QMenu*>())
        if (m->title() == "Open &Recent") recent = m;
    ASSERT_NE(recent, nullptr);
    emit recent->aboutToShow();
    ASSERT_EQ(recent->actions().size(), 1);
    EXPECT_EQ(recent->actions()[0]->text(), "&1 pond && riser.vado");
    QFile::remove(path);
    emit recent->aboutToShow();
    desk.watchdog.expectMessage();
    recent->actions()[0]->trigger();
    Settle();
    ASSERT_EQ(desk.watchdog.messages.size(), 1u);
    EXPECT_EQ(desk.watchdog.messages[0].text,
              "The project " + path + " is no longer there; it has been taken off the list.");
    EXPECT_TRUE(settings.recentFiles().isEmpty());
}

}  // namespace
}  // namespace vado::qt_test
