// Code practice: the random groups from an injected source, and the window on real widgets
// sending through the CW window's send loop on a recording key line: Send, Stop and edits during
// a send, typed sending, the close refused while a character is keyed, the buttons, and the CW
// window's "Send Code Practice" opening it modally.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <vector>

#include "CwFixture.h"

#include "keying/CodePractice.h"
#include "keying/frmCodePractice.h"

namespace {

// The numbers in turn, from the start again when they run out.
CodePractice::RandomSource cycling(std::vector<float> values)
{
    auto next = std::make_shared<size_t>(0);
    return [values = std::move(values), next] { return values[(*next)++ % values.size()]; };
}

}   // namespace

TEST(CodePracticeGenerate, GroupsFromTheBoxesAndTheSource)
{
    const QString aGroup(QStringLiteral("AAAAA "));
    struct Row {
        const char* name;
        const char* groups;
        const char* length;
        bool lettersOnly;
        std::vector<float> random;
        QString text;
        const char* groupsAfter;
        const char* lengthAfter;
    };
    const Row rows[] = {
        {"the ends of the range give the first and last of the 41, a float rounded up to 1 still the last",
         "1",
         "4",
         false,
         {0.0f, 0.999999f, 1.0f, 0.64f},
         QStringLiteral("A--0 "),
         "1",
         "4"},
        {"letters only stays within A to Z",
         "2",
         "3",
         true,
         {0.0f, 0.5f, 0.999999f},
         QStringLiteral("ANZ ANZ "),
         "2",
         "3"},
        {"boxes that are not numbers take 10 and 5", "abc", "", false, {0.0f}, aGroup.repeated(10), "10", "5"},
        {"no groups at 0", "0", "5", false, {0.5f}, QString(), "0", "5"},
        {"no groups below 0, however far", "-1e300", "5", false, {0.5f}, QString(), "-1e300", "5"},
        {"a fraction counts its whole part", "2.7", "1.5", false, {0.0f}, QStringLiteral("A A "), "2.7", "1.5"},
        {"blanks around a number are read", " 1 ", " 2", false, {0.0f}, QStringLiteral("AA "), " 1 ", " 2"},
        {"a source outside its range is held to it", "1", "2", false, {-3.0f, 7.0f}, QStringLiteral("A- "), "1", "2"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const CodePractice::Generated g = CodePractice::generate(
            QString::fromLatin1(r.groups), QString::fromLatin1(r.length), r.lettersOnly, cycling(r.random));
        EXPECT_EQ(g.text, r.text);
        EXPECT_EQ(g.groupsBox, QString::fromLatin1(r.groupsAfter));
        EXPECT_EQ(g.lengthBox, QString::fromLatin1(r.lengthAfter));
    }
}

TEST(CodePracticeGenerate, DesignValuesDrawEveryCharacterFromTheFortyOne)
{
    // 41 steps through the range: each practice character once, in table order.
    std::vector<float> steps;
    for (int i = 0; i < 41; ++i)
        steps.push_back((float(i) + 0.5f) / 41.0f);
    const CodePractice::Generated g =
        CodePractice::generate(QStringLiteral("10"), QStringLiteral("5"), false, cycling(steps));
    ASSERT_EQ(g.text.size(), 60);
    const QString all = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,?/-");
    for (int i = 0; i < 60; ++i) {
        if (i % 6 == 5) {
            EXPECT_EQ(g.text.at(i), QLatin1Char(' ')) << i;
            continue;
        }
        const int drawn = (i / 6) * 5 + i % 6;
        EXPECT_EQ(g.text.at(i), all.at(drawn % 41)) << i;
    }
}

TEST(CodePracticeGenerate, HugeCountsAreHeldToTheirLimits)
{
    int draws = 0;
    const auto counting = [&draws] {
        ++draws;
        return 0.0f;
    };
    const CodePractice::Generated g =
        CodePractice::generate(QStringLiteral("1e300"), QStringLiteral("99999999999"), true, counting);
    EXPECT_EQ(g.groupsBox, QString::number(CodePractice::MaxGroups));
    EXPECT_EQ(g.lengthBox, QString::number(CodePractice::MaxGroupLength));
    EXPECT_EQ(draws, CodePractice::MaxGroups * CodePractice::MaxGroupLength);
    EXPECT_EQ(g.text.size(), CodePractice::MaxGroups * (CodePractice::MaxGroupLength + 1));
}

// The CW window keying on serial port 1 (RTS) at 20 WPM, and the practice window on it.
class PracticeTest : public CwTest {
protected:
    void TearDown() override
    {
        frmCodePractice::unload();
        CwTest::TearDown();
    }
    frmCodePractice& practice() { return frmCodePractice::instance(); }
};

TEST_F(PracticeTest, SendKeysTheTextThroughTheCwWindowAndShowsWhatWasSent)
{
    frmCodePractice& p = practice();
    p.Text1->setPlainText(QStringLiteral("CQ K9ABC"));
    p.Command3_Click();
    EXPECT_EQ(sent(), QStringLiteral("CQ K9ABC"));
    EXPECT_EQ(p.Text2->toPlainText(), QStringLiteral("CQ K9ABC"));
    EXPECT_EQ(p.Text1->toPlainText(), QStringLiteral("CQ K9ABC"));
    EXPECT_EQ(p.Text1->textCursor().position(), 8);
    EXPECT_EQ(p.Text2->textCursor().position(), 7);
    EXPECT_EQ(G.CWSending, 0);
    EXPECT_FALSE(lines.keyed(QStringLiteral("RTS")));

    // Nothing to send: nothing keyed, no turn of the event loop.
    lines.events.clear();
    pumps = 0;
    p.Text1->clear();
    p.Command3_Click();
    EXPECT_TRUE(lines.events.isEmpty());
    EXPECT_EQ(pumps, 0);
}

// Each character turns the event loop twice: once in the CW window's send loop right after it is
// keyed (G.CWSending 1), once in the practice send after it is shown as sent.
TEST_F(PracticeTest, WhatHappensDuringASend)
{
    frmCodePractice& p = practice();
    struct Row {
        const char* name;
        int atPump;
        std::function<void()> action;
        const char* keyed;
        const char* shown;
        const char* textAfter;
    };
    const Row rows[] = {
        {"Stop while B is keyed: B went out but is not shown as sent", 3, [&p] { p.Command4->click(); }, "AB", "A",
         "ABC"},
        {"Stop between B and C", 4, [&p] { p.Command4->click(); }, "AB", "AB", "ABC"},
        {"an edit takes effect from the next character", 2, [&p] { p.Text1->setPlainText(QStringLiteral("AXYZ")); },
         "AXYZ", "AXYZ", "AXYZ"},
        {"a key typed while A is keyed joins the same run of the send loop", 1,
         [&p] { QTest::keyClick(p.Text5, Qt::Key_K); }, "AKBC", "KABC", "ABC"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        lines.events.clear();
        pumps = 0;
        p.Text1->setPlainText(QStringLiteral("ABC"));
        p.Text2->clear();
        atPump = [&](int k) {
            if (k == r.atPump)
                r.action();
        };
        p.Command3_Click();
        EXPECT_EQ(sent(), QString::fromLatin1(r.keyed));
        EXPECT_EQ(p.Text2->toPlainText(), QString::fromLatin1(r.shown));
        EXPECT_EQ(p.Text1->toPlainText(), QString::fromLatin1(r.textAfter));
        EXPECT_TRUE(G.CWBuffer.isEmpty());
        EXPECT_EQ(G.CWSending, 0);
        EXPECT_FALSE(lines.keyed(QStringLiteral("RTS")));
    }
}

TEST_F(PracticeTest, TypedKeysAreSentAsCapitalsAndBackspaceTakesBack)
{
    frmCodePractice& p = practice();
    QTest::keyClicks(p.Text5, QStringLiteral("cq"));
    EXPECT_EQ(sent(), QStringLiteral("CQ"));
    EXPECT_EQ(p.Text2->toPlainText(), QStringLiteral("CQ"));
    EXPECT_TRUE(p.Text5->text().isEmpty());

    // Nothing waiting: Backspace only shortens the sent box.
    lines.events.clear();
    QTest::keyClick(p.Text5, Qt::Key_Backspace);
    EXPECT_EQ(p.Text2->toPlainText(), QStringLiteral("C"));
    EXPECT_TRUE(lines.events.isEmpty());

    // A key typed while E is keyed waits in the buffer; Backspace takes it back before it goes.
    p.Text2->clear();
    atPump = [&p](int k) {
        if (k == 1) {
            QTest::keyClick(p.Text5, Qt::Key_T);
            QTest::keyClick(p.Text5, Qt::Key_Backspace);
        }
    };
    QTest::keyClick(p.Text5, Qt::Key_E);
    EXPECT_EQ(sent(), QStringLiteral("E"));
    EXPECT_EQ(p.Text2->toPlainText(), QStringLiteral("E"));
}

TEST_F(PracticeTest, CloseIsRefusedOnceWhileACharacterIsKeyed)
{
    frmCodePractice& p = practice();
    p.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    bool closedDuringSend = true;
    atPump = [&](int k) {
        if (k == 1)
            closedDuringSend = p.close();
    };
    p.Text1->setPlainText(QStringLiteral("ABC"));
    p.Command3_Click();
    EXPECT_FALSE(closedDuringSend);
    EXPECT_TRUE(p.isVisible());
    EXPECT_EQ(sent(), QStringLiteral("A"));   // the send ended after the character being keyed
    EXPECT_EQ(p.Text2->toPlainText(), QString());
    EXPECT_TRUE(G.CWBuffer.isEmpty());

    atPump = nullptr;
    EXPECT_TRUE(p.close());
    EXPECT_FALSE(p.isVisible());
}

TEST_F(PracticeTest, ButtonsAndBoxesOnRealWidgets)
{
    frmCodePractice& p = practice();
    EXPECT_EQ(p.windowTitle(), QStringLiteral("On the Air Code Practice"));
    EXPECT_EQ(p.Label8->text(), QStringLiteral("20"));   // the CW window's speed
    EXPECT_TRUE(p.Option2->isChecked());
    EXPECT_EQ(p.Text1->font().family(), QStringLiteral("Courier New"));

    p.random = cycling({0.0f, 0.999999f});
    p.Text3->setText(QStringLiteral("abc"));
    p.Text4->setText(QStringLiteral("2"));
    p.Option1->click();
    p.Command2->click();
    EXPECT_EQ(p.Text3->text(), QStringLiteral("10"));
    EXPECT_EQ(p.Text1->toPlainText(), QStringLiteral("AZ ").repeated(10));

    p.Command6->click();
    EXPECT_TRUE(p.Text1->toPlainText().isEmpty());
    QTest::keyClicks(p.Text1, QStringLiteral("cq de"));
    EXPECT_EQ(p.Text1->toPlainText(), QStringLiteral("CQ DE"));

    QGuiApplication::clipboard()->setText(QStringLiteral("pasted text"));
    p.Command1->click();
    EXPECT_EQ(p.Text1->toPlainText(), QStringLiteral("pasted text"));

    p.Text2->setPlainText(QStringLiteral("sent"));
    p.Command5->click();
    EXPECT_TRUE(p.Text2->toPlainText().isEmpty());

    p.Command7->click();
    EXPECT_EQ(cw->Text11->text(), QStringLiteral("21"));
    EXPECT_EQ(p.Label8->text(), QStringLiteral("21"));
    p.Command8->click();
    p.Command8->click();
    EXPECT_EQ(cw->Text11->text(), QStringLiteral("19"));
    EXPECT_EQ(p.Label8->text(), QStringLiteral("19"));
}

TEST_F(PracticeTest, CwWindowOpensItModallyAndUnloadsItWhenItCloses)
{
    bool shownModal = false;
    QString speedShown;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(frmCodePractice::loaded());
        frmCodePractice& p = practice();
        shownModal = p.isVisible() && p.windowModality() == Qt::ApplicationModal;
        speedShown = p.Label8->text();
        G.CWBuffer = QStringLiteral("LEFT OVER");
        p.close();
    });
    cw->Command7->click();
    EXPECT_TRUE(shownModal);
    EXPECT_EQ(speedShown, QStringLiteral("20"));
    EXPECT_FALSE(frmCodePractice::loaded());
    EXPECT_TRUE(G.CWBuffer.isEmpty());
}

