// The station setup window on the offscreen platform: what its loading shows, its keys and Done.
#include "tests/core/test_stationsetup_support.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

#include "core/Module2Prefs.h"
#include "core/frmStationID.h"
#include "mainwindow/MainWindows.h"
#include "platform/VbControls.h"
#include "tests/support/LogCapture.h"

using SetupFixture::Folder;

namespace {
using SetupWindow = Folder;
}

TEST_F(SetupWindow, ShowsTheSavedProfileAndFillsTheKeyerWindows)
{
    writeAll();
    frmStationID w;
    EXPECT_EQ(w.windowTitle(), " Setup Information");
    EXPECT_EQ(errorBoxes(), 0);

    const std::pair<QLineEdit*, const char*> boxes[] = {{w.Text1, "W9ABC"}, {w.Text5, "IN"},    {w.Text8, "Marion"},
                                                        {w.Text6, "5"},     {w.Text2, "USA"},   {w.Text3, "86.15"},
                                                        {w.Text4, "39.77"}, {w.Text7, "NA"},    {w.Text9, "IN"},
                                                        {w.Text10, "Pat"},  {w.Text11, "SOLP"}, {w.Text12, "Speedway"}};
    for (const auto& [box, text] : boxes)
        EXPECT_EQ(box->text(), text) << box->objectName().toStdString();
    for (QLineEdit* hidden : {w.Text10, w.Text11, w.Text12})
        EXPECT_TRUE(hidden->isHidden());

    EXPECT_TRUE(w.Option1->isChecked());
    EXPECT_TRUE(w.Option3->isChecked());
    EXPECT_TRUE(w.Frame3->isEnabled());
    EXPECT_TRUE(w.Frame1->isHidden());
    EXPECT_TRUE(w.optState[14]->isChecked());
    EXPECT_TRUE(w.optState[14]->font().bold());
    EXPECT_FALSE(w.optState[13]->font().bold());

    // The keyer windows are loaded, hidden, with the saved settings.
    ASSERT_TRUE(PhoneFrm::loaded());
    EXPECT_FALSE(PhoneFrm::instance().isVisible());
    EXPECT_EQ(PhoneFrm::instance().Text1->text(), "/home/op/wav/f1.wav");
    EXPECT_TRUE(PhoneFrm::instance().Option2->isChecked());
    EXPECT_EQ(PhoneFrm::instance().tmrRepeat->interval(), 2500);
    ASSERT_TRUE(CWFrm::loaded());
    EXPECT_FALSE(CWFrm::instance().isVisible());
    EXPECT_EQ(CWFrm::instance().Text11->text(), "22");
    EXPECT_TRUE(CWFrm::instance().Option2->isChecked());
    EXPECT_EQ(CWFrm::instance().tmrRepeat->interval(), 1500);
    EXPECT_EQ(G.CWKeyMethod, 2);
}

TEST_F(SetupWindow, OutOfStateProfileDisablesTheRoverFrame)
{
    writeAll();
    write(QStringLiteral("QSOpref.txt"), SetupFixture::profileWithFlags(1, 0));
    frmStationID w;
    EXPECT_TRUE(w.Option2->isChecked());
    EXPECT_TRUE(w.Option3->isChecked());
    EXPECT_FALSE(w.Frame3->isEnabled());
    EXPECT_FALSE(w.Option4->isEnabled());

    w.Option1->click();
    EXPECT_TRUE(w.Frame3->isEnabled());
    EXPECT_TRUE(w.Option4->isEnabled());

    // "No" again takes the rover answer back.
    w.Option4->click();
    w.Option2->click();
    EXPECT_TRUE(w.Option3->isChecked());
    EXPECT_FALSE(w.Option4->isChecked());
    EXPECT_FALSE(w.Frame3->isEnabled());
}

TEST_F(SetupWindow, ProfileWithBothFlagsKeepsRoverYes)
{
    writeAll();
    write(QStringLiteral("QSOpref.txt"), SetupFixture::profileWithFlags(1, 1));
    frmStationID w;
    EXPECT_TRUE(w.Option2->isChecked());
    EXPECT_TRUE(w.Option4->isChecked());
    EXPECT_FALSE(w.Frame3->isEnabled());
    w.Command1_Click();
    EXPECT_EQ(G.OutOfStateFlag, 1);
    EXPECT_EQ(G.RoverFlag, 1);
}

