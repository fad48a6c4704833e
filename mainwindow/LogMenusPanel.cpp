#include "mainwindow/LogMenusPanel.h"

#include <QAction>

#include "core/Globals.h"
#include "core/MainLogWindow.h"
#include "core/Module2Export.h"
#include "core/Module2Log.h"
#include "core/Module2Prefs.h"
#include "mainwindow/ArchiveRestore.h"
#include "platform/Prompts.h"
#include "reports/DECabrilloIn.h"

namespace LogMenus {

namespace {
Tools* installedTools = nullptr;
}

Tools* tools() { return installedTools; }
void setTools(Tools* t) { installedTools = t; }

}   // namespace LogMenus

LogMenusPanel::LogMenusPanel(MainLogWindow& window, QWidget* windowWidget,
                             const std::function<QAction*(const QString&)>& findAction, LogMenus::Host host,
                             QObject* parent)
    : QObject(parent), window_(window), windowWidget_(windowWidget), host_(std::move(host))
{
    const std::pair<const char*, void (LogMenusPanel::*)()> items[] = {
        {"mnuNew", &LogMenusPanel::mnuNew_Click},
        {"mnuOpen", &LogMenusPanel::mnuOpen_Click},
        {"mnuArchive", &LogMenusPanel::mnuArchive_Click},
        {"mnuRestore", &LogMenusPanel::mnuRestore_Click},
        {"mnuWriteSumm", &LogMenusPanel::mnuWriteSumm_Click},
        {"mnuDovrelImport", &LogMenusPanel::mnuDovrelImport_Click},
        {"mnuexportADIF", &LogMenusPanel::mnuexportADIF_Click},
        {"mnuColors", &LogMenusPanel::mnuColors_Click},
        {"mnuChangeCounty", &LogMenusPanel::mnuChangeCounty_Click},
        {"mnuMap", &LogMenusPanel::mnuMap_Click},
        {"mnuGraph", &LogMenusPanel::mnuGraph_Click},
        {"mnuCountyList", &LogMenusPanel::mnuCountyList_Click},
        {"mnuHelp", &LogMenusPanel::mnuHelp_Click},
    };
    for (const auto& [name, handler] : items)
        if (QAction* a = findAction(QLatin1String(name)))
            connect(a, &QAction::triggered, this, [this, handler = handler] { (this->*handler)(); });
}

void LogMenusPanel::mnuNew_Click()
{
    QString error;
    if (!Module2::NewLog(&error))
        Platform::prompts().messageBox(Module2::LogWriteFailureText(error), QStringLiteral("File Error"),
                                       Platform::Buttons::Ok);
    // Whatever the answer, the window shows the log and the options are saved.
    host_.ReloadLog();
    host_.ShowOperatingTime();
    host_.ShowQSORates();
    Module2::WriteQSOpref();
}

void LogMenusPanel::mnuOpen_Click() { host_.ReloadLog(); }

void LogMenusPanel::mnuArchive_Click() { ArchiveRestore::mnuArchive_Click(window_.cdbFile); }

void LogMenusPanel::mnuRestore_Click()
{
    if (ArchiveRestore::mnuRestore_Click(window_.cdbFile))
        host_.ReloadLog();
}

void LogMenusPanel::mnuWriteSumm_Click()
{
    DECabrilloIn form(&window_, windowWidget_);
    form.exec();
}

void LogMenusPanel::mnuDovrelImport_Click()
{
    QString error;
    if (!Module2::ExportForDovrel(&error)) {
        auto& p = Platform::prompts();
        p.beep();
        p.messageBox(error, QStringLiteral("Unable to write file."), Platform::Buttons::Ok);
    }
}

void LogMenusPanel::mnuexportADIF_Click() { Module2::ExportADIF(window_.cdbFile); }

void LogMenusPanel::mnuColors_Click()
{
    if (LogMenus::Tools* t = LogMenus::tools())
        t->showColors();
    Module2::WriteQSOpref();
    host_.ReloadLog();
}

void LogMenusPanel::mnuChangeCounty_Click()
{
    if (LogMenus::Tools* t = LogMenus::tools())
        t->showCountyChange();
    Module2::WriteQSOpref();
    host_.setCountyLabel(G.CurrentCounty);
}

void LogMenusPanel::mnuMap_Click()
{
    // The map colours the counties of the worked list, so that list shows every mode first.
    if (host_.filterCaption().compare(QLatin1String("Crnt Mode"), Qt::CaseInsensitive) == 0)
        host_.Command1_Click();
    if (LogMenus::Tools* t = LogMenus::tools())
        t->showCountyMap();
}

void LogMenusPanel::mnuGraph_Click()
{
    if (LogMenus::Tools* t = LogMenus::tools())
        t->showRateGraph();
}

void LogMenusPanel::mnuCountyList_Click()
{
    if (LogMenus::Tools* t = LogMenus::tools())
        t->showCountyList();
}

void LogMenusPanel::mnuHelp_Click()
{
    if (LogMenus::Tools* t = LogMenus::tools())
        t->showHelp();
}
