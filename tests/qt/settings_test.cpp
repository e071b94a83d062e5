#include "ui/qt/settings.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "desk.h"

namespace vado::qt_test {
namespace {

// The window's place and size and the recent projects, from one run to the next.
TEST(Settings, GeometryAndRecentProjectsSurviveARestart) {
    QTemporaryDir dir;
    const QString file = dir.filePath("vadocalc.conf");
    QRect placed;
    {
        Desk run;
        ui::qt::Settings settings(file);
        ui::qt::RememberGeometry(*run.window, settings);
        run.window->setGeometry(137, 64, 700, 900);
        Settle();
        placed = run.window->geometry();
        settings.addRecentFile(dir.filePath("a.vado"));
        run.window->close();
    }
    Desk next;
    ui::qt::Settings settings(file);
    const QRect opened = next.window->geometry();
    ui::qt::RememberGeometry(*next.window, settings);
    Settle();
    EXPECT_NE(opened, placed);
    EXPECT_EQ(next.window->geometry(), placed);
    EXPECT_EQ(settings.recentFiles(), QStringList{dir.filePath("a.vado")});

    settings.clear();
    EXPECT_TRUE(ui::qt::Settings(file).windowGeometry().isEmpty()) << "a reset forgets everything";
}

TEST(Settings, RecentProjectsKeepTheLatestEightOnceEach) {
    QTemporaryDir dir;
    ui::qt::Settings settings(dir.filePath("vadocalc.conf"));
    for (int i = 1; i <= 10; ++i)
        settings.addRecentFile(dir.filePath(QString("job%1.vado").arg(i)));
    settings.addRecentFile(dir.filePath("job5.vado"));
    settings.addRecentFile(dir.filePath("sub/../job9.vado"));
    QStringList expected;
    for (int i : {9, 5, 10, 8, 7, 6, 4, 3}) expected << dir.filePath(QString("job%1.vado").arg(i));
    EXPECT_EQ(settings.recentFiles(), expected);
    settings.removeRecentFile(expected[1]);
    expected.removeAt(1);
    EXPECT_EQ(ui::qt::Settings(dir.filePath("vadocalc.conf")).recentFiles(), expected);
}

}  // namespace
}  // namespace vado::qt_test
