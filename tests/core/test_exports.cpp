// The exports: LogExp.txt for Dovrel and the ADIF file. Exact lines written out by hand, the ADIF
// export read back by an independent reader of the format, the country table, and failures that
// leave no partial file.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "core/BandTable.h"
#include "core/CommonFileDialog.h"
#include "core/Module2Export.h"
#include "test_store_fixture.h"
#include "tests/entry/LogBuilder.h"
#include "tests/support/LogCapture.h"

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TestLog::Contact contact(const QString& call, const QString& spc, const QString& county, const QString& mode)
{
    TestLog::Contact c;
    c.call = call;
    c.spc = spc;
    c.county = county;
    c.mode = mode;
    c.date = QStringLiteral("2024/05/04");
    c.time = QStringLiteral("14:02:11");
    return c;
}

// An ADIF reader written from the format's public rules: the header is everything before <EOH>;
// a data specifier is <name:length> or <name:length:type> followed by exactly `length`
// characters; names ignore case; <EOR> ends a record. Text between specifiers must be blank.
struct AdifRecord {
    QMap<QString, QString> fields;   // lower-case name -> value
    QMap<QString, QString> types;
};

std::optional<QVector<AdifRecord>> readAdif(const QByteArray& bytes, QString* why)
{
    const QString text = QString::fromLatin1(bytes);
    auto fail = [why](const QString& s) -> std::optional<QVector<AdifRecord>> {
        *why = s;
        return std::nullopt;
    };
    if (text.startsWith(QLatin1Char('<')))
        return fail(QStringLiteral("a header must not start with <"));
    qsizetype pos = text.indexOf(QStringLiteral("<eoh>"), 0, Qt::CaseInsensitive);
    if (pos < 0)
        return fail(QStringLiteral("no <EOH>"));
    pos += 5;
    static const QRegularExpression fieldTag(
        QStringLiteral("\\G<([A-Za-z_][A-Za-z0-9_]*)(?::(\\d+)(?::([A-Za-z]))?)?>"));
    QVector<AdifRecord> records;
    AdifRecord current;
    bool open = false;
    while (true) {
        while (pos < text.size() && text[pos].isSpace())
            ++pos;
        if (pos >= text.size())
            break;
        const auto m = fieldTag.match(text, pos);
        if (!m.hasMatch())
            return fail(QStringLiteral("text outside a data specifier at %1: %2").arg(pos).arg(text.mid(pos, 20)));
        const QString name = m.captured(1).toLower();
        pos = m.capturedEnd();
        if (name == QLatin1String("eor")) {
            if (!open)
                return fail(QStringLiteral("empty record"));
            records << current;
            current = {};
            open = false;
            continue;
        }
        if (m.captured(2).isEmpty())
            return fail(QStringLiteral("no length for ") + name);
        const int length = m.captured(2).toInt();
        if (pos + length > text.size())
            return fail(QStringLiteral("value of ") + name + QStringLiteral(" runs past the end"));
        if (current.fields.contains(name))
            return fail(QStringLiteral("field repeated: ") + name);
        current.fields[name] = text.mid(pos, length);
        current.types[name] = m.captured(3);
        pos += length;
        open = true;
    }
    if (open)
        return fail(QStringLiteral("last record has no <EOR>"));
    return records;
}

}   // namespace

// ---- Dovrel ----------------------------------------------------------------------------------

class DovrelTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        G.PartyState = QStringLiteral("IN");
    }
};

