// The log store on real files: loading, appending, rewriting and deleting.
#include "test_store_fixture.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace {

// What the out-of-state window's logging does: the next slot gets only the fields it sets.
bool logOutOfStateContact(QString* error = nullptr)
{
    ContactArraysT& ca = G.ContactArrays;
    const int i = ++G.QSOCount;
    ca.ContactCall[i] = QStringLiteral("K9XYZ");
    ca.ContactRSTSent[i] = QStringLiteral("599");
    ca.ContactRSTRcvd[i] = QStringLiteral("599");
    ca.ContactCounty[i] = QStringLiteral("Marion");
    ca.ContactDate[i] = QStringLiteral("2024/05/04");
    ca.ContactTime[i] = QStringLiteral("14:02:11");
    ca.ContactMode[i] = QStringLiteral("CW");
    ca.ContactBand[i] = QStringLiteral("20");
    ca.ContactFrequency[i] = QString();
    return Module2::AppendContact(error);
}

}   // namespace

TEST_F(StoreTest, LoadsBothExampleContactsAndRewritesThemByteForByte)
{
    const QByteArray file = kInStateLine + kOutStateLine;
    writeLog(file);
    ASSERT_TRUE(Module2::LoadLog());
    ASSERT_EQ(G.QSOCount, 2);
    const ContactArraysT& ca = G.ContactArrays;
    EXPECT_EQ(ca.ContactSPC[1], "OH");
    EXPECT_EQ(ca.ContactSentCounty[1], "Marion");
    EXPECT_EQ(ca.ContactFrequency[1], "14.025");
    EXPECT_EQ(ca.ContactSPC[2], "");
    EXPECT_EQ(ca.ContactCounty[2], "Marion");
    EXPECT_EQ(ca.ContactDate[2], "2024/05/04");
    EXPECT_EQ(ca.ContactField16[2], 0);

    ASSERT_TRUE(Module2::RewriteLog());
    EXPECT_EQ(readLog(), file);
    EXPECT_EQ(Module2::LogRecordLine(1), kInStateLine);
}

TEST_F(StoreTest, ARecordIsOneLineOf19Values)
{
    // Blanks around values and a bare text are taken as they are; a line of 19 values is a record
    // whatever the line end.
    QByteArray spaced = lineFor(QStringLiteral("W1AW"));
    spaced.replace("\"OH\",", " \"OH\" ,");
    spaced.replace("\r\n", "\n");
    writeLog(kInStateLine + spaced + kOutStateLine);
    ASSERT_TRUE(Module2::LoadLog());
    ASSERT_EQ(G.QSOCount, 3);
    EXPECT_EQ(G.ContactArrays.ContactSPC[2], "OH");
    EXPECT_EQ(G.ContactArrays.ContactCall[2], "W1AW");
    EXPECT_EQ(G.ContactArrays.ContactFrequency[2], "14.025");
    EXPECT_EQ(G.ContactArrays.ContactCounty[3], "Marion");
    EXPECT_EQ(programEnds, 0);
    // Lines that are not one record: see test_store_faults.cpp.
}

TEST_F(StoreTest, ABareValueInATextFieldKeepsItsCharacters)
{
    QByteArray l = kInStateLine;
    l.replace("\"14.025\"", "14.0250");
    writeLog(l);
    ASSERT_TRUE(Module2::LoadLog());
    EXPECT_EQ(G.ContactArrays.ContactFrequency[1], "14.0250");
}

