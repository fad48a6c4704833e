// The contact edit dialog's decisions: loading, the duplicate scan, Done's checks and what it
// stores, and the boxes' keys.
#include <gtest/gtest.h>

#include <functional>

#include "reports/ContactEdit.h"
#include "tests/reports/ContactEditFixture.h"

namespace {

using ContactEdit::Box;
using ContactEdit::Editor;
using ContactEdit::Variant;

// ---- Loading -----------------------------------------------------------------------------------

TEST_F(ContactEditTest, LoadsTheRecordIntoEachVariantsBoxes)
{
    add(contact(QStringLiteral("K1AA")));
    add(contact());
    Editor in = editing(2);
    EXPECT_EQ(in.record(), 2);
    EXPECT_EQ(in[Box::Call], "W9ABC");
    EXPECT_EQ(in[Box::SPC], "IN");
    EXPECT_EQ(in[Box::County], "Marion");
    EXPECT_EQ(in[Box::SentCounty], "Vigo");
    EXPECT_EQ(in[Box::Date], "2024/05/04");
    EXPECT_EQ(in[Box::Time], "14:02:11");
    EXPECT_EQ(in[Box::Mode], "CW");
    EXPECT_EQ(in[Box::Band], "20");

    Editor out = editing(2, Variant::Out);
    EXPECT_FALSE(out.has(Box::SPC));
    EXPECT_FALSE(out.has(Box::SentCounty));
    EXPECT_TRUE(out[Box::SPC].isEmpty());
    EXPECT_EQ(out[Box::County], "Marion");
    EXPECT_EQ(ContactEdit::row(Variant::Out, Box::County)->control, QStringLiteral("txtEditPre"));
    EXPECT_EQ(ContactEdit::row(Variant::In, Box::County)->control, QStringLiteral("txtEditSec"));
}

TEST_F(ContactEditTest, AnIndexOutsideTheLogLoadsNothingAndStoresNothing)
{
    add(contact());
    for (int index : {0, 2, -3}) {
        SCOPED_TRACE(index);
        Editor e = editing(index);
        EXPECT_EQ(e.record(), 0);
        EXPECT_TRUE(e[Box::Call].isEmpty());
        e[Box::Call] = QStringLiteral("K9ZZZ");
        e[Box::County] = QStringLiteral("Adams");
        e[Box::SentCounty] = QStringLiteral("Vigo");
        e[Box::Date] = QStringLiteral("2024/05/04");
        e[Box::Time] = QStringLiteral("14:00");
        e[Box::Mode] = QStringLiteral("CW");
        e[Box::Band] = QStringLiteral("20");
        EXPECT_FALSE(e.cmdDone_Click());
    }
    EXPECT_TRUE(G.ContactArrays.ContactCall[0].isEmpty());
    EXPECT_TRUE(G.ContactArrays.ContactCall[2].isEmpty());
    EXPECT_EQ(G.ContactArrays.ContactCall[1], "W9ABC");
}

// ---- Duplicate scan ----------------------------------------------------------------------------

TEST_F(ContactEditTest, DuplicateScanComparesCallBandModeCountyAndSentCounty)
{
    struct Case {
        const char* name;
        std::function<void(TestLog::Contact&)> other;   // how the other record differs
        bool dupeIn, dupeOut;
    };
    const Case cases[] = {
        {"identical", [](TestLog::Contact&) {}, true, true},
        {"call in lower case", [](TestLog::Contact& c) { c.call = "w9abc"; }, true, true},
        {"call stored with a trailing blank", [](TestLog::Contact& c) { c.call = "W9ABC "; }, true, true},
        {"county sent stored with a leading blank", [](TestLog::Contact& c) { c.sentCounty = " Vigo"; }, true, true},
        {"other call", [](TestLog::Contact& c) { c.call = "W9ABD"; }, false, false},
        {"other band", [](TestLog::Contact& c) { c.band = "40"; }, false, false},
        {"other mode", [](TestLog::Contact& c) { c.mode = "PH"; }, false, false},
        {"mode in lower case", [](TestLog::Contact& c) { c.mode = "cw"; }, true, true},
        {"other county", [](TestLog::Contact& c) { c.county = "Allen"; }, false, false},
        {"county in capitals", [](TestLog::Contact& c) { c.county = "MARION"; }, true, true},
        {"other county sent", [](TestLog::Contact& c) { c.sentCounty = "Adams"; }, false, true},
        {"other reports, SPC, date, time",
         [](TestLog::Contact& c) {
             c.rstSent = "339";
             c.rstRcvd = "449";
             c.spc = "OH";
             c.date = "2024/05/05";
             c.time = "01:00:00";
         },
         true, true},
    };
    for (const Case& c : cases) {
        for (Variant v : {Variant::In, Variant::Out}) {
            SCOPED_TRACE(testing::Message() << c.name << (v == Variant::In ? " (in-state)" : " (out-of-state)"));
            restart();
            TestLog::Contact other = contact();
            c.other(other);
            add(other);
            add(contact());
            Editor e = editing(2, v);
            EXPECT_EQ(e.duplicates(), (v == Variant::In ? c.dupeIn : c.dupeOut) ? QVector<int>{1} : QVector<int>{});
        }
    }
}

TEST_F(ContactEditTest, DuplicateScanSkipsTheEditedRecordOnly)
{
    add(contact());
    EXPECT_TRUE(editing(1).duplicates().isEmpty());   // a log of one record has no duplicate
    add(contact(QStringLiteral("K1AA")));
    add(contact());
    EXPECT_EQ(editing(1).duplicates(), QVector<int>{3});
    EXPECT_EQ(editing(3).duplicates(), QVector<int>{1});
    EXPECT_EQ(editing(2).duplicates(), QVector<int>{});
}

TEST_F(ContactEditTest, DoneRefusesADuplicateUntilItDiffers)
{
    add(contact());
    add(contact());
    add(contact(QStringLiteral("K1AA")));
    add(contact());
    Editor e = editing(4);
    const QString before = G.ContactArrays.ContactRSTSent[4];
    e[Box::RstS] = QStringLiteral("559");
    EXPECT_FALSE(e.cmdDone_Click());
    EXPECT_EQ(prompts.beeps(), 2);   // one per duplicate found: records 1 and 2
    EXPECT_TRUE(e.warningShown(Box::Call));
    EXPECT_TRUE(e.deleteDupeShown);
    EXPECT_EQ(G.ContactArrays.ContactRSTSent[4], before);

    e[Box::SentCounty] = QStringLiteral("Adams");   // the operator's own county changed
    EXPECT_TRUE(e.cmdDone_Click());
    EXPECT_FALSE(e.warningShown(Box::Call));
    EXPECT_TRUE(e.deleteDupeShown);   // stays until the dialog closes
    EXPECT_EQ(G.ContactArrays.ContactRSTSent[4], "559");
    EXPECT_EQ(G.ContactArrays.ContactSentCounty[4], "Adams");
}

// ---- Done: what it stores ----------------------------------------------------------------------

TEST_F(ContactEditTest, DoneWithNothingChangedStoresTheRecordUnchanged)
{
    for (Variant v : {Variant::In, Variant::Out}) {
        restart();
        add(contact());
        const QByteArray before = Module2::LogRecordLine(1);
        Editor e = editing(1, v);
        EXPECT_TRUE(e.cmdDone_Click());
        EXPECT_EQ(Module2::LogRecordLine(1), before);
        EXPECT_EQ(prompts.beeps(), 0);
    }
}

TEST_F(ContactEditTest, DoneCopiesTheBoxesBackAndLeavesTheOtherFields)
{
    add(contact());
    Editor e = editing(1);
    e[Box::Call] = QStringLiteral("K9NEW ");
    e[Box::RstR] = QStringLiteral("5N9");
    e[Box::RstS] = QStringLiteral("57");
    e[Box::SPC] = QStringLiteral("Germany");
    e[Box::County] = QString();   // a DX station has no county
    e[Box::SentCounty] = QStringLiteral("st. joseph");
    e[Box::Mode] = QStringLiteral("PH");
    e[Box::Band] = QStringLiteral("40");
    ASSERT_TRUE(e.cmdDone_Click());
    const ContactArraysT& a = G.ContactArrays;
    EXPECT_EQ(a.ContactCall[1], "K9NEW");   // stored without the blank
    EXPECT_EQ(a.ContactRSTRcvd[1], "5N9");
    EXPECT_EQ(a.ContactRSTSent[1], "57");
    EXPECT_EQ(a.ContactSPC[1], "Germany");
    EXPECT_EQ(a.ContactCounty[1], "");
    EXPECT_EQ(a.ContactSentCounty[1], "st. joseph");
    EXPECT_EQ(a.ContactMode[1], "PH");
    EXPECT_EQ(a.ContactBand[1], "40");
    EXPECT_EQ(a.ContactFrequency[1], "");   // 14.025 lies outside 40 m
    EXPECT_EQ(a.ContactField9[1], "spare");
}

// The frequency stays with the contact while it lies in the contact's band; a band corrected to
// one it does not lie in leaves the contact without it. Both dialogs.
TEST_F(ContactEditTest, AFrequencyStaysOnlyInTheContactsBand)
{
    struct Case {
        const char* band;
        const char* frequency;
        const char* kept;
    };
    const Case cases[] = {
        {"20", "14.025", "14.025"},     // the band as it was
        {" 20 ", "14.025", "14.025"},   // the same band typed with blanks
        {"40", "14.025", ""},           // moved off its frequency
        {"40", "7.012", "7.012"},       // corrected to the frequency's band
        {"80", "", ""},                 // nothing to keep
    };
    for (Variant v : {Variant::In, Variant::Out})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.band) + " " + c.frequency);
            restart();
            TestLog::Contact k = contact();
            k.band = QStringLiteral("20");
            k.frequency = QLatin1String(c.frequency);
            add(k);
            Editor e = editing(1, v);
            e[Box::Band] = QLatin1String(c.band);
            ASSERT_TRUE(e.cmdDone_Click());
            EXPECT_EQ(G.ContactArrays.ContactFrequency[1], QLatin1String(c.kept));
            const QList<QByteArray> values = Module2::LogRecordLine(1).split(',');
            EXPECT_EQ(values.last().trimmed(), "\"" + QByteArray(c.kept) + "\"");
        }
}

