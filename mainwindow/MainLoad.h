#pragma once
// What the main window's load decides, without widgets: the options a first run leaves unusable,
// the ticks and labels restored from the saved options, the texts of the start question, and the
// runner of the load's steps.
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

#include "mainwindow/MainVariants.h"

namespace MainLoad {

// A first run (no QSOpref.txt) leaves FormSizePercent 0 and RigType empty: the window is then
// sized as at 100 % and no rig is started, as if the operator had chosen those values.
// Sets G.FormSizePercent to 100 when it is below 30 and G.RigType to "None" when it is empty.
void normaliseOptions();

// Mode menu: the item ticked for a saved mode ("PH" and "DG", letter case ignored; anything
// else, an empty text included, leaves CW ticked).
enum class ModeItem { CW, PH, DG };
ModeItem modeItem(const QString& mode);

// The band items in menu order: "160", "80", "40", "20", "15", "10", "6", "2".
const QStringList& bandNames();
// The index in bandNames() of a saved band (letter case ignored), -1 for any other text.
int bandIndex(const QString& band);
// The band label's text for a saved band: the matched name, else the design text "160".
QString bandLabel(const QString& band);

// Maximum length of the report fields for a mode: 2 for phone, 3 otherwise.
int reportMaxLength(const QString& mode);

// Label2 (own call): no value means the label keeps its design caption "CALL".
bool ownCallShown(const MainVariants::Variant& v, const QString& ownCall);
// Label25: the own county (In) or the own state or province, else the own country (Out).
QString label25Text(const MainVariants::Variant& v);
// The county field's caption and tooltip in the in-state window, from PartyState.
QString countyCaption(const QString& partyState);
QString countyToolTip(const QString& partyState);

// A list-view column's width for a window of the given width (twips): base × width / 9600.
double columnWidth(double baseTwips, double windowWidthTwips);

// True when the load starts the rig: RigType is not "None" (letter case ignored).
bool rigStartWanted(const QString& rigType);

// The start question.
QString openLogTitle();
QString openLogPrompt();

// One step of the load. `run` returns false when the step failed; `failure` then gives the
// message box text (empty for a step that has reported its failure itself).
struct Step {
    QString name;
    std::function<bool()> run;
    std::function<QString()> failure;
};

// Runs every step in order. A failed step is reported (a message box with its failure text,
// titled "Error opening file") and the later steps still run, so one missing file never leaves
// the log unread or the rig unstarted. Returns the names of the failed steps.
QStringList runSteps(const QVector<Step>& steps);

// The message of a county table that could not be read.
QString countyListFailureText();

}   // namespace MainLoad
