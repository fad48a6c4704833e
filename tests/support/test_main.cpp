// Test entry point shared by every test executable.
// The QApplication is created only when tests actually run: CTest lists the tests by running the
// binary with --gtest_list_tests outside the test environment, where no display may exist.
#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "mainwindow/AppHooks.h"
#include "platform/SettingsStore.h"

int main(int argc, char** argv)
{
    bool listing = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0)
            listing = true;
    ::testing::InitGoogleMock(&argc, argv);
    if (listing)
        return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installAppHooks();
    // No test reads or writes the user's own settings store.
    QTemporaryDir settingsDir;
    Platform::setSettingsFile(settingsDir.filePath(QStringLiteral("settings.ini")));
    return RUN_ALL_TESTS();
}
