#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>

#include "app/project_file.h"
#include "desk.h"
#include "person.h"
#include "ui/qt/app_identity.h"
#include "ui/qt/document_menu.h"

namespace vado::qt_test {
namespace {

// Opens `path` as the program does the project named on its command line: through the File
// menu's opener.
void OpenAtStart(Desk& desk, const QString& path) {
    auto& module = desk.module;
    ui::qt::InstallDocumentMenu(
        *desk.window,
        {.text = [&module] { return project::Save(module); },
         .inputs = [&module] { return project::Save(module, false); },
         .load = [&module](const std::string& text,
                           std::string&) { return project::Load(module, text).error; },
         .fresh = [] { return std::string(); },
         .print = [] {},
         .documentation = [] {},
         .extension = project::kExtension})
        .openFile(path);
    Settle();
}

QString WriteFile(const QString& name, const std::string& bytes) {
    QFile file(QDir::temp().filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return file.fileName();
}

// An orifice of 8 inches saved by a program of its own opens on its page, computed as if typed,
// the file named in the title.
TEST(OpenAtStart, AProjectOpensOnItsPageWithItsInputsAndItsName) {
    ui::HeadlessServices services;
    MainModule saved(services);
    saved.SubMain();
    saved.FormList[0]->tabStrip.clickTab(3);
    test::Apply(*saved.FormList[2], "txt2Dia=8");
    const QString path = WriteFile("vado-open-at-start.vado", project::Save(saved));
    Desk desk;
    OpenAtStart(desk, path);
    EXPECT_EQ(desk.window->currentPage(), 2);
    EXPECT_EQ(desk.widget<QLineEdit>(2, "txt2Dia")->text(), "8");
    EXPECT_EQ(desk.widget<QLabel>(2, "lbl2Q")->text(), "Q = 1.68 cfs");
    EXPECT_TRUE(desk.window->windowTitle().endsWith(" - vado-open-at-start.vado"));
}

TEST(OpenAtStart, AFileThatIsNoProjectIsReportedAndTheProgramStartsNew) {
    const struct {
        const char* name;
        QString path;
        const char* message;
    } cases[] = {
        {"not a project", WriteFile("vado-not-a-project.vado", "{\"format\": \"other\"}"), ""},
        {"missing", QDir::temp().filePath("vado-no-such-project.vado"), "cannot be read"},
        {"a folder", QDir::tempPath(), "cannot be read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Desk desk;
        const std::string fresh = project::Save(desk.module);
        desk.watchdog.expectMessage();
        OpenAtStart(desk, c.path);
        ASSERT_EQ(desk.watchdog.messages.size(), 1u);
        EXPECT_TRUE(desk.watchdog.messages[0].text.contains(c.message));
        EXPECT_EQ(desk.module.CurrentForm, 0);
        EXPECT_EQ(project::Save(desk.module), fresh) << "nothing of the file went in";
        EXPECT_TRUE(desk.window->windowTitle().endsWith(" - Untitled"));
    }
}

// The icon is built into the program (every size the desktop asks for) and every window has it.
TEST(AppIdentity, EveryWindowHasTheProgramsIcon) {
    ui::qt::SetAppIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), "io.github.vadocalc.Vadocalc");
    const QIcon icon = QApplication::windowIcon();
    for (int size : {16, 32, 48, 256})
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
    Desk desk;
    EXPECT_EQ(desk.window->windowIcon().cacheKey(), icon.cacheKey());
}

}  // namespace
}  // namespace vado::qt_test
