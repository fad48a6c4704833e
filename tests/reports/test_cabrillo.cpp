// The Cabrillo file: whole texts for logs of the three kinds of station, written out by hand; a
// round trip through an independent strict reader; the column rule where values fill or overflow
// their columns; the claimed score from the counters; records that cannot be written.
#include <QMap>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include "CabrilloReader.h"
#include "core/BandTable.h"
#include "core/Globals.h"
#include "entry/Tallies.h"
#include "mainwindow/StateProvinces.h"
#include "reports/Cabrillo.h"
#include "tests/core/test_store_fixture.h"
#include "tests/entry/LogBuilder.h"

namespace {

TestLog::Contact qso(const QString& call, const QString& band, const QString& mode, const QString& date,
                     const QString& time, const QString& rsts, const QString& rstr, const QString& spc,
                     const QString& county, const QString& sentCounty)
{
    TestLog::Contact c;
    c.call = call;
    c.band = band;
    c.mode = mode;
    c.date = date;
    c.time = time;
    c.rstSent = rsts;
    c.rstRcvd = rstr;
    c.spc = spc;
    c.county = county;
    c.sentCounty = sentCounty;
    return c;
}

QByteArray crlf(const QStringList& lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

}   // namespace

class CabrilloTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        G.PartyState = QStringLiteral("IN");
        G.CountyNames = {QStringLiteral("Allen"), QStringLiteral("Marion"), QStringLiteral("Posey"),
                         QStringLiteral("Vanderburgh")};
    }

    // An in-state fixed station in Marion county.
    void inStateFixed()
    {
        G.OutOfStateFlag = 0;
        G.OwnCall = QStringLiteral("  K9TEST ");
        G.OwnSection = QStringLiteral("IN");
        G.OwnStateProvince = QStringLiteral("IN");
        StateProvinces::FillStateProvinceTable();
        const QString m = QStringLiteral("Marion");
        TestLog::add(qso("W8TEST", "20", "CW", "2014/05/03", "16:05:42", "599", "579", "OH", "", m));
        TestLog::add(qso("DL1ABC", "15", "PH", "2014/05/03", "16:10:00", "59", "59", "Germany", "", m));
        TestLog::add(qso("K9ABC", "40", "CW", "2014/05/03", "17:12:30", "599", "599", "IN", "Vanderburgh", m));
        Tallies::Recount();
    }
    // A rover moving from Vanderburgh to Posey county.
    void inStateRover()
    {
        G.OutOfStateFlag = 0;
        G.RoverFlag = 1;
        G.OwnCall = QStringLiteral("K9ROVE");
        G.OwnSection = QStringLiteral("IN");
        G.OwnStateProvince = QStringLiteral("IN");
        StateProvinces::FillStateProvinceTable();
        TestLog::add(qso("N8AAA", "10", "CW", "2014/05/03", "18:00:59", "599", "599", "MI", "", "Vanderburgh"));
        TestLog::add(qso("VE3ABC", "2", "PH", "2014/05/03", "18:05:00", "59", "59", "ON", "", "Posey"));
        Tallies::Recount();
    }
    // An Ohio station outside the contest state.
    void outOfState()
    {
        G.OutOfStateFlag = 1;
        G.OwnCall = QStringLiteral("W8TEST");
        G.OwnSection = QStringLiteral("OH");
        G.OwnStateProvince = QStringLiteral("OH");
        TestLog::add(qso("K9TEST", "40", "PH", "2014/05/03", "17:20:09", "59", "59", "", "Vanderburgh", ""));
        TestLog::add(qso("W9XYZ", "80", "CW", "2014/05/04", "00:01:00", "599", "599", "", "Marion", ""));
        Tallies::Recount();
    }

    static QByteArray text(const Cabrillo::Summary& s)
    {
        QByteArray out;
        QString error;
        EXPECT_TRUE(Cabrillo::CabrilloText(s, out, &error)) << error.toStdString();
        return out;
    }
};

