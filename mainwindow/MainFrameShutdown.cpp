// The end of a run: the close request, the release of the device windows, the backup of the log
// and the saving of the operating time; and File > Exit.
#include "mainwindow/MainFrame.h"

#include <QAction>
#include <QCloseEvent>

#include "core/Form1.h"
#include "core/Globals.h"
#include "core/Module2Log.h"
#include "core/Module2Prefs.h"
#include "keying/BlindFrm.h"
#include "keying/CWFrm.h"
#include "keying/PhoneFrm.h"
#include "mainwindow/MainServices.h"
#include "platform/Exit.h"
#include "platform/VbControls.h"

void MainFrame::Form_QueryUnload(bool& cancel)
{
    G.CWBuffer.clear();
    if (G.CWSending == 1)
        cancel = true;
}

void MainFrame::Form_Unload()
{
    // The window system may deliver a close twice: the windows are released and the backup made
    // once.
    if (unloaded_)
        return;
    unloaded_ = true;
    // The clocks and the rates stop with the window.
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    using MainServices::DeviceWindow;
    PhoneFrm::unload();
    CWFrm::unload();
    BlindFrm::unload();
    MainServices::unloadDeviceWindow(DeviceWindow::SpotWindow);
    MainServices::unloadDeviceWindow(DeviceWindow::SpectrumMap);
    MainServices::unloadDeviceWindow(DeviceWindow::RigWindow);
    Form1::unload();
    if (variant_.releasesRoverWindow)
        MainServices::unloadDeviceWindow(DeviceWindow::RoverCounty);
    MainServices::unloadDeviceWindow(DeviceWindow::KeyerDevice);
    Module2::BackupLog();
}

void MainFrame::Form_Terminate()
{
    if (terminated_)
        return;
    terminated_ = true;
    if (G.LoggedOnFlag == 1) {
        G.OpSecondsSaved = float(G.OpSecondsTotal);
        Module2::MarkPrefStored(Module2::PrefItem::OpSecondsSaved);
        Module2::WriteQSOpref();
        G.LoggedOnFlag = 0;
    }
}

void MainFrame::closeEvent(QCloseEvent* event)
{
    if (unloaded_) {
        event->accept();
        return;
    }
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    Form_Unload();
    Form_Terminate();
    event->accept();
}

void MainFrame::mnuExit_Click()
{
    if (G.LoggedOnFlag == 1) {
        G.OpSecondsSaved = float(G.OpSecondsTotal);
        Module2::MarkPrefStored(Module2::PrefItem::OpSecondsSaved);
        Module2::WriteQSOpref();
        G.LoggedOnFlag = 0;
    }
    Platform::endProgramNormally();
}
