// The facade Form1: forwarding to the main window chosen by OutOfStateFlag, BandMapShown, SavePref.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/Files.h"
#include "core/Form1.h"
#include "core/Globals.h"
#include "core/MainLogWindow.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

using ::testing::_;
using ::testing::Invoke;
using ::testing::StrictMock;

namespace {

class FakeMainWindow : public MainLogWindow {
public:
    MOCK_METHOD(void, cmdDelete_Click, (), (override));
    MOCK_METHOD(void, Form_KeyDown, (int&, int&), (override));
    MOCK_METHOD(void, Form_KeyPress, (int&), (override));
    MOCK_METHOD(void, mnuBand10Ch_Click, (), (override));
    MOCK_METHOD(void, mnuBand15Ch_Click, (), (override));
    MOCK_METHOD(void, mnuBand160Ch_Click, (), (override));
    MOCK_METHOD(void, mnuBand20Ch_Click, (), (override));
    MOCK_METHOD(void, mnuBand40Ch_Click, (), (override));
    MOCK_METHOD(void, mnuBand6Ch_Click, (), (override));
    MOCK_METHOD(void, mnuBand80Ch_Click, (), (override));
    MOCK_METHOD(void, Mains, (), (override));
    MOCK_METHOD(void, PacketResize, (), (override));
    MOCK_METHOD(void, BandMapSpots, (QVariant&, QVariant&, QVariant&), (override));
    MOCK_METHOD(void, DisplayBandMapLabels, (), (override));
    MOCK_METHOD(void, BandFreqConversion, (float&), (override));
    MOCK_METHOD(void, ModeSelection, (QString&), (override));
};

class Form1Test : public ::testing::Test {
protected:
    StrictMock<FakeMainWindow> out, in;

    void SetUp() override
    {
        resetGlobals();
        Form1::registerMainWindow(&out, true);
        Form1::registerMainWindow(&in, false);
    }
    void TearDown() override
    {
        Form1::unregisterMainWindow(&out);
        Form1::unregisterMainWindow(&in);
        Form1::unload();
    }
};

TEST_F(Form1Test, EveryCallReachesTheWindowOfTheFlag)
{
    for (uint8_t flag : {uint8_t(1), uint8_t(0), uint8_t(2)}) {
        G.OutOfStateFlag = flag;
        auto& target = flag != 0 ? out : in;
        ::testing::InSequence order;
        EXPECT_CALL(target, BandFreqConversion(_));
        EXPECT_CALL(target, ModeSelection(_));
        EXPECT_CALL(target, PacketResize());
        EXPECT_CALL(target, DisplayBandMapLabels());
        EXPECT_CALL(target, BandMapSpots(_, _, _));
        float f = 14.025f;
        QString mode = "CW";
        QVariant call("K9ABC"), freq(14025.0), line("DX de ...");
        Form1& form = Form1::instance();
        form.BandFreqConversion(f);
        form.ModeSelection(mode);
        form.PacketResize();
        form.DisplayBandMapLabels();
        form.BandMapSpots(call, freq, line);
        ::testing::Mock::VerifyAndClearExpectations(&target);
    }
}

TEST_F(Form1Test, ChangesTheWindowMakesToArgumentsReachTheCaller)
{
    G.OutOfStateFlag = 1;
    EXPECT_CALL(out, BandFreqConversion(_)).WillOnce(Invoke([](float& f) { f = 7.0f; }));
    EXPECT_CALL(out, ModeSelection(_)).WillOnce(Invoke([](QString& m) { m = "PH"; }));
    EXPECT_CALL(out, BandMapSpots(_, _, _)).WillOnce(Invoke([](QVariant& c, QVariant& f, QVariant&) {
        c = QStringLiteral("W1AW");
        f = 7025.5;
    }));
    float freq = 14.2f;
    QString mode = "CW";
    QVariant call("w1aw"), spotFreq(7025), line("spot");
    Form1::instance().BandFreqConversion(freq);
    Form1::instance().ModeSelection(mode);
    Form1::instance().BandMapSpots(call, spotFreq, line);
    EXPECT_EQ(freq, 7.0f);
    EXPECT_EQ(mode, "PH");
    EXPECT_EQ(call.toString(), "W1AW");
    EXPECT_EQ(spotFreq.toDouble(), 7025.5);
}

TEST_F(Form1Test, NoRegisteredWindowMeansNothingHappens)
{
    G.OutOfStateFlag = 1;
    Form1::unregisterMainWindow(&out);
    float f = 14.0f;
    Form1::instance().BandFreqConversion(f);   // the strict mocks would fail on any call
    Form1::instance().PacketResize();
    EXPECT_EQ(Form1::target(), nullptr);
}

TEST_F(Form1Test, DestroyedWindowIsNoLongerATarget)
{
    G.OutOfStateFlag = 0;
    {
        StrictMock<FakeMainWindow> shortLived;
        Form1::registerMainWindow(&shortLived, false);
        EXPECT_EQ(Form1::target(), &shortLived);
    }
    EXPECT_EQ(Form1::target(), nullptr);
}

TEST_F(Form1Test, BandMapShownIsTheLabelVisibilityOfAHiddenForm)
{
    Form1& form = Form1::instance();
    EXPECT_FALSE(form.BandMapShown());
    EXPECT_FALSE(form.isVisible());
    form.setBandMapShown(true);
    EXPECT_TRUE(form.BandMapShown());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.findChild<QLabel*>("lblDX"), form.lblDX);
    form.setBandMapShown(false);
    EXPECT_FALSE(form.BandMapShown());
    EXPECT_EQ(form.windowTitle(), "Form1");
}

TEST_F(Form1Test, UnloadStartsAFreshFormAndKeepsTheRegistration)
{
    Form1::instance().setBandMapShown(true);
    Form1::instance().txtCall->setText("K9ABC");
    Form1::unload();
    EXPECT_FALSE(Form1::isLoaded());
    EXPECT_FALSE(Form1::instance().BandMapShown());
    EXPECT_TRUE(Form1::instance().txtCall->text().isEmpty());
    G.OutOfStateFlag = 0;
    EXPECT_CALL(in, PacketResize());
    Form1::instance().PacketResize();
}

TEST_F(Form1Test, SavePrefWritesTheValuesHeldNow)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    G.ProgramFolder = dir.path();
    G.OwnCall = "W9XYZ";
    G.RigType = "Icom IC-7300";
    Form1::instance().SavePref();
    QByteArray data;
    ASSERT_TRUE(Files::readAll(Files::resolve(dir.path(), "QSOpref.txt"), data));
    EXPECT_TRUE(data.startsWith("\"W9XYZ\""));
    EXPECT_TRUE(data.contains("\"Icom IC-7300\""));
}

}   // namespace