TEST_F(CabrilloTest, InStateFixedStationWholeFile)
{
    inStateFixed();
    Cabrillo::Summary s;
    s.club = QStringLiteral("Hoosier DX Club");
    s.name = QStringLiteral("Pat Doe");
    s.address1 = QStringLiteral("1 Main St");
    s.address2 = QStringLiteral("Kelvale, IN 46201");
    s.email = QStringLiteral("pat@example.org");
    s.soapbox = QStringLiteral("Fun!");
    // 2 + 1 + 2 points; OH on CW and Vanderburgh on CW.
    EXPECT_EQ(text(s), crlf({
                           "START-OF-LOG: 2.0",
                           "CREATED-BY: Quolt's Lorvane Program 2.1",
                           "CALLSIGN: K9TEST",
                           "ARRL-SECTION: IN",
                           "CONTEST: State QSO Party - IN",
                           "CATEGORY: SINGLE-OP LOW",
                           "CLUB-NAME: Hoosier DX Club",
                           "CLAIMED-SCORE:  10 ",
                           "OPERATORS: K9TEST",
                           "NAME: Pat Doe",
                           "ADDRESS: 1 Main St",
                           "ADDRESS: Kelvale, IN 46201",
                           "ADDRESS: (e-mail) pat@example.org",
                           "SOAPBOX: Fun!",
                           "QSO: 14000 CW 2014-05-03 1605 K9TEST    599 Marion   W8TEST    579 OH",
                           "QSO: 21000 PH 2014-05-03 1610 K9TEST    59  Marion   DL1ABC    59  DX",
                           "QSO:  7000 CW 2014-05-03 1712 K9TEST    599 Marion   K9ABC     599 Vanderburgh",
                           "END-OF-LOG:",
                       }));
    EXPECT_EQ(G.OwnCall, QStringLiteral("  K9TEST ")) << "the writer itself changes no shared value";
}

TEST_F(CabrilloTest, InStateRoverSendsEachRecordsCountyCutToEight)
{
    inStateRover();
    Cabrillo::Summary s;
    s.category = Cabrillo::Category::Mobile;
    s.power = Cabrillo::Power::QRP;
    EXPECT_EQ(text(s), crlf({
                           "START-OF-LOG: 2.0",
                           "CREATED-BY: Quolt's Lorvane Program 2.1",
                           "CALLSIGN: K9ROVE",
                           "ARRL-SECTION: IN",
                           "CONTEST: State QSO Party - IN",
                           "CATEGORY: MOBILE QRP",
                           "CLAIMED-SCORE:  6 ",
                           "OPERATORS: K9ROVE",
                           "NAME: ",
                           "ADDRESS: ",
                           "ADDRESS: ",
                           "ADDRESS: (e-mail) ",
                           "SOAPBOX: ",
                           "QSO: 28000 CW 2014-05-03 1800 K9ROVE    599 Vanderbu N8AAA     599 MI",
                           "QSO:   144 PH 2014-05-03 1805 K9ROVE    59  Posey    VE3ABC    59  ON",
                           "END-OF-LOG:",
                       }));
}

TEST_F(CabrilloTest, OutOfStateStationSendsItsStateAndReceivesWholeCounties)
{
    outOfState();
    Cabrillo::Summary s;
    s.category = Cabrillo::Category::MultiOp;
    s.power = Cabrillo::Power::High;
    s.operators = QStringLiteral("W8TEST K8ABC");
    EXPECT_EQ(text(s), crlf({
                           "START-OF-LOG: 2.0",
                           "CREATED-BY: Quolt's Lorvane Program 2.1",
                           "CALLSIGN: W8TEST",
                           "ARRL-SECTION: OH",
                           "CONTEST: State QSO Party - IN",
                           "CATEGORY: MULTI-OP HIGH",
                           "CLAIMED-SCORE:  6 ",
                           "OPERATORS: W8TEST K8ABC",
                           "NAME: ",
                           "ADDRESS: ",
                           "ADDRESS: ",
                           "ADDRESS: (e-mail) ",
                           "SOAPBOX: ",
                           "QSO:  7000 PH 2014-05-03 1720 W8TEST    59  OH       K9TEST    59  Vanderburgh",
                           "QSO:  3500 CW 2014-05-04 0001 W8TEST    599 OH       W9XYZ     599 Marion",
                           "END-OF-LOG:",
                       }));
}

