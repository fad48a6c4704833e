// The entry row's keys: carries between fields, Space and Enter, the county type-ahead and its
// Space rules, default reports, prompts, and the double quote that never gets in.
#include "EntryFixture.h"

using Entry::Field;

// --- The carry of a digit from the call to the report received ---------------------------------

struct CallCarryCase {
    const char* call;
    int caret;   // -1: at the end
    const char* callAfter;
    const char* rstrAfter;
    Field focusAfter;
};

void PrintTo(const CallCarryCase& c, std::ostream* os) { *os << c.call << "+5@" << c.caret; }

class CallCarry : public EntryTest, public ::testing::WithParamInterface<CallCarryCase> {};

TEST_P(CallCarry, DigitGoesToReportReceivedOnlyAfterACompleteCall)
{
    const CallCarryCase& c = GetParam();
    const QString call = QString::fromLatin1(c.call);
    setBox(Field::Call, call, c.caret);
    row.keyPress(Field::Call, '5');
    EXPECT_EQ(row.txtCall.text, QString::fromLatin1(c.callAfter));
    EXPECT_EQ(row.txtRSTR.text, QString::fromLatin1(c.rstrAfter));
    EXPECT_EQ(row.focus, c.focusAfter);
    EXPECT_EQ(G.FieldForwardState, 0);
    EXPECT_EQ(Entry::callCarriesDigit(call, c.caret < 0 ? int(call.size()) : c.caret, '5'),
              c.focusAfter == Field::RSTR);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CallCarry,
    ::testing::Values(CallCarryCase{"A9AA", -1, "A9AA", "5", Field::RSTR},
                      CallCarryCase{"A9A", -1, "A9A", "5", Field::RSTR},
                      CallCarryCase{"A9", -1, "A95", "", Field::Call},           // only two characters
                      CallCarryCase{"A9AA9", -1, "A9AA95", "", Field::Call},     // ends in a digit
                      CallCarryCase{"9A9AAA", -1, "9A9AAA", "5", Field::RSTR},   // digit at position 3
                      CallCarryCase{"9AA", -1, "9AA5", "", Field::Call},         // first character not examined
                      CallCarryCase{"A9AA/A", -1, "A9AA/A5", "", Field::Call},   // a slash never carries
                      CallCarryCase{"A9AAA", 2, "A95AAA", "", Field::Call}));    // caret inside

TEST_F(EntryTest, CarriedDigitIsTheWholeReportAfterTheDefaultsOfLeavingTheCall)
{
    logged(QStringLiteral("A9AA"), QStringLiteral("Marion"), QStringLiteral("40"));
    setBox(Field::Call, QStringLiteral("A9AA"));
    row.keyPress(Field::Call, '5');

    // Leaving the call field filled the defaults and the county before the digit arrived.
    EXPECT_EQ(row.txtRSTR.text, QStringLiteral("5"));
    EXPECT_EQ(row.txtRSTR.selStart, 1);
    EXPECT_EQ(row.txtRSTR.selLength, 0);
    EXPECT_EQ(row.txtRSTS.text, QStringLiteral("599"));
    EXPECT_EQ(row.txtRSTS.selLength, 3);
    EXPECT_EQ(row.txtSec.text, QStringLiteral("Marion"));

    // Typing on goes into the report received.
    typeAlong(QStringLiteral("79"));
    EXPECT_EQ(row.txtRSTR.text, QStringLiteral("579"));
}

TEST_F(EntryTest, LeavingTheCallByACarryKeepsTheDuplicateWarningVisible)
{
    logged(QStringLiteral("K9ABC"), QStringLiteral("Marion"));
    setBox(Field::Call, QStringLiteral("K9ABC"));
    row.keyPress(Field::Call, '5');
    EXPECT_TRUE(row.labels.lblDialog.startsWith(QStringLiteral("Duplicate Unless Rover!  K9ABC")));
    EXPECT_EQ(row.labels.lblDialogBackColor, Entry::ColorRed);
}

// --- Space, Enter and the double quote ----------------------------------------------------------

TEST_F(EntryTest, SpaceInTheCallMovesOnAndIsNeverTyped)
{
    type(Field::Call, QStringLiteral("K9"));
    row.keyPress(Field::Call, ' ');
    EXPECT_EQ(row.txtCall.text, QStringLiteral("K9"));
    EXPECT_EQ(row.focus, Field::RSTR);
    EXPECT_EQ(row.txtRSTR.text, QStringLiteral("599"));   // the default of leaving the call
}

