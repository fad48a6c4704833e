// Failures the program does not show the operator still leave a warning in vqplog.core, and
// nothing is shown for them.
#include "test_store_fixture.h"

#include "core/Module2Prefs.h"
#include "core/modGlobalPreferences.h"
#include "tests/support/LogCapture.h"

namespace {

// Puts a folder where a file is expected, so writing the file fails whoever runs the test.
void blockWithFolder(const QString& path) { ASSERT_TRUE(QDir().mkpath(path)); }

// Puts a file where a folder is expected.
void blockWithFile(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

}   // namespace

TEST_F(StoreTest, WriteQSOprefReportsWhetherItWrote)
{
    G.OwnCall = QStringLiteral("W9ABC");
    {
        LogCapture log;
        EXPECT_TRUE(Module2::WriteQSOpref());
        EXPECT_TRUE(log.warnings("vqplog.core").isEmpty());
    }
    QFile::remove(dir.filePath(QStringLiteral("QSOpref.txt")));
    blockWithFolder(dir.filePath(QStringLiteral("QSOpref.txt")));
    LogCapture log;
    EXPECT_FALSE(Module2::WriteQSOpref());
    ASSERT_EQ(log.warnings("vqplog.core").size(), 1);
    EXPECT_TRUE(log.warnings("vqplog.core")[0].contains(QStringLiteral("QSOpref.txt")));
    EXPECT_TRUE(prompts.calls().isEmpty());
}

TEST_F(StoreTest, QuietFailuresLeaveAWarningAndShowNothing)
{
    struct Case {
        const char* name;
        std::function<void()> fail;   // sets up the fault and runs the step that meets it
        const char* mentions;         // a word the warning holds
    };
    const Case cases[] = {
        {"backup at shut-down, BACKUP is a file",
         [this] {
             writeLog(linesFor({"A1", "B2"}));
             blockWithFile(G.DataFolder + QStringLiteral("/BACKUP"));
             G.QSOCount = 2;
             G.LogCountAtLoad = 1;
             Module2::BackupLog();
         },
         "BACKUP"},
        {"shared preferences written into a folder",
         [this] {
             const QString path = dir.filePath(QStringLiteral("SharedUserPreferences.xml"));
             blockWithFolder(path);
             EXPECT_FALSE(modGlobalPreferences::SaveGlobalPreferences(path));
         },
         "shared preferences"},
        {"shared preferences without a file name",
         [] { EXPECT_FALSE(modGlobalPreferences::SaveGlobalPreferences(QString())); }, "shared preferences"},
        {"shared preferences that could not be read at start are not overwritten",
         [this] {
             const QString path = dir.filePath(QStringLiteral("Kept.xml"));
             blockWithFile(path);
             G.GlobalPrefsUnreadable = true;
             EXPECT_FALSE(modGlobalPreferences::SaveGlobalPreferences(path));
         },
         "could not be read"},
        {"a folder made quietly",
         [this] {
             blockWithFile(dir.filePath(QStringLiteral("plain")));
             modGlobalPreferences::EnsureFolder(dir.filePath(QStringLiteral("plain/sub")), 0);
         },
         "plain/sub"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        LogCapture log;
        c.fail();
        const QStringList warnings = log.warnings("vqplog.core");
        ASSERT_EQ(warnings.size(), 1) << warnings.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(warnings[0].contains(QLatin1String(c.mentions))) << warnings[0].toStdString();
        EXPECT_TRUE(prompts.calls().isEmpty());
        TearDown();
    }
}
