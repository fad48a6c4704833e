// Archive and restore of log.txt: the byte-for-byte round trip, the questions and dialogs, and
// every refused restore leaving log.txt exactly as it was.
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "core/CommonFileDialog.h"
#include "core/Globals.h"
#include "core/Module2Log.h"
#include "mainwindow/ArchiveRestore.h"
#include "tests/core/test_store_fixture.h"

namespace {
QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
}   // namespace

class ArchiveTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        G.OwnCall = QStringLiteral("K9XYZ/M");
        ASSERT_TRUE(QDir().mkpath(backupFolder()));
    }
    QString backupFolder() const { return G.DataFolder + QStringLiteral("/BACKUP"); }
    QString inBackup(const QString& name) const { return backupFolder() + QLatin1Char('/') + name; }

    CommonFileDialog dialog;
};

TEST_F(ArchiveTest, ArchiveThenRestoreGivesBackLogTxtByteForByte)
{
    // Latin-1 text, an empty value and a last line without its line end: copied, never rewritten.
    const QByteArray original = kInStateLine + lineFor(QStringLiteral("W9\xC9")) + kOutStateLine.chopped(2);
    writeLog(original);
    ASSERT_TRUE(Module2::LoadLog());

    prompts.answerFile(inBackup(QStringLiteral("K9XYZ2024-05-04.log")));
    ArchiveRestore::mnuArchive_Click(dialog);
    const auto save = prompts.callsOf(QStringLiteral("save"));
    ASSERT_EQ(save.size(), 1);
    EXPECT_EQ(QDir(save[0].text), QDir(backupFolder()));
    EXPECT_EQ(save[0].defaultText, QStringLiteral("K9XYZ2024-05-04.log"));   // local date, stem of the call
    EXPECT_EQ(dialog.Filter, QStringLiteral("Log Files (*.log)"));
    EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[0].title, QStringLiteral("Archive Information"));
    EXPECT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(fileBytes(inBackup(QStringLiteral("K9XYZ2024-05-04.log"))), original);

    // More contacts are logged, then the archive comes back.
    writeLog(original + "\r\n" + lineFor(QStringLiteral("N9NEW")));
    ASSERT_TRUE(Module2::LoadLog());
    const QByteArray replaced = readLog();
    prompts.clear();
    prompts.answer(Platform::Answer::Yes);   // "Are your sure?"
    prompts.answerFile(inBackup(QStringLiteral("K9XYZ2024-05-04.log")));
    ASSERT_TRUE(ArchiveRestore::mnuRestore_Click(dialog));
    EXPECT_EQ(readLog(), original);
    const auto messages = prompts.callsOf(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0].title, QStringLiteral("Opening Archived Data Information"));
    EXPECT_EQ(messages[1].title, QStringLiteral("Are your sure?"));
    EXPECT_EQ(messages[1].buttons, Platform::Buttons::YesNo);
    const auto open = prompts.callsOf(QStringLiteral("open"));
    ASSERT_EQ(open.size(), 1);
    EXPECT_TRUE(open[0].defaultText.isEmpty());
    // The log that was replaced is kept in BACKUP first.
    EXPECT_EQ(fileBytes(inBackup(QStringLiteral("202405041002.log"))), replaced);
}

TEST_F(ArchiveTest, RefusedRestoresLeaveLogTxtUntouched)
{
    writeLog(kInStateLine + kOutStateLine);
    ASSERT_TRUE(Module2::LoadLog());
    const QByteArray before = readLog();
    writeFile(inBackup(QStringLiteral("notes.log")), "Remember to call W9ABC on 40 m.\r\n");
    writeFile(inBackup(QStringLiteral("short.log")), kInStateLine + kOutStateLine.left(40));
    struct Case {
        const char* name;
        QString file;
        const char* reason;
    };
    const Case cases[] = {
        {"a text file", inBackup(QStringLiteral("notes.log")), "not a contest log"},
        {"a log cut inside a record", inBackup(QStringLiteral("short.log")), "not a contest log"},
        {"a file that does not exist", inBackup(QStringLiteral("typed.log")), "No such file"},
        {"log.txt itself", dir.filePath(QStringLiteral("LOG.txt")), "working log"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.clear();
        prompts.answer(Platform::Answer::Yes);
        prompts.answerFile(c.file);
        EXPECT_FALSE(ArchiveRestore::mnuRestore_Click(dialog));
        EXPECT_EQ(readLog(), before);
        const auto messages = prompts.callsOf(QStringLiteral("message"));
        ASSERT_EQ(messages.size(), 3);
        EXPECT_EQ(messages[2].title, QStringLiteral("Error Restoring Log"));
        EXPECT_TRUE(messages[2].text.contains(QLatin1String(c.reason))) << messages[2].text.toStdString();
    }
    EXPECT_TRUE(backups().contains(QStringLiteral("notes.log")));
    EXPECT_EQ(backups().size(), 2) << "no backup of log.txt was made for a refused restore";
}

TEST_F(ArchiveTest, RestoreQuestionAndCancel)
{
    writeFile(inBackup(QStringLiteral("202405031200.log")), kOutStateLine);

    // An empty log asks no question.
    prompts.answerFile(inBackup(QStringLiteral("202405031200.log")));
    ASSERT_TRUE(ArchiveRestore::mnuRestore_Click(dialog));
    EXPECT_EQ(readLog(), kOutStateLine);
    EXPECT_EQ(prompts.messages().size(), 1);

    ASSERT_TRUE(Module2::LoadLog());
    ASSERT_EQ(G.QSOCount, 1);
    for (bool answerNo : {true, false}) {
        SCOPED_TRACE(answerNo ? "No" : "Cancel in the dialog");
        prompts.clear();
        prompts.answer(answerNo ? Platform::Answer::No : Platform::Answer::Yes);
        EXPECT_FALSE(ArchiveRestore::mnuRestore_Click(dialog));
        EXPECT_EQ(prompts.callsOf(QStringLiteral("open")).size(), answerNo ? 0 : 1);
        EXPECT_EQ(prompts.messages().size(), 2);
        EXPECT_EQ(readLog(), kOutStateLine);
    }
}

TEST_F(ArchiveTest, ArchiveOfAnEmptyLogCancelAndFailure)
{
    // No log.txt yet: the archive is an empty log.
    prompts.answerFile(inBackup(QStringLiteral("empty.log")));
    ArchiveRestore::mnuArchive_Click(dialog);
    EXPECT_EQ(fileBytes(inBackup(QStringLiteral("empty.log"))), QByteArray());

    writeLog(kInStateLine);
    prompts.clear();
    ArchiveRestore::mnuArchive_Click(dialog);   // Cancel
    EXPECT_EQ(prompts.messages().size(), 1);

    prompts.clear();
    prompts.answerFile(dir.filePath(QStringLiteral("no/such/folder/a.log")));
    ArchiveRestore::mnuArchive_Click(dialog);
    const auto messages = prompts.callsOf(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1].title, QStringLiteral("Error Archiving Log"));
    EXPECT_FALSE(messages[1].text.isEmpty());
    EXPECT_EQ(readLog(), kInStateLine);
}