// No box is stored with blanks around it, in either dialog; the checks read the boxes without
// them, so " 40 " is a band and " allen" a county.
TEST_F(ContactEditTest, DoneTakesTheBlanksOffEveryBoxInBothDialogs)
{
    for (Variant v : {Variant::In, Variant::Out}) {
        SCOPED_TRACE(ContactEdit::formName(v).toStdString());
        restart();
        add(contact());
        Editor e = editing(1, v);
        e[Box::Call] = QStringLiteral("K9NEW ");
        e[Box::RstR] = QStringLiteral(" 57");
        e[Box::RstS] = QStringLiteral(" 58 ");
        e[Box::County] = QStringLiteral(" Allen ");
        e[Box::Date] = QStringLiteral(" 2024/05/05 ");
        e[Box::Time] = QStringLiteral("01:02:03 ");
        e[Box::Mode] = QStringLiteral(" PH");
        e[Box::Band] = QStringLiteral("40 ");   // 14.025 MHz does not go along to 40 m
        if (v == Variant::In) {
            e[Box::SPC] = QStringLiteral(" oh ");
            e[Box::SentCounty] = QStringLiteral(" Adams ");
            EXPECT_TRUE(e.leaveCheck(Box::SentCounty));
        }
        for (Box b : {Box::County, Box::Date, Box::Time, Box::Mode, Box::Band})
            EXPECT_TRUE(e.leaveCheck(b)) << ContactEdit::indexOf(b);
        ASSERT_TRUE(e.cmdDone_Click());
        EXPECT_EQ(Module2::LogRecordLine(1),
                  v == Variant::In
                      ? QByteArray("\"K9NEW\",\"58\",\"57\",\"OH\",\"Allen\",\"\",\"Adams\",\"\",\"spare\",\"\",\"\","
                                   "\"2024/05/05\",\"01:02:03\",\"PH\",\"40\",0,\"\",\"\",\"\"\r\n")
                      : QByteArray("\"K9NEW\",\"58\",\"57\",\"IN\",\"Allen\",\"\",\"Vigo\",\"\",\"spare\",\"\",\"\","
                                   "\"2024/05/05\",\"01:02:03\",\"PH\",\"40\",0,\"\",\"\",\"\"\r\n"));
        EXPECT_EQ(prompts.beeps(), 0);
    }
}

