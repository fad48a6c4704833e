// A damaged QSOpref.txt met through the real start: the station setup window's loading, its box,
// Done clicked, the main window it opens, and a contact logged there.
#include "tests/core/test_stationsetup_support.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>

#include "core/Colors.h"
#include "core/MainWindowChoice.h"
#include "core/frmStationID.h"
#include "keying/BlindFrm.h"
#include "mainwindow/Infrm.h"
#include "mainwindow/MainWindows.h"
#include "mainwindow/Outfrm.h"
#include "platform/Screen.h"

namespace {

// The fixture's profile with its own colours (green worked, grey not worked) and one hour of
// operating time, none of them the installed values.
QList<QByteArray> profileLines(const QByteArray& profile = SetupFixture::InStateProfile)
{
    QList<QByteArray> lines = profile.split('\n');
    lines[15] = "65280\r";   // item 16, WorkedColor
    return lines;
}

class DamagedProfile : public SetupFixture::Folder {
protected:
    void SetUp() override
    {
        Folder::SetUp();
        writeAll();
        QFile::copy(QStringLiteral(VQPLOG_SOURCE_DIR "/data/county2.txt"), dir.filePath(QStringLiteral("county2.txt")));
        QDir().mkpath(G.DataFolder + QStringLiteral("/BACKUP"));
        Platform::setScreenOverride(Platform::Screen::ofSize(9600, 7200));
        // Done opens a main window of this test's own, so that no window outlives it.
        MainWindows::setOpener([this] {
            if (MainWindows::chooseMainWindow() == MainWindows::Which::Out)
                main.reset(new Outfrm);
            else
                main.reset(new Infrm);
            main->Show();
        });
    }
    void TearDown() override
    {
        main.reset();
        BlindFrm::unload();
        MainWindows::setOpener(&MainWindows::openMainWindow);
        Platform::setScreenOverride(std::nullopt);
        Folder::TearDown();
    }

    void writeProfile(const QList<QByteArray>& lines) { write(QStringLiteral("QSOpref.txt"), lines.join('\n')); }
    QList<QByteArray> profileOnDisk() const { return read(dir.filePath(QStringLiteral("QSOpref.txt"))).split('\n'); }

    // The setup window shown, as the start-up leaves it.
    std::unique_ptr<frmStationID> setupWindow()
    {
        auto w = std::make_unique<frmStationID>();
        w->show();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        return w;
    }
    // Done by a click; "Open existing log?" answered Yes. The main window it opened, made active.
    void clickDone(frmStationID& w)
    {
        prompts.answer(Platform::Answer::Yes);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        ASSERT_NE(main, nullptr);
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }
    static long long textColor(const QLabel* l) { return Colors::toNumber(l->palette().color(QPalette::WindowText)); }

    std::unique_ptr<MainFrame> main;
};

// "abc" in place of the longitude: that item alone takes its installed value. The box names the
// file, the item and its name; every later item is read, so the setup shows the latitude, the
// continent and the in-state answer, the main window the operating time and the colours, and
// Done writes them all back.
TEST_F(DamagedProfile, TextForTheLongitudeCostsThatItemOnly)
{
    QList<QByteArray> lines = profileLines();
    lines[11] = "abc\r";
    writeProfile(lines);
    // A Georgia contact, for the worked-states colours.
    write(QStringLiteral("log.txt"), "\"K4XYZ\",\"599\",\"599\",\"GA\",\"\",\"\",\"Marion\",\"\",\"\",\"\",\"\","
                                     "\"2024/03/02\",\"14:30:00\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n");

    auto w = setupWindow();
    ASSERT_EQ(prompts.messages().size(), 1);
    const auto box = prompts.callsOf(QStringLiteral("message"))[0];
    EXPECT_EQ(box.title, StationSetup::LoadErrorTitle);
    const QStringList boxLines = box.text.split(QStringLiteral("\r\n"));
    EXPECT_EQ(boxLines[0], StationSetup::LoadErrorText);
    EXPECT_TRUE(box.text.contains(dir.filePath(QStringLiteral("QSOpref.txt")))) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(QStringLiteral("Item 12 (OwnLongitude): \"abc\""))) << box.text.toStdString();
    EXPECT_FALSE(box.text.contains(QStringLiteral("Item 13"))) << box.text.toStdString();

