#include "ui/qt/document_menu.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/project_file.h"
#include "desk.h"
#include "ui/qt/settings.h"

namespace vado::qt_test {
namespace {

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
             .keepAfter = std::chrono::milliseconds(20)},
            settings);
    }
    void saveAs(const QString& path) {
        desk.watchdog.expect(SaveAs(path));
        Action(*desk.window, "Save &As...")->trigger();
        Settle();
    }
    // Lets the event loop run until `done`, for `ms` at most.
    static void waitFor(const std::function<bool()>& done, int ms = 2000) {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QString write(const QString& name, const std::string& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return file.fileName();
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
TEST_F(DocumentMenuTest, SaveAsNamesTheFileAndLeavingAsksAboutChanges) {
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
    Type(desk.widget<QWidget>(1, "txt1H1"), "3\r");
    Settle();
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

TEST_F(DocumentMenuTest, PrintIsGreyedOnTheAboutPage) {
    install();
    QAction* print = Action(*desk.window, "&Print...");
    for (int page : {0, 1, 0}) {
        desk.window->clickTab(page);
        Settle();
        EXPECT_EQ(print->isEnabled(), page != 0) << page;
    }
}

// Unsaved work is kept soon after a change (once, not per key); kept work restored comes back
// untitled and unsaved, computed, and is kept again at once; saved work is dropped.
TEST_F(DocumentMenuTest, UnsavedWorkIsKeptRestoredAndDroppedOnceSaved) {
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

TEST_F(DocumentMenuTest, OpenRecentListsSavedProjectsAndDropsAMissingOneWithANote) {
    ui::qt::Settings settings(dir.filePath("settings.conf"));
    install(&settings);
    desk.steps(1, {"txt1H1=2"});
    const QString path = dir.filePath("pond & riser.vado");
    saveAs(path);
    EXPECT_EQ(settings.recentFiles(), QStringList{path});
    QMenu* recent = nullptr;
    for (QMenu* m : desk.window->findChildren<QMenu*>())
        if (m->title() == "Open &Recent") recent = m;
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
TEST_F(DocumentMenuTest, AFileThatIsNoProjectIsReportedAndLeavesTheProgramNew) {
    install();
    const std::string fresh = project::Save(desk.module);
    const std::pair<QString, const char*> cases[] = {
        {write("other.vado", "{\"format\": \"other\"}"), ""},
        {dir.filePath("missing.vado"), "cannot be read"},
        {dir.path(), "cannot be read"}};
    for (const auto& [path, message] : cases) {
        desk.watchdog.expectMessage();
        menu->openFile(path);
        Settle();
        ASSERT_FALSE(desk.watchdog.messages.empty());
        EXPECT_TRUE(desk.watchdog.messages.back().text.contains(message)) << path.toStdString();
        EXPECT_EQ(desk.module.CurrentForm, 0);
        EXPECT_EQ(project::Save(desk.module), fresh);
        EXPECT_TRUE(titled(" - Untitled"));
    }
    EXPECT_EQ(desk.watchdog.messages.size(), 3u);
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
