#pragma once
// The main window of a station inside the contest state, fixed or rover: it works stations
// anywhere and counts states, provinces and counties. Beside the shared frame it has its entry row
// (Entry::InEntry: country lookup, state field completion, carries), the DX countries worked
// (List1 and the per-band lists behind the "New" marker), and it keeps the CW county wildcard equal
// to its own county label.
#include "entry/DXLists.h"
#include "entry/InEntry.h"
#include "mainwindow/MainFrame.h"

class Infrm : public MainFrame {
    Q_OBJECT
public:
    explicit Infrm(QWidget* parent = nullptr);
    ~Infrm() override;

    Entry::InEntry& row() { return row_; }
    const DXLists::Model& dxList() const { return dxList_; }

    // Logs the contact in the entry fields or refuses it. A call while one runs is ignored.
    void Mains() override;
    // The DX country list: the clicked country into the state field, with the focus.
    void List1_Click();
    // After a change of band or mode: the state field's change handler again (the "New" marker
    // follows the band).
    void rerunStateField() override;

    // Entry::EntryHost, the in-state window's share.
    void DupCheck2(Entry::InEntry& row) override;
    void PartialDupeCheck(Entry::InEntry& row, int& KeyAscii) override;
    void HoldDupeFlag() override;
    void AddBandDX(int record) override;

protected:
    void Label25_Change() override;
    void reloadLists() override;

private:
    void showDXList();

    Entry::InEntry row_;
    DXLists::Model dxList_;
    bool inMains_ = false;
};