    EXPECT_EQ(w->Text3->text(), QStringLiteral("0"));   // the installed longitude
    EXPECT_EQ(w->Text4->text(), QStringLiteral("39.77"));
    EXPECT_EQ(w->Text7->text(), QStringLiteral("NA"));
    EXPECT_EQ(w->Text6->text(), QStringLiteral("5"));
    EXPECT_TRUE(w->Option1->isChecked());   // in the state: Enter opens the in-state window
    EXPECT_TRUE(w->Option3->isChecked());

    clickDone(*w);
    auto* in = dynamic_cast<Infrm*>(main.get());
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(in->lblttrack->text(), QStringLiteral("01:00:00"));
    QLabel* georgia = in->Label10[13];
    ASSERT_EQ(georgia->text(), QStringLiteral("GA"));
    EXPECT_EQ(textColor(georgia), 65280);
    EXPECT_EQ(textColor(in->Label10[1]), 8421504);

    // Written back: every item as it was read, and the longitude, which the operator left alone,
    // as the file held it (a text now), not as the installed 0.
    QList<QByteArray> expected = lines;
    expected[11] = "\"abc\"\r";
    EXPECT_EQ(profileOnDisk(), expected);
}

// A UTC offset of a million hours is refused like text: it takes the PC's own offset, so there
// is nothing for the offset question to correct, and a contact is stored at UTC, neither 114
// years ahead nor at the local time.
TEST_F(DamagedProfile, UtcOffsetBeyondTheZonesIsRefused)
{
    QList<QByteArray> lines = profileLines(SetupFixture::profileWithFlags(1, 0));
    lines[10] = "1000000\r";
    writeProfile(lines);
    // The PC at UTC-5: 09:17:33 local on 2026/12/11.
    clock.set(QDateTime(QDate(2026, 12, 11), QTime(14, 17, 33), Qt::UTC), -5 * 3600);
    prompts.answerInput(QString());   // Cancel, should the offset question come

    auto w = setupWindow();
    const QString shown = prompts.messages().join(QStringLiteral("\n---\n"));
    EXPECT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(shown.startsWith(StationSetup::LoadErrorText + QStringLiteral("\r\n")));
    EXPECT_TRUE(shown.contains(QStringLiteral("Item 11 (UtcOffsetHours): 1000000 lies outside -14 to 12; the PC's "
                                              "own UTC offset 5 is used.")))
        << shown.toStdString();
    EXPECT_TRUE(prompts.callsOf(QStringLiteral("input")).isEmpty());
    EXPECT_EQ(w->Text6->text(), QStringLiteral("5"));
    EXPECT_EQ(w->Text3->text(), QStringLiteral("86.15"));
    EXPECT_TRUE(w->Option2->isChecked());

    clickDone(*w);
    ASSERT_NE(dynamic_cast<Outfrm*>(main.get()), nullptr);
    ASSERT_EQ(QApplication::focusWidget(), main->txtCall);
    for (QChar c : QStringLiteral("k9abc 599 marion 599"))
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(G.QSOCount, 1);
    EXPECT_EQ(G.ContactArrays.ContactDate[1], QStringLiteral("2026/12/11"));
    EXPECT_EQ(G.ContactArrays.ContactTime[1], QStringLiteral("14:17:33"));
    EXPECT_TRUE(read(dir.filePath(QStringLiteral("log.txt"))).contains("\"2026/12/11\",\"14:17:33\""));
    EXPECT_EQ(profileOnDisk()[10], "1000000\r");   // the operator chose no offset: the file keeps its own
}

