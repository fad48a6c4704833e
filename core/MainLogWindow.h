#pragma once
// What both main windows (Outfrm for a station outside the contest state, Infrm for one inside)
// offer to the rest of the program. Exactly one of them exists in a run; other code reaches it
// through Form1 (core/Form1.h), which picks it by G.OutOfStateFlag (1 = Outfrm, 0 = Infrm).
//
// The controls other windows read or write directly are members of this class, named as the
// controls (and their objectName): the window creates them and stores the pointers here.
#include "core/Form1.h"
#include "core/CommonFileDialog.h"

#include <QString>
#include <QVariant>

class QLabel;
class QLineEdit;
class QListWidget;

class MainLogWindow {
public:
    // A window that goes is no longer a target of Form1's calls.
    virtual ~MainLogWindow() { Form1::unregisterMainWindow(this); }

    // Asks "Are you sure?" and deletes the contact selected in the contact list
    // (the edit dialogs' "Delete Dupe" calls it).
    virtual void cmdDelete_Click() = 0;
    // The window's own key handling; key codes are Windows virtual-key codes, KeyAscii a character
    // code (0 swallows the key).
    virtual void Form_KeyDown(int& KeyCode, int& Shift) = 0;
    virtual void Form_KeyPress(int& KeyAscii) = 0;

    // The band menu commands (the band label and BandFreqConversion call them).
    virtual void mnuBand10Ch_Click() = 0;
    virtual void mnuBand15Ch_Click() = 0;
    virtual void mnuBand160Ch_Click() = 0;
    virtual void mnuBand20Ch_Click() = 0;
    virtual void mnuBand40Ch_Click() = 0;
    virtual void mnuBand6Ch_Click() = 0;
    virtual void mnuBand80Ch_Click() = 0;

    // Logs the contact in the entry fields, or refuses it with a message in lblDialog
    // (the CW keyer calls it on "!" when txtCall is not empty).
    virtual void Mains() = 0;

    // Band-map panel: switches between spot list and graphic band map (and sets
    // Form1's BandMapShown); stores and shows one spot (call, frequency in kHz, spot line; the
    // window may change them in place); redraws the band map's spot labels.
    virtual void PacketResize() = 0;
    virtual void BandMapSpots(QVariant& qDXSpotCall, QVariant& qDXSpotFreq, QVariant& qDXSpotRecord) = 0;
    virtual void DisplayBandMapLabels() = 0;

    // From the rig poll: a frequency in MHz (may be changed in place) and a mode text ("CW" or "PH").
    virtual void BandFreqConversion(float& frequencyValue) = 0;
    virtual void ModeSelection(QString& strMode) = 0;

    // Controls other windows use directly; set by the window when it creates them.
    QLineEdit* txtCall = nullptr;    // call entry field: the CW keyer reads it
    QLineEdit* txtSec = nullptr;     // county field: the county list window writes into it
    QListWidget* List2 = nullptr;    // counties worked: the county map reads it
    QLabel* lblTotScore = nullptr;   // total score: the Cabrillo writer reads its text
    QLabel* lblDialog = nullptr;     // one-line status: the CW keyer echoes into it
    CommonFileDialog cdbFile;        // the shared file dialog (ADIF export, Cabrillo, archive)
};
