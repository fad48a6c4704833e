#pragma once
// The main window of a station inside the contest state, fixed or rover: it works stations
// anywhere and counts states, provinces and counties. Beside the shared frame it has its entry row
// (Entry::InEntry: country lookup, state field completion, carries), whose Enter logs the contact
// (InLogging::Mains, with the rover's repeat for further counties) and whose call field runs the
// in-state duplicate checks (InDupeCheck); the DX countries worked (List1 and the per-band lists
// behind the "New" marker); the worked-states grid's click and hover; and the own county label
// (kept as the CW county wildcard), which the county change ("Cha&nge County", in the log menus)
// sets.
#include <memory>

#include "entry/DXLists.h"
#include "entry/InEntry.h"
#include "entry/LogStore.h"
#include "mainwindow/MainFrame.h"

class StateGridPanel;

class Infrm : public MainFrame {
    Q_OBJECT
public:
    explicit Infrm(QWidget* parent = nullptr);
    ~Infrm() override;

    Entry::InEntry& row() { return row_; }
    Entry::InEntry& inRow() { return row_; }
    const DXLists::Model& dxList() const { return dxList_; }
    // Runs `f` on the entry row as one event of the window (the widgets show the row afterwards).
    void withInRow(const std::function<void()>& f);

    // Logs the contact in the entry fields or refuses it. A call while one runs (the CW keyer's
    // "!" from a message box shown by logging) is ignored.
    void Mains() override;
    const Logging::MainsResult& lastMains() const { return lastMains_; }

    // The DX country list: the clicked country into the state field, with the focus.
    void List1_Click();
    // After a change of band or mode: the state field's change handler again (the "New" marker
    // follows the band).
    void rerunStateField() override;

    // The worked-states grid: a click puts the label's abbreviation into the state field (the
    // focus stays where it is); the mouse over a label shows its name and total in lblDupe.
    void Label10_Click(int Index);
    void Label10_MouseMove(int Index);

    // Entry::EntryHost, the in-state members.
    void DupCheck2(Entry::InEntry& row) override;
    void PartialDupeCheck(Entry::InEntry& row, int& KeyAscii) override;
    void HoldDupeFlag() override;
    QStringList roverCounties() override;
    void showOwnCounty(const QString& county) override;
    void stateWorked(int row) override;
    void AddBandDX(int record) override;
    void repaintWindow() override;

protected:
    void Label25_Change() override;
    void reloadLists() override;

private:
    void showDXList();

    Entry::InEntry row_;
    DXLists::Model dxList_;
    std::unique_ptr<StateGridPanel> grid_;
    Logging::MainsResult lastMains_;
    bool inMains_ = false;
};