TEST_F(ContactEditTest, OutOfStateDoneTrimsFourBoxesAndKeepsStateAndSentCounty)
{
    add(contact());
    Editor e = editing(1, Variant::Out);
    e[Box::Call] = QStringLiteral(" K9NEW ");
    e[Box::RstR] = QStringLiteral(" 57 ");
    e[Box::RstS] = QStringLiteral("58 ");
    e[Box::County] = QStringLiteral("Allen");   // a trimmed county would fail the check
    ASSERT_TRUE(e.cmdDone_Click());
    const ContactArraysT& a = G.ContactArrays;
    EXPECT_EQ(a.ContactCall[1], "K9NEW");
    EXPECT_EQ(a.ContactRSTRcvd[1], "57");
    EXPECT_EQ(a.ContactRSTSent[1], "58");
    EXPECT_EQ(a.ContactCounty[1], "Allen");
    EXPECT_EQ(a.ContactSPC[1], "IN");
    EXPECT_EQ(a.ContactSentCounty[1], "Vigo");
}

TEST_F(ContactEditTest, DoneStoresDatesAndTimesInTheLogsForms)
{
    struct Case {
        const char* date;
        const char* time;
        const char* storedDate;
        const char* storedTime;
    };
    for (const Case& c :
         {Case{"2024/5/4", "14:02:11", "2024/05/04", "14:02:11"}, Case{"5/4/2024", "9:05", "2024/05/04", "09:05"},
          Case{"12/31/23", "9:05:07", "2023/12/31", "09:05:07"}, Case{"05/04", "23:59", "2024/05/04", "23:59"},
          Case{"2024/05/04", "0:00:00", "2024/05/04", "00:00:00"}}) {
        SCOPED_TRACE(testing::Message() << c.date << " " << c.time);
        restart();
        add(contact());
        Editor e = editing(1);
        e[Box::Date] = QString::fromLatin1(c.date);
        e[Box::Time] = QString::fromLatin1(c.time);
        ASSERT_TRUE(e.cmdDone_Click());
        EXPECT_EQ(G.ContactArrays.ContactDate[1], c.storedDate);
        EXPECT_EQ(G.ContactArrays.ContactTime[1], c.storedTime);
    }
}

