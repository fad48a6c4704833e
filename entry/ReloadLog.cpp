#include "entry/ReloadLog.h"

#include "core/Globals.h"
#include "core/Module2Log.h"

namespace LogReload {

Result Recount(Tallies::GridView view, const QDateTime& now)
{
    Tallies::Recount();
    Result r;
    r.loaded = true;
    r.figures = Tallies::figures();
    r.scoreTexts = Tallies::scoreTexts(r.figures);
    r.rates = Tallies::QSORates(now);
    r.workedGrid = Tallies::workedGrid(view, G.CurrentMode);
    return r;
}

Result ReloadLog(Tallies::GridView view)
{
    if (!Module2::LoadLog())
        return {};
    return Recount(view, Tallies::utcNow());
}

}   // namespace LogReload
