#include "keying/CntyAbbCW.h"

#include "core/Globals.h"

namespace CntyAbbCW {

QString GetCntyAbbCW(const QString& county)
{
    if (county.isEmpty())
        return county;
    for (int i = 0; i < G.CountyNames.size(); ++i) {
        if (G.CountyNames[i].compare(county, Qt::CaseInsensitive) != 0)
            continue;
        const QString abbreviation = i < G.CountyAbbreviations.size() ? G.CountyAbbreviations[i] : QString();
        if (!abbreviation.isEmpty() && county.size() > abbreviation.size())
            return abbreviation;
        return county;
    }
    return county;
}

}   // namespace CntyAbbCW