TEST_F(ContactEditTest, DoneRefusesADateOrTimeThatDoesNotRead)
{
    add(contact());
    Editor e = editing(1);
    e[Box::Date] = QStringLiteral("2024/13/01");
    e[Box::Time] = QStringLiteral("25:00");
    EXPECT_FALSE(e.cmdDone_Click());
    // The time is checked first, and Done ends there.
    ASSERT_EQ(prompts.messages(), QStringList({"You have entered an invalid time format!"}));
    EXPECT_EQ(prompts.calls().last().title, "Invalid Time Format!");
    EXPECT_EQ(e.focusRequest, Box::Time);

    prompts.clear();
    e.focusRequest.reset();
    e[Box::Time] = QStringLiteral("14:00");
    EXPECT_FALSE(e.cmdDone_Click());
    ASSERT_EQ(prompts.messages(), QStringList({"You have entered an invalid date format!"}));
    EXPECT_EQ(prompts.calls().last().title, "Invalid Date Format!");
    EXPECT_EQ(prompts.calls().last().buttons, Platform::Buttons::Ok);
    EXPECT_EQ(prompts.beeps(), 1);
    EXPECT_EQ(e.focusRequest, Box::Date);
    EXPECT_EQ(G.ContactArrays.ContactDate[1], "2024/05/04");
    EXPECT_EQ(G.ContactArrays.ContactTime[1], "14:02:11");
}

TEST_F(ContactEditTest, StateOrProvinceCheck)
{
    struct Case {
        const char* typed;
        bool stored;
        const char* want;
    };
    for (const Case& c : {Case{"oh", true, "OH"}, Case{"On", true, "ON"}, Case{"XX", false, ""},
                          Case{"Germany", true, "Germany"}, Case{"", true, ""}, Case{"x", true, "X"}}) {
        SCOPED_TRACE(c.typed);
        restart();
        add(contact());
        Editor e = editing(1);
        e[Box::SPC] = QString::fromLatin1(c.typed);
        EXPECT_EQ(e.cmdDone_Click(), c.stored);
        EXPECT_EQ(e.warningShown(Box::SPC), !c.stored);
        EXPECT_EQ(prompts.beeps(), c.stored ? 0 : 1);
        EXPECT_EQ(G.ContactArrays.ContactSPC[1], c.stored ? c.want : "IN");
    }
}

