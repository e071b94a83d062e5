#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>

#include "app/project_file.h"
#include "calc/flow/frm_orifice.h"
#include "desk.h"
#include "ui/qt/app_identity.h"
#include "ui/qt/document_menu.h"

namespace vado::qt_test {
namespace {

// The File menu as the program installs it, and what opens a file named on its command line.
std::function<void(const QString&)> InstallMenu(Desk& desk) {
    auto& module = desk.module;
    ui::qt::DocumentMenu& menu = ui::qt::InstallDocumentMenu(
        *desk.window,
        {.text = [&module] { return project::Save(module); },
         .inputs = [&module] { return project::Save(module, false); },
         .load = [&module](const std::string& text,
                           std::string&) { return project::Load(module, text).error; },
         .fresh = [] { return std::string(); },
         .print = [] {},
         .documentation = [] {},
         .extension = project::kExtension});
    return [&menu](const QString& path) { menu.openFile(path); };
}

QString WriteFile(const QString& name, const QByteArray& bytes) {
    const QString path = QDir::temp().filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
}

// An orifice of 8 inches saved from a program of its own, as `vadocalc job.vado` finds it.
QString SavedOrificeProject() {
    ui::HeadlessServices services;
    MainModule saved(services);
    saved.SubMain();
    saved.FormList[0]->tabStrip.clickTab(3);
    auto& orifice = static_cast<FrmOrifice&>(*saved.FormList[2]);
    orifice.setFocus(&orifice.txt2Dia);
    orifice.txt2Dia.setSelection(0, static_cast<int>(orifice.txt2Dia.text().size()));
    orifice.txt2Dia.paste("8");
    orifice.leaveFocus();
    return WriteFile("vado-open-at-start.vado", QByteArray::fromStdString(project::Save(saved)));
}

TEST(OpenAtStart, AProjectOpensOnItsPageWithItsInputsAndItsName) {
    const QString path = SavedOrificeProject();
    Desk desk;
    InstallMenu(desk)(path);
    Settle();
    EXPECT_EQ(desk.module.CurrentForm, 2);
    EXPECT_EQ(desk.window->currentPage(), 2);
    auto& orifice = static_cast<FrmOrifice&>(*desk.module.FormList[2]);
    EXPECT_EQ(orifice.txt2Dia.text(), "8");
    EXPECT_EQ(orifice.lbl2Q.caption(), "Q = 1.68 cfs") << "the page computed as if typed";
    EXPECT_TRUE(desk.window->windowTitle().endsWith(" - vado-open-at-start.vado"))
        << desk.window->windowTitle().toStdString();
    EXPECT_TRUE(desk.watchdog.messages.empty());
}

TEST(OpenAtStart, AFileThatIsNoProjectIsReportedAndTheProgramStartsNew) {
    const struct {
        const char* name;
        QString path;
        const char* message;
    } cases[] = {
        {"not a project", WriteFile("vado-not-a-project.vado", "{\"format\": \"something else\"}"),
         ""},
        {"missing", QDir::temp().filePath("vado-no-such-project.vado"), "cannot be read"},
        {"a folder", QDir::tempPath(), "cannot be read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Desk desk;
        const std::string fresh = project::Save(desk.module);
        desk.watchdog.expectMessage();
        InstallMenu(desk)(c.path);
        Settle();
        ASSERT_EQ(desk.watchdog.messages.size(), 1u);
        EXPECT_TRUE(desk.watchdog.messages[0].text.contains(c.message))
            << desk.watchdog.messages[0].text.toStdString();
        EXPECT_EQ(desk.module.CurrentForm, 0);
        EXPECT_EQ(project::Save(desk.module), fresh) << "nothing of the file went in";
        EXPECT_TRUE(desk.window->windowTitle().endsWith(" - Untitled"))
            << desk.window->windowTitle().toStdString();
    }
}

TEST(AppIdentity, EveryWindowHasTheProgramsIconAndTheDesktopKnowsItsEntry) {
    ui::qt::SetAppIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), "io.github.vadocalc.Vadocalc");
    EXPECT_EQ(QCoreApplication::applicationVersion(), "2.1.4");
    const QIcon icon = QApplication::windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 32, 48, 256}) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    EXPECT_FALSE(icon.pixmap(48).isNull()) << "the icon is built into the program";
    Desk desk;
    EXPECT_EQ(desk.window->windowIcon().cacheKey(), icon.cacheKey());
}

}  // namespace
}  // namespace vado::qt_test