// Line 9 without its closing quote: item 9 alone takes its installed value. The box names it and
// nothing else, the latitude and the rig type are the file's, and Done writes a file of 25
// lines that keeps line 9 as it stood and every other line as it was.
TEST_F(DamagedProfile, ALineWithoutItsClosingQuoteCostsThatItemOnly)
{
    QList<QByteArray> lines = profileLines();
    lines[8] = "\"CW\r";
    lines[22] = "\"IC-7300\"\r";
    writeProfile(lines);

    auto w = setupWindow();
    ASSERT_EQ(prompts.messages().size(), 1);
    const QString box = prompts.messages()[0];
    const QStringList items = box.split(QStringLiteral("\r\n")).filter(QRegularExpression(QStringLiteral("^Item ")));
    EXPECT_EQ(items, QStringList{QStringLiteral("Item 9 (CurrentMode): \"CW is not one value; the installed value CW "
                                                "is used.")})
        << box.toStdString();
    EXPECT_EQ(w->Text4->text(), QStringLiteral("39.77"));
    EXPECT_EQ(w->Text6->text(), QStringLiteral("5"));
    EXPECT_EQ(G.RigType, QStringLiteral("IC-7300"));
    EXPECT_EQ(G.CurrentBand, QStringLiteral("20"));
    EXPECT_EQ(G.CurrentMode, QStringLiteral("CW"));
    EXPECT_TRUE(w->Option1->isChecked());

    clickDone(*w);
    ASSERT_NE(dynamic_cast<Infrm*>(main.get()), nullptr);
    const QList<QByteArray> written = profileOnDisk();
    ASSERT_EQ(written.size(), 26);   // 25 lines and nothing after the last line end
    EXPECT_EQ(written, lines);
}

// The operator clears a damaged offset by storing one: "abc" on a PC kept at UTC takes the PC's
// 0, the operator types 0 into "Hours added for UTC:" and presses Enter, and the next start
// reads the file whole.
TEST_F(DamagedProfile, TheOperatorsStoredOffsetClearsADamagedOne)
{
    QList<QByteArray> lines = profileLines();
    lines[10] = "abc\r";
    writeProfile(lines);
    clock.set(QDateTime(QDate(2026, 12, 11), QTime(14, 17, 33), Qt::UTC), 0);

    auto w = setupWindow();
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].contains(QStringLiteral("Item 11 (UtcOffsetHours)")));
    EXPECT_EQ(w->Text6->text(), QStringLiteral("0"));

    // Tab from the call box through the state and county boxes selects the offset; 0 replaces it.
    ASSERT_EQ(QApplication::focusWidget(), w->Text1);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), w->Text6);
    EXPECT_EQ(w->Text6->selectedText(), QStringLiteral("0"));
    prompts.answer(Platform::Answer::Yes);   // "Open existing log?"
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(profileOnDisk()[10], "0\r");

    // The next start.
    main.reset();
    w.reset();
    resetGlobals();
    G.ProgramFolder = dir.path();
    G.DataFolder = dir.filePath(QStringLiteral("Data"));
    G.SharedFolder = dir.filePath(QStringLiteral("Shared"));
    prompts.clear();
    w = setupWindow();
    EXPECT_TRUE(prompts.messages().isEmpty()) << prompts.messages().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(prompts.callsOf(QStringLiteral("input")).isEmpty());
    EXPECT_TRUE(w->loadResult().profileRead);
}

