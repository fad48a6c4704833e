#pragma once
// The log, export and tool commands of a main window's menu bar: New, Open, Archive, Restore,
// Write Submission File, the exports for Dovrel and ADIF, Colors, Change County, Map, Graph,
// List and Help. The window creates the menu items; the panel connects them to the handlers of
// the same names and runs what each command does, then refreshes what it changed through the
// window's Host.
//
// The tool windows of later parts of the program (rate graph, county map, county list, county
// change, multiplier colours, help page) are reached through LogMenus::Tools; without an
// installed Tools their commands do only their own steps (the map still switches the county
// filter, Colors and Change County still save the options and refresh).
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class MainLogWindow;
class QAction;
class QWidget;

namespace LogMenus {

// The modal tool windows the menus open. Each shows its window modally and unloads it when it
// closes; the menu command then applies its effect.
class Tools {
public:
    virtual ~Tools() = default;
    virtual void showRateGraph() = 0;      // GraphQSO
    virtual void showCountyMap() = 0;      // CountyMapIN
    virtual void showCountyList() = 0;     // frmCountyList
    virtual void showCountyChange() = 0;   // frmCountyChange: sets G.CurrentCounty
    virtual void showColors() = 0;         // Form6: sets G.WorkedColor and G.UnworkedColor
    virtual void showHelp() = 0;           // Form5
};

// The tools in use; nullptr until installed. The caller keeps ownership.
Tools* tools();
void setTools(Tools* t);

// What the commands ask of their window.
struct Host {
    std::function<void()> ReloadLog;
    std::function<void()> ShowOperatingTime;
    std::function<void()> ShowQSORates;
    std::function<QString()> filterCaption;               // Command1's caption
    std::function<void()> Command1_Click;                 // the county lists' filter button
    std::function<void(const QString&)> setCountyLabel;   // Label25 (in-state window)
};

}   // namespace LogMenus

class LogMenusPanel : public QObject {
    Q_OBJECT
public:
    // `findAction` gives the window's menu item of an objectName (nullptr when the window has
    // none, as Outfrm has no Change County). `window` is the main window whose cdbFile the
    // commands use; `windowWidget` parents the summary form.
    LogMenusPanel(MainLogWindow& window, QWidget* windowWidget,
                  const std::function<QAction*(const QString&)>& findAction, LogMenus::Host host,
                  QObject* parent = nullptr);

    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuArchive_Click();
    void mnuRestore_Click();
    void mnuWriteSumm_Click();
    void mnuDovrelImport_Click();
    void mnuexportADIF_Click();
    void mnuColors_Click();
    void mnuChangeCounty_Click();
    void mnuMap_Click();
    void mnuGraph_Click();
    void mnuCountyList_Click();
    void mnuHelp_Click();

private:
    MainLogWindow& window_;
    QPointer<QWidget> windowWidget_;
    LogMenus::Host host_;
};
