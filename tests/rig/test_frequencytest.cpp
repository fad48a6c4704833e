// The command test window: a typed command reaches a fake radio byte for byte (text and hex),
// the poll shows the radio's answer, and the lower Send tunes through ChangeFrequency.
#include <QApplication>
#include <QTimer>

#include "platform/Prompts.h"
#include "rig/frmFrequencyTest.h"
#include "tests/rig/RigFixture.h"
#include "tests/support/ScriptedPrompts.h"

namespace {

class FrequencyTestWindow : public RigTest {
protected:
    void SetUp() override
    {
        RigTest::SetUp();
        Platform::setPrompts(&prompts);
    }
    void TearDown() override
    {
        Platform::setPrompts(nullptr);
        RigTest::TearDown();
    }
    Platform::ScriptedPrompts prompts;
};

}   // namespace

TEST(TestCommandBytes, TextOrStrictHexPairs)
{
    struct Case {
        const char* name;
        const char* typed;
        bool hex;
        std::optional<QByteArray> bytes;
    };
    const Case cases[] = {
        {"text as typed", "FA00028475000;", false, QByteArray("FA00028475000;")},
        {"blanks around trimmed, inside kept", "  FA 1;  ", false, QByteArray("FA 1;")},
        {"hex text sent as text when unticked", "FE FE 64 E0 03 FD", false, QByteArray("FE FE 64 E0 03 FD")},
        {"hex pairs", " FE FE 64 e0 03 FD ", true, QByteArray("\xFE\xFE\x64\xE0\x03\xFD", 6)},
        {"hex zero byte", "00", true, QByteArray(1, '\0')},
        {"odd digit", "FE F 64", true, std::nullopt},
        {"no blanks", "FEFE64", true, std::nullopt},
        {"doubled blank", "FE  FE", true, std::nullopt},
        {"not hex", "FE GG", true, std::nullopt},
        {"sign", "+F", true, std::nullopt},
        {"empty", "   ", false, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Rig::testCommandBytes(QString::fromLatin1(c.typed), c.hex), c.bytes) << c.name;
}

TEST_F(FrequencyTestWindow, CommandsReachTheRadioAndThePollShowsTheAnswer)
{
    KenwoodRadio radio;
    writeSettings(QStringLiteral("Kenwood"));
    usePort(radio);
    RigControlfrm& w = RigControlfrm::instance();
    w.show();
    w.Command1_Click();
    ASSERT_TRUE(w.tmrGetData->isEnabled());
    frmFrequencyTest t(w);
    EXPECT_EQ(t.windowTitle(), QStringLiteral("Test Change Frequency Function"));
    EXPECT_EQ(t.Text1->text(), QStringLiteral("FA00028475000;"));
    EXPECT_EQ(t.Text2->text(), QStringLiteral("28.475"));
    EXPECT_FALSE(t.Check1->isChecked());

    radio.received.clear();
    t.Command1->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return radio.received.contains("FA00028475000;"); }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.lblFreq->text() == QLatin1String("28.47500"); }, 3000))
        << w.lblFreq->text().toStdString();
    EXPECT_EQ(radio.hz, 28475000);

    // The same kind of command as hex pairs: "FA00007040000;".
    t.Text1->setText(QStringLiteral("46 41 30 30 30 30 37 30 34 30 30 30 30 3B"));
    t.Check1->setChecked(true);
    t.Command1->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.lblFreq->text() == QLatin1String("7.04000"); }, 3000));
    EXPECT_TRUE(radio.received.contains("FA00007040000;"));
    EXPECT_TRUE(prompts.messages().isEmpty());

    // Not hex pairs: refused with a message, nothing sent.
    t.Text1->setText(QStringLiteral("464130"));
    const QByteArray before = radio.received;
    t.Command1->click();
    EXPECT_EQ(prompts.messages(), QStringList({QString::fromLatin1(Rig::HexPairsMessage)}));
    QTest::qWait(150);
    EXPECT_FALSE(radio.received.mid(before.size()).contains("464130"));

    // Lower Send: a text that is not a number does nothing; a number tunes the radio.
    prompts.clear();
    t.Text2->setText(QStringLiteral("abc"));
    t.Command2->click();
    EXPECT_EQ(radio.hz, 7040000);
    t.Text2->setText(QStringLiteral("14.2"));
    t.Command2->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return radio.hz == 14200000; }, 3000));
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(FrequencyTestWindow, ChangeFrequencyButtonOpensItModallyWhilePolling)
{
    KenwoodRadio radio;
    writeSettings(QStringLiteral("Kenwood"));
    usePort(radio);
    RigControlfrm& w = startPolling();
    ASSERT_TRUE(w.tmrGetData->isEnabled());
    QString seen;
    QTimer::singleShot(100, [&] {
        if (auto* t = qobject_cast<frmFrequencyTest*>(QApplication::activeModalWidget())) {
            seen = t->windowTitle();
            t->reject();
        }
    });
    w.Command3->click();
    EXPECT_EQ(seen, QStringLiteral("Test Change Frequency Function"));
}