TEST_F(CabrilloTest, EveryFixtureReadsBackThroughAStrictReader)
{
    const QMap<QString, int> kHz = {{"160", 1800}, {"80", 3500},  {"40", 7000}, {"20", 14000},
                                    {"15", 21000}, {"10", 28000}, {"6", 50},    {"2", 144}};
    for (int fixture = 0; fixture < 3; ++fixture) {
        resetGlobals();
        SetUp();
        if (fixture == 0)
            inStateFixed();
        else if (fixture == 1)
            inStateRover();
        else
            outOfState();
        SCOPED_TRACE(fixture);
        QString why;
        const auto log = CabrilloReader::read(text({}), &why);
        ASSERT_TRUE(log) << why.toStdString();
        ASSERT_EQ(log->qsos.size(), G.QSOCount);
        EXPECT_EQ(log->tags.value("CALLSIGN"), QStringList{G.OwnCall.trimmed()});
        const auto& a = G.ContactArrays;
        for (int i = 1; i <= G.QSOCount; ++i) {
            const CabrilloReader::Qso& q = log->qsos[i - 1];
            EXPECT_EQ(q.frequency, kHz.value(a.ContactBand[i]));
            EXPECT_EQ(q.mode, a.ContactMode[i]);
            EXPECT_EQ(q.date.toString("yyyy/MM/dd"), a.ContactDate[i]);
            EXPECT_EQ(q.time.toString("hh:mm"), a.ContactTime[i].left(5));
            EXPECT_EQ(q.sentCall, G.OwnCall.trimmed());
            EXPECT_EQ(q.sentReport, a.ContactRSTSent[i]);
            EXPECT_EQ(q.sentExchange, G.OutOfStateFlag ? G.OwnStateProvince : a.ContactSentCounty[i].left(8));
            EXPECT_EQ(q.call, a.ContactCall[i]);
            EXPECT_EQ(q.receivedReport, a.ContactRSTRcvd[i]);
            const QString received = !a.ContactCounty[i].isEmpty() ? a.ContactCounty[i]
                                     : a.ContactSPC[i].size() > 2  ? QStringLiteral("DX")
                                                                   : a.ContactSPC[i];
            EXPECT_EQ(q.receivedExchange, received);
        }
    }
}

// Values that fill or overflow their columns never run into the next value and never break the
// line; short ones keep the fixed columns.
TEST_F(CabrilloTest, ColumnRuleKeepsEveryContactOnOneLineWithBlanksBetweenValues)
{
    struct Row {
        const char* name;
        TestLog::Contact contact;
        const char* ownCall;
        const char* line;
    };
    const Row rows[] = {
        {"report sent fills its column",
         qso("W8TEST", "20", "CW", "2014/05/03", "16:05:42", "5999", "579", "OH", "", "Marion"), "K9TEST",
         "QSO: 14000 CW 2014-05-03 1605 K9TEST    5999 Marion  W8TEST    579 OH"},
        {"report sent overflows",
         qso("W8TEST", "20", "CW", "2014/05/03", "16:05:42", "599999", "579", "OH", "", "Marion"), "K9TEST",
         "QSO: 14000 CW 2014-05-03 1605 K9TEST    599999 Marion W8TEST   579 OH"},
        {"report received fills its column",
         qso("W8TEST", "20", "CW", "2014/05/03", "16:05:42", "599", "5799", "OH", "", "Marion"), "K9TEST",
         "QSO: 14000 CW 2014-05-03 1605 K9TEST    599 Marion   W8TEST    5799 OH"},
        {"calls cut to nine", qso("KC9ABCDEFG", "20", "CW", "2014/05/03", "16:05:42", "599", "599", "OH", "", "Marion"),
         "WB9ZZZZZZZ", "QSO: 14000 CW 2014-05-03 1605 WB9ZZZZZZ 599 Marion   KC9ABCDEF 599 OH"},
        {"sent county cut to eight then trimmed",
         qso("W8TEST", "20", "CW", "2014/05/03", "16:05:42", "599", "599", "OH", "", "Jackson X"), "K9TEST",
         "QSO: 14000 CW 2014-05-03 1605 K9TEST    599 Jackson  W8TEST    599 OH"},
        {"1.25 m under the format's band name",
         qso("W8TEST", "1.25", "PH", "2014/05/03", "16:05:42", "59", "59", "OH", "", "Marion"), "K9TEST",
         "QSO:   222 PH 2014-05-03 1605 K9TEST    59  Marion   W8TEST    59  OH"},
        {"6 m", qso("W8TEST", "6", "PH", "2014/05/03", "16:05:42", "59", "59", "OH", "", "Marion"), "K9TEST",
         "QSO:    50 PH 2014-05-03 1605 K9TEST    59  Marion   W8TEST    59  OH"},
        {"160 m, post-contest time without seconds",
         qso("W8TEST", "160", "CW", "2014/05/03", "09:30", "599", "599", "OH", "", "Marion"), "K9TEST",
         "QSO:  1800 CW 2014-05-03 0930 K9TEST    599 Marion   W8TEST    599 OH"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        resetGlobals();
        const int i = TestLog::add(r.contact);
        EXPECT_EQ(Cabrillo::QSOLine(i, QLatin1String(r.ownCall), false).toStdString(), std::string(r.line));
    }
}

TEST_F(CabrilloTest, ClaimedScoreIsPointsTimesMultipliersWithoutGrouping)
{
    inStateFixed();
    G.QSOPoints = 1234;
    G.MultiplierCount = 100;
    Cabrillo::Summary s;
    const QByteArray t = text(s);
    EXPECT_TRUE(t.contains("\r\nCLAIMED-SCORE:  123400 \r\n")) << t.toStdString();
    G.QSOPoints = 0;
    EXPECT_TRUE(text(s).contains("\r\nCLAIMED-SCORE:  0 \r\n"));
}

TEST_F(CabrilloTest, EmptyLogHasTheHeaderAndTheEndOnly)
{
    G.OwnCall = QStringLiteral("K9TEST");
    const QStringList lines = QString::fromLatin1(text({})).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 14);   // 13 header lines without a club, and the end
    EXPECT_EQ(lines.last(), QStringLiteral("END-OF-LOG:"));
}