// An offset typed outside the time zones is refused where it was typed: leaving the box beeps
// and keeps the focus there, Enter says why in a message, nothing is stored and no main window
// opens; the operator then types a right one and Enter goes on.
TEST_F(DamagedProfile, AnOffsetTypedOutsideTheZonesIsRefusedInTheSetup)
{
    struct Case {
        const char* keys;    // typed over the selected offset
        const char* shown;   // the box then holds
    };
    const Case cases[] = {{"50", "50"}, {"1E+30", "130"}, {"-14.5", "-14.5"}, {"12.25", "12.25"}, {"-100", "-100"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        writeProfile(profileLines());
        const QByteArray before = read(dir.filePath(QStringLiteral("QSOpref.txt")));
        QFile::remove(modGlobalPreferences::PrefsPath());
        prompts.clear();
        auto w = setupWindow();
        ASSERT_TRUE(prompts.calls().isEmpty());

        ASSERT_EQ(QApplication::focusWidget(), w->Text1);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), w->Text6);
        QTest::keyClicks(QApplication::focusWidget(), QLatin1String(c.keys));
        EXPECT_EQ(w->Text6->text(), QLatin1String(c.shown));

        // Tab away: a beep, and the focus comes back.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
        EXPECT_EQ(prompts.beeps(), 1);
        ASSERT_EQ(QApplication::focusWidget(), w->Text6);

        // Enter: the message, nothing stored, no window.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const auto messages = prompts.callsOf(QStringLiteral("message"));
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages[0].title, QStringLiteral("Hours added for UTC"));
        EXPECT_EQ(messages[0].text,
                  QLatin1String(c.shown) +
                      QStringLiteral(" cannot be the hours added to the PC clock to get UTC: the time zones need -14 "
                                     "to 12 (a PC at UTC+13 needs -13, one at UTC-5 needs 5). Nothing was stored."));
        EXPECT_EQ(main, nullptr);
        EXPECT_EQ(G.UtcOffsetHours, 5.0f);
        EXPECT_EQ(read(dir.filePath(QStringLiteral("QSOpref.txt"))), before);
        EXPECT_FALSE(QFile::exists(modGlobalPreferences::PrefsPath()));
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), w->Text6);
        EXPECT_EQ(w->Text6->selectedText(), QLatin1String(c.shown));

        // A right offset typed over it is stored.
        prompts.answer(Platform::Answer::Yes);   // "Open existing log?"
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("-13"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(G.UtcOffsetHours, -13.0f);
        EXPECT_EQ(profileOnDisk()[10], "-13\r");
        main.reset();
    }
}

// Each answer is selected from its own item as read; where the item was not read the answer is
// left open as on a first run, and Done with both open opens the out-of-state window.
TEST_F(DamagedProfile, AnswersComeOnlyFromItemsThatWereRead)
{
    const QList<QByteArray> outOfState = profileLines(SetupFixture::profileWithFlags(1, 0));
    const QList<QByteArray> rover = profileLines(SetupFixture::profileWithFlags(0, 1));
    QList<QByteArray> damagedFlag = outOfState;
    damagedFlag[19] = "\"1\r";
    QList<QByteArray> damagedRover = rover;
    damagedRover[20] = "2x\r";
    struct Case {
        const char* name;
        QByteArray file;
        bool yes, no, roverYes, roverNo;
    };
    const Case cases[] = {
        {"empty", QByteArray(), false, false, false, false},
        {"cut before item 20", outOfState.mid(0, 19).join('\n'), false, false, false, false},
        {"cut before item 21", outOfState.mid(0, 20).join('\n'), false, true, false, true},
        {"cut before item 21, in the state", rover.mid(0, 20).join('\n'), true, false, false, false},
        {"item 20 not one value", damagedFlag.join('\n'), false, false, false, true},
        {"item 21 not a number", damagedRover.join('\n'), true, false, false, false},
        {"whole, outside", outOfState.join('\n'), false, true, false, true},
        {"whole, a rover", rover.join('\n'), true, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        write(QStringLiteral("QSOpref.txt"), c.file);
        resetGlobals();
        G.ProgramFolder = dir.path();
        G.DataFolder = dir.filePath(QStringLiteral("Data"));
        G.SharedFolder = dir.filePath(QStringLiteral("Shared"));
        auto w = setupWindow();
        EXPECT_EQ(w->Option1->isChecked(), c.yes);
        EXPECT_EQ(w->Option2->isChecked(), c.no);
        EXPECT_EQ(w->Option4->isChecked(), c.roverYes);
        EXPECT_EQ(w->Option3->isChecked(), c.roverNo);
    }

    // An empty file: Enter in the call box counts the station as outside, as on a first run.
    write(QStringLiteral("QSOpref.txt"), QByteArray());
    resetGlobals();
    G.ProgramFolder = dir.path();
    G.DataFolder = dir.filePath(QStringLiteral("Data"));
    G.SharedFolder = dir.filePath(QStringLiteral("Shared"));
    auto w = setupWindow();
    ASSERT_EQ(QApplication::focusWidget(), w->Text1);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("k9out"));
    prompts.answer(Platform::Answer::Yes);   // "Open existing log?"
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_NE(dynamic_cast<Outfrm*>(main.get()), nullptr);
    EXPECT_EQ(G.OutOfStateFlag, 1);
}

}   // namespace
