// The summary form: its boxes from the settings store, the write through the window's file
// dialog, what is saved after a write (and only then), and the failures that leave no file.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "CabrilloReader.h"
#include "FakeMainWindow.h"
#include "core/Globals.h"
#include "core/modGlobalPreferences.h"
#include "platform/SettingsStore.h"
#include "reports/DECabrilloIn.h"
#include "tests/core/test_store_fixture.h"
#include "tests/entry/LogBuilder.h"
#include "tests/support/ContextMenu.h"

namespace {
QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
}   // namespace

class CabrilloFormTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        settingsFile = dir.filePath(QStringLiteral("settings.ini"));
        Platform::setSettingsFile(settingsFile);
        G.SharedFolder = dir.filePath(QStringLiteral("Shared"));
        ASSERT_TRUE(QDir().mkpath(G.SharedFolder));
        G.GlobalPrefsPath = modGlobalPreferences::PrefsPath();
        G.PartyState = QStringLiteral("IN");
        G.OwnCall = QStringLiteral(" k9test");   // a lower-case call has no file stem
        G.OwnSection = QStringLiteral("IN");
        TestLog::Contact c;
        c.call = QStringLiteral("W8TEST");
        c.spc = QStringLiteral("OH");
        c.mode = QStringLiteral("CW");
        c.sentCounty = QStringLiteral("Marion");
        TestLog::add(c);
        G.QSOPoints = 2;
        G.MultiplierCount = 1;
    }
    void TearDown() override
    {
        Platform::setSettingsFile(QString());
        StoreTest::TearDown();
    }
    void saveSettings(const QString& name, const QString& club)
    {
        QSettings s(settingsFile, QSettings::IniFormat);
        s.setValue(QStringLiteral("Settings/UserAddressName"), name);
        s.setValue(QStringLiteral("Settings/UserAddressLine1"), QStringLiteral("1 Main St"));
        s.setValue(QStringLiteral("Settings/UserAddressLine2"), QStringLiteral("Town"));
        s.setValue(QStringLiteral("Settings/UserEMail"), QStringLiteral("a@b.org"));
        s.setValue(QStringLiteral("Settings/UserClubName"), club);
    }
    QString setting(const QString& key) const
    {
        QSettings s(settingsFile, QSettings::IniFormat);
        return s.value(QStringLiteral("Settings/") + key).toString();
    }

    QString settingsFile;
    FakeMainWindow window;
};

TEST_F(CabrilloFormTest, OpensWithStoredAddressAndDefaultChoices)
{
    saveSettings(QStringLiteral("Pat Doe"), QStringLiteral("Hoosier DX"));
    DECabrilloIn form(&window);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Summary Sheet Information"));
    EXPECT_EQ(form.Text5->text(), QStringLiteral("Pat Doe"));
    EXPECT_EQ(form.Text6->text(), QStringLiteral("1 Main St"));
    EXPECT_EQ(form.Text7->text(), QStringLiteral("Town"));
    EXPECT_EQ(form.Text8->text(), QStringLiteral("a@b.org"));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("Hoosier DX"));
    EXPECT_TRUE(form.Text1->text().isEmpty());
    EXPECT_TRUE(form.Text11->text().isEmpty());
    EXPECT_TRUE(form.Option6->isChecked());
    EXPECT_TRUE(form.Option3->isChecked());
    EXPECT_EQ(Cabrillo::categoryText(form.summary().category, form.summary().power), QStringLiteral("SINGLE-OP LOW"));

    form.show();
    form.Text1->setFocus();
    QTest::keyClicks(form.Text1, QStringLiteral("k9abc w9xyz"));
    EXPECT_EQ(form.Text1->text(), QStringLiteral("K9ABC W9XYZ"));
}

