#include "mainwindow/MainVariants.h"

namespace MainVariants {

namespace {

using Align = Column::Align;

// Each field names the out-of-state window's value first and the in-state window's second.
Variant make(MainWindows::Which which)
{
    const bool out = which == MainWindows::Which::Out;
    auto pick = [out](auto outValue, auto inValue) { return out ? outValue : inValue; };
    auto text = [out](const char* outText, const char* inText) { return QString::fromLatin1(out ? outText : inText); };

    Variant v;
    v.which = which;
    v.className = text("Outfrm", "Infrm");
    v.contactColumns = out ? QVector<Column>{
        {QStringLiteral("Rec#"), 550},     {QStringLiteral("Call"), 1200}, {QStringLiteral("Rec"), 430},
        {QStringLiteral("County"), 1420},  {QStringLiteral("Snt"), 420},   {QStringLiteral("Date/Time"), 900},
        {QStringLiteral("Mo"), 430},       {QStringLiteral("Bnd"), 430},
    } : QVector<Column>{
        {QStringLiteral("Rec#"), 530},   {QStringLiteral("Call"), 850}, {QStringLiteral("Rec"), 430},
        {QStringLiteral("SPC"), 910},    {QStringLiteral("County"), 1050}, {QStringLiteral("Snt"), 420},
        {QStringLiteral("Date/Time"), 890}, {QStringLiteral("Mo"), 430}, {QStringLiteral("Bnd"), 430},
    };
    v.roverColumn = !out;
    if (!out)
        v.roverCountyColumn = {QStringLiteral("County Sent"), 1050};
    v.startHint =
        text("Select a band and mode. Click Log \"Time On\" below!", "Select a band, mode and Click Log \"Time On\"!");
    v.dialogToolTip =
        text("It is not necessary to press Space or Tab to tab unless the Callsign includes a \"/\".", "");
    v.keyboardCWMessage = text("Keyboard CW mode is ON!  Press F12 to exit.", "Press F12 to exit keyboard CW mode.");
    v.dupeWarning = text("Duplicate Unless Rover!  ", "Dupe if not rover!  ");
    v.coAuthorGreeting = text("Tennal, Mirrane, helped write this software!  Please say hi!",
                              "Tennal, Mirrane, helped write this software!");
    v.stateFieldShown = !out;
    v.stateFieldCaption = text("State/Prov/Cntr", "St / Prv / Country");
    v.countyCaptionFromPartyState = !out;
    v.toGoList = text("List1", "List3");
    v.workedHeaderIndex = pick(5, 8);
    v.toGoHeaderIndex = 7;
    v.workedHeaderPrefix = text("Counties Worked - ", "Cnty Wkd - ");
    v.toGoHeaderPrefix = text("Counties To Go - ", "Cnty Rem - ");
    v.workedHeaderDesign = text("Counties Worked", "Cnty Wkd - 0");
    v.toGoHeaderDesign = text("Counties To Go", "Cnty Rem - 0");
    v.dxCountryList = !out;
    v.dxHeaderDesign = text("", "DX All - 0");
    v.sideListCount = pick(2, 3);
    v.stateGrid = !out;
    v.changeCountyMenu = !out;
    v.colorsMenuVisible = !out;
    v.setupMenu = out;
    v.digitalModeCaption = text("&Digital", "&DG");
    v.reportLengthsAtLoad = out;
    v.ownCallOnlyWhenSet = out;
    v.label25ShowsCounty = !out;
    v.listPreviousTickEarly = !out;
    v.modeCommandsRerunStateField = !out;
    v.roverRepeatLogging = !out;
    v.releasesRoverWindow = !out;
    v.operatingTimeTitle = text("Operating Time", " Oper Time");
    v.scoreCaptions =
        out ? QStringList{QStringLiteral("Total PH Contacts ........"), QStringLiteral("Total CW Contacts ......"),
                          QStringLiteral("Total Multipliers ..........."),
                          QStringLiteral("Tot Score ....................")}
            : QStringList{QStringLiteral("Total PH Contacts ......."), QStringLiteral("Total CW Contacts ....."),
                          QStringLiteral("Total Multipliers .........."),
                          QStringLiteral("Total Score ................")};
    return v;
}

}   // namespace

const Variant& variant(MainWindows::Which which)
{
    static const Variant out = make(MainWindows::Which::Out);
    static const Variant in = make(MainWindows::Which::In);
    return which == MainWindows::Which::Out ? out : in;
}

const QVector<Column>& spotColumns()
{
    static const QVector<Column> cols = {
        {QStringLiteral("Call"), 1040},     {QStringLiteral("Frequency"), 880, Align::Right},
        {QStringLiteral("QTH"), 2000},      {QStringLiteral("Status"), 0, Align::Center},
        {QStringLiteral("Comments"), 3400}, {QStringLiteral("Prefix"), 520},
        {QStringLiteral("Time"), 600},      {QStringLiteral("From"), 520},
    };
    return cols;
}

QString designCaption() { return QStringLiteral("Quolt's Lorvane Contest Log 2.1"); }

}   // namespace MainVariants
