// The window tests need a Qt application around them. Without a display they run on the
// offscreen platform, which is also what test discovery during the build gets.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows play their sounds to no sound server, so that the tests are silent on a
    // desktop; the sound tests name the server of their own.
    if (!qEnvironmentVariableIsSet("PULSE_SERVER")) qputenv("PULSE_SERVER", "unix:/nonexistent");
    QApplication app(argc, argv);
    // Every window reads and writes "Kurobi.ini" in the current directory: each test process
    // gets a folder of its own, so no test sees another's settings.
    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path())) return 1;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