TEST_F(CabrilloFormTest, WriteSavesTheFileThenTheTrimmedAddressOnce)
{
    DECabrilloIn form(&window);
    form.Text5->setText(QStringLiteral("  Pat Doe "));
    form.Text2->setText(QStringLiteral(" Hoosier DX "));
    form.Option2->click();   // Mobile
    form.Option1->click();   // QRP
    const QString target = dir.filePath(QStringLiteral("entry.log"));
    prompts.answerFile(target);

    ASSERT_TRUE(form.Command4_Click());
    EXPECT_EQ(G.OwnCall, QStringLiteral("k9test"));
    const auto save = prompts.callsOf(QStringLiteral("save"));
    ASSERT_EQ(save.size(), 1);
    EXPECT_EQ(save[0].text, G.DataFolder);
    EXPECT_EQ(save[0].defaultText, QStringLiteral("YourCall.log"));
    EXPECT_EQ(window.cdbFile.Filter, QStringLiteral("LOG Files (*.log)"));

    const QByteArray file = fileBytes(target);
    EXPECT_TRUE(file.startsWith("START-OF-LOG: 2.0\r\n"));
    EXPECT_TRUE(file.contains("\r\nCATEGORY: MOBILE QRP\r\nCLUB-NAME: Hoosier DX\r\nCLAIMED-SCORE:  2 \r\n"))
        << file.toStdString();
    EXPECT_TRUE(file.contains("\r\nNAME: Pat Doe\r\n")) << "boxes go into the file without the blanks around them";
    EXPECT_TRUE(file.endsWith("\r\nEND-OF-LOG:\r\n"));

    EXPECT_EQ(prompts.messages().size(), 2);
    EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[0].title, QStringLiteral("File Written Successfully."));
    EXPECT_TRUE(prompts.messages()[0].contains(target));
    EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[1].title, QStringLiteral("  Thanks!"));
    EXPECT_EQ(prompts.beeps(), 2);

    EXPECT_EQ(setting(QStringLiteral("UserAddressName")), QStringLiteral("Pat Doe"));
    EXPECT_EQ(setting(QStringLiteral("UserClubName")), QStringLiteral("Hoosier DX"));
    const QByteArray prefs = fileBytes(modGlobalPreferences::PrefsPath());
    for (const char* tag : {"<OWN_ADDRESS_NAME>Pat Doe</OWN_ADDRESS_NAME>", "<OWN_ADDRESS_LINE1></OWN_ADDRESS_LINE1>",
                            "<OWN_ADDRESS_LINE2></OWN_ADDRESS_LINE2>", "<OWN_EMAIL></OWN_EMAIL>",
                            "<OWN_CLUB_NAME>Hoosier DX</OWN_CLUB_NAME>"})
        EXPECT_TRUE(prefs.contains(tag)) << tag;

    // The form stays open and writes again, replacing the file.
    form.Option5->click();
    prompts.answerFile(target);
    ASSERT_TRUE(form.Command4_Click());
    EXPECT_TRUE(fileBytes(target).contains("\r\nCATEGORY: MULTI-OP QRP\r\n"));
}

TEST_F(CabrilloFormTest, CancelAndFailuresWriteAndSaveNothing)
{
    saveSettings(QStringLiteral("Old Name"), QStringLiteral("Old Club"));
    const QString earlier = dir.filePath(QStringLiteral("entry.log"));
    {
        QFile f(earlier);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("earlier entry\r\n");
    }
    writeLog(kInStateLine);
    struct Case {
        const char* name;
        QString target;   // empty: Cancel
        bool badDate;
        const char* messagePart;   // empty: no message at all
        bool diskRefuses = false;
    };
    const Case cases[] = {
        {"cancel", QString(), false, ""},
        {"folder that does not exist", dir.filePath(QStringLiteral("no/such/folder/entry.log")), false, "No such file"},
        {"unreadable date", earlier, true, "Contact 1 (W8TEST)"},
        {"the working log", dir.filePath(QStringLiteral("LOG.TXT")), false, "working log"},
        {"the disk refuses the write", earlier, false, std::strerror(EFBIG), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.clear();
        G.ContactArrays.ContactDate[1] = c.badDate ? QStringLiteral("2024/02/30") : QStringLiteral("2024/05/04");
        DECabrilloIn form(&window);
        form.Text5->setText(QStringLiteral("New Name"));
        if (!c.target.isEmpty())
            prompts.answerFile(c.target);
        {
            std::optional<FileSizeLimit> limit;
            if (c.diskRefuses)
                limit.emplace(100);
            EXPECT_FALSE(form.Command4_Click());
        }
        if (*c.messagePart) {
            ASSERT_EQ(prompts.messages().size(), 1);
            EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[0].title, QStringLiteral("Unable to write file."));
            EXPECT_TRUE(prompts.messages()[0].contains(QString::fromLocal8Bit(c.messagePart)))
                << prompts.messages()[0].toStdString();
            EXPECT_EQ(prompts.beeps(), 1);
        } else {
            EXPECT_TRUE(prompts.messages().isEmpty());
        }
        EXPECT_EQ(fileBytes(earlier), QByteArray("earlier entry\r\n"));
        EXPECT_EQ(readLog(), kInStateLine);
        EXPECT_EQ(setting(QStringLiteral("UserAddressName")), QStringLiteral("Old Name"));
        EXPECT_FALSE(QFile::exists(modGlobalPreferences::PrefsPath()));
    }
}

