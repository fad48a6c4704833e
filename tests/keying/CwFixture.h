#pragma once
// Shared set-up of the CW keyer tests: a program folder, a fake monotonic clock, recording key
// lines, scripted prompts, a stand-in main window whose Mains records what had been keyed when it
// ran, and the CW window made hidden with keying on serial port 1 (RTS) at 20 WPM.
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

#include "core/Form1.h"
#include "core/Globals.h"
#include "core/MainLogWindow.h"
#include "keying/CWFrm.h"
#include "keying/KeyingPump.h"
#include "keying/frmWinKey.h"
#include "platform/Monotonic.h"
#include "platform/Prompts.h"
#include "platform/VbControls.h"
#include "tests/support/FakeKeyLines.h"
#include "tests/support/FakeMonotonic.h"
#include "tests/support/ScriptedPrompts.h"

// The main window as the keyer sees it: a call field, a status label and Mains.
struct StandInMain : QWidget, MainLogWindow {
    StandInMain()
    {
        txtCall = new QLineEdit(this);
        lblDialog = new QLabel(this);
    }
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
    void Mains() override
    {
        ++logged;
        if (onMains)
            onMains();
        txtCall->clear();
    }
    void PacketResize() override {}
    void BandMapSpots(QVariant&, QVariant&, QVariant&) override {}
    void DisplayBandMapLabels() override {}
    void BandFreqConversion(float&) override {}
    void ModeSelection(QString&) override {}

    int logged = 0;
    std::function<void()> onMains;
};

class CwTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frmWinKey::unload();
        CWFrm::unload();
        resetGlobals();
        ASSERT_TRUE(dir.isValid());
        G.ProgramFolder = dir.path();
        G.DataFolder = dir.path();
        qputenv("VQPLOG_COM1", "/dev/fake-com1");
        Platform::setMonotonic(&clock);
        Platform::setPrompts(&prompts);
        G.OutOfStateFlag = 1;
        Form1::registerMainWindow(&main, true);
        main.txtCall->setText(QStringLiteral("K9ABC"));
        cw = &CWFrm::instance();
        cw->Text11->setText(QStringLiteral("20"));
        cw->Text10->setText(QStringLiteral("1"));
        setOptionValue(cw->Option1, true);   // RTS; CWKeyMethod 1
        KeyingPump::setPump([this] {
            ++pumps;
            if (atPump)
                atPump(pumps);
        });
    }
    void TearDown() override
    {
        KeyingPump::setPump({});
        frmWinKey::unload();
        CWFrm::unload();
        Form1::unregisterMainWindow(&main);
        Platform::setMonotonic(nullptr);
        Platform::setPrompts(nullptr);
        qunsetenv("VQPLOG_COM1");
        resetGlobals();
    }

    // What was keyed on a line, as text.
    QString sent(const QString& line = QStringLiteral("RTS")) const { return decodeMorse(lines.states(line)); }

    QTemporaryDir dir;
    Platform::FakeMonotonic clock;
    FakeKeyLines lines;
    Platform::ScriptedPrompts prompts;
    StandInMain main;
    CWFrm* cw = nullptr;
    int pumps = 0;
    std::function<void(int)> atPump;
};