TEST_F(DovrelTest, EachLineDerivesCountryAndStateFromTheRecord)
{
    struct Row {
        const char* name;
        TestLog::Contact c;
        const char* field6;
        const char* line;
    };
    const Row rows[] = {
        {"in-state window, Ohio station", contact("K9XYZ", "OH", "", "CW"), "",
         "\"K9XYZ\",\"2024/05/04\",\"20\",\"CW\",\"100\",\"14:02:11\",\"599\",\"599\",,\"USA\",\"OH\",\"\",,,,\"QSO "
         "Party Contest\""},
        {"out-of-state window, Marion station", contact("K9XYZ", "", "Marion", "CW"), "",
         "\"K9XYZ\",\"2024/05/04\",\"20\",\"CW\",\"100\",\"14:02:11\",\"599\",\"599\",,\"\",\"IN\",\"Marion\",,,,\"QSO "
         "Party Contest\""},
        {"province from a VE call, phone", contact("VE3ABC", "ON", "", "PH"), "",
         "\"VE3ABC\",\"2024/05/04\",\"20\",\"SSB\",\"100\",\"14:02:11\",\"599\",\"599\",,\"Canada\",\"\",\"\",,,,\"QSO "
         "Party Contest\""},
        {"lower-case call, lower-case mode", contact("k9xyz", "OH", "", "cw"), "",
         "\"k9xyz\",\"2024/05/04\",\"20\",\"SSB\",\"100\",\"14:02:11\",\"599\",\"599\",,\"Canada\",\"\",\"\",,,,\"QSO "
         "Party Contest\""},
        {"Alaska", contact("KL7AB", "AK", "", "DG"), "",
         "\"KL7AB\",\"2024/05/04\",\"20\",\"DG\",\"100\",\"14:02:11\",\"599\",\"599\",,\"Alaska\",\"AK\",\"\",,,,\"QSO "
         "Party Contest\""},
        {"Hawaii", contact("WH6AB", "HI", "", "CW"), "",
         "\"WH6AB\",\"2024/05/04\",\"20\",\"CW\",\"100\",\"14:02:11\",\"599\",\"599\",,\"Hawaii\",\"HI\",\"\",,,,\"QSO "
         "Party Contest\""},
        {"country name", contact("DL1ABC", "Germany", "", "CW"), "",
         "\"DL1ABC\",\"2024/05/04\",\"20\",\"CW\",\"100\",\"14:02:11\",\"599\",\"599\",,\"Germany\",\"\",\"\",,,,\"QSO "
         "Party Contest\""},
        {"one-character field", contact("K9XYZ", "O", "", "CW"), "",
         "\"K9XYZ\",\"2024/05/04\",\"20\",\"CW\",\"100\",\"14:02:11\",\"599\",\"599\",,\"\",\"\",\"\",,,,\"QSO Party "
         "Contest\""},
        {"spare field 6 names the state", contact("K9XYZ", "O", "", "CW"), "AK",
         "\"K9XYZ\",\"2024/05/04\",\"20\",\"CW\",\"100\",\"14:02:11\",\"599\",\"599\",,\"Alaska\",\"AK\",\"\",,,,\"QSO "
         "Party Contest\""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        resetGlobals();
        G.PartyState = QStringLiteral("IN");
        const int i = TestLog::add(r.c);
        G.ContactArrays.ContactField6[i] = QLatin1String(r.field6);
        EXPECT_EQ(Module2::DovrelExportText(QStringLiteral("100")).toStdString(), std::string(r.line) + "\r\n");
    }
}

TEST_F(DovrelTest, ExportWritesLogExpTxtAndReportsWhereItWent)
{
    TestLog::add(contact("K9XYZ", "OH", "", "CW"));
    TestLog::add(contact("W9ABC", "", "Marion", "PH"));
    // Cancel in the power box: an empty power on every line.
    QString error;
    ASSERT_TRUE(Module2::ExportForDovrel(&error)) << error.toStdString();
    const QByteArray file = fileBytes(dir.filePath(QStringLiteral("LogExp.txt")));
    EXPECT_EQ(file, Module2::DovrelExportText(QString()));
    EXPECT_EQ(file.count("\"SSB\",\"\",\"14:02:11\""), 1);
    EXPECT_EQ(file.count("\r\n"), 2);

    const auto input = prompts.callsOf(QStringLiteral("input"));
    ASSERT_EQ(input.size(), 1);
    EXPECT_EQ(input[0].title, QStringLiteral("Please enter the power value"));
    EXPECT_EQ(input[0].text, QStringLiteral("Please enter the power value you would like to record."));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[0].title, QStringLiteral("Export Successful!"));
    EXPECT_TRUE(prompts.messages()[0].startsWith(
        QStringLiteral("LogExp.txt has been written to this program's working directory ") + G.ProgramFolder + "."));
    EXPECT_EQ(prompts.beeps(), 1);
}

