#include "ui/qt/settings.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "desk.h"

namespace vado::qt_test {
namespace {

// The window's place and size and the recent projects (the latest eight, each once), from one
// run to the next.
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
    EXPECT_TRUE(ui::qt::Settings(file).windowGeometry().isEmpty()) << "a reset forgets everything";
}

}  // namespace
}  // namespace vado::qt_test
