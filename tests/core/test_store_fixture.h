#pragma once
// Shared set-up of the log store tests: a program folder and a data folder in a temporary
// folder, scripted prompts, a fixed clock and a recorded program end.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <initializer_list>
#include <sys/resource.h>

#include "core/Globals.h"
#include "core/Module2Log.h"
#include "platform/Clock.h"
#include "platform/Exit.h"
#include "platform/Prompts.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScriptedPrompts.h"

// Makes file writes beyond `bytes` fail (EFBIG) while it lives, whatever the user's rights.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim = old_;
        lim.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

// The two example contacts: made inside the contest state (fields 4 and 7 set, a rig frequency)
// and outside it (fields 4 and 7 never set, no rig).
inline const QByteArray kInStateLine = "\"K9XYZ\",\"599\",\"599\",\"OH\",\"\",\"\",\"Marion\",\"\",\"\",\"\",\"\","
                                       "\"2024/05/04\",\"14:02:11\",\"CW\",\"20\",0,\"\",\"\",\"14.025\"\r\n";
inline const QByteArray kOutStateLine = "\"K9XYZ\",\"599\",\"599\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"\",\"\","
                                        "\"2024/05/04\",\"14:02:11\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n";

// A record line for call sign `call`, otherwise like the in-state example.
inline QByteArray lineFor(const QString& call)
{
    QByteArray l = kInStateLine;
    l.replace("K9XYZ", call.toLatin1());
    return l;
}

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        ASSERT_TRUE(dir.isValid());
        G.ProgramFolder = dir.path();
        G.DataFolder = dir.filePath(QStringLiteral("Vazazev"));
        ASSERT_TRUE(QDir().mkpath(G.DataFolder));
        clock.set(QDateTime(QDate(2024, 5, 4), QTime(14, 2, 11), Qt::UTC), -4 * 3600);
        Platform::setPrompts(&prompts);
        Platform::setClock(&clock);
        Platform::setEndProgramHook([this] { ++programEnds; });
    }
    void TearDown() override
    {
        Platform::setPrompts(nullptr);
        Platform::setClock(nullptr);
        Platform::setEndProgramHook({});
    }

    QString logPath() const { return dir.filePath(QStringLiteral("log.txt")); }
    static void writeFile(const QString& path, const QByteArray& data)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(data);
    }
    void writeLog(const QByteArray& data) { writeFile(logPath(), data); }
    // Copies installed files of data/ into the program folder, as the run script does.
    void installDataFiles(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            ASSERT_TRUE(QFile::copy(QStringLiteral(VQPLOG_SOURCE_DIR "/data/") + QLatin1String(name),
                                    dir.filePath(QLatin1String(name))));
    }
    QByteArray readLog() const
    {
        QFile f(logPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QByteArray linesFor(const QStringList& calls) const
    {
        QByteArray out;
        for (const QString& c : calls)
            out += lineFor(c);
        return out;
    }
    // Loads a log of the given calls from the file.
    void loadCalls(const QStringList& calls)
    {
        writeLog(linesFor(calls));
        ASSERT_TRUE(Module2::LoadLog());
        ASSERT_EQ(G.QSOCount, calls.size());
    }
    QStringList callsInMemory() const
    {
        QStringList out;
        for (int i = 1; i <= G.QSOCount; ++i)
            out << G.ContactArrays.ContactCall[i];
        return out;
    }
    // True when every field of slot i is empty.
    static bool slotEmpty(int i)
    {
        for (int k = 1; k <= ContactArraysT::FieldCount; ++k)
            if (k != 16 && !G.ContactArrays.text(k, i).isEmpty())
                return false;
        return G.ContactArrays.ContactField16[i] == 0;
    }
    QStringList backups() const
    {
        return QDir(G.DataFolder + QStringLiteral("/BACKUP")).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir dir;
    Platform::ScriptedPrompts prompts;
    Platform::FakeClock clock;
    int programEnds = 0;
};
