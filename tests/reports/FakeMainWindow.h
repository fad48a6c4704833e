#pragma once
// A main window that does nothing but offer its common file dialog (tools that only use cdbFile).
#include "core/MainLogWindow.h"

struct FakeMainWindow : MainLogWindow {
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
    void BandFreqConversion(float&) override {}
    void ModeSelection(QString&) override {}
};