// Done runs every leave check again: Enter in a box stores nothing its leave check refuses.
TEST_F(ContactEditTest, DoneRefusesWhatTheLeaveChecksRefuse)
{
    struct Case {
        Variant variant;
        Box box;
        const char* typed;
        bool stored;
    };
    const Case cases[] = {
        {Variant::In, Box::Band, "12", false},
        {Variant::In, Box::Band, "2", true},
        {Variant::In, Box::Band, "6", true},
        {Variant::In, Box::Band, "20 ", true},   // stored as "20"
        {Variant::In, Box::Mode, "XX", false},
        {Variant::In, Box::Mode, "dg", true},
        {Variant::In, Box::County, "Nowhere", false},
        {Variant::In, Box::County, "MRN", false},   // abbreviations are not names
        {Variant::In, Box::County, "", true},       // a DX station has none
        {Variant::In, Box::SentCounty, "", false},
        {Variant::In, Box::SentCounty, "vigo", true},
        {Variant::Out, Box::County, "", false},
        {Variant::Out, Box::County, "Nowhere", false},
        {Variant::Out, Box::Band, "2", true},
        {Variant::Out, Box::Mode, "RTTY", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.variant == Variant::In ? "in " : "out ") << int(c.box) << " '" << c.typed
                                        << "'");
        restart();
        add(contact());
        const QByteArray before = Module2::LogRecordLine(1);
        Editor e = editing(1, c.variant);
        e[c.box] = QString::fromLatin1(c.typed);
        EXPECT_EQ(e.cmdDone_Click(), c.stored);
        EXPECT_EQ(e.warningShown(c.box), !c.stored);
        if (!c.stored) {
            EXPECT_EQ(e.focusRequest, c.box);
            EXPECT_EQ(Module2::LogRecordLine(1), before);
            EXPECT_EQ(prompts.beeps(), 1);
        }
    }
}

TEST_F(ContactEditTest, LeaveChecksShowAndHideTheirWarnings)
{
    add(contact());
    Editor e = editing(1);
    e[Box::Band] = QStringLiteral("2");
    EXPECT_TRUE(e.leaveCheck(Box::Band));
    e[Box::Band] = QStringLiteral("11");
    EXPECT_FALSE(e.leaveCheck(Box::Band));
    EXPECT_TRUE(e.warningShown(Box::Band));
    EXPECT_EQ(e.focusRequest, Box::Band);
    e[Box::Band] = QStringLiteral("160");
    EXPECT_TRUE(e.leaveCheck(Box::Band));
    EXPECT_FALSE(e.warningShown(Box::Band));

    e[Box::County] = QStringLiteral("Nowhere");
    EXPECT_FALSE(e.leaveCheck(Box::County));
    EXPECT_EQ(G.BadCountyFlag, 1);
    e[Box::County] = QStringLiteral("allen");
    EXPECT_TRUE(e.leaveCheck(Box::County));
    EXPECT_FALSE(e.warningShown(Box::County));
    EXPECT_EQ(G.BadCountyFlag, 0);

    e[Box::Time] = QStringLiteral("12");
    EXPECT_FALSE(e.leaveCheck(Box::Time));
    EXPECT_EQ(prompts.messages().last(), "You have entered an invalid time format!");
    EXPECT_EQ(prompts.beeps(), 3);

    // Boxes without a check pass whatever they hold.
    e[Box::Call] = QString();
    EXPECT_TRUE(e.leaveCheck(Box::Call));
}

// ---- Keys ----------------------------------------------------------------------------------------

struct KeyCase {
    const char* name;
    Variant variant;
    Box box;
    const char* text;
    int caret;
    int key;
    int wantKey;
    const char* wantText;   // nullptr: the box's text is not touched before the key
    int wantSelStart, wantSelLength;
    bool runDone;
};