// A call stored with a trailing blank is written without it; a report holding a blank would add a
// field to its QSO line, so the file is refused naming the contact, and nothing is written or
// saved.
TEST_F(CabrilloFormTest, ACallWithATrailingBlankIsWrittenAndAReportWithABlankIsRefused)
{
    const QString target = dir.filePath(QStringLiteral("entry.log"));
    G.ContactArrays.ContactCall[1] = QStringLiteral("K9ABC ");
    {
        DECabrilloIn form(&window);
        prompts.answerFile(target);
        form.Command4->click();
        ASSERT_EQ(prompts.messages().size(), 2);
        EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[0].title, QStringLiteral("File Written Successfully."));
        EXPECT_TRUE(fileBytes(target).contains(
            "\r\nQSO: 14000 CW 2024-05-04 1400 k9test    599 Marion   K9ABC     599 OH\r\nEND-OF-LOG:\r\n"))
            << fileBytes(target).toStdString();
    }
    ASSERT_TRUE(QFile::remove(target));

    for (QVector<QString>* report : {&G.ContactArrays.ContactRSTRcvd, &G.ContactArrays.ContactRSTSent}) {
        prompts.clear();
        (*report)[1] = QStringLiteral("5 9");
        DECabrilloIn form(&window);
        form.Text5->setText(QStringLiteral("New Name"));
        prompts.answerFile(target);
        form.Command4->click();
        ASSERT_EQ(prompts.messages().size(), 1);
        EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[0].title, QStringLiteral("Unable to write file."));
        EXPECT_TRUE(prompts.messages()[0].startsWith(QStringLiteral("Contact 1 (K9ABC) has the report ")))
            << prompts.messages()[0].toStdString();
        EXPECT_TRUE(prompts.messages()[0].contains(QStringLiteral("\"5 9\", which holds a blank.")));
        EXPECT_EQ(prompts.beeps(), 1);
        EXPECT_FALSE(QFile::exists(target));
        EXPECT_TRUE(setting(QStringLiteral("UserAddressName")).isEmpty());
        (*report)[1] = QStringLiteral("599");
    }
}

// The operator at the keyboard: Enter in a box does nothing, Enter on a focused button presses it
// (Write Cabrillo File, then Done, which has the focus after a write and closes the form).
TEST_F(CabrilloFormTest, EnterPressesTheFocusedButtonOnly)
{
    DECabrilloIn form(&window);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto press = [&form](Qt::Key key) {
        QWidget* to = form.focusWidget();
        ASSERT_NE(to, nullptr);
        QTest::keyPress(to, key);
        QTest::keyRelease(to, key);
    };

    QTest::mouseClick(form.Text11, Qt::LeftButton);
    ASSERT_EQ(form.focusWidget(), form.Text11);
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        press(enter);
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(prompts.callsOf(QStringLiteral("save")).isEmpty());
    }

    const QString target = dir.filePath(QStringLiteral("entry.log"));
    prompts.answerFile(target);
    press(Qt::Key_Tab);
    ASSERT_EQ(form.focusWidget(), form.Command4);
    press(Qt::Key_Return);
    EXPECT_EQ(prompts.callsOf(QStringLiteral("save")).size(), 1);
    EXPECT_TRUE(fileBytes(target).endsWith("\r\nEND-OF-LOG:\r\n"));
    EXPECT_TRUE(form.isVisible());

    ASSERT_EQ(form.focusWidget(), form.Command3);
    press(Qt::Key_Enter);
    EXPECT_FALSE(form.isVisible());
}

