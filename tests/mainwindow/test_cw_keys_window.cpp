// CW function keys pressed in the running main window the way a finger does: the press and the
// release are separate window-system events, and a release (or another key) that comes while a
// message is being sent is delivered by the send's own turn of the event loop. Each press sends
// its message once, in both main windows, on a key line and on the keyer device: a message is not
// sent again when its key is released mid-send, a function key pressed during a send finishes the
// character, sends its own message once and the first message no more, Esc stops after the
// character being sent, and held keys (auto-repeat) act once per press.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include <functional>
#include <map>
#include <memory>
#include <numeric>
#include <utility>
#include <vector>

#include "core/Globals.h"
#include "keying/CWFrm.h"
#include "keying/KeyerStartup.h"
#include "keying/KeyingPump.h"
#include "keying/frmWinKey.h"
#include "keying/modWinKey.h"
#include "mainwindow/Infrm.h"
#include "mainwindow/Outfrm.h"
#include "platform/Monotonic.h"
#include "tests/mainwindow/MainFrameFixture.h"
#include "tests/support/FakeKeyLines.h"
#include "tests/support/FakeKeyerDevice.h"
#include "tests/support/FakeMonotonic.h"

namespace {

enum class Output { KeyLine, KeyerDevice };
enum class Window { Outfrm, Infrm };

void PrintTo(Output o, std::ostream* os) { *os << (o == Output::KeyLine ? "key line" : "keyer device"); }
void PrintTo(Window w, std::ostream* os) { *os << (w == Window::Outfrm ? "Outfrm" : "Infrm"); }

// What the operator's fingers do: a press, a release, or one auto-repeat of a held key (the
// window system's release and press, both marked as repeats).
enum class Finger { Press, Release, Repeat };

// A stroke's turn: 0 the operator starts with it, n the send's n-th turn of the event loop (the
// one after the n-th character) delivers it, AfterSend it comes once the window is idle again.
constexpr int AfterSend = 1000;

struct Stroke {
    int turn;
    Finger finger;
    Qt::Key key;
};

struct KeysCase {
    const char* name;
    std::vector<Stroke> strokes;
    // What goes out, on the line or to the device.
    QString sent;
    // The CW speed afterwards (the box's text).
    QString speed = QStringLiteral("20");
    // Whether the keyer device is told to drop what it still holds.
    bool deviceCleared = false;
};

// The messages of CW.txt: F1 "E", F2 "PARIS", F3 "TU", F4 "PARIS PARIS PARIS"; speed 20 WPM,
// keying port 1, no echo, no repeat; `method` the keying output.
QByteArray cwFile(int method)
{
    return "\"E\"\r\n\"PARIS\"\r\n\"TU\"\r\n\"PARIS PARIS PARIS\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"
           "\"1\"\r\n\"20\"\r\n\"\"\r\n\"\"\r\n\"0\"\r\n" +
           QByteArray::number(method) + "\r\n\"&H378\"\r\n0\r\n\"0\"\r\n";
}

class CwKeysWindowTest : public MainFrameTest,
                         public ::testing::WithParamInterface<std::tuple<KeysCase, Window, Output>> {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        Platform::setMonotonic(&mono);   // elements and the device's pauses take no time
        qputenv("VQPLOG_COM1", "/dev/fake-com1");
        qputenv("VQPLOG_COM5", device.slavePath().toLocal8Bit());
        const bool toDevice = output() == Output::KeyerDevice;
        writeFile(dir.filePath(QStringLiteral("CW.txt")), cwFile(toDevice ? 5 : 1));
        writeFile(QDir(G.DataFolder).filePath(QStringLiteral("WK.txt")),
                  "5\r\n\"20\"\r\n\"50\"\r\n\"0\"\r\n\"0\"\r\n\"50\"\r\n6\r\n0\r\n");
        // A device that is sending and takes one character at a time, so the host waits and
        // pumps between characters as it does on the key line.
        device.statusByte = 0xC4;
        device.fullAfterEachChar = true;
        KeyerStartup::readFiles();
        KeyerStartup::fillCWWindow();
        ASSERT_EQ(G.CWKeyMethod, toDevice ? 5 : 1);
        // The send's turn of the event loop: the strokes due at that turn arrive, then the
        // events waiting run, as in the program.
        KeyingPump::setPump([this] {
            const int turn = ++turns;
            const auto& strokes = std::get<0>(GetParam()).strokes;
            for (size_t i = 0; i < strokes.size(); ++i)
                if (strokes[i].turn == turn)
                    strike(i);
            QCoreApplication::processEvents();
        });
    }
    void TearDown() override
    {
        KeyingPump::setPump({});
        outWindow.reset();
        inWindow.reset();
        frmWinKey::unload();
        CWFrm::unload();
        Platform::setMonotonic(nullptr);
        qunsetenv("VQPLOG_COM1");
        qunsetenv("VQPLOG_COM5");
        MainFrameTest::TearDown();
    }

    static Output output() { return std::get<2>(GetParam()); }

