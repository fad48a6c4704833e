// The in-state entry row: carries between its fields, the state field's completion and Space rules,
// the county wanted only for the contest state, what leaving the call fills in, and the country
// shown while a call is typed.
#include <functional>

#include "InRowKeysFixture.h"

using Entry::Field;

namespace {
QString text(const char* s) { return QString::fromLatin1(s); }
}   // namespace

// --- Carries --------------------------------------------------------------------------------------

TEST_F(InEntryTest, KeysBelongingToTheNextFieldAreCarriedThere)
{
    struct Case {
        const char* what;
        Field from;
        const char* call;
        const char* rstr;
        const char* cntry;
        const char* sec;
        const char* rsts;
        int key;
        Field to;             // the field that took the key, with the focus
        const char* toText;   // its whole text afterwards
        const char* fromText;
    } cases[] = {
        {"digit after the call", Field::Call, "DL1ABC", "", "", "", "", '5', Field::RSTR, "5", "DL1ABC"},
        {"letter from the report received", Field::RSTR, "DL1ABC", "5", "Fed. Rep. of Germany", "", "", 'o',
         Field::Cntry, "O", "5"},
        {"digit from the county", Field::Sec, "K9ABC", "599", "IN", "Marion", "", '5', Field::RSTS, "5", "Marion"},
        {"letter from the report sent", Field::RSTS, "W9ABC", "599", "", "", "599", 'o', Field::Cntry, "O", "599"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        row.ClearEntry();
        place(Field::Call, text(c.call));
        place(Field::RSTR, text(c.rstr));
        place(Field::Cntry, text(c.cntry));
        place(Field::Sec, text(c.sec));
        place(Field::RSTS, text(c.rsts));
        focusQuietly(c.from);
        row.keyPress(c.from, c.key);
        EXPECT_EQ(row.focus, c.to);
        EXPECT_EQ(row.box(c.to).text, text(c.toText));
        EXPECT_EQ(row.box(c.to).selStart, int(row.box(c.to).text.size()));
        EXPECT_EQ(row.box(c.from).text, text(c.fromText));
        EXPECT_EQ(G.FieldForwardState, 0);
    }
}

TEST_F(InEntryTest, TypingGoesOnInTheFieldThatTookTheCarry)
{
    place(Field::Call, QStringLiteral("DL1ABC"));
    typeAlong(QStringLiteral("57"));
    EXPECT_EQ(row.txtRSTR.text, QStringLiteral("57"));
    EXPECT_EQ(row.txtRSTS.text, QStringLiteral("599"));   // default of leaving the call
    typeAlong(QStringLiteral("9oh"));
    EXPECT_EQ(row.txtRSTR.text, QStringLiteral("579"));
    EXPECT_EQ(row.txtCntry.text, QStringLiteral("OH"));
    EXPECT_EQ(row.focus, Field::Cntry);

    // A letter typed over the report sent starts the state field again, with the focus.
    focusQuietly(Field::RSTS);
    typeAlong(QStringLiteral("in"));
    EXPECT_EQ(row.txtCntry.text, QStringLiteral("IN"));
    EXPECT_EQ(row.focus, Field::Cntry);
    EXPECT_EQ(row.txtRSTS.text, QStringLiteral("599"));
}

// --- State, province or country -----------------------------------------------------------------------

TEST_F(InEntryTest, StateFieldCompletesCountriesFromTheThirdCharacter)
{
    struct Case {
        const char* keys;
        const char* text;
        const char* selected;   // the completed rest
        Field focus;
    } cases[] = {
        {" ", "IN", "IN", Field::Sec},    // Space accepts the contest state offered
        {"o", "O", "", Field::Cntry},     // typing replaces it
        {"oh", "OH", "", Field::Cntry},   // abbreviations in capitals, never completed
        {"ca", "CA", "", Field::Cntry},
        {"geo", "Georgia", "rgia", Field::Cntry},   // a third letter lower-cases the second
        {"can", "Canada", "ada", Field::Cntry},     // the last row of the table that begins so
        {"canar", "Canary Islands", "y Islands", Field::Cntry},
        {"fed. r", "Fed. rep. of Germany", "ep. of Germany", Field::Cntry},   // a blank inside; as typed
        {"ohx", "Ohx", "", Field::Cntry},                                     // no country: typed as it comes
        {"oh ", "OH", "", Field::RSTS},         // Space no country continues with: moves on
        {"geo ", "Georgia", "", Field::RSTS},   // (the county is wanted only for the contest state)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        row.ClearEntry();
        place(Field::Call, QStringLiteral("W9ABC"));
        row.setText(Field::Cntry, QString());
        row.setFocus(Field::Cntry);   // offers the contest state, selected
        ASSERT_EQ(row.txtCntry.text, QStringLiteral("IN"));
        ASSERT_EQ(row.txtCntry.selLength, 2);
        typeAlong(text(c.keys));
        EXPECT_EQ(row.txtCntry.text, text(c.text));
        if (row.focus == Field::Cntry) {
            EXPECT_EQ(row.txtCntry.text.mid(row.txtCntry.selStart, row.txtCntry.selLength), text(c.selected));
        }
        EXPECT_EQ(row.focus, c.focus);
    }
}

TEST_F(InEntryTest, EditingAtTheThirdPositionKeepsTheFirstTwoLetters)
{
    place(Field::Cntry, QStringLiteral("GEORGIA"), 2);
    focusQuietly(Field::Cntry);
    row.keyPress(Field::Cntry, 'r');
    EXPECT_EQ(row.txtCntry.text, QStringLiteral("Ger"));
    EXPECT_EQ(row.txtCntry.selStart, 3);
}

TEST_F(InEntryTest, CompletedCountryShowsItsContinentAndPosition)
{
    focusQuietly(Field::Cntry);
    typeAlong(QStringLiteral("jap"));
    EXPECT_EQ(row.txtCntry.text, QStringLiteral("Japan"));
    EXPECT_EQ(row.labels.Label19, QStringLiteral("AS"));
    EXPECT_FALSE(row.labels.Label22.trimmed().isEmpty());
    EXPECT_FALSE(row.labels.Label23.trimmed().isEmpty());
    EXPECT_TRUE(row.labels.Label3Visible);   // a DX country not worked on 20 m

    // A state shows the continent NA and the bearing to the state's centre.
    row.setText(Field::Cntry, QStringLiteral("OH"));
    EXPECT_EQ(row.labels.Label19, QStringLiteral("NA"));
    EXPECT_GT(row.labels.Label22.trimmed().toInt(), 60);   // about east
    EXPECT_LT(row.labels.Label22.trimmed().toInt(), 100);
    EXPECT_FALSE(row.labels.Label3Visible);
    EXPECT_FALSE(row.labels.countyCaptionEnabled);
    row.setText(Field::Cntry, QStringLiteral("in"));
    EXPECT_TRUE(row.labels.countyCaptionEnabled);
}

// --- County -------------------------------------------------------------------------------------------

TEST_F(InEntryTest, CountyTypeAheadAndSpaceForTheContestState)
{
    place(Field::Cntry, QStringLiteral("IN"));
    row.setFocus(Field::Sec);
    EXPECT_EQ(row.focus, Field::Sec);
    EXPECT_TRUE(row.labels.countyCaptionEnabled);
    typeAlong(QStringLiteral("Mar"));
    EXPECT_EQ(row.txtSec.text, QStringLiteral("Martin"));   // the last county beginning Mar
    EXPECT_EQ(row.txtSec.selStart, 3);
    typeAlong(QStringLiteral(" "));
    EXPECT_EQ(row.txtSec.text, QStringLiteral("Martin"));
    EXPECT_EQ(row.focus, Field::RSTS);

    // Two-word names beginning De or La take the blank.
    row.setFocus(Field::Sec);
    place(Field::Sec, QString());
    typeAlong(QStringLiteral("la p"));
    EXPECT_EQ(row.txtSec.text, QStringLiteral("La Porte"));
    EXPECT_EQ(row.focus, Field::Sec);
}

// Each field of the in-state row names itself on getting the focus at the levels that speak it;
// only this row has the state, province or country field ("SPC").
TEST_F(InEntryTest, PromptsFollowTheVoiceNavigationLevel)
{
    const struct {
        int level;
        QStringList spoken;
    } cases[] = {
        {0, {}},
        {1, {"Call"}},
        {2, {"Call", "RstRcvd", "SPC", "County", "RstSnt"}},
    };
    for (const auto& c : cases) {
        G.VoiceNavLevel = uint8_t(c.level);
        host.prompts.clear();
        place(Field::Cntry, QStringLiteral("IN"));
        focusQuietly(Field::RSTS);
        for (Field f : {Field::Call, Field::RSTR, Field::Cntry, Field::Sec, Field::RSTS})
            row.setFocus(f);
        EXPECT_EQ(host.prompts, c.spoken) << "level " << c.level;
    }
}

TEST_F(InEntryTest, CountyIsSkippedForAnyOtherState)
{
    G.VoiceNavLevel = 2;
    place(Field::Cntry, QStringLiteral("OH"));
    focusQuietly(Field::Cntry);
    row.setFocus(Field::Sec);
    EXPECT_EQ(row.focus, Field::RSTS);
    EXPECT_FALSE(row.labels.countyCaptionEnabled);
    EXPECT_EQ(host.prompts, QStringList({"RstSnt", "County"}));
}

// --- Leaving the call field ---------------------------------------------------------------------------

TEST_F(InEntryTest, LeavingTheCallFillsWhatIsKnown)
{
    struct Case {
        const char* call;
        const char* mode;
        const char* rstr;    // before
        const char* cntry;   // before
        const char* rstrAfter;
        const char* rstsAfter;
        const char* cntryAfter;
        const char* dialog;
    } cases[] = {
        {"W9ABC", "CW", "", "", "599", "599", "", ""},
        {"W9ABC", "DG", "", "", "599", "599", "", ""},
        {"W9ABC", "PH", "", "", "59", "59", "", ""},
        {"W9ABC", "CW", "57", "", "57", "599", "", ""},     // only empty fields
        {"VE3ABC", "CW", "", "", "599", "599", "ON", ""},   // province of a Canadian call
        {"VY2ZZ", "CW", "", "", "599", "599", "PE", ""},
        {"VE3ABC", "CW", "", "MB", "599", "599", "MB", ""},   // a filled state field stays
        {"quolt", "CW", "", "", "599", "599", "", "Quolt, Orlendy, wrote this software!  Please say hi!"},
        {"TENNAL", "CW", "", "", "599", "599", "", "Tennal, Mirrane, helped write this software!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        row.ClearEntry();
        host.calls.clear();
        G.CurrentMode = text(c.mode);
        row.labels.lblDialog.clear();
        place(Field::Call, text(c.call));
        place(Field::RSTR, text(c.rstr));
        place(Field::Cntry, text(c.cntry));
        row.setFocus(Field::Sec);
        EXPECT_EQ(row.txtRSTR.text, text(c.rstrAfter));
        EXPECT_EQ(row.txtRSTS.text, text(c.rstsAfter));
        EXPECT_EQ(row.txtCntry.text, text(c.cntryAfter));
        EXPECT_EQ(row.labels.lblDialog, text(c.dialog));
        EXPECT_EQ(host.calls.count(QStringLiteral("DupCheck2")), 1);
        if (QString::fromLatin1(c.cntry).isEmpty() && !QString::fromLatin1(c.cntryAfter).isEmpty()) {
            EXPECT_EQ(row.txtCntry.selLength, 2);   // the province selected
        }
    }

    // An empty call field fills nothing and checks nothing.
    row.ClearEntry();
    host.calls.clear();
    row.setFocus(Field::RSTR);
    EXPECT_TRUE(row.txtRSTR.text.isEmpty());
    EXPECT_FALSE(host.calls.contains(QStringLiteral("DupCheck2")));
}

// --- The call field -----------------------------------------------------------------------------------

TEST_F(InEntryTest, TypingACallShowsItsCountry)
{
    typeAlong(QStringLiteral("d"));
    EXPECT_EQ(row.txtCntry.text, QStringLiteral("Not Found"));   // no prefix is a bare D
    EXPECT_TRUE(row.labels.Label19.isEmpty());
    typeAlong(QStringLiteral("l1abc"));
    EXPECT_EQ(row.txtCall.text, QStringLiteral("DL1ABC"));
    EXPECT_EQ(G.WildCall, QStringLiteral("DL1ABC"));
    EXPECT_EQ(row.txtCntry.text, QStringLiteral("Fed. Rep. of Germany"));
    EXPECT_EQ(row.txtCntry.selStart, 0);
    EXPECT_EQ(row.txtCntry.selLength, int(row.txtCntry.text.size()));
    EXPECT_EQ(row.labels.Label19, QStringLiteral("EU"));
    const int bearing = row.labels.Label22.trimmed().toInt();
    const int miles = row.labels.Label23.trimmed().remove(QLatin1Char(',')).toInt();
    EXPECT_GT(bearing, 30);
    EXPECT_LT(bearing, 60);
    EXPECT_GT(miles, 4000);
    EXPECT_LT(miles, 5000);
    EXPECT_TRUE(row.labels.Label3Visible);

    // A new call: below two characters the state field and the labels are emptied first.
    for (int k = 0; k < 6; ++k)
        row.keyPress(Field::Call, Entry::KeyBackspace);
    typeAlong(QStringLiteral("w9abc"));
    EXPECT_TRUE(row.txtCntry.text.isEmpty());
    EXPECT_EQ(row.labels.Label19, QStringLiteral("NA"));
    EXPECT_TRUE(row.labels.Label22.isEmpty());
    EXPECT_FALSE(row.labels.Label3Visible);

    // Alaska and Hawaii are written as their abbreviations.
    row.setText(Field::Call, QStringLiteral("KL7XX"));
    EXPECT_EQ(row.txtCntry.text, QStringLiteral("AK"));
    EXPECT_EQ(row.labels.Label19, QStringLiteral("NA"));
    row.setText(Field::Call, QStringLiteral("KH6XX"));
    EXPECT_EQ(row.txtCntry.text, QStringLiteral("HI"));
    EXPECT_EQ(row.labels.Label19, QStringLiteral("OC"));   // the table's continent, not the state's
}

// A typed character ends with the partial check; a key the handler consumed (Space, Enter) ends
// before it, so the leave check's or logging's message stays. Only the Enter that found a
// duplicate holds the keyboard at once; a Space that moved on, as Tab does, leaves the hold to
// the next key typed into the call field.
TEST_F(InEntryTest, ConsumedCallKeysEndBeforeThePartialCheck)
{
    typeAlong(QStringLiteral("k9 "));
    EXPECT_EQ(host.partialKeys, QVector<int>({'K', '9'}));
    EXPECT_EQ(row.focus, Field::RSTR);

    row.setFocus(Field::Call);
    host.partialKeys.clear();
    host.calls.clear();
    G.DupeFlag = 1;
    row.keyPress(Field::Call, Entry::KeySpace);
    EXPECT_EQ(row.focus, Field::RSTR);
    EXPECT_TRUE(host.partialKeys.isEmpty());
    EXPECT_FALSE(host.calls.contains(QStringLiteral("HoldDupeFlag")));

    row.setFocus(Field::Call);
    G.DupeFlag = 1;
    row.keyPress(Field::Call, Entry::KeyEnter);
    EXPECT_EQ(host.calls.filter(QStringLiteral("Mains")).size(), 1);
    EXPECT_TRUE(host.partialKeys.isEmpty());
    EXPECT_TRUE(host.calls.contains(QStringLiteral("HoldDupeFlag")));
}

TEST_F(InEntryTest, EnterInAnyFieldLogs)
{
    for (Field f : {Field::Call, Field::RSTR, Field::Cntry, Field::Sec, Field::RSTS}) {
        host.calls.clear();
        focusQuietly(f);
        row.keyPress(f, Entry::KeyEnter);
        EXPECT_EQ(host.calls.count(QStringLiteral("Mains")), 1) << int(f);
    }
}

TEST_F(InEntryTest, ClearGreysTheCountyCaption)
{
    place(Field::Cntry, QStringLiteral("IN"));
    EXPECT_TRUE(row.labels.countyCaptionEnabled);
    row.ClearEntry();
    EXPECT_FALSE(row.labels.countyCaptionEnabled);
    EXPECT_EQ(row.focus, Field::Call);
}

// A call of the USA or Canada that follows a DX call in the call field: the state field stays as
// it was (the operator's), the continent reads NA and the DX station's bearing and miles go.
TEST_F(InEntryTest, UsOrCanadianCallAfterADxCallEmptiesBearingAndMiles)
{
    struct Case {
        const char* what;
        const char* dxCall;
        const char* dxField;   // the state field the DX call wrote
        std::function<void()> edit;
        const char* call;
    } cases[] = {
        {"a typo taken back inside the call", "KH6XX", "HI",
         [this] {
             place(Field::Call, QStringLiteral("KH6XX"), 2);
             row.keyPress(Field::Call, Entry::KeyBackspace);
         },
         "K6XX"},
        {"a Canadian call written over a DX call", "DL1ABC", "Fed. Rep. of Germany",
         [this] { row.setText(Field::Call, QStringLiteral("VE3ABC")); }, "VE3ABC"},
        {"a portable call in the USA", "JA1ABC", "Japan",
         [this] { row.setText(Field::Call, QStringLiteral("JA1ABC/W9")); }, "JA1ABC/W9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        row.ClearEntry();
        row.setText(Field::Call, text(c.dxCall));
        ASSERT_EQ(row.txtCntry.text, text(c.dxField));
        ASSERT_FALSE(row.labels.Label22.trimmed().isEmpty());
        ASSERT_FALSE(row.labels.Label23.trimmed().isEmpty());
        c.edit();
        EXPECT_EQ(row.txtCall.text, text(c.call));
        EXPECT_EQ(row.txtCntry.text, text(c.dxField));
        EXPECT_EQ(row.labels.Label19, QStringLiteral("NA"));
        EXPECT_TRUE(row.labels.Label22.isEmpty());
        EXPECT_TRUE(row.labels.Label23.isEmpty());
    }
}
