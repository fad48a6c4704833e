#pragma once
// Shared set-up of the rig window tests: a program folder with the installed band plan, a fake
// radio's pty as serial port 1, RigCntrl.txt for the model under test, and a main window that
// records what the rig poll hands it.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QString>
#include <QTest>
#include <QVector>

#include <gtest/gtest.h>

#include <memory>

#include "core/Form1.h"
#include "core/Globals.h"
#include "core/MainLogWindow.h"
#include "platform/VbControls.h"
#include "rig/RigControlfrm.h"
#include "rig/RigProtocol.h"
#include "rig/RigSettings.h"
#include "tests/core/test_store_fixture.h"
#include "tests/rig/FakeRadios.h"

// Records the frequencies and modes the rig poll hands to the main window.
class RecordingMain : public MainLogWindow {
public:
    QVector<float> freqs;
    QStringList modes;
    void cmdDelete_Click() override {}
    void Form_KeyDown(int&, int&) override {}
    void Form_KeyPress(int&) override {}
    void mnuBand10Ch_Click() override {}
    void mnuBand15Ch_Click() override {}
    void mnuBand160Ch_Click() override {}
    void mnuBand20Ch_Click() override {}
    void mnuBand40Ch_Click() override {}
    void mnuBand6Ch_Click() override {}
    void mnuBand80Ch_Click() override {}
    void Mains() override {}
    void PacketResize() override {}
    void BandMapSpots(QVariant&, QVariant&, QVariant&) override {}
    void DisplayBandMapLabels() override {}
    void BandFreqConversion(float& f) override { freqs.append(f); }
    void ModeSelection(QString& m) override { modes.append(m); }

    bool lastIs(float f, const QString& m) const
    {
        return !freqs.isEmpty() && !modes.isEmpty() && qAbs(freqs.last() - f) < 1e-5f && modes.last() == m;
    }
};

class RigTest : public StoreTest {
protected:
    RecordingMain main;

    void SetUp() override
    {
        StoreTest::SetUp();
        ASSERT_TRUE(QFile::copy(QStringLiteral(VQPLOG_SOURCE_DIR "/data/BandPlan.txt"),
                                dir.filePath(QStringLiteral("BandPlan.txt"))));
        G.OutOfStateFlag = 1;
        Form1::registerMainWindow(&main, true);
    }
    void TearDown() override
    {
        RigControlfrm::unload();
        Form1::unregisterMainWindow(&main);
        Form1::unload();
        qunsetenv("VQPLOG_COM1");
        StoreTest::TearDown();
    }

    // RigCntrl.txt for `model` with its default line settings and queries on port 1, polling at
    // `rate` ("F" 100 ms cycles).
    void writeSettings(const QString& model, const QString& rate = QStringLiteral("F"), int modeSource = 1)
    {
        const Rig::Model* m = Rig::findModel(model);
        ASSERT_NE(m, nullptr);
        Rig::RigSettings s;
        s.RigBaud = m->baud.isEmpty() ? QStringLiteral("4800") : m->baud;
        s.RigParity = QStringLiteral("N");
        s.RigDataBits = QStringLiteral("8");
        s.RigStopBits = m->stopBits ? QString(QLatin1Char(m->stopBits)) : QStringLiteral("1");
        s.RigModeQuery = m->modeQuery;
        s.RigFreqQuery = m->freqQuery;
        s.RigCommSettings = s.RigBaud + ",N,8," + s.RigStopBits;
        s.RigCommPort = 1;
        s.RigPowerLine = QStringLiteral("N");
        s.RigPollRate = rate;
        s.RigType = model;
        s.convToHex = m->hexQueries ? 1 : 0;
        s.useFrequency = 1;
        s.modeSource = modeSource;
        ASSERT_TRUE(Rig::writeRigSettings(G.ProgramFolder, s));
    }

    // Serial port 1 is the fake radio's pty.
    static void usePort(FakeRadio& radio) { qputenv("VQPLOG_COM1", radio.pty.slavePath().toLatin1()); }

    // The start-up Test of the main window's load.
    RigControlfrm& startPolling()
    {
        RigControlfrm& w = RigControlfrm::instance();
        w.Command1_Click();
        return w;
    }
};
