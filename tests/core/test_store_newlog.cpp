// Starting a new log after the typed confirmation, and the automatic backups.
#include "test_store_fixture.h"

#include <QFileInfo>

namespace {
const char* kNewLogTitle = "WARNING - Your existing log file will be ERASED!";
const char* kNewLogPrompt =
    "Are you sure that you want to start a new log file?  This function will ERASE the existing log file!"
    "\r\n\r\n\r\n\r\n"
    "To verify that you want to start a new log file, please type: YES";

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
}   // namespace

TEST_F(StoreTest, NewLogAsksForTheTypedConfirmation)
{
    struct Case {
        QString answer;
        bool confirms;
    };
    const Case cases[] = {
        {"YES", true},   {"yes", true}, {"Yes", true}, {"yEs", true}, {" YES", false},
        {"YES ", false}, {"", false},   {"NO", false}, {"Y", false},  {"YESS", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        loadCalls({"A1", "B2"});
        G.OpSecondsTotal = 300;
        G.OpSecondsSaved = 240;
        prompts.clear();
        prompts.answerInput(c.answer);

        EXPECT_TRUE(Module2::NewLog());

        const auto inputs = prompts.callsOf("input");
        ASSERT_EQ(inputs.size(), 1);
        EXPECT_EQ(inputs[0].title, kNewLogTitle);
        EXPECT_EQ(inputs[0].text, kNewLogPrompt);
        EXPECT_EQ(inputs[0].defaultText, "");
        EXPECT_TRUE(prompts.messages().isEmpty());
        if (c.confirms) {
            EXPECT_EQ(readLog(), QByteArray());
            EXPECT_EQ(G.QSOCount, 0);
            EXPECT_TRUE(slotEmpty(1));
            EXPECT_EQ(G.OpSecondsTotal, 0);
            EXPECT_EQ(G.OpSecondsSaved, 0);
        } else {
            EXPECT_EQ(readLog(), linesFor({"A1", "B2"}));
            EXPECT_EQ(callsInMemory(), QStringList({"A1", "B2"}));
            EXPECT_EQ(G.OpSecondsTotal, 300);
            EXPECT_EQ(G.OpSecondsSaved, 240);
        }
        QDir(G.DataFolder + "/BACKUP").removeRecursively();
    }
}

TEST_F(StoreTest, NewLogCopiesANonEmptyLogFirstWhateverWasLoaded)
{
    // Right after start-up: the log as loaded equals LogCountAtLoad, and before any load
    // nothing is in memory; the contest on disk is copied either way.
    struct Case {
        const char* name;
        bool loadFirst;
    };
    for (const Case& c : {Case{"after the first load", true}, Case{"before any load", false}}) {
        SCOPED_TRACE(c.name);
        QDir(G.DataFolder + "/BACKUP").removeRecursively();
        const QByteArray contest = linesFor({"A1", "B2", "C3"});
        writeLog(contest);
        G.QSOCount = 0;
        if (c.loadFirst) {
            ASSERT_TRUE(Module2::LoadLog());
            ASSERT_EQ(G.LogCountAtLoad, 3);
        }
        prompts.answerInput("YES");
        ASSERT_TRUE(Module2::NewLog());
        ASSERT_EQ(backups(), QStringList({"202405041002.log"}));
        EXPECT_EQ(readFile(G.DataFolder + "/BACKUP/202405041002.log"), contest);
        EXPECT_EQ(readLog(), QByteArray());
    }
}

TEST_F(StoreTest, NewLogOnAnEmptyOrMissingLogMakesNoCopy)
{
    for (bool exists : {true, false}) {
        SCOPED_TRACE(exists);
        QFile::remove(logPath());
        if (exists)
            writeLog({});
        prompts.answerInput("yes");
        ASSERT_TRUE(Module2::NewLog());
        EXPECT_TRUE(backups().isEmpty());
        EXPECT_TRUE(QFileInfo::exists(logPath()));
        EXPECT_EQ(readLog(), QByteArray());
    }
}

TEST_F(StoreTest, NewLogKeepsTheLogWhenNoCopyCanBeMade)
{
    loadCalls({"A1", "B2"});
    // The data folder is a file: no BACKUP folder can be made in it.
    ASSERT_TRUE(QDir(G.DataFolder).removeRecursively());
    QFile blocker(G.DataFolder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    G.OpSecondsSaved = 60;
    prompts.answerInput("YES");
    QString error;
    EXPECT_FALSE(Module2::NewLog(&error));
    EXPECT_TRUE(error.contains("BACKUP")) << error.toStdString();
    EXPECT_EQ(readLog(), linesFor({"A1", "B2"}));
    EXPECT_EQ(G.QSOCount, 2);
    EXPECT_EQ(G.OpSecondsSaved, 60);
}

TEST_F(StoreTest, NewLogReportsALogThatCannotBeEmptied)
{
    ASSERT_TRUE(QDir().mkpath(logPath() + "/inside"));
    G.OpSecondsSaved = 60;
    prompts.answerInput("YES");
    QString error;
    EXPECT_FALSE(Module2::NewLog(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(error.contains("BACKUP")) << error.toStdString();
    EXPECT_EQ(G.OpSecondsSaved, 60);
}

TEST_F(StoreTest, BackupOnlyWhenTheLogChangedInThisRun)
{
    struct Case {
        const char* name;
        int count;
        float atLoad;
        bool copies;
    };
    const Case cases[] = {
        {"no contact", 0, 0, false},   {"as loaded", 5, 5, false},       {"contacts added", 6, 5, true},
        {"started empty", 5, 0, true}, {"contacts deleted", 4, 5, true},
    };
    writeLog(linesFor({"A1"}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(G.DataFolder + "/BACKUP").removeRecursively();
        G.QSOCount = c.count;
        G.LogCountAtLoad = c.atLoad;
        Module2::BackupLog();
        EXPECT_EQ(backups().size(), c.copies ? 1 : 0);
    }
}

TEST_F(StoreTest, RunStartedEmptyFixesItsReferenceAtTheFirstReload)
{
    writeLog({});
    ASSERT_TRUE(Module2::LoadLog());
    for (const char* call : {"A1", "B2", "C3", "D4", "E5"}) {
        G.ContactArrays.ContactCall[++G.QSOCount] = call;
        ASSERT_TRUE(Module2::AppendContact());
    }
    ASSERT_TRUE(Module2::LoadLog());   // a band change
    EXPECT_EQ(G.LogCountAtLoad, 5);
    Module2::BackupLog();   // shut-down
    EXPECT_TRUE(backups().isEmpty());
}

TEST_F(StoreTest, BackupsInTheSameMinuteNeverReplaceOneAnother)
{
    G.LogCountAtLoad = 1;
    G.QSOCount = 2;
    writeLog(linesFor({"A1", "B2"}));
    Module2::BackupLog();
    clock.advanceMs(40 * 1000);   // 14:02:51 UTC, still 10:02 local
    writeLog(linesFor({"A1", "B2", "C3"}));
    G.QSOCount = 3;
    Module2::BackupLog();
    ASSERT_EQ(backups(), QStringList({"202405041002.log", "20240504100251.log"}));
    EXPECT_EQ(readFile(G.DataFolder + "/BACKUP/202405041002.log"), linesFor({"A1", "B2"}));
    EXPECT_EQ(readFile(G.DataFolder + "/BACKUP/20240504100251.log"), linesFor({"A1", "B2", "C3"}));

    // A name taken in another case counts as taken.
    clock.advanceMs(10 * 1000);   // 10:03:01 local
    QFile other(G.DataFolder + "/BACKUP/202405041003.LOG");
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    Module2::BackupLog();
    EXPECT_EQ(readFile(G.DataFolder + "/BACKUP/202405041003.LOG"), QByteArray());
    EXPECT_EQ(readFile(G.DataFolder + "/BACKUP/20240504100301.log"), linesFor({"A1", "B2", "C3"}));
}

TEST_F(StoreTest, BackupReusesAFolderSpelledInAnotherCase)
{
    ASSERT_TRUE(QDir().mkpath(G.DataFolder + "/Backup"));
    writeLog(linesFor({"A1"}));
    G.QSOCount = 1;
    Module2::BackupLog();
    EXPECT_EQ(QDir(G.DataFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({"Backup"}));
    EXPECT_EQ(QDir(G.DataFolder + "/Backup").entryList(QDir::Files), QStringList({"202405041002.log"}));
}

TEST_F(StoreTest, BackupFailureIsSilent)
{
    ASSERT_TRUE(QDir(G.DataFolder).removeRecursively());
    QFile blocker(G.DataFolder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    writeLog(linesFor({"A1"}));
    G.QSOCount = 1;
    Module2::BackupLog();
    EXPECT_TRUE(prompts.calls().isEmpty());
    EXPECT_EQ(readLog(), linesFor({"A1"}));
}