TEST_F(StoreTest, MissingOrEmptyLogIsAnEmptyLog)
{
    struct Case {
        const char* name;
        bool create;
        QByteArray data;
    };
    const Case cases[] = {
        {"missing", false, {}},
        {"empty", true, {}},
        {"blank lines only", true, "\r\n  \r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(logPath());
        if (c.create)
            writeLog(c.data);
        G.QSOCount = 3;
        G.ContactArrays.ContactCall[2] = QStringLiteral("OLD");
        EXPECT_TRUE(Module2::LoadLog());
        EXPECT_EQ(G.QSOCount, 0);
        EXPECT_EQ(G.LogCountAtLoad, 0);
        EXPECT_TRUE(slotEmpty(2));
        EXPECT_TRUE(prompts.messages().isEmpty());
        EXPECT_EQ(programEnds, 0);
        // Loading creates nothing.
        EXPECT_EQ(QFileInfo::exists(logPath()), c.create);
    }
}

TEST_F(StoreTest, UnreadableOrMalformedLogEndsTheProgram)
{
    QByteArray full;
    for (int i = 0; i < 11001; ++i)
        full += kOutStateLine;
    QByteArray cutShort = kInStateLine + kInStateLine;
    cutShort.chop(12);   // ends inside the 19th value of record 2
    QByteArray eighteen = kInStateLine;
    eighteen.replace(",\"14.025\"", "");

    struct Case {
        const char* name;
        QByteArray data;
        bool asFolder;
    };
    const Case cases[] = {
        {"ends inside a record", eighteen, false},
        {"ends inside the last value", cutShort, false},
        {"more than 11000 records", full, false},
        {"log.txt is a folder", {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(logPath()).removeRecursively();
        QFile::remove(logPath());
        if (c.asFolder)
            ASSERT_TRUE(QDir().mkpath(logPath()));
        else
            writeLog(c.data);
        prompts.clear();
        programEnds = 0;
        G.QSOCount = 2;
        G.ContactArrays.ContactCall[1] = QStringLiteral("OLD");

        EXPECT_FALSE(Module2::LoadLog());
        EXPECT_EQ(programEnds, 1);
        ASSERT_EQ(prompts.callsOf("message").size(), 1);
        // A line that is not a record is named in a second paragraph.
        EXPECT_TRUE(prompts.calls()[0].text.startsWith("Error opening file.")) << prompts.calls()[0].text.toStdString();
        EXPECT_EQ(prompts.calls()[0].title, "File Error");
        EXPECT_EQ(prompts.calls()[0].buttons, Platform::Buttons::Ok);
        // Nothing half read stays in memory.
        EXPECT_EQ(G.QSOCount, 0);
        EXPECT_TRUE(slotEmpty(1));
        EXPECT_EQ(G.LogCountAtLoad, 0);
        if (!c.asFolder) {
            EXPECT_EQ(readLog(), c.data);
        }
    }
}

TEST_F(StoreTest, ElevenThousandRecordsIsAFullLog)
{
    QByteArray full;
    for (int i = 0; i < 11000; ++i)
        full += kOutStateLine;
    writeLog(full);
    ASSERT_TRUE(Module2::LoadLog());
    EXPECT_EQ(G.QSOCount, 11000);
    EXPECT_EQ(G.ContactArrays.ContactCounty[11000], "Marion");
    EXPECT_EQ(programEnds, 0);
}

TEST_F(StoreTest, LoadClearsEveryTallyAndEveryCellOfTheCountyModeMatrix)
{
    G.QSOPoints = 12;
    G.MultiplierCount = 7;
    G.BandDXCounts.fill(3);
    for (auto& slot : G.CountyModeMatrix)
        slot.fill(1);
    loadCalls({QStringLiteral("W1AW")});
    EXPECT_EQ(G.QSOPoints, 0);
    EXPECT_EQ(G.MultiplierCount, 0);
    for (int b = 0; b < 7; ++b)
        EXPECT_EQ(G.BandDXCounts[b], 0);
    for (size_t s = 0; s < G.CountyModeMatrix.size(); ++s)
        for (size_t r = 0; r < G.CountyModeMatrix[s].size(); ++r)
            ASSERT_EQ(G.CountyModeMatrix[s][r], 0) << "slot " << s << " row " << r;
}

TEST_F(StoreTest, LoadEmptiesTheSlotsAboveTheLoadedRecords)
{
    loadCalls({"A1", "B2", "C3", "D4", "E5"});
    writeLog(linesFor({"F6", "G7"}));
    ASSERT_TRUE(Module2::LoadLog());
    EXPECT_EQ(callsInMemory(), QStringList({"F6", "G7"}));
    for (int i = 3; i <= 5; ++i)
        EXPECT_TRUE(slotEmpty(i)) << i;
}

TEST_F(StoreTest, LogCountAtLoadIsFixedByTheFirstLoadThatFindsAContact)
{
    writeLog({});
    ASSERT_TRUE(Module2::LoadLog());
    EXPECT_EQ(G.LogCountAtLoad, 0);
    loadCalls({"A1", "B2", "C3"});
    EXPECT_EQ(G.LogCountAtLoad, 3);
    loadCalls({"A1", "B2", "C3", "D4"});
    EXPECT_EQ(G.LogCountAtLoad, 3);
}

TEST_F(StoreTest, AppendCreatesTheFileAndWritesOneLinePerContact)
{
    ASSERT_TRUE(logOutOfStateContact());
    EXPECT_EQ(readLog(), kOutStateLine);
    ASSERT_TRUE(logOutOfStateContact());
    EXPECT_EQ(readLog(), kOutStateLine + kOutStateLine);
}

TEST_F(StoreTest, AppendKeepsAnExistingSpellingOfTheFileName)
{
    const QString upper = dir.filePath(QStringLiteral("LOG.TXT"));
    QFile f(upper);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kInStateLine);
    f.close();
    ASSERT_TRUE(Module2::LoadLog());
    ASSERT_EQ(G.QSOCount, 1);
    ASSERT_TRUE(logOutOfStateContact());
    EXPECT_FALSE(QFileInfo::exists(logPath()));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), kInStateLine + kOutStateLine);
}