    MainFrame* open()
    {
        if (std::get<1>(GetParam()) == Window::Outfrm) {
            G.OutOfStateFlag = 1;
            outWindow = shown<Outfrm>();
            return outWindow.get();
        }
        G.OutOfStateFlag = 0;
        inWindow = shown<Infrm>();
        return inWindow.get();
    }

    void strike(size_t index)
    {
        const Stroke& s = std::get<0>(GetParam()).strokes[index];
        struck.push_back(index);
        QWindow* win = window->windowHandle();
        switch (s.finger) {
        case Finger::Press: QTest::keyPress(win, s.key); break;
        case Finger::Release: QTest::keyRelease(win, s.key); break;
        case Finger::Repeat:
            // What the window system delivers for a held key: a release and a press, both repeats.
            qt_handleKeyEvent(win, QEvent::KeyRelease, s.key, Qt::NoModifier, QString(), true);
            qt_handleKeyEvent(win, QEvent::KeyPress, s.key, Qt::NoModifier, QString(), true);
            break;
        }
    }

    // What went out: the line's elements read back, or the characters the device was given
    // (a status request is answered after everything sent before it, so all of it has arrived).
    QString sent() const
    {
        if (output() == Output::KeyLine)
            return decodeMorse(lines.states(QStringLiteral("RTS")));
        if (G.WinkeyVersion != 0)
            modWinKey::wk_getstatus();
        return QString::fromLatin1(device.text());
    }

    Platform::FakeMonotonic mono;
    FakeKeyLines lines;
    FakeKeyerDevice device;
    std::unique_ptr<Outfrm> outWindow;
    std::unique_ptr<Infrm> inWindow;
    MainFrame* window = nullptr;
    int turns = 0;
    std::vector<size_t> struck;   // the strokes delivered, in order
};

TEST_P(CwKeysWindowTest, EachPressActsOnce)
{
    const KeysCase& c = std::get<0>(GetParam());
    window = open();
    ASSERT_EQ(G.CurrentMode, QStringLiteral("CW"));
    ASSERT_EQ(QApplication::focusWidget(), window->txtCall);
    QTest::keyClicks(window->txtCall, QStringLiteral("k9abc"));
    ASSERT_EQ(window->txtCall->text(), QStringLiteral("K9ABC"));

    for (size_t i = 0; i < c.strokes.size(); ++i)
        if (c.strokes[i].turn == 0)
            strike(i);
    for (size_t i = 0; i < c.strokes.size(); ++i)
        if (c.strokes[i].turn == AfterSend)
            strike(i);
    QCoreApplication::processEvents();

    EXPECT_EQ(sent().toStdString(), c.sent.toStdString());
    // Every stroke came, each at its turn: none was left over because the send ended early.
    std::vector<size_t> inOrder(c.strokes.size());
    std::iota(inOrder.begin(), inOrder.end(), 0);
    EXPECT_EQ(struck, inOrder);
    EXPECT_EQ(G.CWBuffer, QString());
    EXPECT_EQ(G.CWSending, 0);
    EXPECT_EQ(CWFrm::instance().Text11->text().toStdString(), c.speed.toStdString());
    // Only Esc with nothing being sent clears the entry; no case here does.
    EXPECT_EQ(window->txtCall->text().toStdString(), "K9ABC");
    if (output() == Output::KeyerDevice)
        EXPECT_EQ(device.commands().contains(QStringLiteral("clear")), c.deviceCleared);
    else
        EXPECT_FALSE(lines.keyed(QStringLiteral("RTS")));
}

const KeysCase kCases[] = {
    {"F1ReleasedWhileSending", {{0, Finger::Press, Qt::Key_F1}, {1, Finger::Release, Qt::Key_F1}}, "E"},
    {"F1ReleasedAfterSending", {{0, Finger::Press, Qt::Key_F1}, {0, Finger::Release, Qt::Key_F1}}, "E"},
    {"F3DuringF2",
     {{0, Finger::Press, Qt::Key_F2},
      {1, Finger::Release, Qt::Key_F2},
      {2, Finger::Press, Qt::Key_F3},
      {3, Finger::Release, Qt::Key_F3}},
     "PATU"},
    {"F3HeldOverTheEndOfF2",
     {{0, Finger::Press, Qt::Key_F2},
      {1, Finger::Release, Qt::Key_F2},
      {2, Finger::Press, Qt::Key_F3},
      {AfterSend, Finger::Release, Qt::Key_F3}},
     "PATU"},
    {"EscDuringTheThirdCharacter",
     {{0, Finger::Press, Qt::Key_F4},
      {1, Finger::Release, Qt::Key_F4},
      {3, Finger::Press, Qt::Key_Escape},
      {3, Finger::Release, Qt::Key_Escape}},
     "PAR",
     QStringLiteral("20"),
     true},
    {"F2HeldRestartsOncePerRepeat",
     {{0, Finger::Press, Qt::Key_F2}, {1, Finger::Repeat, Qt::Key_F2}, {2, Finger::Release, Qt::Key_F2}},
     "PPARIS"},
    {"UpHeldStepsOncePerRepeat",
     {{0, Finger::Press, Qt::Key_Up},
      {0, Finger::Repeat, Qt::Key_Up},
      {0, Finger::Repeat, Qt::Key_Up},
      {0, Finger::Release, Qt::Key_Up}},
     "",
     QStringLiteral("23")},
};