TEST_F(ContactEditTest, KeysOfEachBox)
{
    const Variant In = Variant::In, Out = Variant::Out;
    const KeyCase cases[] = {
        {"call letter to capital", In, Box::Call, "w9", 2, 'a', 'A', nullptr, 0, 0, false},
        {"call drops a double quote", In, Box::Call, "", 0, '"', 0, nullptr, 0, 0, false},
        {"Enter runs Done", In, Box::Band, "20", 2, 13, 0, nullptr, 0, 0, true},
        {"report takes letters", In, Box::RstR, "5", 1, 'n', 'N', nullptr, 0, 0, false},
        {"report drops a double quote", Out, Box::RstS, "5", 1, '"', 0, nullptr, 0, 0, false},
        {"date takes a slash", In, Box::Date, "2024", 4, '/', '/', nullptr, 0, 0, false},
        {"date refuses a colon", In, Box::Date, "2024", 4, ':', 0, nullptr, 0, 0, false},
        {"date refuses a letter", In, Box::Date, "", 0, 'a', 0, nullptr, 0, 0, false},
        {"date takes Backspace", In, Box::Date, "2024", 4, 8, 8, nullptr, 0, 0, false},
        {"time takes a colon", In, Box::Time, "14", 2, ':', ':', nullptr, 0, 0, false},
        {"time refuses a slash", In, Box::Time, "14", 2, '/', 0, nullptr, 0, 0, false},
        {"county: capital and the last county of that letter", In, Box::County, "", 0, 'm', 0, "Martin", 1, 5, false},
        {"county: typing at the start replaces the entry", In, Box::County, "Marion", 0, 'v', 0, "Vigo", 1, 3, false},
        {"county: a blank at the start is inserted", In, Box::County, "Marion", 0, ' ', ' ', nullptr, 0, 0, false},
        {"county: completes from the prefix before the caret", In, Box::County, "Martin", 3, 'i', 0, "Marion", 4, 2,
         false},
        {"county: capital after a blank inside the text", In, Box::SentCounty, "St. Joseph", 4, 'x', 'X', nullptr, 0, 0,
         false},
        {"county: no capital after a blank at the end", In, Box::SentCounty, "St. ", 4, 'j', 0, "St. joseph", 5, 5,
         false},
        {"county: no match types the key", In, Box::County, "Ma", 2, 'q', 'q', nullptr, 0, 0, false},
        {"county: Backspace at the start empties the box", In, Box::County, "Marion", 0, 8, 8, "", 0, 0, false},
        {"county: a control key empties nothing", In, Box::County, "Marion", 0, 3, 3, nullptr, 0, 0, false},
        {"out-of-state county box", Out, Box::County, "", 0, 'a', 0, "Allen", 1, 4, false},
        {"country: capital and the last row of that letter", In, Box::SPC, "", 0, 'g', 0, "Greece", 1, 5, false},
        {"country: the case typed elsewhere stays", In, Box::SPC, "ge", 2, 'r', 0, "germany", 3, 4, false},
        {"country: a state typed at the start replaces the entry", In, Box::SPC, "Finland", 0, 'o', 'O', "", 0, 0,
         false},
        {"country: no match types the key as it is", In, Box::SPC, "O", 1, 'h', 'h', nullptr, 0, 0, false},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ContactEdit::KeyResult r =
            ContactEdit::keyPress(c.variant, c.box, QString::fromLatin1(c.text), c.caret, c.key);
        EXPECT_EQ(r.key, c.wantKey);
        EXPECT_EQ(r.runDone, c.runDone);
        ASSERT_EQ(r.edit.has_value(), c.wantText != nullptr);
        if (r.edit) {
            EXPECT_EQ(r.edit->text, c.wantText);
            EXPECT_EQ(r.edit->selStart, c.wantSelStart);
            EXPECT_EQ(r.edit->selLength, c.wantSelLength);
        }
    }
}

TEST_F(ContactEditTest, PastedTextKeepsWhatTheBoxTakes)
{
    EXPECT_EQ(ContactEdit::cleanPaste(Box::Call, "K9\"AB\"\r\n"), "K9AB");
    EXPECT_EQ(ContactEdit::cleanPaste(Box::Date, " 2024-05/04x"), "202405/04");
    EXPECT_EQ(ContactEdit::cleanPaste(Box::Time, "14:02 UTC"), "14:02");
    EXPECT_EQ(ContactEdit::cleanPaste(Box::County, "St. Joseph"), "St. Joseph");
}

}   // namespace
