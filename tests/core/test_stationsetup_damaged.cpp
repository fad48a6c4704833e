// A damaged QSOpref.txt met through the real start: the station setup window's loading, its box,
// Done clicked, the main window it opens, and a contact logged there.
#include "tests/core/test_stationsetup_support.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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

// A UTC offset of a million hours is refused like text: it takes the installed offset, the PC's
// offset is offered, and with Cancel a contact is stored at today's date, not 114 years ahead.
TEST_F(DamagedProfile, UtcOffsetBeyondTheZonesIsRefused)
{
    QList<QByteArray> lines = profileLines(SetupFixture::profileWithFlags(1, 0));
    lines[10] = "1000000\r";
    writeProfile(lines);
    // The PC at UTC-5: 09:17:33 local on 2026/12/11.
    clock.set(QDateTime(QDate(2026, 12, 11), QTime(14, 17, 33), Qt::UTC), -5 * 3600);
    prompts.answerInput(QString());   // Cancel on the offset question

    auto w = setupWindow();
    const QString shown = prompts.messages().join(QStringLiteral("\n---\n"));
    EXPECT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(shown.startsWith(StationSetup::LoadErrorText + QStringLiteral("\r\n")));
    EXPECT_TRUE(shown.contains(QStringLiteral("Item 11 (UtcOffsetHours): 1000000"))) << shown.toStdString();
    EXPECT_EQ(prompts.callsOf(QStringLiteral("input")).size(), 1);
    EXPECT_EQ(w->Text6->text(), QStringLiteral("0"));
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
    EXPECT_EQ(G.ContactArrays.ContactTime[1], QStringLiteral("09:17:33"));
    EXPECT_TRUE(read(dir.filePath(QStringLiteral("log.txt"))).contains("\"2026/12/11\",\"09:17:33\""));
    EXPECT_EQ(profileOnDisk()[10], "1000000\r");   // the operator chose no offset: the file keeps its own
}

}   // namespace
