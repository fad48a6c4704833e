// Start-up: the logo window's pictures and timers, and the whole start-up reaching the station setup.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/Globals.h"
#include "core/ProgramLock.h"
#include "core/Startup.h"
#include "core/frmQuoltLogo.h"
#include "core/frmSplash.h"
#include "core/frmStationID.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScriptedPrompts.h"

namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        ASSERT_TRUE(tmp.isValid());
        home = tmp.filePath(QStringLiteral("home"));
        QDir().mkpath(home);
        qputenv("HOME", QFile::encodeName(home));
        qunsetenv("USERPROFILE");
        qunsetenv("APPDATA");
        Platform::setPrompts(&prompts);
    }
    void TearDown() override
    {
        Platform::setPrompts(nullptr);
        restoreEnv("HOME", homeWas, homeSet);
        restoreEnv("USERPROFILE", profileWas, profileSet);
        restoreEnv("APPDATA", appDataWas, appDataSet);
    }
    static void restoreEnv(const char* name, const QByteArray& value, bool set)
    {
        if (set)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    QString sharedFolder() const { return home + QStringLiteral("/Documents/Quolt Software/Shared"); }
    void putSplash(const QByteArray& bytes)
    {
        QDir().mkpath(sharedFolder());
        QFile f(sharedFolder() + QStringLiteral("/splash.jpg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray jpeg(int w, int h)
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::darkGreen);
        QByteArray out;
        QBuffer buf(&out);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, "JPG");
        return out;
    }

    bool homeSet = qEnvironmentVariableIsSet("HOME");
    QByteArray homeWas = qgetenv("HOME");
    bool profileSet = qEnvironmentVariableIsSet("USERPROFILE");
    QByteArray profileWas = qgetenv("USERPROFILE");
    bool appDataSet = qEnvironmentVariableIsSet("APPDATA");
    QByteArray appDataWas = qgetenv("APPDATA");
    QTemporaryDir tmp;
    QString home;
    Platform::ScriptedPrompts prompts;
};

TEST_F(StartupTest, LogoShowsSecondPictureThenCloses)
{
    frmQuoltLogo logo;
    logo.show();
    EXPECT_FALSE(logo.showsUserPicture());
    EXPECT_TRUE(logo.Timer1->isActive());
    EXPECT_EQ(logo.Timer1->interval(), 1900);
    EXPECT_TRUE(logo.Timer2->isActive());
    EXPECT_EQ(logo.Timer2->interval(), 1100);
    EXPECT_FALSE(logo.Image2->isVisible());
    EXPECT_EQ(logo.Image1->pixmap().size(), QSize(1000, 563));
    EXPECT_EQ(logo.Image2->pixmap().size(), QSize(316, 85));
    // The shared folder is made by the logo window itself.
    EXPECT_TRUE(QFileInfo(sharedFolder()).isDir());

    logo.Timer2_Timer();
    EXPECT_TRUE(logo.Image2->isVisible());
    EXPECT_TRUE(logo.isVisible());
    logo.Timer1_Timer();
    EXPECT_FALSE(logo.isVisible());
    EXPECT_EQ(logo.result(), QDialog::Accepted);
}

TEST_F(StartupTest, UserPictureReplacesTheLogoForLonger)
{
    putSplash(jpeg(640, 360));
    frmQuoltLogo logo;
    EXPECT_TRUE(logo.showsUserPicture());
    EXPECT_EQ(logo.Image1->pixmap().size(), QSize(640, 360));
    EXPECT_EQ(logo.Image1->size(), QSize(640, 360));
    EXPECT_TRUE(logo.Timer1->isActive());
    EXPECT_EQ(logo.Timer1->interval(), 2700);
    EXPECT_FALSE(logo.Timer2->isActive());
}

TEST_F(StartupTest, UnreadableUserPictureKeepsTheBuiltInLogo)
{
    putSplash("not a picture");
    frmQuoltLogo logo;
    EXPECT_FALSE(logo.showsUserPicture());
    EXPECT_EQ(logo.Image1->pixmap().size(), QSize(1000, 563));
    EXPECT_EQ(logo.Timer1->interval(), 1900);
    EXPECT_TRUE(logo.Timer2->isActive());
}

