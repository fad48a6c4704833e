#pragma once
// " Change Frequency and Mode (Ctrl G (Go))": the tuning panel. Band presets, a typed frequency,
// up and down steps and an upward scan between two limits all write the frequency box and send it
// with Go through the rig window's ChangeFrequency; six buttons set the mode through its
// ChangeMode. Nothing is read back from the radio and nothing is saved.
//
// The main window opens it modally (Ctrl+G) and deletes it when the show returns; each opening
// starts afresh. The scan clock ticks every 299 ms from construction to destruction and acts only
// while "Scan" is ticked. The arithmetic and what is sent are decided in rig/RigTune.h.
#include <QDialog>

#include <array>

#include "core/DesignWindow.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

class frmRigTune : public QDialog {
    Q_OBJECT
public:
    // Builds and scales the panel (Form_Load); the frequency box is empty and has the focus.
    explicit frmRigTune(QWidget* parent = nullptr);

    // "&Go": sends the box's frequency when it is numeric, a rig is selected and the model's
    // command can carry it (rig/RigTune.h frequencyToSend); otherwise nothing happens.
    void Command1_Click();
    // A band preset: writes it into the box, then Go.
    void cmdBand_Click(int index);
    // A step: box + step written back, Go, focus to "&Done". Nothing when the box is not numeric.
    void cmdTune_Click(int index);
    // The mode buttons: the rig window's ChangeMode with frequency 0 and the mode, focus to "&Done".
    void cmdCW_Click();
    void cmdUSB_Click();
    void cmdLSB_Click();
    void cmdAM_Click();
    void cmdFM_Click();
    void cmdRTTY_Click();
    // The step buttons follow whether the box is numeric.
    void txtFreq_Change();
    // Enter: Go and the caret back at the end of the box; other keys through the key filter.
    void txtFreq_KeyPress(int& KeyAscii);
    void txtFrom_KeyPress(int& KeyAscii);
    void txtTo_KeyPress(int& KeyAscii);
    // Ticking with a box that is not numeric starts from the lower limit; focus to "&Go" both ways.
    void chkScan_Click();
    // One scan step (rig/RigTune.h scanTick), then Go; nothing while "Scan" is unticked.
    void Timer1_Timer();
    // Any key while scanning stops the scan; the key still reaches its control.
    void Form_KeyPress(int& KeyAscii);
    // "&Done": hides the panel, which ends the opener's modal show.
    void cmdDone_Click();

    std::array<QPushButton*, 16> cmdBand{};
    std::array<QPushButton*, 10> cmdTune{};
    QPushButton *cmdCW, *cmdUSB, *cmdLSB, *cmdAM, *cmdFM, *cmdRTTY;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    QLineEdit *txtFreq, *txtFrom, *txtTo;
    QPushButton *Command1, *cmdDone;
    QCheckBox* chkScan;
    QGroupBox* Frame1;
    std::array<QRadioButton*, 5> Option{};   // Option1 .. Option5
    QTimer* Timer1;

protected:
    // Esc means nothing here; the panel closes by "&Done" or its title bar only.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setMode(int button);

    DesignLayout design_;
};
