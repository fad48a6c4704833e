#pragma once
// Everything that differs between the two main windows, in one table: Outfrm (a station outside
// the contest state) and Infrm (a station inside it, fixed or rover). The frame reads these
// values; no other code tests which window it is for these differences.
#include <QString>
#include <QStringList>
#include <QVector>

#include "mainwindow/MainWindows.h"

namespace MainVariants {

// One list-view column: header text and base width in twips (before the window's own scaling).
struct Column {
    enum class Align { Left, Right, Center };
    QString header;
    double twips = 0;
    Align align = Align::Left;
};

struct Variant {
    MainWindows::Which which = MainWindows::Which::Out;
    QString className;   // "Outfrm" / "Infrm"

    // Contact list ListView1: the columns every station gets, and the in-state rover's extra one.
    QVector<Column> contactColumns;
    bool roverColumn = false;   // a tenth column "County Sent" when RoverFlag is 1
    Column roverCountyColumn;

    // Status label lblDialog.
    QString startHint;           // shown by the load
    QString dialogToolTip;       // empty: none
    QString keyboardCWMessage;   // F12 switches keyboard CW mode on
    QString dupeWarning;         // on leaving the call field with a duplicate
    QString coAuthorGreeting;    // the call "Tennal" left in the call field

    // Exchange: the state, province or country field txtCntry and its caption lblStation(1).
    bool stateFieldShown = false;
    QString stateFieldCaption;
    // Continent, bearing and distance labels (Label17-Label20, Label22, Label23) and the
    // "New" marker Label3 are shown only where the state field is.

    // The county field caption lblStation(4) and its tooltips come from PartyState (In) or
    // keep the design text "County" (Out).
    bool countyCaptionFromPartyState = false;

    // Side lists. Worked counties are always List2; the to-go list and the headers differ.
    QString toGoList;            // "List1" (Out) / "List3" (In)
    int workedHeaderIndex = 5;   // lblStation index of the worked list's header
    int toGoHeaderIndex = 7;
    QString workedHeaderPrefix;   // followed by the count
    QString toGoHeaderPrefix;
    QString workedHeaderDesign;   // caption before the first fill
    QString toGoHeaderDesign;
    bool dxCountryList = false;   // In: List1 holds the DX countries worked
    QString dxHeaderDesign;       // its header lblStation(5) before the first fill
    int sideListCount = 2;        // lists that reach down to the divider line Line3

    // The worked-states grid Label10(1..63) and the StateProvinceTable behind it.
    bool stateGrid = false;

    // Menus.
    bool changeCountyMenu = false;    // "Cha&nge County", enabled only for rovers
    bool colorsMenuVisible = false;   // "&Colors" under Options > Appearance
    bool setupMenu = false;           // a hidden top-level "&Setup"
    QString digitalModeCaption;       // the hidden digital mode item

    // Load.
    bool reportLengthsAtLoad = false;     // txtRSTR/txtRSTS lengths set from CurrentMode at load
    bool ownCallOnlyWhenSet = false;      // Label2 keeps "CALL" when OwnCall is empty
    bool label25ShowsCounty = false;      // Label25: CurrentCounty (In) or own state/country (Out)
    bool listPreviousTickEarly = false;   // In ticks mnuListPrevious at step 9, Out at step 16

    // Behaviour of later handlers that depends on the window.
    bool modeCommandsRerunStateField = false;
    bool roverRepeatLogging = false;
    bool releasesRoverWindow = false;

    // Title of the operating-time label lblttrack.
    QString operatingTimeTitle;

    // Captions beside the score labels lblTotCon, lblsectogo, lblTotSec and lblTotScore.
    QStringList scoreCaptions;
};

// The table row of a window.
const Variant& variant(MainWindows::Which which);

// The eight columns of the spot list txtDX (the same in both windows).
const QVector<Column>& spotColumns();

// The design caption of both windows.
QString designCaption();

}   // namespace MainVariants