// The operator pastes a two-line text (a postal address, a comment with a lone CR, tabs, a NUL)
// into the boxes through the context menu or Shift+Insert: each box takes what typing gives, the
// written file has no broken header line, and the boxes' values are saved as they read.
TEST_F(CabrilloFormTest, PastedLineEndsNeverBreakAHeaderLine)
{
    enum class Way { ContextMenu, ShiftInsert };
    struct Box {
        QLineEdit* DECabrilloIn::*box;
        const char* tag;   // the header line it goes to
        const char* settingsKey;
    };
    const Box boxes[] = {
        {&DECabrilloIn::Text5, "NAME: ", "UserAddressName"},
        {&DECabrilloIn::Text6, "ADDRESS: ", "UserAddressLine1"},
        {&DECabrilloIn::Text7, "ADDRESS: ", "UserAddressLine2"},
        {&DECabrilloIn::Text8, "ADDRESS: (e-mail) ", "UserEMail"},
        {&DECabrilloIn::Text2, "CLUB-NAME: ", "UserClubName"},
        {&DECabrilloIn::Text11, "SOAPBOX: ", nullptr},
        {&DECabrilloIn::Text1, "OPERATORS: ", nullptr},
    };
    G.OwnCall = QStringLiteral("K9TEST");
    const QString target = dir.filePath(QStringLiteral("entry.log"));
    for (Way way : {Way::ContextMenu, Way::ShiftInsert}) {
        for (const Box& b : boxes) {
            SCOPED_TRACE(std::string(b.tag) + (way == Way::ContextMenu ? " context menu" : " Shift+Insert"));
            prompts.clear();
            DECabrilloIn form(&window);
            form.show();
            form.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
            QLineEdit* box = form.*b.box;
            box->clear();
            QTest::mouseClick(box, Qt::LeftButton);
            ASSERT_EQ(form.focusWidget(), box);
            QApplication::clipboard()->setText(QStringLiteral("line1\nline2"));
            if (way == Way::ContextMenu)
                pasteByContextMenu(box);
            else
                QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
            QApplication::clipboard()->setText(QStringLiteral("\r3\t4") + QChar(0) + QStringLiteral("5\r\n"));
            if (way == Way::ContextMenu)
                pasteByContextMenu(box);
            else
                QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
            const QString expected =
                b.box == &DECabrilloIn::Text1 ? QStringLiteral("LINE1345") : QStringLiteral("line1345");
            EXPECT_EQ(box->text(), expected);

            prompts.answerFile(target);
            QTest::mouseClick(form.Command4, Qt::LeftButton);
            ASSERT_EQ(prompts.messages().size(), 2);
            EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[0].title,
                      QStringLiteral("File Written Successfully."));
            const QByteArray file = fileBytes(target);
            QString why;
            EXPECT_TRUE(CabrilloReader::read(file, &why)) << why.toStdString() << file.toStdString();
            EXPECT_TRUE(file.contains("\r\n" + QByteArray(b.tag) + expected.toLatin1() + "\r\n")) << file.toStdString();
            if (b.settingsKey) {
                EXPECT_EQ(setting(QLatin1String(b.settingsKey)), expected);
            }
        }
    }
}

// A soapbox of 10,000 characters pasted whole goes into the file on several SOAPBOX lines, none
// longer than a line of text should be; a value saved with line ends (the settings file edited by
// hand) fills its box without them.
TEST_F(CabrilloFormTest, ALongPastedSoapboxAndAStoredLineEndKeepEveryLineWhole)
{
    G.OwnCall = QStringLiteral("K9TEST");
    saveSettings(QStringLiteral("Pat\r\nDoe"), QStringLiteral("Hoosier\tDX"));
    DECabrilloIn form(&window);
    EXPECT_EQ(form.Text5->text(), QStringLiteral("PatDoe"));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("HoosierDX"));
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::mouseClick(form.Text11, Qt::LeftButton);
    QString soapbox;
    while (soapbox.size() < 10000)
        soapbox += QStringLiteral("What a weekend on the air. ");
    soapbox = soapbox.left(10000);
    QApplication::clipboard()->setText(soapbox);
    QTest::keyClick(form.Text11, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(form.Text11->text(), soapbox);

    const QString target = dir.filePath(QStringLiteral("entry.log"));
    prompts.answerFile(target);
    QTest::mouseClick(form.Command4, Qt::LeftButton);
    const QByteArray file = fileBytes(target);
    QString why;
    const auto log = CabrilloReader::read(file, &why);
    ASSERT_TRUE(log) << why.toStdString();
    EXPECT_EQ(log->tags.value("NAME"), QStringList{"PatDoe"});
    EXPECT_EQ(log->tags.value("SOAPBOX").join(QLatin1Char(' ')), soapbox.trimmed());
    EXPECT_GT(log->tags.value("SOAPBOX").size(), 100);
    for (const QByteArray& line : file.split('\n'))
        EXPECT_LE(line.size(), 80) << line.toStdString();
}

// An out-of-state station whose profile holds no state or province: the write is refused with
// where to enter it, and nothing is written or saved.
TEST_F(CabrilloFormTest, AMissingOwnStateIsRefusedNamingTheStationSetup)
{
    G.OutOfStateFlag = 1;
    G.OwnStateProvince.clear();
    DECabrilloIn form(&window);
    form.Text5->setText(QStringLiteral("New Name"));
    const QString target = dir.filePath(QStringLiteral("entry.log"));
    prompts.answerFile(target);
    form.Command4->click();
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[0].title, QStringLiteral("Unable to write file."));
    EXPECT_TRUE(prompts.messages()[0].contains(QStringLiteral("station setup at the next start of the program")))
        << prompts.messages()[0].toStdString();
    EXPECT_TRUE(prompts.messages()[0].contains(QStringLiteral("\"Your State / Province:\"")));
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_TRUE(setting(QStringLiteral("UserAddressName")).isEmpty());
}
