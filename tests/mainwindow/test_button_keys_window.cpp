// Buttons at the keyboard: Enter (Return or the keypad's) presses a focused button in every
// window as Space does, once however long it is held, and Enter in the main window's entry fields
// still logs the contact.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/DesignWindow.h"
#include "core/Globals.h"
#include "keying/BlindFrm.h"
#include "keying/CWFrm.h"
#include "keying/PhoneFrm.h"
#include "mainwindow/Outfrm.h"
#include "tests/mainwindow/MainFrameFixture.h"

namespace {

class ButtonKeysWindowTest : public MainFrameTest {
protected:
    void TearDown() override
    {
        w.reset();
        CWFrm::unload();
        PhoneFrm::unload();
        BlindFrm::unload();
        MainFrameTest::TearDown();
    }


    // Opens a window the way the operator does (`open` runs the key or menu item) and moves the
    // focus to `button` with Tab, as a keyboard operator reaches it.
    void openAndTabTo(QWidget& window, QPushButton* button, const std::function<void()>& open)
    {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        w->txtCall->setFocus();
        open();
        ASSERT_TRUE(window.isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        for (int k = 0; k < 80 && focused() != button; ++k)
            QTest::keyClick(focused(), Qt::Key_Tab);
        ASSERT_EQ(focused(), button) << button->objectName().toStdString();
    }

    // Holds Enter down on the focused widget: the press, `repeats` repeated presses of a held key
    // (each with its release, as the keyboard sends them), and the final release.
    static void holdEnter(int repeats, const std::function<void()>& whileDown)
    {
        QWidget* to = focused();
        QTest::keyPress(to, Qt::Key_Return);
        for (int k = 0; k < repeats; ++k) {
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
            QApplication::sendEvent(to, &release);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
            QApplication::sendEvent(to, &press);
        }
        whileDown();
        QTest::keyRelease(to, Qt::Key_Return);
    }

    std::unique_ptr<Outfrm> w;
};

TEST_F(ButtonKeysWindowTest, EnterAndSpacePressAFocusedDoneInEveryWindow)
{
    w = shown<Outfrm>();
    G.LoggedOnFlag = 1;
    auto ctrl = [this](Qt::Key k) { return [this, k] { QTest::keyClick(focused(), k, Qt::ControlModifier); }; };
    auto menu = [this](const char* item) { return [this, item] { w->action(QString::fromLatin1(item))->trigger(); }; };

    struct Case {
        const char* name;
        QWidget* window;
        QPushButton* done;
        std::function<void()> open;
    };
    CWFrm& cw = CWFrm::instance();
    BlindFrm& blind = BlindFrm::instance();
    PhoneFrm& phone = PhoneFrm::instance();
    const Case cases[] = {
        {"CW window, Ctrl+C", &cw, cw.Command1, ctrl(Qt::Key_C)},
        {"voice navigation, Options menu", &blind, blind.Command1, menu("mnuBlind")},
        {"voice keyer, Ctrl+P", &phone, phone.Command1, ctrl(Qt::Key_P)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            SCOPED_TRACE(int(k));
            openAndTabTo(*c.window, c.done, c.open);
            QTest::keyClick(focused(), k);
            EXPECT_FALSE(c.window->isVisible());
        }
    }

    // Held down, Enter presses Done once, when it is let go; its repeats reach nothing else.
    openAndTabTo(cw, cw.Command1, ctrl(Qt::Key_C));
    holdEnter(5, [&] {
        EXPECT_TRUE(cw.isVisible());
        EXPECT_TRUE(cw.Command1->isDown());
    });
    EXPECT_FALSE(cw.isVisible());
    EXPECT_FALSE(cw.Command1->isDown());
    EXPECT_EQ(G.QSOCount, 0);

    // The main window: Enter in an entry field logs the contact.
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    w->txtCall->setFocus();
    keys(QStringLiteral("k9abc 599 marion"));
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(G.QSOCount, 1) << w->lblDialog->text().toStdString();
    EXPECT_EQ(G.ContactArrays.ContactCall[1], QStringLiteral("K9ABC"));
    EXPECT_EQ(focused(), w->txtCall);
}

// A button of a dialog that is not its default button takes Enter the same way; a box that has
// the focus leaves Enter to the dialog.
TEST_F(ButtonKeysWindowTest, EnterOnAFocusedButtonOfAPlainWindow)
{
    DesignWindow form(3000, 2000);
    QLineEdit* box = form.design().addTextBox(QStringLiteral("Text1"), QString(), 120, 120, 1500, 285);
    QPushButton* ok = form.design().addButton(QStringLiteral("Command1"), QStringLiteral("OK"), 120, 600, 1200, 375);
    int clicks = 0;
    QObject::connect(ok, &QPushButton::clicked, [&clicks] { ++clicks; });
    form.resizeForm();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(clicks, 0);
    QTest::keyClick(box, Qt::Key_Tab);
    ASSERT_EQ(focused(), ok);
    QTest::keyClick(ok, Qt::Key_Return);
    QTest::keyClick(ok, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(ok, Qt::Key_Space);
    EXPECT_EQ(clicks, 3);

    // A disabled button takes nothing.
    QTest::keyPress(ok, Qt::Key_Return);
    ok->setEnabled(false);
    QTest::keyRelease(ok, Qt::Key_Return);
    EXPECT_EQ(clicks, 3);
}

}   // namespace