TEST_F(EntryTest, DoubleQuoteNeverEntersAField)
{
    type(Field::Call, QStringLiteral("K\"9"));
    EXPECT_EQ(row.txtCall.text, QStringLiteral("K9"));
    row.setFocus(Field::Sec);
    setBox(Field::Sec, QString());
    row.keyPress(Field::Sec, '"');
    EXPECT_EQ(row.txtSec.text, QString());

    setBox(Field::Call, QStringLiteral("K9"));
    row.paste(Field::Call, QStringLiteral("A\"B\"C"));
    EXPECT_EQ(row.txtCall.text, QStringLiteral("K9ABC"));
    row.paste(Field::Sec, QStringLiteral("\"Mar\"ion\r\n"));
    EXPECT_EQ(row.txtSec.text, QStringLiteral("Marion"));
}

TEST_F(EntryTest, PasteStopsAtTheFieldsLength)
{
    row.paste(Field::Call, QStringLiteral("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(row.txtCall.text, QStringLiteral("ABCDEFGHIJKL"));
}

// A paste ends where typing the same text would leave the field: the rest belongs to another
// field and is not glued on, and nothing moves, is carried or logged.
TEST_F(EntryTest, PasteEndsWhereTypingWouldLeaveTheField)
{
    const struct {
        Field field;
        const char* text;
        const char* lands;
    } cases[] = {
        {Field::Call, "K9ABC599", "K9ABC"}, {Field::Call, "k9abc 599", "K9ABC"},
        {Field::Call, " k9abc\t", "K9ABC"}, {Field::RSTR, "59a", "59"},
        {Field::Sec, "marion 5", "Marion"}, {Field::Sec, "Marion County", "Marion"},
        {Field::RSTS, "5 9", "5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        for (Field f : {Field::Call, Field::RSTR, Field::Sec, Field::RSTS})
            setBox(f, QString());
        row.setFocus(c.field);
        host.calls.clear();
        row.paste(c.field, QString::fromLatin1(c.text));
        EXPECT_EQ(row.box(c.field).text, QString::fromLatin1(c.lands));
        EXPECT_EQ(row.focus, c.field);
        EXPECT_EQ(G.FieldForwardState, Entry::NoCarry);
        EXPECT_TRUE(host.calls.isEmpty());
        for (Field other : {Field::Call, Field::RSTR, Field::Sec, Field::RSTS}) {
            if (other != c.field) {
                EXPECT_EQ(row.box(other).text, QString()) << int(other);
            }
        }
    }
}

TEST_F(EntryTest, EnterInEveryEntryFieldLogs)
{
    for (Field f : {Field::Call, Field::RSTR, Field::Sec, Field::RSTS}) {
        host.calls.clear();
        row.keyPress(f, '\r');
        EXPECT_EQ(host.calls.count(QStringLiteral("Mains")), 1) << int(f);
    }
}

TEST_F(EntryTest, EveryKeyWithTheClockStoppedAsksForTimeOn)
{
    G.LoggedOnFlag = 0;
    type(Field::Call, QStringLiteral("k9"));
    EXPECT_EQ(prompts.beeps(), 2);
    EXPECT_EQ(row.labels.lblDialog, QStringLiteral("Click Log \"Time On\"!"));
    EXPECT_EQ(row.txtCall.text, QStringLiteral("K9"));
}

// --- Report fields --------------------------------------------------------------------------------

TEST_F(EntryTest, LetterInTheReportReceivedStartsTheCountyTypeAhead)
{
    row.setFocus(Field::RSTR);
    setBox(Field::RSTR, QStringLiteral("59"));
    row.keyPress(Field::RSTR, 'h');
    EXPECT_EQ(row.focus, Field::Sec);
    EXPECT_EQ(row.txtRSTR.text, QStringLiteral("59"));
    // The last county beginning with H is offered, with the typed letter upper-cased.
    EXPECT_EQ(row.txtSec.text, QStringLiteral("Huntington"));
    EXPECT_EQ(row.txtSec.selStart, 1);
    EXPECT_EQ(row.txtSec.selLength, 9);
    EXPECT_EQ(G.FieldForwardState, 0);
}

TEST_F(EntryTest, LetterBeginningNoCountyBecomesTheCountysWholeText)
{
    row.setFocus(Field::RSTR);
    setBox(Field::Sec, QStringLiteral("Marion"), 0);   // as filled by leaving the call: caret at 0
    row.keyPress(Field::RSTR, 'q');
    EXPECT_EQ(row.txtSec.text, QStringLiteral("Q"));
    EXPECT_EQ(row.txtSec.selStart, 1);
    EXPECT_EQ(row.focus, Field::Sec);
    EXPECT_EQ(G.FieldForwardState, 0);
}

TEST_F(EntryTest, ReportFieldsTakeDigitsOnly)
{
    row.setFocus(Field::RSTS);
    type(Field::RSTS, QStringLiteral("5x/9"));
    EXPECT_EQ(row.txtRSTS.text, QStringLiteral("59"));
    EXPECT_EQ(G.WildRST, QStringLiteral("59"));
}

TEST_F(EntryTest, SpaceInTheReportSentGoesOnInTabOrder)
{
    row.setFocus(Field::RSTS);
    row.keyPress(Field::RSTS, ' ');
    EXPECT_EQ(row.focus, Field::Call);

    row.txtPostConTime.visible = row.txtPostConDate.visible = true;
    row.setFocus(Field::RSTS);
    row.keyPress(Field::RSTS, ' ');
    EXPECT_EQ(row.focus, Field::PostConTime);
    EXPECT_EQ(row.txtRSTS.text, QString());
}

// However the date box takes the focus, its whole text is selected: a date typed replaces the
// one kept from the contact before (a full box would drop every key).
TEST_F(EntryTest, PostContestBoxesSelectTheirTextOnEntry)
{
    row.txtPostConTime.visible = row.txtPostConDate.visible = true;
    setBox(Field::PostConTime, QStringLiteral("23:50"));
    setBox(Field::PostConDate, QStringLiteral("2024/05/04"));
    row.setFocus(Field::RSTS);
    typeAlong(QStringLiteral(" "));
    ASSERT_EQ(row.focus, Field::PostConTime);
    EXPECT_EQ(row.txtPostConTime.selLength, 5);
    typeAlong(QStringLiteral("0010 "));
    ASSERT_EQ(row.focus, Field::PostConDate);
    EXPECT_EQ(row.txtPostConDate.selStart, 0);
    EXPECT_EQ(row.txtPostConDate.selLength, 10);
    typeAlong(QStringLiteral("2024/05/05"));
    EXPECT_EQ(row.txtPostConTime.text, QStringLiteral("0010"));
    EXPECT_EQ(row.txtPostConDate.text, QStringLiteral("2024/05/05"));
}

TEST_F(EntryTest, DigitInTheCountyBecomesTheReportSent)
{
    row.setFocus(Field::Sec);
    setBox(Field::Sec, QStringLiteral("Marion"));
    setBox(Field::RSTS, QStringLiteral("599"));
    row.keyPress(Field::Sec, '5');
    EXPECT_EQ(row.txtRSTS.text, QStringLiteral("5"));
    EXPECT_EQ(row.txtRSTS.selStart, 1);
    EXPECT_EQ(row.txtSec.text, QStringLiteral("Marion"));
    EXPECT_EQ(row.focus, Field::RSTS);
}

// --- County type-ahead ----------------------------------------------------------------------------

struct TypeAheadCase {
    const char* keys;
    const char* text;
    int selStart;
    int selLength;
};

void PrintTo(const TypeAheadCase& c, std::ostream* os)
{
    for (const char* k = c.keys; *k; ++k)
        *os << (*k == '\b' ? "<BS>" : *k == ' ' ? "_" : std::string(1, *k));
}

class CountyTypeAhead : public EntryTest, public ::testing::WithParamInterface<TypeAheadCase> {};

TEST_P(CountyTypeAhead, CompletesFromTheLastCountyUp)
{
    const TypeAheadCase& c = GetParam();
    row.setFocus(Field::Sec);
    type(Field::Sec, QString::fromLatin1(c.keys));
    EXPECT_EQ(row.txtSec.text, QString::fromLatin1(c.text));
    EXPECT_EQ(row.txtSec.selStart, c.selStart);
    EXPECT_EQ(row.txtSec.selLength, c.selLength);
    EXPECT_EQ(row.focus, Field::Sec);
}

INSTANTIATE_TEST_SUITE_P(Table, CountyTypeAhead,
                         ::testing::Values(TypeAheadCase{"m", "Morgan", 1, 5},   // last of the M counties
                                           TypeAheadCase{"ma", "Martin", 2, 4}, TypeAheadCase{"mari", "Marion", 4, 2},
                                           TypeAheadCase{"mad", "Madison", 3, 4},
                                           TypeAheadCase{"MA", "MArtin", 2, 4},     // the prefix keeps the case typed
                                           TypeAheadCase{"marx", "Marx", 4, 0},     // no county: typed as is
                                           TypeAheadCase{"mari\b", "Mari", 4, 0},   // Backspace takes the offer back
                                           TypeAheadCase{"d", "Dubois", 1, 5},
                                           TypeAheadCase{"de ", "De Kalb", 3, 4},   // the blank of a De name
                                           TypeAheadCase{"st", "St. Joseph", 2, 8}));

struct SpaceCase {
    const char* text;
    int caret;
    bool advances;
};

void PrintTo(const SpaceCase& c, std::ostream* os)
{
    *os << QString::fromLatin1(c.text).replace(' ', '_').toStdString() << "@" << c.caret;
}

class CountySpace : public EntryTest, public ::testing::WithParamInterface<SpaceCase> {};

TEST_P(CountySpace, SpaceMovesOnOrIsTyped)
{
    const SpaceCase& c = GetParam();
    const QString text = QString::fromLatin1(c.text);
    EXPECT_EQ(Entry::countySpaceAdvances(text, c.caret), c.advances);

    row.setFocus(Field::Sec);
    setBox(Field::Sec, text, c.caret);
    row.keyPress(Field::Sec, ' ');
    EXPECT_EQ(row.focus, c.advances ? Field::RSTS : Field::Sec);
    if (c.advances)
        EXPECT_EQ(row.txtSec.text, text);
    else
        EXPECT_EQ(row.txtSec.text.size(), text.size() + 1);   // the blank went in
}

INSTANTIATE_TEST_SUITE_P(Table, CountySpace,
                         ::testing::Values(SpaceCase{"Marion", 6, true},   // at the end
                                           SpaceCase{"", 0, true},
                                           SpaceCase{"Marion", 2, true},     // inside a completed name
                                           SpaceCase{"Marion", 5, false},    // only one character after the caret
                                           SpaceCase{"De Kalb", 1, false},   // De and La names take blanks
                                           SpaceCase{"La Porte", 1, false}, SpaceCase{"lagrange", 5, false},
                                           SpaceCase{"Van Buren", 3, false}));   // a blank follows the caret

TEST_F(EntryTest, CountyCapitalsAtTheStartAndAfterABlank)
{
    EXPECT_TRUE(Entry::countyCapitalises(QString(), 0));
    EXPECT_TRUE(Entry::countyCapitalises(QStringLiteral("St. joseph"), 4));
    EXPECT_FALSE(Entry::countyCapitalises(QStringLiteral("Ma"), 2));

    row.setFocus(Field::Sec);
    setBox(Field::Sec, QStringLiteral("Marion"), 0);   // a key at the start replaces the text
    row.keyPress(Field::Sec, 'v');
    EXPECT_EQ(row.txtSec.text, QStringLiteral("Vigo"));

    setBox(Field::Sec, QStringLiteral("Marion"), 0);
    row.keyPress(Field::Sec, '\b');   // Backspace at the start empties it
    EXPECT_EQ(row.txtSec.text, QString());
}

// --- Leaving and entering the call field ----------------------------------------------------------

TEST_F(EntryTest, LeavingTheCallFillsEmptyReportsByMode)
{
    setBox(Field::Call, QStringLiteral("K9ABC"));
    row.setFocus(Field::Sec);
    EXPECT_EQ(row.txtRSTR.text, QStringLiteral("599"));
    EXPECT_EQ(row.txtRSTS.text, QStringLiteral("599"));

    G.CurrentMode = QStringLiteral("ph");
    row.setFocus(Field::Call);
    setBox(Field::RSTR, QStringLiteral("57"));
    setBox(Field::RSTS, QString());
    row.setFocus(Field::RSTS);
    EXPECT_EQ(row.txtRSTR.text, QStringLiteral("57"));   // a typed report stays
    EXPECT_EQ(row.txtRSTS.text, QStringLiteral("59"));
    EXPECT_EQ(row.txtRSTS.selLength, 2);

    // An empty call fills nothing; entering it empties both reports.
    row.setFocus(Field::Call);
    setBox(Field::Call, QString());
    EXPECT_EQ(row.txtRSTR.text, QStringLiteral("57"));
    row.setFocus(Field::Sec);
    row.setFocus(Field::Call);
    EXPECT_EQ(row.txtRSTR.text, QString());
    EXPECT_EQ(row.txtRSTS.text, QString());
}

TEST_F(EntryTest, AuthorsCallsAreGreeted)
{
    setBox(Field::Call, QStringLiteral("qUOLT"));
    row.setFocus(Field::RSTR);
    EXPECT_EQ(row.labels.lblDialog, QStringLiteral("Quolt, Orlendy, wrote this software!  Please say hi!"));
    EXPECT_EQ(row.labels.lblDialogBackColor, Entry::ColorLightCyan);
    EXPECT_EQ(prompts.beeps(), 1);
    EXPECT_EQ(*Entry::greeting(QStringLiteral("tennal"), Entry::Window::In),
              QStringLiteral("Tennal, Mirrane, helped write this software!"));
}

TEST_F(EntryTest, EnteringTheCallRefillsAShortContactList)
{
    G.QSOCount = 5;
    host.listRows = 2;
    row.setFocus(Field::RSTR);
    row.setFocus(Field::Call);
    EXPECT_TRUE(host.calls.contains(QStringLiteral("hideEditButtons")));
    EXPECT_EQ(host.calls.count(QStringLiteral("ListRecentContacts")), 1);

    host.calls.clear();
    host.listRows = 5;
    row.setFocus(Field::RSTR);
    row.setFocus(Field::Call);
    EXPECT_EQ(host.calls.count(QStringLiteral("ListRecentContacts")), 0);
}

// Each field of the out-of-state row names itself on getting the focus at the levels that speak
// it: nothing when off, the call field only at "Call Only", every field at "All Data Fields".
TEST_F(EntryTest, PromptsFollowTheVoiceNavigationLevel)
{
    const struct {
        int level;
        QStringList spoken;
    } cases[] = {
        {0, {}},
        {1, {"Call"}},
        {2, {"RstRcvd", "County", "RstSnt", "Call"}},
    };
    for (const auto& c : cases) {
        G.VoiceNavLevel = uint8_t(c.level);
        host.prompts.clear();
        for (Field f : {Field::RSTR, Field::Sec, Field::RSTS, Field::Call})
            row.setFocus(f);
        EXPECT_EQ(host.prompts, c.spoken) << "level " << c.level;
    }
}

TEST_F(EntryTest, ClearEntryEmptiesEverythingAndReturnsToTheCall)
{
    typeAlong(QStringLiteral("K9ABC599 mari"));
    ASSERT_EQ(row.txtSec.text, QStringLiteral("Marion"));
    row.labels.lblDialog = QStringLiteral("Possible Duplicate!");
    row.labels.lblDialogBackColor = Entry::ColorRed;
    row.ClearEntry();
    for (Field f : {Field::Call, Field::RSTR, Field::Sec, Field::RSTS})
        EXPECT_EQ(row.box(f).text, QString());
    EXPECT_EQ(row.focus, Field::Call);
    EXPECT_EQ(row.labels.lblDialog, QString());
    EXPECT_EQ(row.labels.lblDialogBackColor, Entry::ColorTeal);
    EXPECT_EQ(G.WildCall, QString());
    EXPECT_EQ(G.WildRST, QString());
}

TEST_F(EntryTest, AWholeExchangeTypedWithoutLookingUp)
{
    // K9XYZ, a carried 5, 79, Space, "ham", Space, report sent as defaulted.
    typeAlong(QStringLiteral("k9xyz579 ham "));
    EXPECT_EQ(row.txtCall.text, QStringLiteral("K9XYZ"));
    EXPECT_EQ(G.WildCall, QStringLiteral("K9XYZ"));
    EXPECT_EQ(row.txtRSTR.text, QStringLiteral("579"));
    EXPECT_EQ(row.txtSec.text, QStringLiteral("Hamilton"));
    EXPECT_EQ(row.focus, Field::RSTS);
    EXPECT_EQ(row.txtRSTS.text, QStringLiteral("599"));
}

TEST(EntryFields, TableGivesOrderAndLengths)
{
    const auto& specs = Entry::fieldSpecs();
    ASSERT_EQ(specs.size(), 7u);
    EXPECT_STREQ(specs[0].control, "txtCall");
    EXPECT_EQ(specs[0].maxLength, 12);
    EXPECT_EQ(Entry::fieldSpec(Field::Sec).maxLength, 20);
    EXPECT_EQ(Entry::fieldSpec(Field::Cntry).maxLength, 30);
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(specs[k].tabIndex, k + 1);
    EXPECT_EQ(Entry::dupeFontPoints(19200, 50), 9.0);
}
