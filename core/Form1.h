#pragma once
// Form1: the never-shown window that gives the rig and DX-spotting windows one fixed target for
// their calls into the main window, whichever main window runs. Its five forwarding members pass
// the call to Outfrm when G.OutOfStateFlag is not 0 and to Infrm otherwise, with the caller's own
// arguments (a change the main window makes to an argument is seen by the caller).
//
// The main windows register themselves (registerMainWindow) when they are created and unregister
// when they go; a call for a window that is not registered does nothing.
#include <QString>
#include <QVariant>
#include <QWidget>

class MainLogWindow;
class QLabel;
class QLineEdit;

class Form1 : public QWidget {
public:
    // The one instance, created hidden on first use; never shown.
    static Form1& instance();
    static bool isLoaded();
    // Releases the instance (the main window's unload); the next use creates a fresh one.
    static void unload();

    // Registers the window that answers calls while G.OutOfStateFlag says `outOfState`
    // (Outfrm: true, Infrm: false); nullptr clears that place. Registration outlives unload().
    static void registerMainWindow(MainLogWindow* window, bool outOfState);
    // Clears every place `window` holds (its destructor calls this).
    static void unregisterMainWindow(MainLogWindow* window);
    // The window G.OutOfStateFlag selects, or nullptr.
    static MainLogWindow* target();

    // Rewrites QSOpref.txt with the values held now; nothing is forwarded.
    void SavePref();
    void BandFreqConversion(float& frequencyValue);
    void ModeSelection(QString& strMode);
    void PacketResize();
    void DisplayBandMapLabels();
    void BandMapSpots(QVariant& qDXSpotCall, QVariant& qDXSpotFreq, QVariant& qDXSpotRecord);
    void txtCall_Change() {}
    void txtDX_Change() {}

    // The visibility of lblDX: the graphic band map is shown (true) or the spot list (false).
    // The main window's PacketResize sets it; the DX-spotting window's timer reads it.
    bool BandMapShown() const;
    void setBandMapShown(bool shown);

    QLabel* lblDX = nullptr;        // its visibility is BandMapShown; its text is never seen
    QLineEdit* txtCall = nullptr;   // unused: the spectrum map writes into the main window's txtCall
    QLineEdit* txtDX = nullptr;     // unused

private:
    Form1();
};