TEST_F(DovrelTest, FailedWriteKeepsTheEarlierFileAndSaysWhy)
{
    const QString path = dir.filePath(QStringLiteral("logexp.TXT"));   // an existing spelling is reused
    writeFile(path, "earlier\r\n");
    for (int i = 0; i < 50; ++i)
        TestLog::add(contact("K9XYZ", "OH", "", "CW"));
    QString error;
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(Module2::ExportForDovrel(&error));
    }
    // The system's reason, as the log store names it.
    EXPECT_EQ(error, QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(fileBytes(path), QByteArray("earlier\r\n"));
    EXPECT_TRUE(prompts.messages().isEmpty());
}

// ---- ADIF ------------------------------------------------------------------------------------

class AdifTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        G.PartyState = QStringLiteral("IN");
        G.SharedFolder = dir.filePath(QStringLiteral("Shared"));
        ASSERT_TRUE(QDir().mkpath(G.SharedFolder));
        ASSERT_TRUE(QFile::copy(QStringLiteral(VQPLOG_SOURCE_DIR "/data/ADIFCnt.txt"),
                                dir.filePath(QStringLiteral("ADIFCnt.txt"))));
        clock.set(QDateTime(QDate(2024, 5, 5), QTime(1, 2, 3), Qt::UTC), -4 * 3600);
    }
    QVector<Module2::AdifCountry> countries()
    {
        QVector<Module2::AdifCountry> rows;
        QString error;
        EXPECT_TRUE(Module2::ReadAdifCountries(rows, &error)) << error.toStdString();
        return rows;
    }
    QByteArray text(const QString& power, const QString& comment)
    {
        return Module2::AdifExportText(power, comment, countries(), clock.read().local);
    }
    QString target() const { return dir.filePath(QStringLiteral("out.adi")); }
};

TEST_F(AdifTest, HeaderAndTheExampleRecordAsWrittenByHand)
{
    TestLog::Contact c = contact("K9XYZ", "OH", "", "CW");
    c.frequency = QStringLiteral(" 14.025 ");
    TestLog::add(c);
    EXPECT_EQ(text(QStringLiteral("100"), QString()).toStdString(),
              "Exported from Quolt's IN Sarnevo 2.1\r\n"
              "Contest logging program by the vqplog authors.\r\n"
              "Questions and reports about this file go to the program's makers.\r\n"
              "Log exported on: 2024/05/04 21:02:03\r\n"
              "\r\n"
              "<EOH>\r\n"
              "\r\n"
              "<Call:5>K9XYZ <Qso_Date:8:d>20240504 <Band:3>20M <Mode:2>CW\r\n"
              "<Tx_Pwr:3>100 <Freq:6>14.025 <Time_On:4>1402 <DXCC:3>291 <State:2>OH <Cont:2>NA <RST_Rcvd:3>599 "
              "<RST_Sent:3>599 <eor>\r\n"
              "\r\n");
    // With a comment the comment ends the second line and <eor> stands alone.
    EXPECT_TRUE(text(QStringLiteral("100"), QStringLiteral("IN State QSO Party Contest"))
                    .endsWith("<RST_Sent:3>599 <Comment:26>IN State QSO Party Contest\r\n<eor>\r\n\r\n"));
}

