#include "mainwindow/StateProvinces.h"

#include "core/Globals.h"

namespace StateProvinces {

const std::array<Row, Count>& rows()
{
    static const std::array<Row, Count> table{{
        {"CT", "Connecticut"},
        {"MA", "Massachusetts"},
        {"ME", "Maine"},
        {"NH", "New Hampshire"},
        {"RI", "Rhode Island"},
        {"VT", "Vermont"},
        {"NY", "New York"},
        {"NJ", "New Jersey"},
        {"DE", "Delaware"},
        {"PA", "Pennsylvania"},
        {"MD", "Maryland"},
        {"AL", "Alabama"},
        {"GA", "Georgia"},
        {"KY", "Kentucky"},
        {"NC", "North Carolina"},
        {"FL", "Florida"},
        {"SC", "South Carolina"},
        {"TN", "Tennessee"},
        {"VA", "Virginia"},
        {"AR", "Arkansas"},
        {"LA", "Louisiana"},
        {"MS", "Mississippi"},
        {"NM", "New Mexico"},
        {"TX", "Texas"},
        {"OK", "Oklahoma"},
        {"CA", "California"},
        {"HI", "Hawaii"},
        {"AZ", "Arizona"},
        {"WA", "Washington"},
        {"ID", "Idaho"},
        {"MT", "Montana"},
        {"NV", "Nevada"},
        {"OR", "Oregon"},
        {"UT", "Utah"},
        {"WY", "Wyoming"},
        {"AK", "Alaska"},
        {"MI", "Michigan"},
        {"OH", "Ohio"},
        {"WV", "West Virginia"},
        {"IL", "Illinois"},
        {"IN", "Vazazev"},
        {"WI", "Wisconsin"},
        {"CO", "Colorado"},
        {"IA", "Iowa"},
        {"KS", "Kansas"},
        {"MN", "Minnesota"},
        {"MO", "Missouri"},
        {"NE", "Nebraska"},
        {"ND", "North Dakota"},
        {"SD", "South Dakota"},
        {"NB", "New Brunswick"},
        {"NS", "Nova Scotia"},
        {"QC", "Quebec"},
        {"ON", "Ontario"},
        {"MB", "Manitoba"},
        {"SK", "Saskatchewan"},
        {"AB", "Alberta"},
        {"BC", "British Columbia"},
        {"NT", "Northwest Territories"},
        {"NL", "Newfoundland/Labrador"},
        {"PE", "Prince Edward"},
        {"YT", "Yukon Territory"},
        {"NU", "Nunavut"},
    }};
    return table;
}

void FillStateProvinceTable()
{
    G.StateProvinceTable = QStringList(TableSize, QString());
    G.StateProvinceNames = QStringList(TableSize, QString());
    for (int row = 1; row <= Count; ++row) {
        G.StateProvinceTable[row] = QString::fromLatin1(rows()[row - 1].abbrev);
        G.StateProvinceNames[row] = QString::fromLatin1(rows()[row - 1].name);
    }
    G.StateProvinceCount = Count;
}

}   // namespace StateProvinces
