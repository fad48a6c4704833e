// The log store against damaged and unusual files: what the loader takes as a record, what it
// refuses, and that an append never makes a readable log unreadable.
#include "test_store_fixture.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <functional>

#include <sys/stat.h>

namespace {

// The next contact, stored as the out-of-state window stores it, and appended.
bool appendContact(const QString& call, QString* error = nullptr)
{
    ContactArraysT& ca = G.ContactArrays;
    const int i = ++G.QSOCount;
    ca.ContactCall[i] = call;
    ca.ContactRSTSent[i] = QStringLiteral("599");
    ca.ContactRSTRcvd[i] = QStringLiteral("599");
    ca.ContactCounty[i] = QStringLiteral("Marion");
    ca.ContactDate[i] = QStringLiteral("2024/05/04");
    ca.ContactTime[i] = QStringLiteral("14:02:11");
    ca.ContactMode[i] = QStringLiteral("CW");
    ca.ContactBand[i] = QStringLiteral("20");
    return Module2::AppendContact(error);
}

}   // namespace

// Whatever the loader accepts stays loadable after the next contact is appended: blank lines
// (what `echo > log.txt` or an editor's extra line end leaves) anywhere, a last line without
// its line end, a byte-order mark.
TEST_F(StoreTest, AppendKeepsEveryLoadableLogLoadable)
{
    QByteArray noEnd = lineFor(QStringLiteral("A1"));
    noEnd.chop(2);
    struct Case {
        const char* name;
        QByteArray data;
        QStringList calls;
    };
    const Case cases[] = {
        {"a lone line end", "\n", {}},
        {"a lone CR LF", "\r\n", {}},
        {"blanks and line ends only", " \r\n\t\r\n\r\n", {}},
        {"a blank last line", lineFor(QStringLiteral("A1")) + "\r\n", {"A1"}},
        {"blank lines between and after",
         lineFor(QStringLiteral("A1")) + "\n  \n" + lineFor(QStringLiteral("B2")) + "\r\n\r\n",
         {"A1", "B2"}},
        {"LF line ends", QByteArray(lineFor(QStringLiteral("A1"))).replace("\r\n", "\n") + "\n", {"A1"}},
        {"no line end after the last record", noEnd, {"A1"}},
        {"a byte-order mark", "\xEF\xBB\xBF" + lineFor(QStringLiteral("A1")), {"A1"}},
        {"a byte-order mark alone", "\xEF\xBB\xBF", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeLog(c.data);
        ASSERT_TRUE(Module2::LoadLog());
        ASSERT_EQ(callsInMemory(), c.calls);
        ASSERT_TRUE(appendContact(QStringLiteral("N9NEW")));
        ASSERT_TRUE(Module2::LoadLog());
        EXPECT_EQ(callsInMemory(), c.calls + QStringList{QStringLiteral("N9NEW")});
        EXPECT_EQ(G.ContactArrays.ContactBand[G.QSOCount], "20");
        EXPECT_EQ(programEnds, 0);
        EXPECT_TRUE(prompts.calls().isEmpty());
    }
}

// A record is one line of exactly 19 values. A line that is not one record fails the whole load
// and the message says which line; log.txt is left as it was.
TEST_F(StoreTest, ALineThatIsNotOneRecordFailsTheLoad)
{
    const QByteArray good = lineFor(QStringLiteral("A1"));
    QByteArray eighteen = lineFor(QStringLiteral("B2"));
    eighteen.replace(",\"14.025\"", "");
    QByteArray twenty = lineFor(QStringLiteral("B2"));
    twenty.replace("\"14.025\"", "\"14.025\",\"\"");
    QByteArray strayQuote = lineFor(QStringLiteral("B2"));
    strayQuote.replace("\"B2\"", "\"B\"2\"");
    QByteArray quoteInBare = lineFor(QStringLiteral("B2"));
    quoteInBare.replace(",0,", ",0\",");
    QByteArray unclosed = lineFor(QStringLiteral("B2"));
    unclosed.replace("\"14.025\"", "\"14.025");
    QByteArray split = lineFor(QStringLiteral("B2"));
    split.replace("\"OH\",", "\"OH\"\r\n");
    QByteArray bomLater = good + "\xEF\xBB\xBF" + lineFor(QStringLiteral("B2"));

    struct Case {
        const char* name;
        QByteArray data;
        int badLine;
    };
    const Case cases[] = {
        {"18 values", good + eighteen + good, 2},
        {"20 values", good + twenty, 2},
        {"a stray quote inside a quoted value", good + good + strayQuote, 3},
        {"a quote inside a bare value", quoteInBare, 1},
        {"a quote that never closes on its line", unclosed + good, 1},
        {"a record spread over two lines", good + split, 2},
        {"a byte-order mark that does not start the file", bomLater, 2},
        {"after blank lines, counted", good + "\r\n\r\n" + eighteen, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeLog(c.data);
        prompts.clear();
        programEnds = 0;
        EXPECT_FALSE(Module2::LoadLog());
        EXPECT_EQ(programEnds, 1);
        ASSERT_EQ(prompts.callsOf("message").size(), 1);
        const auto box = prompts.callsOf("message")[0];
        EXPECT_EQ(box.title, "File Error");
        EXPECT_TRUE(box.text.startsWith("Error opening file.")) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(QStringLiteral("line %1 ").arg(c.badLine))) << box.text.toStdString();
        EXPECT_EQ(G.QSOCount, 0);
        EXPECT_TRUE(slotEmpty(1));
        EXPECT_EQ(readLog(), c.data);
    }
}

// log.txt that is not a regular file is refused at once (no wait for a writer, no endless read),
// as an unreadable log is.
TEST_F(StoreTest, ALogThatIsNotARegularFileIsRefusedAtOnce)
{
    struct Case {
        const char* name;
        std::function<bool()> make;
    };
    const Case cases[] = {
        {"a FIFO", [this] { return ::mkfifo(QFile::encodeName(logPath()).constData(), 0600) == 0; }},
        {"a symlink to a FIFO",
         [this] {
             const QString fifo = dir.filePath(QStringLiteral("pipe"));
             return ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0 && QFile::link(fifo, logPath());
         }},
        {"a device", [this] { return QFile::link(QStringLiteral("/dev/zero"), logPath()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(logPath());
        QFile::remove(dir.filePath(QStringLiteral("pipe")));
        ASSERT_TRUE(c.make());
        prompts.clear();
        programEnds = 0;
        EXPECT_FALSE(Module2::LoadLog());
        EXPECT_EQ(programEnds, 1);
        ASSERT_EQ(prompts.callsOf("message").size(), 1);
        EXPECT_EQ(prompts.callsOf("message")[0].text, "Error opening file.");
        EXPECT_EQ(G.QSOCount, 0);
    }
    // Appending to a FIFO nobody reads fails instead of waiting for a reader.
    QFile::remove(logPath());
    ASSERT_EQ(::mkfifo(QFile::encodeName(logPath()).constData(), 0600), 0);
    QString error;
    EXPECT_FALSE(appendContact(QStringLiteral("N9NEW"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(StoreTest, ALogLargerThan11000RecordsCanBeIsRefusedUnread)
{
    // A sparse file: its size alone refuses it, nothing of it is read into memory.
    {
        QFile f(logPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(4) << 30));
    }
    EXPECT_FALSE(Module2::LoadLog());
    EXPECT_EQ(programEnds, 1);
    ASSERT_EQ(prompts.callsOf("message").size(), 1);
    EXPECT_EQ(prompts.callsOf("message")[0].text, "Error opening file.");
}

// A write that stops part way (full disk, file size limit) reports the system's reason, never
// "Unknown error", and leaves whole records only.
TEST_F(StoreTest, APartlyWrittenAppendNamesTheSystemsReason)
{
    loadCalls({"A1", "B2"});
    const QByteArray before = readLog();
    QString error;
    {
        FileSizeLimit limit(before.size() + 30);
        EXPECT_FALSE(appendContact(QStringLiteral("C3"), &error));
    }
    EXPECT_EQ(error, QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(readLog(), before);
}

// Two new logs within one minute: each log's contacts survive in a backup of their own.
TEST_F(StoreTest, TwoNewLogsWithinOneMinuteKeepTwoBackups)
{
    const QByteArray first = linesFor({"A1", "B2"});
    writeLog(first);
    ASSERT_TRUE(Module2::LoadLog());
    prompts.answerInput("YES");
    ASSERT_TRUE(Module2::NewLog());

    clock.advanceMs(20 * 1000);   // 10:02:31 local, the same minute
    ASSERT_TRUE(appendContact(QStringLiteral("C3")));
    const QByteArray second = readLog();
    prompts.answerInput("YES");
    ASSERT_TRUE(Module2::NewLog());

    // The end-of-run backup twice within one second: the second gains a counter.
    clock.advanceMs(1000);
    ASSERT_TRUE(appendContact(QStringLiteral("D4")));
    const QByteArray third = readLog();
    Module2::BackupLog();
    ASSERT_TRUE(appendContact(QStringLiteral("E5")));
    ASSERT_TRUE(appendContact(QStringLiteral("F6")));
    const QByteArray fourth = readLog();
    Module2::BackupLog();

    const QString folder = G.DataFolder + QStringLiteral("/BACKUP/");
    QStringList names = backups();
    names.sort();
    ASSERT_EQ(names,
              QStringList({"202405041002.log", "20240504100231.log", "20240504100232-2.log", "20240504100232.log"}));
    auto read = [](const QString& p) {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    EXPECT_EQ(read(folder + "202405041002.log"), first);
    EXPECT_EQ(read(folder + "20240504100231.log"), second);
    EXPECT_EQ(read(folder + "20240504100232.log"), third);
    EXPECT_EQ(read(folder + "20240504100232-2.log"), fourth);
}

// A file offered for a restore is checked by the same rules before it replaces log.txt.
TEST_F(StoreTest, ARestoredFileIsCheckedByTheSameRules)
{
    const QString archive = dir.filePath(QStringLiteral("archive.log"));
    auto writeArchive = [&](const QByteArray& data) {
        QFile f(archive);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(data);
    };
    int records = -1;
    QString error;
    writeArchive("\xEF\xBB\xBF" + lineFor(QStringLiteral("A1")) + "\r\n" + lineFor(QStringLiteral("B2")) + "\n");
    EXPECT_TRUE(Module2::CheckLogFile(archive, &records, &error));
    EXPECT_EQ(records, 2);

    QByteArray twenty = lineFor(QStringLiteral("B2"));
    twenty.replace("\"14.025\"", "\"14.025\",\"\"");
    writeArchive(lineFor(QStringLiteral("A1")) + twenty);
    EXPECT_FALSE(Module2::CheckLogFile(archive, &records, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("line 2 "))) << error.toStdString();

    QFile::remove(archive);
    ASSERT_EQ(::mkfifo(QFile::encodeName(archive).constData(), 0600), 0);
    EXPECT_FALSE(Module2::CheckLogFile(archive, &records, &error));
    EXPECT_FALSE(error.isEmpty());
}