TEST(CodePracticeTyping, WhatAKeyInTheTypeToSendBoxDoes)
{
    using Kind = CodePractice::TypedKey::Kind;
    struct Case {
        const char* what;
        int key;
        Kind kind;
        char16_t c;
    } cases[] = {
        {"a lower-case letter is sent as its capital", 'q', Kind::Send, u'Q'},
        {"a capital as it is", 'Q', Kind::Send, u'Q'},
        {"a digit", '5', Kind::Send, u'5'},
        {"a blank", ' ', Kind::Send, u' '},
        {"a sign without Morse", '*', Kind::Send, u'*'},
        {"Enter", 13, Kind::Send, u'\r'},
        {"Esc", 27, Kind::Send, u'\x1b'},
        {"Backspace takes back", 8, Kind::TakeBack, 0},
        {"Ctrl+C", 3, Kind::Ignore, 0},
        {"no character", 0, Kind::Ignore, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CodePractice::TypedKey k = CodePractice::typeToSend(c.key);
        EXPECT_EQ(k.kind, c.kind);
        if (c.kind == Kind::Send) {
            EXPECT_EQ(k.c, QChar(c.c));
        }
    }
}

// Enter and Esc pressed in the type-to-send box of the open window go out like any typed
// character: they key nothing (they have no Morse) and show in the sent text, Enter as a line
// break; Backspace takes them back. Esc does not close the window.
TEST_F(PracticeTest, EnterAndEscInTheTypeToSendBoxAreSentLikeAnyKey)
{
    frmCodePractice& p = practice();
    p.show();
    p.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
    QTest::mouseClick(p.Text5, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), p.Text5);
    auto press = [&p](Qt::Key key) {
        QTest::keyPress(p.Text5, key);
        QTest::keyRelease(p.Text5, key);
    };

    QTest::keyClicks(p.Text5, QStringLiteral("e"));
    press(Qt::Key_Return);
    press(Qt::Key_Escape);
    QTest::keyClicks(p.Text5, QStringLiteral("t"));
    EXPECT_EQ(sent(), QStringLiteral("ET"));
    EXPECT_EQ(p.Text2->toPlainText(), QStringLiteral("E\n\x1bT"));
    EXPECT_TRUE(p.Text5->text().isEmpty());
    EXPECT_TRUE(p.isVisible());
    EXPECT_TRUE(G.CWBuffer.isEmpty());

    for (int k = 0; k < 3; ++k)
        press(Qt::Key_Backspace);
    EXPECT_EQ(p.Text2->toPlainText(), QStringLiteral("E"));

    // Typed while E is keyed, Enter waits in the buffer behind it and goes in the same run.
    p.Text2->clear();
    G.CWBuffer.clear();
    QString waiting;
    pumps = 0;
    atPump = [&](int k) {
        if (k == 1) {
            press(Qt::Key_Enter);
            waiting = G.CWBuffer;
        }
    };
    QTest::keyClicks(p.Text5, QStringLiteral("e"));
    EXPECT_EQ(waiting, QStringLiteral("\r"));
    EXPECT_EQ(p.Text2->toPlainText(), QStringLiteral("E\n"));
    EXPECT_TRUE(G.CWBuffer.isEmpty());
    EXPECT_EQ(G.CWSending, 0);
}
