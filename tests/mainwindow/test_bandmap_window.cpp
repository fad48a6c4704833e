// The band-map panel of the running main window: spots from the facade into the spot list and
// onto the band map, the clicks that tune the rig and take the call, removal by a click, and the
// strip that opens the DX-spotting window.
#include "MainFrameFixture.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTreeWidget>

#include "core/Form1.h"
#include "mainwindow/Outfrm.h"
#include "platform/VbControls.h"
#include "spots/PacketSpotfrm.h"
#include "spots/SpotStore.h"

namespace {

struct TuningRig : MainServices::Rig {
    QVector<float> tuned;
    void Command1_Click() override {}
    void ChangeFrequency(float& f) override { tuned << f; }
};

void spot(const QString& call, const QString& khz)
{
    QVariant c(call), f(khz),
        r(QStringLiteral("de K9AB:      ") + khz + QStringLiteral("  ") + call + QStringLiteral("       CW\r\n"));
    Form1::instance().BandMapSpots(c, f, r);
    QApplication::processEvents();   // the panel redraws on the next turn of the event loop
}

}   // namespace

class BandMapWindowTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        Spots::resetSpotStore();
        G.OutOfStateFlag = 1;
        MainServices::setRig(&tuning);
        CountryRow dl;
        dl.prefix = QStringLiteral("DL");
        dl.country = QStringLiteral("Germany");
        G.CountryTable << dl;
    }
    void TearDown() override
    {
        PacketSpotfrm::unload();
        MainFrameTest::TearDown();
    }
    TuningRig tuning;
};

TEST_F(BandMapWindowTest, SpotsReachTheListAndTheMapAndClicksTuneAndTakeTheCall)
{
    auto w = shown<Outfrm>();
    ASSERT_NE(w->spotPanel(), nullptr);
    spot(QStringLiteral("DL1ABC"), QStringLiteral("14025.0"));
    spot(QStringLiteral("JA1XYZ"), QStringLiteral("7025"));
    spot(QStringLiteral("K1ABC"), QStringLiteral("14200"));
    spot(QStringLiteral("X"), QStringLiteral("abc"));   // not a number: nothing

    ASSERT_EQ(w->txtDX->topLevelItemCount(), 3);
    QTreeWidgetItem* top = w->txtDX->topLevelItem(0);
    EXPECT_EQ(top->text(0), QStringLiteral("K1ABC"));
    EXPECT_EQ(w->txtDX->topLevelItem(2)->text(1), QStringLiteral("14.025"));
    EXPECT_EQ(w->txtDX->topLevelItem(2)->text(2), QStringLiteral("Germany"));

    // The map, shown here by hand (Done shows it in the test further down).
    w->lblDX->show();
    w->LineDX->show();
    w->DisplayBandMapLabels();
    EXPECT_EQ(w->lblFreqSpot[0]->text(), QStringLiteral("14.024"));
    EXPECT_FALSE(w->lblFreqSpot[4]->text().isEmpty());
    QLabel* dl = w->lblDXSpot[47];
    QLabel* k = w->lblDXSpot[49];
    EXPECT_TRUE(dl->isVisible());
    EXPECT_FALSE(w->lblDXSpot[48]->isVisible());   // 40 m
    EXPECT_TRUE(k->isVisible());
    EXPECT_EQ(dl->text(), QStringLiteral("DL1"));
    EXPECT_EQ(k->toolTip(), QStringLiteral("K1ABC  14.200  14:30:00"));
    EXPECT_LT(dl->x(), k->x());

    // Right click: the rig is asked to tune, the call is taken and Tab moves on from it.
    QTest::mouseClick(k, Qt::RightButton);
    ASSERT_EQ(tuning.tuned.size(), 1);
    EXPECT_FLOAT_EQ(tuning.tuned[0], 14.2f);
    EXPECT_EQ(w->txtCall->text(), QStringLiteral("K1ABC"));
    QTRY_VERIFY(!w->txtCall->hasFocus());

    // Any other click removes the spot from the map for good.
    QTest::mouseClick(dl, Qt::LeftButton);
    EXPECT_EQ(Spots::SpotStore().slot[47].frequency, 0);
    EXPECT_FALSE(dl->isVisible());
    EXPECT_EQ(w->txtDX->topLevelItemCount(), 3);   // it stays in the list

    // A list row takes the call; it tunes only with a rig type other than "None".
    w->lblDX->hide();
    w->txtDX->show();
    auto clickRow = [&](int row) {
        QTreeWidgetItem* item = w->txtDX->topLevelItem(row);
        QTest::mouseClick(w->txtDX->viewport(), Qt::LeftButton, {}, w->txtDX->visualItemRect(item).center());
    };
    w->txtCall->clear();
    clickRow(2);
    EXPECT_EQ(w->txtCall->text(), QStringLiteral("DL1ABC"));
    EXPECT_TRUE(w->txtCall->hasFocus());
    EXPECT_EQ(tuning.tuned.size(), 1);
    G.RigType = QStringLiteral("IC-756");
    clickRow(1);
    EXPECT_EQ(w->txtCall->text(), QStringLiteral("JA1XYZ"));
    ASSERT_EQ(tuning.tuned.size(), 2);
    EXPECT_FLOAT_EQ(tuning.tuned[1], 7.025f);
}