TEST_F(StartupTest, ClickOnLogoClosesClickOnSecondPictureDoesNothing)
{
    frmQuoltLogo logo;
    logo.show();
    logo.Timer2_Timer();
    QTest::mouseClick(logo.Image2, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(logo.isVisible());
    QTest::keyClick(&logo, Qt::Key_Escape);
    EXPECT_TRUE(logo.isVisible());
    QTest::mouseClick(logo.Image1, Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_FALSE(logo.isVisible());
}

TEST_F(StartupTest, LogoSitsCentredAndAboveTheMiddleUnscaled)
{
    // A 1280 x 960 pixel screen at 96 dots per inch: 19200 x 14400 twips.
    Platform::setScreenOverride(Platform::Screen::ofSize(19200, 14400, 15));
    frmQuoltLogo logo;
    Platform::setScreenOverride(std::nullopt);
    EXPECT_EQ(logo.size(), QSize(957, 528));            // 14355 x 7920 twips
    EXPECT_EQ(logo.pos(), QPoint(162, 205));            // (19200-14355)/2 and (14400-7920)/2-170 twips
    EXPECT_EQ(logo.Image1->pos(), QPoint(-32, -16));    // -480, -240 twips
    EXPECT_EQ(logo.Image1->size(), QSize(1000, 563));   // the picture's own size
}

TEST_F(StartupTest, LogoRunsItsTimeModally)
{
    frmQuoltLogo logo;
    // The second picture comes before the close, both timers once each.
    EXPECT_LT(logo.Timer2->interval(), logo.Timer1->interval());
    // Run modally on short timers: the second picture shows, then the window closes by itself
    // (a stuck one is closed after 5 s and fails the test).
    logo.Timer2->start(10);
    logo.Timer1->start(40);
    bool secondShownBeforeClose = false;
    QObject::connect(
        logo.Timer1, &QTimer::timeout, &logo, [&] { secondShownBeforeClose = !logo.Image2->isHidden(); },
        Qt::DirectConnection);
    bool stuck = false;
    QTimer::singleShot(5000, &logo, [&] {
        stuck = true;
        logo.reject();
    });
    EXPECT_EQ(logo.exec(), QDialog::Accepted);
    EXPECT_FALSE(stuck);
    EXPECT_TRUE(secondShownBeforeClose);
}

// Records, at each folder error box of the logo window's own folder check, whether the logo's
// timers were already running.
class TimerWatchingMessageBoxes : public Platform::ScriptedPrompts {
public:
    Platform::Answer messageBox(const QString& text, const QString& title, Platform::Buttons buttons,
                                Platform::Icon icon) override
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmQuoltLogo"))
                for (QTimer* t : w->findChildren<QTimer*>())
                    timerRunningAtABox = timerRunningAtABox || t->isActive();
        return ScriptedPrompts::messageBox(text, title, buttons, icon);
    }
    bool timerRunningAtABox = false;
};

TEST_F(StartupTest, FolderErrorBoxesDoNotUseUpTheLogosTime)
{
    // A home that is a file: no Documents folder can be made in it.
    const QString blocked = tmp.filePath(QStringLiteral("homefile"));
    {
        QFile f(blocked);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    qputenv("HOME", QFile::encodeName(blocked));
    TimerWatchingMessageBoxes boxes;
    Platform::setPrompts(&boxes);

    frmQuoltLogo logo;
    ASSERT_FALSE(boxes.callsOf(QStringLiteral("message")).isEmpty());
    // The logo's time starts once the boxes are answered, however long the operator took.
    EXPECT_FALSE(boxes.timerRunningAtABox);
    EXPECT_TRUE(logo.Timer1->isActive());
    EXPECT_EQ(logo.Timer1->interval(), frmQuoltLogo::CloseMs);
    EXPECT_TRUE(logo.Timer2->isActive());
    EXPECT_FALSE(logo.Image2->isVisible());
}

TEST_F(StartupTest, StartUpReachesTheStationSetup)
{
    const QString program = tmp.filePath(QStringLiteral("program"));
    QDir().mkpath(program);
    // The program folder holds the installed files, as ./run puts them there, so the station
    // setup's loading finds everything; the PC's clock agrees with the default UTC offset (0).
    const QDir data(QStringLiteral(VQPLOG_SOURCE_DIR "/data"));
    for (const QString& name : data.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(data.filePath(name), program + QLatin1Char('/') + name));
    Platform::FakeClock clock;
    clock.set(QDateTime(QDate(2024, 3, 2), QTime(15, 0), Qt::UTC), 0);
    Platform::setClock(&clock);
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(program));
    const QString prefs = home + QStringLiteral("/Documents/Quolt Software/Shared/SharedUserPreferences.xml");
    QDir().mkpath(QFileInfo(prefs).path());
    {
        QFile f(prefs);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<OWN_CALL>W9ABC</OWN_CALL>\r\n");
    }
    G.ProgramVersion.clear();

    // Close the logo with a click as soon as it is up; note whether the splash form ever shows.
    bool logoSeen = false, splashSeen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<frmSplash*>(w) && w->isVisible())
                splashSeen = true;
            if (auto* logo = qobject_cast<frmQuoltLogo*>(w); logo && logo->isVisible()) {
                logoSeen = true;
                QTest::mouseClick(logo->Image1, Qt::LeftButton, {}, QPoint(300, 300));
            }
        }
    });
    poll.start(20);
    EXPECT_TRUE(Startup::begin());
    poll.stop();
    ProgramLock::release();
    QDir::setCurrent(before);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(logoSeen);
    EXPECT_FALSE(splashSeen);
    EXPECT_EQ(G.ProgramFolder, program);
    EXPECT_EQ(G.ProgramDrive, program.left(1));
    EXPECT_EQ(G.ProgramVersion, QStringLiteral("2.1"));
    const QString root = home + QStringLiteral("/Documents/Quolt Software");
    EXPECT_EQ(G.UserRootFolder, root);
    EXPECT_EQ(G.DataFolder, root + QStringLiteral("/Vazazev"));
    EXPECT_EQ(G.SharedFolder, root + QStringLiteral("/Shared"));
    EXPECT_TRUE(QFileInfo(root + QStringLiteral("/Vazazev/BACKUP")).isDir());
    EXPECT_EQ(G.GlobalPrefsPath, prefs);
    EXPECT_EQ(G.GlobalPrefsText,
              QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<OWN_CALL>W9ABC</OWN_CALL>"));

    frmStationID& setup = frmStationID::instance();
    EXPECT_TRUE(setup.isVisible());
    EXPECT_EQ(setup.windowTitle(), QStringLiteral(" Setup Information"));
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<frmSplash*>(w), nullptr);
    EXPECT_TRUE(prompts.calls().isEmpty());
    setup.hide();
    Platform::setClock(nullptr);
}

}   // namespace
