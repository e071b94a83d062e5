#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    // Test discovery runs the program at build time, outside CTest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Whatever Qt or the program remembers (dialog state, settings, unsaved work) goes to a
    // folder of this run, never to the home folder of the person running the tests.
    QTemporaryDir home;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_STATE_HOME"})
        qputenv(name, home.filePath(QString(name).toLower()).toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