void PrintTo(const KeysCase& c, std::ostream* os) { *os << c.name; }

std::string caseName(const ::testing::TestParamInfo<std::tuple<KeysCase, Window, Output>>& info)
{
    const auto& [c, window, output] = info.param;
    return std::string(c.name) + (window == Window::Outfrm ? "_Outfrm" : "_Infrm") +
           (output == Output::KeyLine ? "_KeyLine" : "_KeyerDevice");
}

INSTANTIATE_TEST_SUITE_P(Keys, CwKeysWindowTest,
                         ::testing::Combine(::testing::ValuesIn(kCases),
                                            ::testing::Values(Window::Outfrm, Window::Infrm),
                                            ::testing::Values(Output::KeyLine, Output::KeyerDevice)),
                         caseName);

}   // namespace

namespace {

// A main window whose key preview lets the event loop run before it acts, as a message being sent
// does, and the key's release arrives meanwhile; it counts the key codes it sees.
template<class W>
struct PumpingWindow : W {
    void Form_KeyDown(int& KeyCode, int& Shift) override
    {
        ++downs[KeyCode];
        if (releasing != Qt::Key_unknown && KeyCode == releasingCode) {
            const Qt::Key k = std::exchange(releasing, Qt::Key_unknown);
            QTest::keyRelease(this->windowHandle(), k, releasingModifiers);
        }
        QCoreApplication::processEvents();
        W::Form_KeyDown(KeyCode, Shift);
    }
    std::map<int, int> downs;
    // The key to release while the preview runs on its press (the code it has there).
    Qt::Key releasing = Qt::Key_unknown;
    Qt::KeyboardModifiers releasingModifiers;
    int releasingCode = 0;
};

struct PreviewCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int keyCode;   // what the preview gets
};

void PrintTo(const PreviewCase& c, std::ostream* os) { *os << c.name; }

class KeyPreviewWindowTest : public MainFrameTest,
                             public ::testing::WithParamInterface<std::tuple<PreviewCase, Window>> {};

// Whatever key the window's preview takes, a control ignoring it (so that it travels on to the
// window) or typing it, the preview acts on its press once even when the release comes while the
// preview still runs.
TEST_P(KeyPreviewWindowTest, PreviewTakesEachPressOnceWhateverIsReleasedMeanwhile)
{
    const auto& [c, which] = GetParam();
    auto run = [&](auto window) {
        ASSERT_EQ(QApplication::focusWidget(), window->txtCall);
        window->releasing = c.key;
        window->releasingModifiers = c.modifiers;
        window->releasingCode = c.keyCode;
        QTest::keyPress(window->windowHandle(), c.key, c.modifiers);
        EXPECT_EQ(window->releasing, Qt::Key_unknown) << "the preview never ran";
        EXPECT_EQ(window->downs[c.keyCode], 1);
        // The next press of the same key is a press of its own.
        window->releasing = c.key;
        QTest::keyPress(window->windowHandle(), c.key, c.modifiers);
        EXPECT_EQ(window->downs[c.keyCode], 2);
    };
    if (which == Window::Outfrm) {
        G.OutOfStateFlag = 1;
        run(shown<PumpingWindow<Outfrm>>());
    } else {
        G.OutOfStateFlag = 0;
        run(shown<PumpingWindow<Infrm>>());
    }
}

const PreviewCase kPreviewCases[] = {
    {"F5", Qt::Key_F5, Qt::NoModifier, 116},
    {"F10", Qt::Key_F10, Qt::NoModifier, 121},
    {"ShiftF2", Qt::Key_F2, Qt::ShiftModifier, 113},
    {"CtrlF1", Qt::Key_F1, Qt::ControlModifier, 112},
    {"PageDown", Qt::Key_PageDown, Qt::NoModifier, 34},
    {"Down", Qt::Key_Down, Qt::NoModifier, 40},
    {"Home", Qt::Key_Home, Qt::NoModifier, 36},
    {"Letter", Qt::Key_A, Qt::NoModifier, 65},
    {"Enter", Qt::Key_Return, Qt::NoModifier, 13},
    {"Esc", Qt::Key_Escape, Qt::NoModifier, 27},
};

std::string previewName(const ::testing::TestParamInfo<std::tuple<PreviewCase, Window>>& info)
{
    const auto& [c, window] = info.param;
    return std::string(c.name) + (window == Window::Outfrm ? "_Outfrm" : "_Infrm");
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyPreviewWindowTest,
                         ::testing::Combine(::testing::ValuesIn(kPreviewCases),
                                            ::testing::Values(Window::Outfrm, Window::Infrm)),
                         previewName);

}   // namespace
