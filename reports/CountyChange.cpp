#include "reports/CountyChange.h"

#include "core/Globals.h"
#include "core/Module2County.h"
#include "entry/LogStore.h"

namespace CountyChange {

Key keyPress(Entry::TextBox& box, int keyAscii)
{
    if (keyAscii == Entry::KeyEnter)
        return Key::Enter;
    if (keyAscii <= 0 || keyAscii == Entry::KeyQuote)
        return Key::Typed;
    if (box.selStart == 0)
        box.setText(QString());
    if (Entry::countyCapitalises(box.text, box.selStart))
        keyAscii = Module2::UpperCaseKey(keyAscii);
    if (const auto c = Entry::countyTypeAhead(box.text, box.selStart, keyAscii, G.CountyNames)) {
        box.text = c->text;
        box.selStart = c->selStart;
        box.selLength = c->selLength;
        return Key::Typed;
    }
    box.type(keyAscii);
    return Key::Typed;
}

bool isCounty(const QString& text) { return Logging::isCountyName(text); }

int RoverList::add(const QString& county)
{
    int at = 0;
    while (at < entries_.size() && QString::compare(entries_[at], county, Qt::CaseInsensitive) <= 0)
        ++at;
    entries_.insert(at, county);
    return at;
}

void RoverList::removeAt(int index)
{
    if (index >= 0 && index < entries_.size())
        entries_.removeAt(index);
}

}   // namespace CountyChange