TEST_F(CabrilloTest, UnreadableDateFailsTheWholeTextNamingTheRecord)
{
    inStateFixed();
    for (const char* bad : {"2014/13/03", "05/03/2014", "", "2014-05-03", "2014/02/30"}) {
        SCOPED_TRACE(bad);
        G.ContactArrays.ContactDate[2] = QLatin1String(bad);
        QByteArray out = "untouched";
        QString error;
        EXPECT_FALSE(Cabrillo::CabrilloText({}, out, &error));
        EXPECT_EQ(out, QByteArray("untouched"));
        EXPECT_TRUE(error.contains(QStringLiteral("Contact 2 (DL1ABC)"))) << error.toStdString();
    }
}

// QSO lines are read field by field, split at blanks. Every value is written without the blanks
// around it (the edit dialogs once stored "K9ABC "), county names as stored ("La Porte"), the
// sent one cut to eight; a call, mode, time or report that is then empty or still holds a blank
// would add or take away a field, so the write is refused naming the record and no text is made.
// Record 2 is DL1ABC.
TEST_F(CabrilloTest, ValuesAreWrittenTrimmedAndOneThatIsNotOneWordFailsNamingTheRecord)
{
    using Field = QVector<QString> ContactArraysT::*;
    struct Case {
        Field field;
        const char* value;
        const char* result;   // the QSO line of record 2, or a part of the refusal
        bool written;
    };
    const char* base = "QSO: 21000 PH 2014-05-03 1610 K9TEST    59  Marion   DL1ABC    59  DX";
    const Case cases[] = {
        {&ContactArraysT::ContactCall, "W8TEST ",
         "QSO: 21000 PH 2014-05-03 1610 K9TEST    59  Marion   W8TEST    59  DX", true},
        {&ContactArraysT::ContactCall, " W8TEST",
         "QSO: 21000 PH 2014-05-03 1610 K9TEST    59  Marion   W8TEST    59  DX", true},
        {&ContactArraysT::ContactCall, "W8TEST/M",
         "QSO: 21000 PH 2014-05-03 1610 K9TEST    59  Marion   W8TEST/M  59  DX", true},
        {&ContactArraysT::ContactCall, "VE3/W8TESTXYZ",
         "QSO: 21000 PH 2014-05-03 1610 K9TEST    59  Marion   VE3/W8TES 59  DX", true},
        {&ContactArraysT::ContactCall, "W8 TEST", "Contact 2 has the call \"W8 TEST\", which holds a blank.", false},
        {&ContactArraysT::ContactCall, "W8\tTEST", "which holds a blank.", false},
        {&ContactArraysT::ContactCall, "", "Contact 2 has no call.", false},
        {&ContactArraysT::ContactCall, "   ", "Contact 2 has no call.", false},
        {&ContactArraysT::ContactRSTRcvd, " 59 ", base, true},
        {&ContactArraysT::ContactRSTRcvd, "5 9",
         "Contact 2 (DL1ABC) has the report received \"5 9\", which holds a blank.", false},
        {&ContactArraysT::ContactRSTRcvd, "  ", "Contact 2 (DL1ABC) has no report received.", false},
        {&ContactArraysT::ContactRSTSent, "59 ", base, true},
        {&ContactArraysT::ContactRSTSent, "5 9", "Contact 2 (DL1ABC) has the report sent \"5 9\", which holds a blank.",
         false},
        {&ContactArraysT::ContactRSTSent, "", "Contact 2 (DL1ABC) has no report sent.", false},
        {&ContactArraysT::ContactMode, " PH", base, true},
        {&ContactArraysT::ContactMode, "P H", "Contact 2 (DL1ABC) has the mode \"P H\", which holds a blank.", false},
        {&ContactArraysT::ContactMode, "", "Contact 2 (DL1ABC) has no mode.", false},
        {&ContactArraysT::ContactTime, " 16:10:00 ", base, true},
        {&ContactArraysT::ContactTime, "", "Contact 2 (DL1ABC) has no time.", false},
        {&ContactArraysT::ContactBand, "15 ", base, true},
        {&ContactArraysT::ContactSentCounty, "La Porte",
         "QSO: 21000 PH 2014-05-03 1610 K9TEST    59  La Porte DL1ABC    59  DX", true},
        {&ContactArraysT::ContactSentCounty, " St. Joseph",
         "QSO: 21000 PH 2014-05-03 1610 K9TEST    59  St. Jose DL1ABC    59  DX", true},
        {&ContactArraysT::ContactSentCounty, " ", "Contact 2 (DL1ABC) has no county sent.", false},
        {&ContactArraysT::ContactCounty, "St. Joseph ",
         "QSO: 21000 PH 2014-05-03 1610 K9TEST    59  Marion   DL1ABC    59  St. Joseph", true},
        {&ContactArraysT::ContactSPC, " OH ", "QSO: 21000 PH 2014-05-03 1610 K9TEST    59  Marion   DL1ABC    59  OH",
         true},
        {&ContactArraysT::ContactSPC, "", "Contact 2 (DL1ABC) has no county, state, province or country.", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " -> " + c.result);
        resetGlobals();
        inStateFixed();
        (G.ContactArrays.*c.field)[2] = QLatin1String(c.value);
        QByteArray out = "untouched";
        QString error;
        if (c.written) {
            ASSERT_TRUE(Cabrillo::CabrilloText({}, out, &error)) << error.toStdString();
            EXPECT_TRUE(out.contains(QByteArray("\r\n") + c.result + "\r\n")) << out.toStdString();
            QString why;
            EXPECT_TRUE(CabrilloReader::read(out, &why)) << why.toStdString();
            continue;
        }
        EXPECT_FALSE(Cabrillo::CabrilloText({}, out, &error));
        EXPECT_EQ(out, QByteArray("untouched"));
        EXPECT_TRUE(error.contains(QLatin1String(c.result))) << error.toStdString();
        EXPECT_TRUE(error.endsWith(QLatin1String("Correct it and write the file again."))) << error.toStdString();
    }

    // The own call, in every QSO line, is one word too.
    resetGlobals();
    inStateFixed();
    G.OwnCall = QStringLiteral(" K9 TEST ");
    QByteArray out;
    QString error;
    EXPECT_FALSE(Cabrillo::CabrilloText({}, out, &error));
    EXPECT_TRUE(error.contains(QLatin1String("The station's own call \"K9 TEST\" is not one word.")))
        << error.toStdString();
}

