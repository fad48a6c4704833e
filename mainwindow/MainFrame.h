#pragma once
// The frame shared by both main windows, Outfrm (a station outside the contest state) and Infrm
// (a station inside it): the load, the members other windows call, and the panels that each own
// one concern of the window. What differs between the two windows comes from MainVariants.
//
// The frame's code is split by concern:
// - MainFrameLayout.cpp: every control and menu item at its design rectangle, and the sizing;
// - MainFrameEntry.cpp: the entry row's wiring (fields, Clear, cmdDup, county lists, score);
// - ContactListPanel: the contact list; BandModePanel: band and mode; ClockPanel: the clocks
//   and operating time; KeyRouter: the window-wide key handling; MainServices::SpotPanel: the
//   band-map panel, made by the spot subsystem.
// A panel connects its controls to its handlers; the frame creates the controls and keeps
// them as its members (tests and other windows find them by objectName).
//
// The window is designed at 9600 x 7200 twips (outer size, menu bar and frame included); the
// controls sit in a client area below the menu bar. Control arrays are named "name(index)",
// e.g. "Label10(41)" or "lblStation(4)".
#include <QPointer>
#include <QVector>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

#include "core/DesignWindow.h"
#include "entry/CountyLists.h"
#include "entry/EntryKeys.h"
#include "entry/ReloadLog.h"
#include "mainwindow/ContactListPanel.h"
#include "core/MainLogWindow.h"
#include "mainwindow/MainServices.h"
#include "mainwindow/MainVariants.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class EntryRowView;
class LogMenusPanel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTreeView;
class QTreeWidget;
class VbLine;
class VbTimer;
class BandModePanel;
class ClockPanel;
class KeyRouter;

// The frame is also the entry row's window (Entry::EntryHost): what the row's handlers and logging
// ask of it (Time On, the contact list, county lists, score, rates, spoken prompts) is here, for
// both windows. Each window binds its own entry row (bindEntryRow): Outfrm an Entry::OutEntry,
// Infrm an Entry::InEntry.
class MainFrame : public QWidget, public MainLogWindow, public Entry::EntryHost {
    Q_OBJECT
public:
    explicit MainFrame(MainWindows::Which which, QWidget* parent = nullptr);
    ~MainFrame() override;

    const MainVariants::Variant& variant() const { return variant_; }
    DesignLayout& design() { return design_; }
    FormGeometry& geometryModel() { return design_.geometry(); }
    QWidget* clientArea() const { return client_; }

    // Runs the load once (the first Show runs it), then shows the window.
    void Show();
    // The load: lays the window out for the screen, restores the saved options into the
    // controls, loads the county list, asks whether to continue the log, reloads it, fits the
    // window and starts the rig. Runs once; later calls do nothing.
    void Form_Load();
    bool isLoaded() const { return loaded_; }

    // Sizing.
    void SizeCountyLists();
    void ApplyFormSize();
    void FitToWorkArea();
    void mnuFormSize_Click();
    void mnuTaskbar_Click();
    // Pushes the geometry model to the widgets.
    void applyLayout();
    // The client area's real height in twips: the model's, less what a menu bar taller than the
    // frame allowance takes off its bottom. Whatever is placed from the bottom ends here.
    double clientAreaHeight();
    // Names of the county lists beside the contact list (two or three by window).
    QStringList sideListNames() const;

    // Reads log.txt again and shows every tally.
    void ReloadLog();
    // Shows a reload's figures: score and rate labels, and the worked-states grid's colours.
    void showTallies(const LogReload::Result& r);

    // ---- Contact entry ----
    // The bound entry row and its view (nullptr before a window binds one).
    Entry::EntryRow* entryRow() const { return row_; }
    EntryRowView* entryView() const { return entryView_.get(); }
    // Esc with nothing being sent, and the Clear command.
    void ClearEntry();
    void mnuClear_Click() { ClearEntry(); }
    // The partial-duplicate button.
    void cmdDup_Click();
    // County lists: the filter button, the clicks, the whole rebuild and the counts' headers.
    void Command1_Click();
    void List1_Click();
    void List2_Click();
    void List3_Click();
    void FillCountyLists();
    const CountyLists::Model& countyLists() const { return countyLists_; }
    // Entry::EntryHost (Mains is MainLogWindow's).
    void cmdLogOn_Click() override;
    void BlindKeyPhone(const QString& name) override;
    bool promptPlaying() override;
    void hideEditButtons() override;
    int contactListRows() override;
    void ListRecentContacts() override;
    bool listPreviousChecked() override;
    void listPreviousContacts(const QVector<int>& records) override;
    void UpdateCountyLists() override;
    void ShowScore() override;
    void ShowQSORates() override;