TEST_F(AdifTest, FixtureLogReadsBackOneRecordPerContact)
{
    struct Expect {
        TestLog::Contact c;
        QMap<QString, QString> fields;   // every field the record must hold, and no other
    };
    TestLog::Contact ph = contact("W9ABC", "", "Marion", "PH");   // out-of-state window
    ph.time = QStringLiteral("9:05:00");
    ph.band = QStringLiteral("1.25");
    TestLog::Contact noTime = contact("VE3ABC", "ON", "", "CW");
    noTime.time = QString();
    TestLog::Contact compact = contact("G4ABC", "England", "", "CW");
    compact.time = QStringLiteral("1402");
    const QVector<Expect> log = {
        {contact("K9XYZ", "OH", "", "CW"),
         {{"call", "K9XYZ"},
          {"qso_date", "20240504"},
          {"band", "20M"},
          {"mode", "CW"},
          {"tx_pwr", "50"},
          {"time_on", "1402"},
          {"dxcc", "291"},
          {"state", "OH"},
          {"cont", "NA"},
          {"rst_rcvd", "599"},
          {"rst_sent", "599"},
          {"comment", "IN <State> QSO Party"}}},
        {ph,
         {{"call", "W9ABC"},
          {"qso_date", "20240504"},
          {"band", "1.25M"},
          {"mode", "SSB"},
          {"tx_pwr", "50"},
          {"time_on", "0905"},
          {"dxcc", "291"},
          {"state", "IN"},
          {"cnty", "IN,Marion"},
          {"cont", "NA"},
          {"rst_rcvd", "599"},
          {"rst_sent", "599"},
          {"comment", "IN <State> QSO Party"}}},
        {noTime,
         {{"call", "VE3ABC"},
          {"qso_date", "20240504"},
          {"band", "20M"},
          {"mode", "CW"},
          {"tx_pwr", "50"},
          {"time_on", "0000"},
          {"dxcc", "1"},
          {"rst_rcvd", "599"},
          {"rst_sent", "599"},
          {"comment", "IN <State> QSO Party"}}},
        {contact("KL7AB", "AK", "", "CW"),
         {{"call", "KL7AB"},
          {"qso_date", "20240504"},
          {"band", "20M"},
          {"mode", "CW"},
          {"tx_pwr", "50"},
          {"time_on", "1402"},
          {"dxcc", "6"},
          {"state", "AK"},
          {"cont", "NA"},
          {"rst_rcvd", "599"},
          {"rst_sent", "599"},
          {"comment", "IN <State> QSO Party"}}},
        {compact,
         {{"call", "G4ABC"},
          {"qso_date", "20240504"},
          {"band", "20M"},
          {"mode", "CW"},
          {"tx_pwr", "50"},
          {"time_on", "1402"},
          {"dxcc", "223"},
          {"rst_rcvd", "599"},
          {"rst_sent", "599"},
          {"comment", "IN <State> QSO Party"}}},
        {contact("XX1ABC", "Atlantis", "", "CW"),   // a country the table does not know: no DXCC
         {{"call", "XX1ABC"},
          {"qso_date", "20240504"},
          {"band", "20M"},
          {"mode", "CW"},
          {"tx_pwr", "50"},
          {"time_on", "1402"},
          {"rst_rcvd", "599"},
          {"rst_sent", "599"},
          {"comment", "IN <State> QSO Party"}}},
    };
    for (const Expect& e : log)
        TestLog::add(e.c);

    prompts.answerInput(QStringLiteral("50   "));
    prompts.answerInput(QStringLiteral("IN <State> QSO Party"));
    prompts.answerFile(target());
    CommonFileDialog dialog;
    Module2::ExportADIF(dialog);

    QString why;
    const auto records = readAdif(fileBytes(target()), &why);
    ASSERT_TRUE(records) << why.toStdString();
    ASSERT_EQ(records->size(), log.size());
    for (int i = 0; i < log.size(); ++i) {
        SCOPED_TRACE(i + 1);
        QMap<QString, QString> expected;
        for (auto it = log[i].fields.begin(); it != log[i].fields.end(); ++it)
            expected[it.key()] = it.value();
        EXPECT_EQ((*records)[i].fields, expected);
        EXPECT_EQ((*records)[i].types.value("qso_date"), QStringLiteral("d"));
    }

    const auto inputs = prompts.callsOf(QStringLiteral("input"));
    ASSERT_EQ(inputs.size(), 2);
    EXPECT_EQ(inputs[0].title, QStringLiteral("Please enter your transmitter output power."));
    EXPECT_EQ(inputs[0].defaultText, QStringLiteral("100"));
    EXPECT_EQ(inputs[1].title, QStringLiteral("Please enter a comment."));
    EXPECT_EQ(inputs[1].defaultText, QStringLiteral("IN State QSO Party Contest"));
    const auto save = prompts.callsOf(QStringLiteral("save"));
    ASSERT_EQ(save.size(), 1);
    EXPECT_EQ(save[0].text, G.DataFolder);
    EXPECT_EQ(save[0].defaultText, QStringLiteral("IN.adi"));
    EXPECT_EQ(dialog.Filter, QStringLiteral("ADIF Files (*.adi)"));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[0].title, QStringLiteral("File Written Successfully."));
    EXPECT_EQ(prompts.messages()[0],
              QStringLiteral("The file was successfully written to the directory:\r\n\r\n") + target() + ".");
}

