#pragma once
// The DX-spotting window " DX Spotting Setup": the spot source (None, TNC, Telnet, AGW Packet
// Engine), its settings (PackSpot.txt), Open and Close, the terminal with what the source sent,
// the send box, Spot Last and Done.
//
// It exists once: made and loaded by its first showing (Ctrl+D, the menu, a click on the empty
// band map); the load restores PackSpot.txt and opens the saved source while still hidden. Done
// saves, lays out the main window's spot panel and only hides it: the source keeps running
// until the main window unloads the window at shut-down.
//
// Everything runs on the GUI thread: socket events and the 333 ms timer come through the event
// loop. Received text is decided on by Spots::Reception (GUI-free); each spot goes to the main
// window through Form1::BandMapSpots. A source that fails says so in the terminal (a TNC port
// that does not open also in a message box, with the window shown modally until Done) and is
// closed; "Listening" is shown only while a source is open.
//
// The packet-engine source speaks to the engine through the Platform::PacketEngine that the
// program installs with setPacketEngine; what a frame does is decided by Spots::takeEngineFrame.
// Without an engine installed, opening that source fails as when the engine cannot be reached. A
// connection to the engine that breaks while open is said in the terminal and closes the source.
#include <QString>

#include <functional>
#include <memory>

#include "core/DesignWindow.h"
#include "core/SingleWindow.h"
#include "spots/SpotReception.h"
#include "spots/SpotSettings.h"
#include "spots/SpotSources.h"

namespace Platform {
class PacketEngine;
}

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class VbTimer;

class PacketSpotfrm : public DesignWindow, public SingleWindow<PacketSpotfrm> {
    friend class SingleWindow<PacketSpotfrm>;

public:
    // The one window, made on first use. While its load runs, this is the window being loaded:
    // a TNC port that does not open shows it modally from inside the load, and what the operator
    // does there (Done redraws the main window, which reads this window) reaches the same window.
    static PacketSpotfrm& instance();

    static void setPacketEngine(Platform::PacketEngine* engine);   // the caller keeps ownership
    // The window's own scaling at load (screen in twips): window and controls by the screen's
    // factors, control fonts by its width / 9600 (at most 1.5), the window centred across the
    // screen at its top.
    static void scaleToScreen(FormGeometry& form, double screenWidth, double screenHeight);

    // Handlers and procedures, named as the window's controls and events.
    void Form_Activate();
    void Form_KeyDown(int& KeyCode, int Shift);
    void List1_Click();
    void Command1_Click();   // Open
    void Command2_Click();   // Close
    void Command3_Click();   // Spot Last
    void cmdDone_Click();
    void Timer1_Timer();
    void txtSent_KeyPress(int& KeyAscii);
    void txtSent_Change();
    void SendTelnet();
    void OpenTelnet();
    // Opens the TNC port with the line settings taken from the buttons and starts the timer. A
    // port that does not open is reported ("Invalid Comm Settings."), the hidden window is shown
    // modally until the operator leaves it, and then the source is closed.
    void OpenTNCPort();
    // Restores PackSpot.txt at load: the source, the display choice, the TNC command character,
    // the telnet host and port and the TNC line; then opens the saved source unless it is "None".
    // Everything Done writes reads back: a TNC line never opened (port 0, empty line values, no
    // handshaking) leaves those buttons as they are. A file that ends early or holds a value that
    // does not fit its item changes only the values read before it and opens nothing.
    void ReadSpotSettings();
    void SaveSpotSettings();
    void ReadCommSettings();
    // The packet-engine source: register (OpenAGW, from Open), one frame per timer tick
    // (PollAGW), the send box's text as commands or text for the linked station (SendAGW).
    void OpenAGW();
    void PollAGW();
    void SendAGW(const QString& text);
    void TrimTerminal();   // shows the terminal model in the box, caret at its end

    // State.
    QString SpotSource;
    bool SpotSettingsLoading = false;
    Spots::SpotSettings settings;   // the serial snapshot and the items kept for the file
    Spots::Reception reception;     // terminal, TNC buffer, tick count
    Spots::TelnetSource Winsock1;
    Spots::TncPort comComm1;
    QString AGWLinkedCall;

    // Controls.
    QLabel* Label1 = nullptr;
    QListWidget* List1 = nullptr;
    QPlainTextEdit* txtUnProcessed = nullptr;
    QLineEdit* txtSent = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *cmdDone = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton *OptBand = nullptr, *OptList = nullptr;
    QCheckBox* chkDX = nullptr;
    QLabel *Label2 = nullptr, *Label7 = nullptr, *Label3 = nullptr;
    QLineEdit *txtHex = nullptr, *txtTelnetHost = nullptr, *txtTelnetPort = nullptr;
    QGroupBox *fraBaud = nullptr, *fraParity = nullptr, *fraData = nullptr, *fraStop = nullptr, *fraPort = nullptr,
              *fraPower = nullptr, *Frame1 = nullptr;
    QRadioButton *optBaud12 = nullptr, *optBaud24 = nullptr, *optBaud48 = nullptr, *optBaud96 = nullptr,
                 *optBaud144 = nullptr, *optBaud192 = nullptr;
    QRadioButton *optParityOdd = nullptr, *optParityNone = nullptr, *optParityEven = nullptr;
    QRadioButton *optData7 = nullptr, *optData8 = nullptr, *optStop1 = nullptr, *optStop2 = nullptr;
    QVector<QRadioButton*> optComm;   // 0..9: ports 1..10
    QRadioButton *optPowerNone = nullptr, *optPowerRTS = nullptr, *optPowerDTR = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr, *Option3 = nullptr, *Option4 = nullptr;
    VbTimer* Timer1 = nullptr;

    bool listening() const;

protected:
    void Form_Unload();
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    PacketSpotfrm();
    static PacketSpotfrm*& loading();
    void Form_Load();
    void buildControls();
    void DisableAllOptions();
    void EnableTNCOptions();
    void EnableTelnetOptions();
    void EnableAGWOptions();
    void ShowSpotHelp();
    void lineOption_Click();
    void appendTerminal(const QString& s);
    void replaceTerminal(const QString& s);
    void Winsock1_Error(int number);
    bool is(const QString& source) const;
};
