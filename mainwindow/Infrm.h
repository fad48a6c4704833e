#pragma once
// The main window of a station inside the contest state, fixed or rover: it works stations
// anywhere and counts states, provinces and counties. Beside the shared frame it has its entry
// row, whose Enter logs the contact (InLogging::Mains, with the rover's repeat for further
// counties), the worked-states grid's click and hover, and the own county label (kept as the CW
// county wildcard), which the county change ("Cha&nge County", in the log menus) sets.
#include <memory>

#include "entry/InRow.h"
#include "entry/LogStore.h"
#include "mainwindow/MainFrame.h"

class InRowView;
class StateGridPanel;

class Infrm : public MainFrame {
    Q_OBJECT
public:
    explicit Infrm(QWidget* parent = nullptr);
    ~Infrm() override;

    Entry::InRow& inRow() { return row_; }
    // Runs `f` on the entry row as one event of the window (the widgets show the row afterwards).
    void withInRow(const std::function<void()>& f);

    // Logs the contact in the entry fields or refuses it. A call while one runs (the CW keyer's
    // "!" from a message box shown by logging) is ignored.
    void Mains() override;
    const Logging::MainsResult& lastMains() const { return lastMains_; }

    // The worked-states grid: a click puts the label's abbreviation into the state field (the
    // focus stays where it is); the mouse over a label shows its name and total in lblDupe.
    void Label10_Click(int Index);
    void Label10_MouseMove(int Index);

    // Entry::EntryHost, the in-state members.
    void cmdLogOn_Click() override;
    QStringList roverCounties() override;
    void showOwnCounty(const QString& county) override;
    void stateWorked(int row) override;
    void repaintWindow() override;

protected:
    void Label25_Change() override;

private:
    Entry::InRow row_;
    std::unique_ptr<InRowView> view_;
    std::unique_ptr<StateGridPanel> grid_;
    Logging::MainsResult lastMains_;
    bool inMains_ = false;
};
