#include "mainwindow/MainVariants.h"

namespace MainVariants {

namespace {

using Align = Column::Align;

Variant makeOut()
{
    Variant v;
    v.which = MainWindows::Which::Out;
    v.className = QStringLiteral("Outfrm");
    v.contactColumns = {
        {QStringLiteral("Rec#"), 550},     {QStringLiteral("Call"), 1200}, {QStringLiteral("Rec"), 430},
        {QStringLiteral("County"), 1420},  {QStringLiteral("Snt"), 420},   {QStringLiteral("Date/Time"), 900},
        {QStringLiteral("Mo"), 430},       {QStringLiteral("Bnd"), 430},
    };
    v.roverColumn = false;
    v.startHint = QStringLiteral("Select a band and mode. Click Log \"Time On\" below!");
    v.dialogToolTip =
        QStringLiteral("It is not necessary to press Space or Tab to tab unless the Callsign includes a \"/\".");
    v.keyboardCWMessage = QStringLiteral("Keyboard CW mode is ON!  Press F12 to exit.");
    v.dupeWarning = QStringLiteral("Duplicate Unless Rover!  ");
    v.coAuthorGreeting = QStringLiteral("Tennal, Mirrane, helped write this software!  Please say hi!");
    v.stateFieldShown = false;
    v.stateFieldCaption = QStringLiteral("State/Prov/Cntr");
    v.countyCaptionFromPartyState = false;
    v.toGoList = QStringLiteral("List1");
    v.workedHeaderIndex = 5;
    v.toGoHeaderIndex = 7;
    v.workedHeaderPrefix = QStringLiteral("Counties Worked - ");
    v.toGoHeaderPrefix = QStringLiteral("Counties To Go - ");
    v.workedHeaderDesign = QStringLiteral("Counties Worked");
    v.toGoHeaderDesign = QStringLiteral("Counties To Go");
    v.dxCountryList = false;
    v.sideListCount = 2;
    v.stateGrid = false;
    v.changeCountyMenu = false;
    v.colorsMenuVisible = false;
    v.setupMenu = true;
    v.digitalModeCaption = QStringLiteral("&Digital");
    v.reportLengthsAtLoad = true;
    v.ownCallOnlyWhenSet = true;
    v.label25ShowsCounty = false;
    v.listPreviousTickEarly = false;
    v.modeCommandsRerunStateField = false;
    v.roverRepeatLogging = false;
    v.releasesRoverWindow = false;
    v.operatingTimeTitle = QStringLiteral("Operating Time");
    v.scoreCaptions = {QStringLiteral("Total PH Contacts ........"), QStringLiteral("Total CW Contacts ......"),
                       QStringLiteral("Total Multipliers ..........."), QStringLiteral("Tot Score ....................")};
    return v;
}

Variant makeIn()
{
    Variant v;
    v.which = MainWindows::Which::In;
    v.className = QStringLiteral("Infrm");
    v.contactColumns = {
        {QStringLiteral("Rec#"), 530},   {QStringLiteral("Call"), 850}, {QStringLiteral("Rec"), 430},
        {QStringLiteral("SPC"), 910},    {QStringLiteral("County"), 1050}, {QStringLiteral("Snt"), 420},
        {QStringLiteral("Date/Time"), 890}, {QStringLiteral("Mo"), 430}, {QStringLiteral("Bnd"), 430},
    };
    v.roverColumn = true;
    v.roverCountyColumn = {QStringLiteral("County Sent"), 1050};
    v.startHint = QStringLiteral("Select a band, mode and Click Log \"Time On\"!");
    v.keyboardCWMessage = QStringLiteral("Press F12 to exit keyboard CW mode.");
    v.dupeWarning = QStringLiteral("Dupe if not rover!  ");
    v.coAuthorGreeting = QStringLiteral("Tennal, Mirrane, helped write this software!");
    v.stateFieldShown = true;
    v.stateFieldCaption = QStringLiteral("St / Prv / Country");
    v.countyCaptionFromPartyState = true;
    v.toGoList = QStringLiteral("List3");
    v.workedHeaderIndex = 8;
    v.toGoHeaderIndex = 7;
    v.workedHeaderPrefix = QStringLiteral("Cnty Wkd - ");
    v.toGoHeaderPrefix = QStringLiteral("Cnty Rem - ");
    v.workedHeaderDesign = QStringLiteral("Cnty Wkd - 0");
    v.toGoHeaderDesign = QStringLiteral("Cnty Rem - 0");
    v.dxCountryList = true;
    v.dxHeaderDesign = QStringLiteral("DX All - 0");
    v.sideListCount = 3;
    v.stateGrid = true;
    v.changeCountyMenu = true;
    v.colorsMenuVisible = true;
    v.setupMenu = false;
    v.digitalModeCaption = QStringLiteral("&DG");
    v.reportLengthsAtLoad = false;
    v.ownCallOnlyWhenSet = false;
    v.label25ShowsCounty = true;
    v.listPreviousTickEarly = true;
    v.modeCommandsRerunStateField = true;
    v.roverRepeatLogging = true;
    v.releasesRoverWindow = true;
    v.operatingTimeTitle = QStringLiteral(" Oper Time");
    v.scoreCaptions = {QStringLiteral("Total PH Contacts ......."), QStringLiteral("Total CW Contacts ....."),
                       QStringLiteral("Total Multipliers .........."), QStringLiteral("Total Score ................")};
    return v;
}

} // namespace

const Variant& variant(MainWindows::Which which)
{
    static const Variant out = makeOut();
    static const Variant in = makeIn();
    return which == MainWindows::Which::Out ? out : in;
}

const QVector<Column>& spotColumns()
{
    static const QVector<Column> cols = {
        {QStringLiteral("Call"), 1040},
        {QStringLiteral("Frequency"), 880, Align::Right},
        {QStringLiteral("QTH"), 2000},
        {QStringLiteral("Status"), 0, Align::Center},
        {QStringLiteral("Comments"), 3400},
        {QStringLiteral("Prefix"), 520},
        {QStringLiteral("Time"), 600},
        {QStringLiteral("From"), 520},
    };
    return cols;
}

QString designCaption() { return QStringLiteral("Quolt's Lorvane Contest Log 2.1"); }

} // namespace MainVariants