TEST_F(AdifTest, CancelledAnswersLeaveOutPowerAndCommentAndEndTheLineWithEor)
{
    TestLog::add(contact("K9XYZ", "OH", "", "CW"));
    TestLog::Contact noMode = contact("K9ABC", "OH", "", "");
    TestLog::add(noMode);
    const QByteArray t = text(QString(), QString());
    EXPECT_FALSE(t.contains("<Tx_Pwr"));
    EXPECT_FALSE(t.contains("<Comment"));
    EXPECT_TRUE(t.contains("<RST_Sent:3>599 <eor>\r\n\r\n<Call:5>K9ABC"));
    // Without a mode the band's line runs on with the fields after it.
    EXPECT_TRUE(t.contains("<Band:3>20M <Time_On:4>1402 "));
}

TEST_F(AdifTest, CountryTableComesFromTheFirstFolderThatHasOne)
{
    writeFile(dir.filePath(QStringLiteral("Shared/adifcnt.txt")), "\"USA\",999\r\n");
    auto rows = countries();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].dxcc, 999);

    struct Case {
        const char* name;
        QByteArray data;
        const char* reason;
    };
    QByteArray tooMany;
    for (int i = 1; i <= 1001; ++i)
        tooMany += "\"C" + QByteArray::number(i) + "\"," + QByteArray::number(i) + "\r\n";
    const Case cases[] = {
        {"number missing", "\"USA\",291\r\n\"Canada\"\r\n", "row 2"},
        {"not a number", "\"USA\",abc\r\n", "row 1"},
        {"beyond 16 bits", "\"USA\",70000\r\n", "row 1"},
        {"1001 rows", tooMany, "more than 1000 rows"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(dir.filePath(QStringLiteral("Shared/adifcnt.txt")), c.data);
        QString error;
        EXPECT_FALSE(Module2::ReadAdifCountries(rows, &error));
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << error.toStdString();
    }
}

// Each failure beeps, says "Unable to write file." with the reason, and leaves the chosen file as
// it was.
TEST_F(AdifTest, FailuresLeaveNoFileAndSayWhy)
{
    for (int i = 0; i < 40; ++i)
        TestLog::add(contact("K9XYZ", "OH", "", "CW"));
    writeFile(target(), "earlier\r\n");
    struct Case {
        const char* name;
        std::function<void()> arrange;
        const char* reason;
        bool dialogShown;
    };
    const Case cases[] = {
        {"no country table", [&] { QFile::remove(dir.filePath(QStringLiteral("ADIFCnt.txt"))); }, "ADIFCnt.txt", false},
        {"the disk refuses the write", [] {}, std::strerror(EFBIG), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.clear();
        QFile::copy(QStringLiteral(VQPLOG_SOURCE_DIR "/data/ADIFCnt.txt"), dir.filePath(QStringLiteral("ADIFCnt.txt")));
        c.arrange();
        prompts.answerFile(target());
        CommonFileDialog dialog;
        {
            std::optional<FileSizeLimit> limit;
            if (std::strcmp(c.name, "the disk refuses the write") == 0)
                limit.emplace(2000);
            Module2::ExportADIF(dialog);
        }
        EXPECT_EQ(prompts.callsOf(QStringLiteral("save")).size(), c.dialogShown ? 1 : 0);
        ASSERT_EQ(prompts.messages().size(), 1);
        EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[0].title, QStringLiteral("Unable to write file."));
        EXPECT_TRUE(prompts.messages()[0].contains(QString::fromLocal8Bit(c.reason)))
            << prompts.messages()[0].toStdString();
        EXPECT_FALSE(prompts.messages()[0].isEmpty());
        EXPECT_EQ(prompts.beeps(), 1);
        EXPECT_EQ(fileBytes(target()), QByteArray("earlier\r\n"));
    }
}

