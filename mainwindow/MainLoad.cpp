#include "mainwindow/MainLoad.h"

#include "core/Globals.h"
#include "platform/Prompts.h"

namespace MainLoad {

void normaliseOptions()
{
    if (G.FormSizePercent < 30)
        G.FormSizePercent = 100;
    if (G.RigType.isEmpty())
        G.RigType = QStringLiteral("None");
}

ModeItem modeItem(const QString& mode)
{
    if (mode.compare(QLatin1String("PH"), Qt::CaseInsensitive) == 0)
        return ModeItem::PH;
    if (mode.compare(QLatin1String("DG"), Qt::CaseInsensitive) == 0)
        return ModeItem::DG;
    return ModeItem::CW;
}

const QStringList& bandNames()
{
    static const QStringList names = {QStringLiteral("160"), QStringLiteral("80"), QStringLiteral("40"),
                                      QStringLiteral("20"),  QStringLiteral("15"), QStringLiteral("10"),
                                      QStringLiteral("6"),   QStringLiteral("2")};
    return names;
}

int bandIndex(const QString& band)
{
    const QStringList& names = bandNames();
    for (int i = 0; i < names.size(); ++i)
        if (band.compare(names[i], Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString bandLabel(const QString& band)
{
    const int i = bandIndex(band);
    return i < 0 ? QStringLiteral("160") : bandNames()[i];
}

int reportMaxLength(const QString& mode) { return modeItem(mode) == ModeItem::PH ? 2 : 3; }

bool ownCallShown(const MainVariants::Variant& v, const QString& ownCall)
{
    return !(v.ownCallOnlyWhenSet && ownCall.isEmpty());
}

QString label25Text(const MainVariants::Variant& v)
{
    if (v.label25ShowsCounty)
        return G.CurrentCounty;
    return G.OwnStateProvince.isEmpty() ? G.OwnCountry : G.OwnStateProvince;
}

QString countyCaption(const QString& partyState) { return partyState + QStringLiteral(" County"); }

QString countyToolTip(const QString& partyState)
{
    return QStringLiteral("Enter ") + partyState +
           QStringLiteral(" in the St / Prv / Country field to enable the County field");
}

double columnWidth(double baseTwips, double windowWidthTwips) { return baseTwips * windowWidthTwips / 9600.0; }

bool rigStartWanted(const QString& rigType) { return rigType.compare(QLatin1String("None"), Qt::CaseInsensitive) != 0; }

QString openLogTitle() { return QStringLiteral("Open existing log?"); }

QString openLogPrompt()
{
    return QStringLiteral("Do you want to continue an existing contest? (Yes opens your existing log, No erases "
                          "any existing log and starts a new log.)");
}

QStringList runSteps(const QVector<Step>& steps)
{
    QStringList failed;
    for (const Step& step : steps) {
        if (step.run())
            continue;
        failed << step.name;
        const QString text = step.failure ? step.failure() : QString();
        if (!text.isEmpty())
            Platform::prompts().messageBox(text, QStringLiteral("Error opening file"), Platform::Buttons::Ok,
                                           Platform::Icon::Warning);
    }
    return failed;
}

QString countyListFailureText()
{
    return QStringLiteral("No county of the contest state was read from county2.txt in the program folder "
                          "(the file is missing, cannot be read or holds no county of the state). "
                          "The county lists stay empty; the log is loaded as usual.");
}

}   // namespace MainLoad
