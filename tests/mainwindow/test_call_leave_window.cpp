// Leaving the call field shows the duplicate warnings of the leave check, whichever key the
// operator moves on with: Space (what the help page teaches) gives exactly what Tab gives, logged
// on or off, in both main windows. The keys arrive as presses and releases through the window
// system, so the form-wide key preview, the field's key handler and Qt's focus handling all run.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

#include "core/Colors.h"
#include "core/Globals.h"
#include "entry/EntryKeys.h"
#include "keying/BlindFrm.h"
#include "mainwindow/Infrm.h"
#include "mainwindow/Outfrm.h"
#include "tests/mainwindow/MainFrameFixture.h"

namespace {

enum class Window { In, Out };
enum class Way { Space, Tab };

// A log record of 20 m CW at the test date, worked from Marion.
QByteArray record(const char* call, const char* spc, const char* county, const char* time)
{
    return QByteArray("\"") + call + "\",\"599\",\"599\",\"" + spc + "\",\"" + county +
           "\",\"\",\"Marion\",\"\",\"\",\"\",\"\"," + "\"2024/05/04\",\"" + time +
           "\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n";
}

struct LeaveCase {
    const char* name;
    Window window;
    const char* call;   // typed in lower case, as the operator does
    bool loggedOn;
    const char* warning;   // lblDialog after the move, in red
    bool entryEmptied;     // the full check found a duplicate: the entry is emptied, the call field has the focus
};

const LeaveCase kCases[] = {
    {"InStateStationOn", Window::In, "k9abc", true, "Dupe if not rover!  K9ABC  05/24  14:00:00   Rec#  1", false},
    {"InStateStationOff", Window::In, "k9abc", false, "Dupe if not rover!  K9ABC  05/24  14:00:00   Rec#  1", false},
    {"OutOfStateStationOn", Window::In, "w1aw", true, "Duplicate W1AW 05/04 14:01:00  Rec#  2", true},
    {"OutOfStateStationOff", Window::In, "w1aw", false, "Duplicate W1AW 05/04 14:01:00  Rec#  2", true},
    {"OutWindowOn", Window::Out, "k9abc", true, "Duplicate Unless Rover!  K9ABC  2024/05/04  14:00:00   Rec#  1",
     false},
    {"OutWindowOff", Window::Out, "k9abc", false, "Duplicate Unless Rover!  K9ABC  2024/05/04  14:00:00   Rec#  1",
     false},
};

void PrintTo(const LeaveCase& c, std::ostream* os) { *os << c.name; }

// Station K9TST in Marion on 20 m CW, its log already holding the contacts the keys meet again.
class CallFieldWindowTest : public MainFrameTest {
protected:
    void open(Window which)
    {
        G.CurrentCounty = QStringLiteral("Marion");
        G.OwnCall = QStringLiteral("K9TST");
        if (which == Window::In) {
            writeLog(record("K9ABC", "IN", "Warrick", "14:00:00") + record("W1AW", "CT", "", "14:01:00"));
            G.OutOfStateFlag = 0;
            in = shown<Infrm>();
            window = in.get();
        } else {
            writeLog(record("K9ABC", "", "Warrick", "14:00:00"));
            G.OutOfStateFlag = 1;
            out = shown<Outfrm>();
            window = out.get();
        }
        prompts.clear();
    }
    void TearDown() override
    {
        in.reset();
        out.reset();
        BlindFrm::unload();
        MainFrameTest::TearDown();
    }

    void logOn()
    {
        QTest::mouseClick(window->cmdLogOn, Qt::LeftButton);
        ASSERT_EQ(G.LoggedOnFlag, 1);
    }
    void clickCallField()
    {
        QTest::mouseClick(window->txtCall, Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), window->txtCall);
    }
    void stroke(Qt::Key key)
    {
        QTest::keyPress(window->windowHandle(), key);
        QTest::keyRelease(window->windowHandle(), key);
    }
    void type(const QString& text)
    {
        for (QChar c : text) {
            QTest::keyPress(window->windowHandle(), c.toLatin1());
            QTest::keyRelease(window->windowHandle(), c.toLatin1());
        }
    }
    static long long backColor(const QLabel* l) { return Colors::toNumber(l->palette().color(QPalette::Window)); }

    std::unique_ptr<Infrm> in;
    std::unique_ptr<Outfrm> out;
    MainFrame* window = nullptr;
};

class CallLeaveWindowTest : public CallFieldWindowTest,
                            public ::testing::WithParamInterface<std::tuple<LeaveCase, Way>> {
protected:
    void SetUp() override
    {
        CallFieldWindowTest::SetUp();
        open(leave().window);
    }
    static const LeaveCase& leave() { return std::get<0>(GetParam()); }
    static Way way() { return std::get<1>(GetParam()); }
};

TEST_P(CallLeaveWindowTest, TheMoveShowsTheLeaveWarningInRed)
{
    const LeaveCase& c = leave();
    if (c.loggedOn)
        logOn();
    clickCallField();

    type(QString::fromLatin1(c.call));
    stroke(way() == Way::Space ? Qt::Key_Space : Qt::Key_Tab);

    EXPECT_EQ(window->lblDialog->text().toStdString(), c.warning);
    EXPECT_EQ(backColor(window->lblDialog), Entry::ColorRed);
    if (c.entryEmptied) {
        EXPECT_EQ(QApplication::focusWidget(), window->txtCall);
        EXPECT_EQ(window->txtCall->text(), QString());
        // The hold after a duplicate waits for the next key typed into the call field; the move
        // itself did not wait it out (the hold ends by clearing the flag).
        EXPECT_EQ(G.DupeFlag, 1);
    } else {
        EXPECT_EQ(QApplication::focusWidget(), window->txtRSTR);
        EXPECT_EQ(window->txtCall->text(), QString::fromLatin1(c.call).toUpper());
        EXPECT_EQ(window->txtRSTR->text(), QStringLiteral("599"));   // the reports' defaults follow the move
    }
    EXPECT_EQ(G.QSOCount, leave().window == Window::In ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(BothWays, CallLeaveWindowTest,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Values(Way::Tab, Way::Space)),
                         [](const ::testing::TestParamInfo<std::tuple<LeaveCase, Way>>& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == Way::Space ? "_Space" : "_Tab");
                         });

// Enter in the call field logs nothing yet (the reports are empty): what logging says stays in
// the status line instead of being wiped by the call field's own handling of the consumed key.
class CallEnterWindowTest : public CallFieldWindowTest, public ::testing::WithParamInterface<Window> {};

TEST_P(CallEnterWindowTest, TheRefusalStaysInTheStatusLine)
{
    open(GetParam());
    logOn();
    clickCallField();
    type(QStringLiteral("k9xyz"));
    stroke(Qt::Key_Return);
    // Each window names the first empty field it checks.
    EXPECT_EQ(window->lblDialog->text().toStdString(), GetParam() == Window::In ? "Report Received!" : "Need County!");
    EXPECT_EQ(G.QSOCount, GetParam() == Window::In ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(BothWindows, CallEnterWindowTest, ::testing::Values(Window::In, Window::Out),
                         [](const ::testing::TestParamInfo<Window>& info) {
                             return info.param == Window::In ? "Infrm" : "Outfrm";
                         });

}   // namespace