TEST_F(SetupWindow, FirstRunAsksForEverythingAndDoneOpensTheOutOfStateWindow)
{
    write(QStringLiteral("arrlpre2.txt"), SetupFixture::Countries);
    write(QStringLiteral("states.txt"), SetupFixture::stateRows(50));
    frmStationID w;
    EXPECT_EQ(errorBoxes(), 1);
    EXPECT_FALSE(w.Option1->isChecked() || w.Option2->isChecked());
    EXPECT_FALSE(w.Option3->isChecked() || w.Option4->isChecked());
    EXPECT_TRUE(w.Text1->text().isEmpty());
    EXPECT_EQ(G.CountryTable.size(), 4);
    EXPECT_FALSE(PhoneFrm::loaded());
    EXPECT_FALSE(CWFrm::loaded());

    w.Text6->setText(QStringLiteral("abc"));
    w.Command1_Click();
    EXPECT_EQ(w.Text6->text(), "0");
    EXPECT_EQ(G.OutOfStateFlag, 1);
    EXPECT_EQ(G.UtcOffsetHours, 0.0f);
    EXPECT_EQ(MainWindows::chooseMainWindow(), MainWindows::Which::Out);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("QSOpref.txt"))));
    // Done writes a band and a mode, never the empty values a missing file left.
    QFile written(dir.filePath(QStringLiteral("QSOpref.txt")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = written.readAll().split('\n');
    ASSERT_GE(lines.size(), 10);
    EXPECT_EQ(lines[8], "\"CW\"\r");
    EXPECT_EQ(lines[9], "\"40\"\r");
}

TEST_F(SetupWindow, MissingWaveFileStillFillsTheProfile)
{
    writeAll();
    QFile::remove(dir.filePath(QStringLiteral("wave2.txt")));
    frmStationID w;
    EXPECT_EQ(errorBoxes(), 1);
    EXPECT_EQ(w.Text1->text(), "W9ABC");
    EXPECT_TRUE(w.Option1->isChecked());
    EXPECT_FALSE(PhoneFrm::loaded());
    EXPECT_TRUE(CWFrm::loaded());
    // Done stores the profile, not empty boxes.
    w.Command1_Click();
    EXPECT_EQ(G.OwnCall, "W9ABC");
    EXPECT_EQ(G.CurrentCounty, "Marion");
}

TEST_F(SetupWindow, TypedKeysGoThroughTheBoxesFilters)
{
    writeAll();
    frmStationID w;
    w.Text8->clear();
    QTest::keyClicks(w.Text8, QStringLiteral("st joseph"));
    EXPECT_EQ(w.Text8->text(), "St Joseph");

    w.Text1->clear();
    QTest::keyClicks(w.Text1, QStringLiteral("w9\"abc"));
    EXPECT_EQ(w.Text1->text(), "W9ABC");

    // Letters never reach the UTC box, and it takes at most 7 characters.
    w.Text6->clear();
    QTest::keyClicks(w.Text6, QStringLiteral("-5a.5x1234567"));
    EXPECT_EQ(w.Text6->text(), "-5.5123");

    w.Text3->clear();
    QTest::keyClicks(w.Text3, QStringLiteral("86,15w"));
    EXPECT_EQ(w.Text3->text(), "8615");
}

TEST_F(SetupWindow, UtcBoxLimitsTypingButShowsTheWholeOffset)
{
    // An offset the operator gave the offset question in full: the box shows it whole and Done
    // stores it unchanged; only typing is held to 7 characters.
    writeAll();
    clock.set(QDateTime(QDate(2024, 3, 2), QTime(15, 0), Qt::UTC), -4 * 3600);
    prompts.answerInput(QStringLiteral("-4.333333"));
    frmStationID w;
    EXPECT_EQ(w.Text6->text(), "-4.333333");
    w.Command1_Click();
    EXPECT_EQ(G.UtcOffsetHours, -4.333333f);
    EXPECT_TRUE(read(modGlobalPreferences::PrefsPath()).contains("<OWN_UTC>-4.333333</OWN_UTC>"));

    // A full box takes no more characters, but Backspace and a key over the selection work.
    w.Text6->setText(QStringLiteral("-4.5123"));
    w.Text6->end(false);
    QTest::keyClicks(w.Text6, QStringLiteral("9"));
    EXPECT_EQ(w.Text6->text(), "-4.5123");
    QTest::keyClick(w.Text6, Qt::Key_Backspace);
    QTest::keyClicks(w.Text6, QStringLiteral("78"));
    EXPECT_EQ(w.Text6->text(), "-4.5127");
    w.Text6->selectAll();
    QTest::keyClicks(w.Text6, QStringLiteral("3"));
    EXPECT_EQ(w.Text6->text(), "3");

    // A paste takes what fits.
    QApplication::clipboard()->setText(QStringLiteral("12345678"));
    QTest::keyClick(w.Text6, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.Text6->text(), "3123456");
}

TEST_F(SetupWindow, CountryBoxCompletesAndFillsThePosition)
{
    writeAll();
    frmStationID w;
    w.Text2->clear();
    QTest::keyClicks(w.Text2, QStringLiteral("u"));
    EXPECT_EQ(w.Text2->text(), "Ukraine");
    EXPECT_EQ(w.Text2->selectedText(), "kraine");
    EXPECT_EQ(w.Text3->text(), "-30.5");
    EXPECT_EQ(w.Text4->text(), "50.45");
    EXPECT_EQ(w.Text7->text(), "EU");

    // The next key replaces the selected rest.
    QTest::keyClicks(w.Text2, QStringLiteral("S"));
    EXPECT_EQ(w.Text2->text(), "USA");
    EXPECT_EQ(w.Text3->text(), "98.58");

    // Backspace works as usual; Enter does not run Done here.
    QTest::keyClick(w.Text2, Qt::Key_Backspace);
    EXPECT_EQ(w.Text2->text(), "US");
    w.Text1->setText(QStringLiteral("K9NEW"));
    QTest::keyClick(w.Text2, Qt::Key_Return);
    EXPECT_EQ(G.OwnCall, "W9ABC");
}

TEST_F(SetupWindow, EnterRunsDone)
{
    writeAll();
    frmStationID w;
    w.Text1->setText(QStringLiteral("K9NEW"));
    w.Option4->click();
    QTest::keyClick(w.Text9, Qt::Key_Return);
    EXPECT_EQ(G.OwnCall, "K9NEW");
    EXPECT_EQ(G.RoverFlag, 1);
    EXPECT_EQ(MainWindows::chooseMainWindow(), MainWindows::Which::In);
    EXPECT_TRUE(read(dir.filePath(QStringLiteral("QSOpref.txt"))).startsWith("\"K9NEW\"\r\n"));
    EXPECT_TRUE(read(modGlobalPreferences::PrefsPath()).contains("<OWN_CALL>K9NEW</OWN_CALL>"));

    // Enter in the county box runs it too.
    w.Text8->setText(QStringLiteral("Allen"));
    QTest::keyClick(w.Text8, Qt::Key_Return);
    EXPECT_EQ(G.CurrentCounty, "Allen");
    EXPECT_EQ(w.Text8->text(), "Allen");
}

TEST_F(SetupWindow, PastedQuotesAreDropped)
{
    writeAll();
    frmStationID w;
    QApplication::clipboard()->setText(QStringLiteral("W9\"XY\""));
    w.Text5->clear();
    QTest::keyClick(w.Text5, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.Text5->text(), "W9XY");
    // Nor does a character QSOpref.txt cannot store exactly, or a control character.
    QApplication::clipboard()->setText(QStringLiteral("Jos\u00E9\t\u0141\u0001"));
    w.Text5->clear();
    QTest::keyClick(w.Text5, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.Text5->text(), QStringLiteral("Jos\u00E9"));
}

TEST_F(SetupWindow, LeavingTheUtcBoxWithNonNumericTextBeeps)
{
    writeAll();
    frmStationID w;
    w.Text6->setText(QStringLiteral("5.5"));
    w.Text6_LostFocus();
    EXPECT_EQ(prompts.beeps(), 0);
    w.Text6->setText(QStringLiteral("5..5"));
    w.Text6_LostFocus();
    EXPECT_EQ(prompts.beeps(), 1);

    // Through the focus: leaving the box beeps and the focus comes back.
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.Text6->setFocus();
    QApplication::processEvents();
    w.Text2->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(prompts.beeps(), 2);
    EXPECT_TRUE(w.Text6->hasFocus());
    w.Text6->setText(QStringLiteral("-4"));
    w.Text2->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(prompts.beeps(), 2);
    EXPECT_TRUE(w.Text2->hasFocus());
}

TEST_F(SetupWindow, PartyButtonsMoveTheBoldMark)
{
    writeAll();
    frmStationID w;
    w.optState[3]->click();
    EXPECT_TRUE(w.optState[3]->font().bold());
    EXPECT_FALSE(w.optState[14]->font().bold());
    // Done still stores the contest state.
    w.Command1_Click();
    EXPECT_EQ(G.PartyState, "IN");
}

TEST_F(SetupWindow, FreshProgramFolderWithTheInstalledFiles)
{
    const QDir data(QStringLiteral(VQPLOG_SOURCE_DIR "/data"));
    for (const QString& name : data.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(data.filePath(name), dir.filePath(name)));
    clock.set(QDateTime(QDate(2024, 3, 2), QTime(15, 0), Qt::UTC), 0);

    frmStationID w;
    EXPECT_TRUE(prompts.calls().isEmpty());
    EXPECT_TRUE(w.Text1->text().isEmpty());
    EXPECT_EQ(w.Text6->text(), "0");
    EXPECT_TRUE(w.Option1->isChecked());
    EXPECT_TRUE(w.Option3->isChecked());
    EXPECT_GT(G.CountryTable.size(), 300);
    EXPECT_EQ(G.StatePositions[50].abbrev, "WY");
    ASSERT_TRUE(CWFrm::loaded());
    EXPECT_EQ(CWFrm::instance().Text9->text(), "VVV DE ");
    EXPECT_TRUE(CWFrm::instance().Option4->isChecked());
    ASSERT_TRUE(PhoneFrm::loaded());
    EXPECT_TRUE(PhoneFrm::instance().Option1->isChecked());

    QTest::keyClicks(w.Text1, QStringLiteral("w9abc"));
    QTest::keyClick(w.Text1, Qt::Key_Return);
    const QByteArray prefs = read(dir.filePath(QStringLiteral("QSOpref.txt")));
    EXPECT_TRUE(prefs.startsWith("\"W9ABC\"\r\n"));
    EXPECT_EQ(prefs.split('\n').size(), 26);
    EXPECT_EQ(MainWindows::chooseMainWindow(), MainWindows::Which::In);
}

// QSOpref.txt that is not a file the program can read is read as log.txt is: a FIFO never blocks
// the start, a link to a device is not read without end, a folder or an oversized file is
// refused. The one error box names the file and why; the rest of the loading runs and the
// answers are left open, as on a first run.
TEST_F(SetupWindow, AProfileThatIsNotARegularFileIsRefusedWithTheBoxNamingIt)
{
    struct Case {
        const char* name;
        std::function<bool(const QString&)> make;
        const char* why;
        bool aFile = false;   // a regular file, which Done replaces as always
    };
    const Case cases[] = {
        {"a FIFO", [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0644) == 0; },
         "not a regular file"},
        {"a link to /dev/zero", [](const QString& p) { return QFile::link(QStringLiteral("/dev/zero"), p); },
         "not a regular file"},
        {"a folder", [](const QString& p) { return QDir().mkpath(p); }, "not a regular file"},
        {"a file of a megabyte",
         [](const QString& p) {
             QFile f(p);
             return f.open(QIODevice::WriteOnly) && f.write(QByteArray(1 << 20, '0')) == (1 << 20);
         },
         "the file is larger than", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        writeAll();
        const QString path = dir.filePath(QStringLiteral("QSOpref.txt"));
        QFile::remove(path);
        ASSERT_TRUE(c.make(path));

        frmStationID w;
        ASSERT_EQ(errorBoxes(), 1);
        const QString box = prompts.messages()[0];
        EXPECT_TRUE(box.startsWith(StationSetup::LoadErrorText + QStringLiteral("\r\n\r\n") +
                                   QDir::toNativeSeparators(path) + QStringLiteral(" cannot be read: ") +
                                   QLatin1String(c.why)))
            << box.toStdString();
        EXPECT_FALSE(w.loadResult().profileFound);
        EXPECT_FALSE(w.Option1->isChecked() || w.Option2->isChecked());
        EXPECT_FALSE(w.Option3->isChecked() || w.Option4->isChecked());
        EXPECT_TRUE(w.Text1->text().isEmpty());
        // The later steps ran.
        EXPECT_EQ(G.CountryTable.size(), 4);
        EXPECT_EQ(G.StatePositions[50].abbrev, "WY");
        EXPECT_TRUE(PhoneFrm::loaded());

        // Done does not write over what is not a file: it is left as it was, with a warning.
        const QFileInfo before(path);
        w.Text1->setText(QStringLiteral("K9NEW"));
        {
            LogCapture log;
            w.Command1_Click();
            EXPECT_EQ(log.warnings("vqplog.core").filter(QStringLiteral("QSOpref.txt not written")).isEmpty(), c.aFile);
        }
        EXPECT_EQ(G.OwnCall, QStringLiteral("K9NEW"));
        if (c.aFile) {
            EXPECT_TRUE(read(path).startsWith("\"K9NEW\"\r\n"));
            EXPECT_EQ(read(path).count("\r\n"), 25);
            TearDown();
            QFile::remove(path);
            continue;
        }
        const QFileInfo after(path);
        EXPECT_EQ(after.isSymLink(), before.isSymLink());
        EXPECT_EQ(after.isDir(), before.isDir());
        EXPECT_EQ(after.isFile(), before.isFile());
        EXPECT_EQ(after.size(), before.size());
        EXPECT_EQ(QFileInfo(QStringLiteral("/dev/zero")).isFile(), false);
        TearDown();
        // Gone before the next case writes the folder's files.
        if (!QFile::remove(path))
            QDir(path).removeRecursively();
    }
}