TEST_F(BandMapWindowTest, TheListKeeps200RowsAndTheStripOpensTheSpotWindow)
{
    auto w = shown<Outfrm>();
    for (int i = 0; i < 201; ++i)
        spot(QStringLiteral("W%1AB").arg(i), QStringLiteral("%1").arg(14001 + i));
    ASSERT_EQ(w->txtDX->topLevelItemCount(), 200);
    EXPECT_EQ(w->txtDX->topLevelItem(0)->text(0), QStringLiteral("W200AB"));
    EXPECT_EQ(w->txtDX->topLevelItem(199)->text(0), QStringLiteral("W1AB"));

    w->lblDX->show();
    QTest::mouseClick(w->lblDX, Qt::LeftButton);
    ASSERT_TRUE(PacketSpotfrm::loaded());
    EXPECT_TRUE(PacketSpotfrm::instance().isVisible());
    EXPECT_EQ(PacketSpotfrm::instance().SpotSource, QStringLiteral("None"));

    // Ctrl+D brings it back after it was unloaded, and the window's shut-down unloads it.
    PacketSpotfrm::unload();
    int key = 'D', shift = 2;
    w->Form_KeyDown(key, shift);
    ASSERT_TRUE(PacketSpotfrm::loaded());
    EXPECT_TRUE(PacketSpotfrm::instance().isVisible());
    MainServices::unloadDeviceWindow(MainServices::DeviceWindow::SpotWindow);
    EXPECT_FALSE(PacketSpotfrm::loaded());
}

TEST_F(BandMapWindowTest, DoneShowsSwitchesAndHidesThePanelAndGivesTheRoomBack)
{
    auto w = shown<Outfrm>();
    spot(QStringLiteral("K1ABC"), QStringLiteral("14200"));
    PacketSpotfrm& f = PacketSpotfrm::instance();
    auto choose = [&](const QString& source, bool list) {
        f.List1->blockSignals(true);
        f.List1->setCurrentItem(f.List1->findItems(source, Qt::MatchExactly).value(0));
        f.List1->blockSignals(false);
        (list ? f.OptList : f.OptBand)->setChecked(true);
        Form1::instance().PacketResize();
    };
    const QRect call = w->txtCall->geometry();
    const QRect contacts = w->ListView1->geometry();

    // Source None while hidden: nothing.
    choose(QStringLiteral("None"), true);
    EXPECT_TRUE(w->txtDX->isHidden());
    EXPECT_TRUE(w->lblDX->isHidden());
    EXPECT_EQ(w->txtCall->geometry(), call);

    // A source and the list: the list fills the bottom below the compressed content.
    choose(QStringLiteral("Telnet"), true);
    EXPECT_TRUE(w->txtDX->isVisible());
    EXPECT_TRUE(w->lblDX->isHidden());
    EXPECT_LT(w->ListView1->geometry().bottom(), contacts.bottom());
    EXPECT_GE(w->txtDX->geometry().top(), w->ListView1->geometry().bottom());
    EXPECT_FALSE(Form1::instance().BandMapShown());
    const QRect list = w->txtDX->geometry();

    // To the map: the strip takes the list's place, the ruler and ticks show and the spot is drawn.
    choose(QStringLiteral("Telnet"), false);
    EXPECT_TRUE(w->txtDX->isHidden());
    EXPECT_TRUE(w->lblDX->isVisible());
    EXPECT_TRUE(w->LineDX->isVisible());
    EXPECT_EQ(w->lblDX->geometry(), list);
    EXPECT_TRUE(Form1::instance().BandMapShown());
    EXPECT_FALSE(w->lblFreqSpot[4]->text().isEmpty());
    EXPECT_TRUE(w->lblDXSpot[49]->isVisible());
    EXPECT_GT(w->LineDX->end1().y(), list.top());
    EXPECT_LT(w->LineDX->end1().y(), list.bottom());

    // None hides it and every control returns to where it was; a new show lands on the same place.
    choose(QStringLiteral("None"), false);
    EXPECT_TRUE(w->lblDX->isHidden());
    EXPECT_TRUE(w->LineDX->isHidden());
    EXPECT_FALSE(w->lblDXSpot[49]->isVisible());
    EXPECT_FALSE(Form1::instance().BandMapShown());
    EXPECT_EQ(w->txtCall->geometry(), call);
    EXPECT_EQ(w->ListView1->geometry(), contacts);
    choose(QStringLiteral("Telnet"), true);
    EXPECT_EQ(w->txtDX->geometry(), list);
}