// The summary form's boxes are written without the blanks around them.
TEST_F(CabrilloTest, HeaderValuesAreWrittenTrimmed)
{
    G.OwnCall = QStringLiteral("K9TEST");
    Cabrillo::Summary s;
    s.club = QStringLiteral("  ");
    s.operators = QStringLiteral(" K9TEST K9ABC ");
    s.name = QStringLiteral(" Pat Doe ");
    s.address1 = QStringLiteral("1 Main St ");
    s.address2 = QStringLiteral(" Town");
    s.email = QStringLiteral(" a@b.org ");
    s.soapbox = QStringLiteral(" Fun! ");
    const QByteArray t = text(s);
    EXPECT_TRUE(t.contains("\r\nCLAIMED-SCORE:  0 \r\nOPERATORS: K9TEST K9ABC\r\nNAME: Pat Doe\r\nADDRESS: 1 Main "
                           "St\r\nADDRESS: Town\r\nADDRESS: (e-mail) a@b.org\r\nSOAPBOX: Fun!\r\n"))
        << t.toStdString();
    EXPECT_FALSE(t.contains("CLUB-NAME"));
}

// County names go into the file as the log stores them: the received one whole, the sent one cut
// to eight and trimmed. A reader that knows the contest's columns reads them back as stored.
TEST_F(CabrilloTest, CountyNamesAreWrittenAsStored)
{
    struct Case {
        const char* name;
        bool outOfState;
        const char* received;   // ContactCounty
        const char* sent;       // ContactSentCounty (in-state), else the own state
        const char* line;
        const char* readSent;
        const char* readReceived;
    };
    const Case cases[] = {
        {"in-state: La Porte received, St. Joseph sent", false, "La Porte", "St. Joseph",
         "QSO: 14000 CW 2014-05-03 1605 K9TEST    599 St. Jose W9ABC     579 La Porte", "St. Jose", "La Porte"},
        {"in-state: DeKalb received, La Porte sent", false, "DeKalb", "La Porte",
         "QSO: 14000 CW 2014-05-03 1605 K9TEST    599 La Porte W9ABC     579 DeKalb", "La Porte", "DeKalb"},
        {"out-of-state: St. Joseph received", true, "St. Joseph", "OH",
         "QSO: 14000 CW 2014-05-03 1605 K9TEST    599 OH       W9ABC     579 St. Joseph", "OH", "St. Joseph"},
        {"in-state: a sent county whose cut ends in a blank", false, "Marion", "Jackson X",
         "QSO: 14000 CW 2014-05-03 1605 K9TEST    599 Jackson  W9ABC     579 Marion", "Jackson", "Marion"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetGlobals();
        SetUp();
        G.OwnCall = QStringLiteral("K9TEST");
        G.OutOfStateFlag = c.outOfState ? 1 : 0;
        G.OwnStateProvince = c.outOfState ? QLatin1String(c.sent) : QLatin1String("IN");
        TestLog::add(qso("W9ABC", "20", "CW", "2014/05/03", "16:05:42", "599", "579", c.outOfState ? "" : "IN",
                         c.received, c.outOfState ? "" : c.sent));
        const QByteArray t = text({});
        EXPECT_TRUE(t.contains(QByteArray("\r\n") + c.line + "\r\nEND-OF-LOG:\r\n")) << t.toStdString();
        QString why;
        const auto log = CabrilloReader::read(t, &why);
        ASSERT_TRUE(log) << why.toStdString();
        ASSERT_EQ(log->qsos.size(), 1);
        EXPECT_EQ(log->qsos[0].sentExchange, QLatin1String(c.readSent));
        EXPECT_EQ(log->qsos[0].receivedExchange, QLatin1String(c.readReceived));
    }
}

// Every band the program offers gets its frequency field: the lower band edge in kHz below 30 MHz,
// the format's band names from 50 MHz up. Each QSO line holds its eleven blank-separated fields
// (the tag and ten values) and reads back. A band the table gains without a name here fails.
TEST_F(CabrilloTest, EveryBandOfTheBandTableHasItsFrequencyField)
{
    const QMap<QString, QString> field = {
        {"160", "1800"}, {"80", "3500"},   {"40", "7000"},  {"20", "14000"}, {"15", "21000"},
        {"10", "28000"}, {"6", "50"},      {"2", "144"},    {"1.25", "222"}, {"440", "432"},
        {"902", "902"},  {"1.24", "1.2G"}, {"2.3", "2.3G"}, {"3.3", "3.4G"}, {"5.6", "5.7G"},
        {"10G", "10G"},  {"30", "10100"},  {"17", "18068"}, {"12", "24890"},
    };
    G.OwnCall = QStringLiteral("K9TEST");
    G.OutOfStateFlag = 0;
    for (const QString& band : Bands::names()) {
        ASSERT_TRUE(field.contains(band)) << band.toStdString();
        TestLog::Contact c = qso("W8TEST", band, "CW", "2014/05/03", "16:05:42", "599", "579", "OH", "", "Marion");
        TestLog::add(c);
    }
    // Band names are compared without regard to case.
    TestLog::add(qso("W8TEST", "10g", "CW", "2014/05/03", "16:05:42", "599", "579", "OH", "", "Marion"));

    const QByteArray t = text({});
    const QStringList lines = QString::fromLatin1(t).split(QStringLiteral("\r\n")).filter(QRegularExpression("^QSO:"));
    ASSERT_EQ(lines.size(), G.QSOCount);
    for (int i = 1; i <= G.QSOCount; ++i) {
        const QString band = G.ContactArrays.ContactBand[i];
        SCOPED_TRACE(band.toStdString());
        const QStringList f = lines[i - 1].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_EQ(f.size(), 11) << lines[i - 1].toStdString();
        EXPECT_EQ(f[1], field.value(band == QLatin1String("10g") ? QStringLiteral("10G") : band));
        EXPECT_EQ(lines[i - 1].mid(5, 5), f[1].rightJustified(5)) << "the field stands at columns 6 to 10";
    }
    QString why;
    EXPECT_TRUE(CabrilloReader::read(t, &why)) << why.toStdString();

    // A log on the bands above 2 m, as the program offers them.
    resetGlobals();
    SetUp();
    G.OwnCall = QStringLiteral("K9TEST");
    const char* bands[] = {"1.25", "440", "902"};
    for (const char* b : bands)
        TestLog::add(qso("W9ABC", b, "PH", "2014/05/03", "16:05:42", "59", "59", "IN", "Allen", "Marion"));
    EXPECT_TRUE(text({}).contains("\r\nQSO:   222 PH 2014-05-03 1605 K9TEST    59  Marion   W9ABC     59  Allen\r\n"
                                  "QSO:   432 PH 2014-05-03 1605 K9TEST    59  Marion   W9ABC     59  Allen\r\n"
                                  "QSO:   902 PH 2014-05-03 1605 K9TEST    59  Marion   W9ABC     59  Allen\r\n"))
        << text({}).toStdString();
}

// A band the writer cannot name would leave a QSO line without its frequency field: the file is
// refused naming the contact, and no text is made.
TEST_F(CabrilloTest, ABandWithoutAFrequencyFieldRefusesTheFileNamingTheContact)
{
    for (const char* band : {"7", "", " ", "1.3", "10 G", "70cm"}) {
        SCOPED_TRACE(band);
        resetGlobals();
        SetUp();
        inStateFixed();
        G.ContactArrays.ContactBand[2] = QLatin1String(band);
        QByteArray out = "untouched";
        QString error;
        EXPECT_FALSE(Cabrillo::CabrilloText({}, out, &error));
        EXPECT_EQ(out, QByteArray("untouched"));
        EXPECT_EQ(error, QStringLiteral("Contact 2 (DL1ABC) is on the band \"%1\", which has no frequency in the "
                                        "Cabrillo format. Correct it and write the file again.")
                             .arg(QString::fromLatin1(band).trimmed()));
    }
}

// A station outside the contest state sends its own state or province in every contact; when the
// profile holds none, the refusal tells the operator where to enter it.
TEST_F(CabrilloTest, AMissingOwnStateIsRefusedSayingWhereToEnterIt)
{
    for (const char* state : {"", "   "}) {
        SCOPED_TRACE(state);
        resetGlobals();
        SetUp();
        outOfState();
        G.OwnStateProvince = QLatin1String(state);
        QByteArray out = "untouched";
        QString error;
        EXPECT_FALSE(Cabrillo::CabrilloText({}, out, &error));
        EXPECT_EQ(out, QByteArray("untouched"));
        EXPECT_EQ(error, QStringLiteral("The station's own state or province, which every contact sends, is empty. "
                                        "Enter it in the station setup at the next start of the program (the box "
                                        "\"Your State / Province:\" of the Setup Information window), then write "
                                        "the file again."));
    }
    // A station inside the state sends each contact's county: its own state is not needed.
    resetGlobals();
    SetUp();
    inStateFixed();
    G.OwnStateProvince.clear();
    QByteArray out;
    EXPECT_TRUE(Cabrillo::CabrilloText({}, out));
}

// No line of the file is ever broken: line ends, a lone CR, tabs, NULs and other control
// characters in the summary boxes or in the profile's texts are left out of the header, a long
// soapbox goes on several SOAPBOX lines, and a contact holding one is refused naming it.
TEST_F(CabrilloTest, NoHeaderOrQsoValueHoldsAControlCharacter)
{
    inStateFixed();
    G.OwnSection = QStringLiteral("IN\r\nQSO: 14000");
    G.OwnCall = QStringLiteral("K9TEST\r");
    Cabrillo::Summary s;
    s.name = QStringLiteral("line1\nline2");
    s.address1 = QStringLiteral("1 Main St\r");
    s.address2 = QStringLiteral("Kel\rvale\x0b");
    s.email = QStringLiteral("a@b.org\t");
    s.club = QStringLiteral("Hoosier") + QChar(0) + QStringLiteral(" DX") + QChar(0x85);
    s.operators = QStringLiteral("K9TEST\nK9ABC");
    s.soapbox = QStringLiteral("Great fun.\r\nSee you next year!");
    const QByteArray t = text(s);
    QString why;
    const auto log = CabrilloReader::read(t, &why);
    ASSERT_TRUE(log) << why.toStdString();
    EXPECT_EQ(log->tags.value("NAME"), QStringList{"line1line2"});
    EXPECT_EQ(log->tags.value("ADDRESS"), (QStringList{"1 Main St", "Kelvale", "(e-mail) a@b.org"}));
    EXPECT_EQ(log->tags.value("CLUB-NAME"), QStringList{"Hoosier DX"});
    EXPECT_EQ(log->tags.value("OPERATORS"), QStringList{"K9TESTK9ABC"});
    EXPECT_EQ(log->tags.value("ARRL-SECTION"), QStringList{"INQSO: 14000"});
    EXPECT_EQ(log->tags.value("CALLSIGN"), QStringList{"K9TEST"});
    EXPECT_EQ(log->tags.value("SOAPBOX"), QStringList{"Great fun.See you next year!"});
    EXPECT_EQ(log->qsos.size(), 3);

    using Field = QVector<QString> ContactArraysT::*;
    struct Case {
        Field field;
        QString value;
        const char* message;
    };
    const Case cases[] = {
        {&ContactArraysT::ContactCall,
         QStringLiteral("DL1\x01"
                        "ABC"),
         "Contact 2 has a character that is not printable in its call."},
        {&ContactArraysT::ContactMode, QStringLiteral("P") + QChar(0) + QStringLiteral("H"),
         "Contact 2 (DL1ABC) has a character that is not printable in its mode."},
        {&ContactArraysT::ContactRSTRcvd,
         QStringLiteral("5\x7f"
                        "9"),
         "Contact 2 (DL1ABC) has a character that is not printable in its report received."},
        {&ContactArraysT::ContactSentCounty, QStringLiteral("Mar\x1bion"),
         "Contact 2 (DL1ABC) has a character that is not printable in its county sent."},
        {&ContactArraysT::ContactCounty, QStringLiteral("La\nPorte"),
         "Contact 2 (DL1ABC) has a character that is not printable in its county, state or province."},
        {&ContactArraysT::ContactSPC, QStringLiteral("O\x02"),
         "Contact 2 (DL1ABC) has a character that is not printable in its county, state or province."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        resetGlobals();
        SetUp();
        inStateFixed();
        (G.ContactArrays.*c.field)[2] = c.value;
        QByteArray out = "untouched";
        QString error;
        EXPECT_FALSE(Cabrillo::CabrilloText({}, out, &error));
        EXPECT_EQ(out, QByteArray("untouched"));
        EXPECT_EQ(error, QLatin1String(c.message) + QStringLiteral(" Correct it and write the file again."));
    }
    resetGlobals();
    SetUp();
    outOfState();
    G.OwnStateProvince = QStringLiteral("O\x01H");
    QString error;
    QByteArray out;
    EXPECT_FALSE(Cabrillo::CabrilloText({}, out, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("The station's own state or province holds a character that is not "
                                                "printable. Enter it in the station setup")))
        << error.toStdString();
}

// A soapbox of any length is written whole, on as many SOAPBOX lines as it needs, each broken at a
// blank and none longer than the width; a word longer than a line is cut.
TEST_F(CabrilloTest, ALongSoapboxGoesOnSeveralLines)
{
    G.OwnCall = QStringLiteral("K9TEST");
    QStringList words;
    for (int i = 0; words.join(QLatin1Char(' ')).size() < 10000; ++i)
        words << QStringLiteral("word%1").arg(i) + QString(i % 7, QLatin1Char('x'));
    const QString prose = words.join(QLatin1Char(' '));
    const QString oneWord(10000, QLatin1Char('y'));
    struct Case {
        const char* name;
        QString soapbox;
        QString joiner;   // what stands between two lines' texts in the soapbox
    };
    const Case cases[] = {
        {"prose", prose, QStringLiteral(" ")},
        {"one long word", oneWord, QString()},
        {"exactly one line", QString(Cabrillo::SoapboxWidth, QLatin1Char('z')), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cabrillo::Summary s;
        s.soapbox = c.soapbox;
        QString why;
        const auto log = CabrilloReader::read(text(s), &why);
        ASSERT_TRUE(log) << why.toStdString();
        const QStringList lines = log->tags.value("SOAPBOX");
        for (int k = 0; k < lines.size(); ++k) {
            EXPECT_FALSE(lines[k].isEmpty());
            EXPECT_LE(lines[k].size(), Cabrillo::SoapboxWidth);
            // Each line is as full as the next word allows.
            if (k + 1 == lines.size())
                continue;
            if (c.joiner.isEmpty()) {
                EXPECT_EQ(lines[k].size(), Cabrillo::SoapboxWidth);
            } else {
                EXPECT_GT(lines[k].size() + 1 + lines[k + 1].section(QLatin1Char(' '), 0, 0).size(),
                          Cabrillo::SoapboxWidth);
            }
        }
        EXPECT_EQ(lines.join(c.joiner), c.soapbox);
    }
}