// A date that does not convert costs its record the Qso_Date field and nothing else: the export
// goes on, every other field and record is written, and it reports success.
TEST_F(AdifTest, ADateThatDoesNotConvertLeavesOutThatRecordsQsoDateOnly)
{
    TestLog::add(contact("K9XYZ", "OH", "", "CW"));
    TestLog::add(contact("W9BAD", "", "Marion", "PH"));
    TestLog::add(contact("N8ZZZ", "MI", "", "CW"));
    for (const char* bad : {"5/4/2024", "2024/04/31", "", "2024-05-04"}) {
        SCOPED_TRACE(bad);
        prompts.clear();
        G.ContactArrays.ContactDate[2] = QLatin1String(bad);
        prompts.answerInput(QStringLiteral("100"));
        prompts.answerInput(QString());
        prompts.answerFile(target());
        CommonFileDialog dialog;
        Module2::ExportADIF(dialog);

        ASSERT_EQ(prompts.messages().size(), 1);
        EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[0].title, QStringLiteral("File Written Successfully."));
        EXPECT_EQ(prompts.beeps(), 0);
        QString why;
        const auto records = readAdif(fileBytes(target()), &why);
        ASSERT_TRUE(records) << why.toStdString();
        ASSERT_EQ(records->size(), 3);
        EXPECT_EQ((*records)[0].fields.value("qso_date"), QStringLiteral("20240504"));
        EXPECT_FALSE((*records)[1].fields.contains("qso_date"));
        EXPECT_EQ((*records)[2].fields.value("qso_date"), QStringLiteral("20240504"));
        const QMap<QString, QString> second = {
            {"call", "W9BAD"},   {"band", "20M"},     {"mode", "SSB"},     {"tx_pwr", "100"},
            {"time_on", "1402"}, {"dxcc", "291"},     {"state", "IN"},     {"cnty", "IN,Marion"},
            {"cont", "NA"},      {"rst_rcvd", "599"}, {"rst_sent", "599"},
        };
        EXPECT_EQ((*records)[1].fields, second);
        EXPECT_TRUE(fileBytes(target()).contains("\r\n<Call:5>W9BAD <Band:3>20M <Mode:3>SSB\r\n"));
    }
}

TEST_F(AdifTest, CancelInTheSaveDialogIsSilentAndTheWorkingLogIsNeverATarget)
{
    writeLog(kInStateLine);
    ASSERT_TRUE(Module2::LoadLog());
    CommonFileDialog dialog;
    Module2::ExportADIF(dialog);   // no file chosen: Cancel
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_EQ(prompts.beeps(), 0);

    prompts.answerFile(dir.filePath(QStringLiteral("Log.txt")));
    Module2::ExportADIF(dialog);
    EXPECT_EQ(readLog(), kInStateLine);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[0].title, QStringLiteral("Unable to write file."));
}

TEST_F(AdifTest, EmptyLogsWriteTheHeaderOrNothingAndStillReportSuccess)
{
    prompts.answerFile(target());
    CommonFileDialog dialog;
    Module2::ExportADIF(dialog);
    EXPECT_TRUE(fileBytes(target()).endsWith("\r\n\r\n<EOH>\r\n\r\n"));
    QString why;
    const auto records = readAdif(fileBytes(target()), &why);
    ASSERT_TRUE(records) << why.toStdString();
    EXPECT_TRUE(records->isEmpty());
    EXPECT_EQ(prompts.callsOf(QStringLiteral("message")).last().title, QStringLiteral("File Written Successfully."));

    ASSERT_TRUE(Module2::ExportForDovrel());
    EXPECT_EQ(fileBytes(dir.filePath(QStringLiteral("LogExp.txt"))), QByteArray());
    EXPECT_EQ(prompts.callsOf(QStringLiteral("message")).last().title, QStringLiteral("Export Successful!"));
}