    // Window events.
    void Form_Activate();
    void Form_MouseMove();

    // ---- Post-contest entry ----
    // Shows or hides the Time and Date boxes with their captions and moves the menu tick; the
    // boxes keep their text, nothing is saved, the focus stays.
    void mnuPostContest_Click();
    bool postContestOn() const;

    // ---- Shut-down ----
    // A close request: empties G.CWBuffer, and refuses (cancel) while the CW send loop runs, which
    // then stops after the character it is sending.
    void Form_QueryUnload(bool& cancel);
    // Releases the device windows in order (voice keyer, CW keyer, voice navigation, spot window,
    // spectrum map, rig window, Form1, the rover county window in the in-state window, the keyer
    // device), then copies log.txt into BACKUP when this run changed the number of contacts.
    // Runs once however often it is asked.
    void Form_Unload();
    // The end of the run: while logged on, the running operating time is saved in QSOpref.txt
    // and the operator logged off. Runs once.
    void Form_Terminate();
    // File > Exit: saves the operating time as Form_Terminate does and ends the program at once,
    // without unloading windows, closing devices or making the backup.
    void mnuExit_Click();

    // The in-state window works out its state/province/country indications again for a new band
    // or mode while a call is entered (its state field's change handler).
    virtual void rerunStateField() {}

    // MainLogWindow.
    void cmdDelete_Click() override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void Form_KeyPress(int& KeyAscii) override;
    void mnuBand10Ch_Click() override;
    void mnuBand15Ch_Click() override;
    void mnuBand160Ch_Click() override;
    void mnuBand20Ch_Click() override;
    void mnuBand40Ch_Click() override;
    void mnuBand6Ch_Click() override;
    void mnuBand80Ch_Click() override;
    void Mains() override;
    void PacketResize() override;
    void BandMapSpots(QVariant& qDXSpotCall, QVariant& qDXSpotFreq, QVariant& qDXSpotRecord) override;
    void DisplayBandMapLabels() override;
    void BandFreqConversion(float& frequencyValue) override;
    void ModeSelection(QString& strMode) override;

    // The contact list ListView1 with its buttons and menu items.
    ContactListPanel& contactList() const { return *contactList_; }
    // Band and mode: the menus, their ticks, Label24 and Label30, the report lengths.
    BandModePanel& bandMode() const { return *bandMode_; }
    // Time On/Time Off, the clocks and the operating time, the rate timer.
    ClockPanel& clocks() const { return *clocks_; }
    // The window-wide key handling (hot keys, function keys, Esc).
    KeyRouter& keys() const { return *keys_; }

    // The band-map panel behind PacketResize and the band-map procedures (none without spots).
    MainServices::SpotPanel* spotPanel() const { return spotPanel_.get(); }

    // ---- Controls (txtCall, txtSec, List2, lblTotScore, lblDialog are in MainLogWindow) ----
    // Own station, band and mode.
    QLabel* Label2 = nullptr;    // own call
    QLabel* Label25 = nullptr;   // own county (In) or state/country (Out)
    QLabel* Label24 = nullptr;   // band
    QLabel* Label30 = nullptr;   // mode
    // Operating time and clocks.
    QPushButton* cmdLogOn = nullptr;
    QLabel* lblttrack = nullptr;
    QLabel* lblutctime = nullptr;
    QLabel* lblCurTime = nullptr;
    QLabel* Label16 = nullptr;   // AM/PM
    VbTimer* Timer1 = nullptr;   // rates, every minute
    VbTimer* Timer2 = nullptr;   // clocks, every second
    // Entry fields and their captions (lblStation 0..4), post-contest boxes.
    QVector<QLabel*> lblStation;   // indexes 0..8 (6 unused)
    QLineEdit* txtRSTR = nullptr;
    QLineEdit* txtCntry = nullptr;
    QLineEdit* txtRSTS = nullptr;
    QLabel* lblPostConTime = nullptr;
    QLineEdit* txtPostConTime = nullptr;
    QLabel* lblPostConDate = nullptr;
    QLineEdit* txtPostConDate = nullptr;
    QLabel* Label3 = nullptr;    // "New" marker
    QLabel* Label19 = nullptr;   // continent
    QLabel* Label22 = nullptr;   // bearing
    QLabel* Label23 = nullptr;   // miles
    // Status and possible duplicates.
    QLabel* lblPossDup = nullptr;
    QLabel* lblDupe = nullptr;
    QPushButton* cmdDup = nullptr;   // partial duplicates "On" / "Off"
    // Contact list.
    QTreeView* ListView1 = nullptr;   // the rows are ContactList::Model's
    QPushButton* cmdList = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdDelete = nullptr;
    // Score and rates (lblTotScore in MainLogWindow).
    QLabel* lblTotCon = nullptr;
    QLabel* lblsectogo = nullptr;
    QLabel* lblTotSec = nullptr;
    QLabel* lblAQSO60 = nullptr;
    QLabel* lblAQSO20 = nullptr;
    // Side lists: List1 (Out: to go; In: DX countries), List2 worked, List3 (In) to go.
    QListWidget* List1 = nullptr;
    QListWidget* List3 = nullptr;
    QPushButton* Command1 = nullptr;   // "All Modes" / "Crnt Mode"
    VbLine* Line3 = nullptr;           // divider the side lists reach down to
    // Worked-states grid (In): Label10(1..64), index 0 unused; empty in Out.
    QVector<QLabel*> Label10;
    // Band-map panel, hidden at design.
    QTreeWidget* txtDX = nullptr;
    QLabel* lblDX = nullptr;
    VbLine* LineDX = nullptr;
    QVector<QLabel*> lblDXSpot;     // 0..49
    QVector<QLabel*> lblFreqSpot;   // 0..4