TEST_F(StoreTest, AppendAfterALastLineWithoutLineEndStartsANewLine)
{
    QByteArray noEnd = kInStateLine;
    noEnd.chop(2);
    writeLog(noEnd);
    ASSERT_TRUE(Module2::LoadLog());
    ASSERT_TRUE(logOutOfStateContact());
    ASSERT_TRUE(Module2::LoadLog());
    ASSERT_EQ(G.QSOCount, 2);
    EXPECT_EQ(G.ContactArrays.ContactCall[2], "K9XYZ");
    EXPECT_EQ(G.ContactArrays.ContactCounty[2], "Marion");
}

TEST_F(StoreTest, OutOfStateContactHasFields4And7EmptyWhateverTheSlotHeldBefore)
{
    // A slot that held an in-state contact is reused after a shorter log is loaded, after a
    // deletion and after a new log.
    struct Case {
        const char* name;
        std::function<void()> shrink;
    };
    const Case cases[] = {
        {"shorter log loaded",
         [this] {
             writeLog(lineFor("A1"));
             ASSERT_TRUE(Module2::LoadLog());
         }},
        {"record deleted", [] { ASSERT_TRUE(Module2::DeleteContact(2)); }},
        {"new log",
         [this] {
             prompts.answerInput("YES");
             ASSERT_TRUE(Module2::NewLog());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        loadCalls({"A1", "B2"});
        c.shrink();
        const int before = G.QSOCount;
        const QByteArray fileBefore = readLog();
        ASSERT_TRUE(logOutOfStateContact());
        EXPECT_EQ(G.ContactArrays.ContactSPC[G.QSOCount], "");
        EXPECT_EQ(G.ContactArrays.ContactSentCounty[G.QSOCount], "");
        EXPECT_EQ(readLog(), fileBefore + kOutStateLine);
        EXPECT_EQ(G.QSOCount, before + 1);
    }
}

TEST_F(StoreTest, AppendRefusesARecordNumberOutsideTheLog)
{
    writeLog(kInStateLine);
    for (int count : {0, 11001}) {
        SCOPED_TRACE(count);
        G.QSOCount = count;
        QString error;
        EXPECT_FALSE(Module2::AppendContact(&error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(readLog(), kInStateLine);
    }
    G.QSOCount = 11001;
    QString error;
    Module2::AppendContact(&error);
    EXPECT_TRUE(error.contains("11000")) << error.toStdString();
}

TEST_F(StoreTest, FailedAppendReportsTheSystemErrorAndKeepsWholeRecordsOnly)
{
    loadCalls({"A1", "B2"});
    const QByteArray before = readLog();
    G.QSOCount = 3;
    G.ContactArrays.ContactCall[3] = QStringLiteral("C3");
    QString error;
    {
        // Room for a part of the new line only.
        FileSizeLimit limit(before.size() + 30);
        EXPECT_FALSE(Module2::AppendContact(&error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readLog(), before);

    // The caller's message names the file and carries the reason.
    const QString text = Module2::LogWriteFailureText(error);
    EXPECT_TRUE(text.contains("log.txt"));
    EXPECT_TRUE(text.contains(error));
}

TEST_F(StoreTest, AppendToAFolderNamedLogTxtFails)
{
    ASSERT_TRUE(QDir().mkpath(logPath()));
    QString error;
    EXPECT_FALSE(logOutOfStateContact(&error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(StoreTest, AppendToAFullDiskReportsTheSystemError)
{
    if (!QFileInfo::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    ASSERT_TRUE(QFile::link("/dev/full", logPath()));
    QString error;
    EXPECT_FALSE(logOutOfStateContact(&error));
    EXPECT_TRUE(error.contains("space", Qt::CaseInsensitive)) << error.toStdString();
}

TEST_F(StoreTest, RewriteReplacesTheFileWholeOrNotAtAll)
{
    loadCalls({"A1", "B2", "C3"});
    const QByteArray before = readLog();
    G.ContactArrays.ContactCall[2] = QStringLiteral("EDITED");
    QString error;
    {
        FileSizeLimit limit(before.size() / 2);
        EXPECT_FALSE(Module2::RewriteLog(&error));
    }
    EXPECT_EQ(error, QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(readLog(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"log.txt"}));

    ASSERT_TRUE(Module2::RewriteLog());
    EXPECT_EQ(readLog(), linesFor({"A1", "EDITED", "C3"}));

    G.QSOCount = 0;
    ASSERT_TRUE(Module2::RewriteLog());
    EXPECT_TRUE(QFileInfo::exists(logPath()));
    EXPECT_EQ(readLog(), QByteArray());
}

TEST_F(StoreTest, RewriteWritesNoDoubleQuoteInsideAText)
{
    loadCalls({"A1"});
    G.ContactArrays.ContactCounty[1] = QStringLiteral("Ma\"rion");
    ASSERT_TRUE(Module2::RewriteLog());
    ASSERT_TRUE(Module2::LoadLog());
    ASSERT_EQ(G.QSOCount, 1);
    EXPECT_EQ(G.ContactArrays.ContactFrequency[1], "14.025");
}

TEST_F(StoreTest, DeleteMovesTheLaterRecordsDown)
{
    loadCalls({"A1", "B2", "C3", "D4", "E5"});
    G.ContactArrays.ContactField16[4] = 2.5;   // a spare value is carried with its record
    ASSERT_TRUE(Module2::DeleteContact(3));
    EXPECT_EQ(G.QSOCount, 4);
    EXPECT_EQ(callsInMemory(), QStringList({"A1", "B2", "D4", "E5"}));
    EXPECT_EQ(G.ContactArrays.ContactField16[3], 2.5);
    EXPECT_TRUE(slotEmpty(5));
    EXPECT_TRUE(slotEmpty(0));
    QByteArray d4 = lineFor("D4");
    d4.replace(",0,", ",2.5,");
    const QByteArray expected = lineFor("A1") + lineFor("B2") + d4 + lineFor("E5");
    EXPECT_EQ(readLog(), expected);
}

TEST_F(StoreTest, DeletingTheOnlyRecordLeavesAnEmptyFile)
{
    loadCalls({"A1"});
    ASSERT_TRUE(Module2::DeleteContact(1));
    EXPECT_EQ(G.QSOCount, 0);
    EXPECT_TRUE(slotEmpty(1));
    EXPECT_TRUE(QFileInfo::exists(logPath()));
    EXPECT_EQ(readLog(), QByteArray());
}

TEST_F(StoreTest, DeleteIgnoresAnIndexOutsideTheLog)
{
    loadCalls({"A1", "B2", "C3"});
    // The file differs from memory, so a rewrite would show.
    writeLog("unchanged");
    for (int index : {-1, 0, 4, 11000, 11001}) {
        SCOPED_TRACE(index);
        EXPECT_TRUE(Module2::DeleteContact(index));
        EXPECT_EQ(G.QSOCount, 3);
        EXPECT_EQ(callsInMemory(), QStringList({"A1", "B2", "C3"}));
        EXPECT_EQ(readLog(), "unchanged");
    }
}

TEST_F(StoreTest, FailedDeleteLeavesMemoryAndFileAsTheyWere)
{
    loadCalls({"A1", "B2", "C3", "D4"});
    G.ContactArrays.ContactField6[2] = QStringLiteral("spare");
    const QByteArray before = readLog();
    QString error;
    {
        FileSizeLimit limit(10);
        EXPECT_FALSE(Module2::DeleteContact(2, &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(G.QSOCount, 4);
    EXPECT_EQ(callsInMemory(), QStringList({"A1", "B2", "C3", "D4"}));
    EXPECT_EQ(G.ContactArrays.ContactField6[2], "spare");
    EXPECT_TRUE(slotEmpty(0));
    EXPECT_EQ(readLog(), before);
}
