// One copy of the program per program folder: a second copy is refused while the first runs, and
// allowed once the first has ended or crashed. The first copy is a real second process (this test
// executable, running only the holder test below).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <iostream>
#include <string>

#include "core/Globals.h"
#include "core/ProgramLock.h"
#include "core/Startup.h"
#include "platform/Prompts.h"
#include "tests/support/ScriptedPrompts.h"

namespace {

const char* const HolderFolderVariable = "VQPLOG_TEST_LOCK_HOLDER_FOLDER";

// A first copy in another process: it takes the lock of `folder`, says "held", and keeps it until
// its standard input closes (it ends) or it is killed (it crashes).
class Holder {
public:
    explicit Holder(const QString& folder)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(HolderFolderVariable), folder);
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=ProgramLockHolder.*")});
    }
    ~Holder()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(10000);
        }
    }
    bool waitUntilHeld()
    {
        while (!process_.readAllStandardOutput().contains("LOCK HELD")) {
            if (!process_.waitForReadyRead(20000))
                return false;
        }
        return true;
    }
    bool end()
    {
        process_.closeWriteChannel();
        return process_.waitForFinished(20000) && process_.exitStatus() == QProcess::NormalExit;
    }
    bool crash()
    {
        process_.kill();
        return process_.waitForFinished(20000) && process_.exitStatus() == QProcess::CrashExit;
    }

private:
    QProcess process_;
};

class ProgramLockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        ASSERT_TRUE(dir.isValid());
        Platform::setPrompts(&prompts);
    }
    void TearDown() override
    {
        ProgramLock::release();
        Platform::setPrompts(nullptr);
    }
    QTemporaryDir dir;
    Platform::ScriptedPrompts prompts;
};

}   // namespace

// Runs only as the first copy of the tests below.
TEST(ProgramLockHolder, HoldsTheLockUntilItsInputCloses)
{
    const QString folder = qEnvironmentVariable(HolderFolderVariable);
    if (folder.isEmpty())
        GTEST_SKIP() << "runs only as the helper process of ProgramLockTest";
    ASSERT_EQ(ProgramLock::acquire(folder), ProgramLock::Result::Held);
    std::cout << "LOCK HELD" << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {}
    ProgramLock::release();
}

TEST_F(ProgramLockTest, ASecondCopyIsRefusedWhileTheFirstRunsAndAllowedAfterItEnds)
{
    Holder first(dir.path());
    ASSERT_TRUE(first.waitUntilHeld());

    // The start-up of a second copy in that folder says so, naming the folder, and goes no further.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const bool started = Startup::begin();
    QDir::setCurrent(before);
    EXPECT_FALSE(started);
    ASSERT_EQ(prompts.callsOf(QStringLiteral("message")).size(), 1);
    EXPECT_EQ(prompts.calls()[0].title, ProgramLock::InUseTitle);
    EXPECT_TRUE(prompts.calls()[0].text.contains(dir.path())) << prompts.calls()[0].text.toStdString();
    EXPECT_TRUE(G.ProgramFolder.isEmpty());   // nothing of the start-up ran

    // However long the first copy has been running, its lock is not taken over.
    QFile lockFile(dir.filePath(QString::fromLatin1(ProgramLock::LockFileName)));
    ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
    lockFile.close();
    EXPECT_EQ(ProgramLock::acquire(dir.path()), ProgramLock::Result::InUse);

    ASSERT_TRUE(first.end());
    EXPECT_EQ(ProgramLock::acquire(dir.path()), ProgramLock::Result::Held);
    // Held for the rest of the run: asking again changes nothing.
    EXPECT_EQ(ProgramLock::acquire(dir.path()), ProgramLock::Result::Held);
}

TEST_F(ProgramLockTest, TheLockOfACrashedCopyIsTakenOver)
{
    Holder first(dir.path());
    ASSERT_TRUE(first.waitUntilHeld());
    EXPECT_EQ(ProgramLock::acquire(dir.path()), ProgramLock::Result::InUse);
    ASSERT_TRUE(first.crash());
    ASSERT_TRUE(QFile::exists(dir.filePath(QString::fromLatin1(ProgramLock::LockFileName))));
    EXPECT_EQ(ProgramLock::acquire(dir.path()), ProgramLock::Result::Held);
}

TEST_F(ProgramLockTest, ALockFileThatNamesNoHolderIsTakenOver)
{
    // What a power loss can leave: the file made, its content never written.
    QFile empty(dir.filePath(QString::fromLatin1(ProgramLock::LockFileName)));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    EXPECT_EQ(ProgramLock::acquire(dir.path()), ProgramLock::Result::Held);
}

TEST_F(ProgramLockTest, AFolderWithoutRoomForALockDoesNotStopTheRun)
{
    // A lock name taken by a folder cannot be made into a lock file.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromLatin1(ProgramLock::LockFileName)));
    EXPECT_EQ(ProgramLock::acquire(dir.path()), ProgramLock::Result::Unavailable);
}