    // ---- Menus ----
    QMenuBar* menuBar = nullptr;
    QAction* action(const QString& objectName) const;
    QMenu* menu(const QString& objectName) const;

    // Runs f on the bound entry row as one event of the row (f gets nullptr without one).
    void withEntry(const std::function<void(Entry::EntryRow*)>& f);
    // Puts the focus in an entry field (through the row when one is bound).
    void setEntryFocus(Entry::Field f);
    QLineEdit* entryField(Entry::Field f) const;
    // Paints a label's background (and text) with &HBBGGRR colours.
    static void setLabelColors(QLabel* label, long long back, long long fore = -1);

protected:
    // Puts an entry row on the entry fields: from then on the row gets their keys, pastes, focus
    // moves and outside writes, and the fields show it. The row outlives the binding.
    void bindEntryRow(Entry::EntryRow& row);
    void unbindEntryRow();

    // The in-state window keeps WildCounty equal to its county label.
    virtual void Label25_Change() {}
    // The reload's lists beside the county lists (the in-state window's DX countries).
    virtual void reloadLists() {}
    void setLabel25(const QString& text);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildEntryRow();
    void buildSideLists();
    void buildStateGrid();
    void buildSpotPanel();
    void buildMenus();
    QLabel* addLabel(const QString& name, const QString& caption, double left, double top, double width, double height,
                     double fontPt = DefaultFontPt);
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption, bool checkable = false);
    QMenu* addMenu(QMenu* parentMenu, const QString& name, const QString& caption);

    // Load steps.
    void closeSetupWindow();
    void addListColumns();
    void fillStateGrid();
    void setCountyCaption();
    void setOwnCallLabel();
    bool AskOpenExistingLog(QString* error);

    // Entry wiring.
    void connectEntry();
    // The post-contest boxes' keys and focus while no entry row is bound.
    void postContestKeyPress(QLineEdit* box, int& KeyAscii);
    void postContestGotFocus(QLineEdit* box);
    void countyClicked(QListWidget* list);
    void showCountyLists();
    void showScore(const Tallies::ScoreTexts& t);
    void showRates(const std::optional<Tallies::Rates>& rates);

    const MainVariants::Variant& variant_;
    QWidget* client_ = nullptr;
    DesignLayout design_;
    std::unique_ptr<MainServices::SpotPanel> spotPanel_;
    std::unique_ptr<ContactListPanel> contactList_;
    std::unique_ptr<BandModePanel> bandMode_;
    std::unique_ptr<ClockPanel> clocks_;
    std::unique_ptr<KeyRouter> keys_;
    std::unique_ptr<LogMenusPanel> logMenus_;   // New, exports, archive, restore and the tool menus
    CountyLists::Model countyLists_;
    Entry::EntryRow* row_ = nullptr;
    std::unique_ptr<EntryRowView> entryView_;
    bool loaded_ = false;
    bool callEnteredAtStart_ = false;   // the call field's first focus has been seen
    bool unloaded_ = false;
    bool terminated_ = false;
};