// Every band the program offers goes into ADIF under the format's own band name, read back by the
// independent reader; a band the table gains without one here fails. A band the table does not
// hold costs its record the Band field only, with a warning.
TEST_F(AdifTest, EveryBandOfTheBandTableIsWrittenUnderItsAdifName)
{
    const QMap<QString, QString> adif = {
        {"160", "160M"}, {"80", "80M"},    {"40", "40M"},   {"20", "20M"},     {"15", "15M"},
        {"10", "10M"},   {"6", "6M"},      {"2", "2M"},     {"1.25", "1.25M"}, {"440", "70cm"},
        {"902", "33cm"}, {"1.24", "23cm"}, {"2.3", "13cm"}, {"3.3", "9cm"},    {"5.6", "6cm"},
        {"10G", "3cm"},  {"30", "30M"},    {"17", "17M"},   {"12", "12M"},
    };
    QStringList bands = Bands::names();
    bands << QStringLiteral("10g") << QStringLiteral(" 440 ") << QStringLiteral("7") << QStringLiteral("10GM");
    for (const QString& band : bands) {
        TestLog::Contact c = contact("W9ABC", "", "Marion", "PH");
        c.band = band;
        TestLog::add(c);
    }
    LogCapture log;
    prompts.answerInput(QString());
    prompts.answerInput(QString());
    prompts.answerFile(target());
    CommonFileDialog dialog;
    Module2::ExportADIF(dialog);
    ASSERT_EQ(prompts.callsOf(QStringLiteral("message")).size(), 1);
    EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[0].title, QStringLiteral("File Written Successfully."));

    QString why;
    const auto records = readAdif(fileBytes(target()), &why);
    ASSERT_TRUE(records) << why.toStdString();
    ASSERT_EQ(records->size(), bands.size());
    for (int i = 0; i < bands.size(); ++i) {
        const QString band = bands[i].trimmed();
        SCOPED_TRACE(band.toStdString());
        const QString name = band == QLatin1String("10g") ? QStringLiteral("3cm") : adif.value(band);
        if (Bands::names().contains(band) || band == QLatin1String("10g")) {
            ASSERT_FALSE(name.isEmpty()) << "a band of the table without its ADIF name here";
            EXPECT_EQ((*records)[i].fields.value("band"), name);
        } else {
            EXPECT_FALSE((*records)[i].fields.contains("band"));
            EXPECT_EQ((*records)[i].fields.value("call"), QStringLiteral("W9ABC")) << "the rest is written";
        }
    }
    const QStringList warnings = log.warnings("vqplog.core");
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("has the band 7 and is written without Band")))
        << warnings[0].toStdString();

    // A log on 1.25 m, 70 cm and 33 cm and 10 GHz, as the format names them.
    const QByteArray t = fileBytes(target());
    for (const char* field : {"<Band:5>1.25M ", "<Band:4>70cm ", "<Band:4>33cm ", "<Band:3>3cm "})
        EXPECT_TRUE(t.contains(field)) << field;
    for (const char* wrong : {"440M", "902M", "10GM"})
        EXPECT_FALSE(t.contains(QByteArray(">") + wrong)) << wrong;
}

// An answer pasted with line ends, a tab or a NUL into the power or comment box: the records keep
// their lines and the values read back without them.
TEST_F(AdifTest, AnswersPastedWithLineEndsKeepEveryRecordWhole)
{
    TestLog::add(contact("K9XYZ", "OH", "", "CW"));
    TestLog::add(contact("W9ABC", "", "Marion", "PH"));
    const QString power = QStringLiteral("1\r\n00") + QChar(0) + QStringLiteral("  ");
    const QString comment = QStringLiteral("IN QSO\nParty\r\tContest");
    const QByteArray t = text(power, comment);
    QString why;
    const auto records = readAdif(t, &why);
    ASSERT_TRUE(records) << why.toStdString();
    ASSERT_EQ(records->size(), 2);
    for (const AdifRecord& r : *records) {
        EXPECT_EQ(r.fields.value("tx_pwr"), QStringLiteral("100"));
        EXPECT_EQ(r.fields.value("comment"), QStringLiteral("IN QSOPartyContest"));
    }
    // Each record: its first line, its second line ending in the comment, "<eor>", an empty line.
    const QList<QByteArray> lines = t.mid(t.indexOf("<EOH>\r\n\r\n") + 9).split('\n');
    EXPECT_EQ(lines.size(), 2 * 4 + 1) << t.toStdString();
    for (const QByteArray& l : lines)
        for (char c : l)
            EXPECT_TRUE(c == '\r' || (c >= 32 && c < 127)) << int(c);
}
