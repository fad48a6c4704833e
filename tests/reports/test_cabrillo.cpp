// The Cabrillo file: whole texts for logs of the three kinds of station, written out by hand; a
// round trip through an independent strict reader; the column rule where values fill or overflow
// their columns; the claimed score from the counters; records that cannot be written.
#include <QStringList>

#include <gtest/gtest.h>

#include "CabrilloReader.h"
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
