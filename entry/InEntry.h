#pragma once
// The in-state window's entry row (Infrm): call, report received, state/province/country, county
// and report sent, in that tab order. Besides what both windows' rows do (entry/EntryKeys.h):
// - the call's prefix names the country while it is typed (CountryLookup): the state field, the
//   continent and the bearing and miles from the own station;
// - a letter in the report received, and one in the report sent, is carried into the state field;
// - the state field upper-cases abbreviations, lower-cases the second letter when a third follows
//   (a country name), completes country names from the country table (last row first), and takes
//   a Space at its start, or one no country continues with, as a move to the county;
// - the county is wanted only for the contest state: entering it for any other state moves on to
//   the report sent, and its caption is greyed;
// - leaving the call fills the province of a Canadian call into an empty state field;
// - the state field's text shows the "New" marker for a DX country not yet worked on the band.
// The duplicate checks of the call field are the window's (EntryHost::DupCheck2,
// PartialDupeCheck, HoldDupeFlag).
#include "entry/EntryKeys.h"

namespace Entry {

class InEntry : public EntryRow {
public:
    explicit InEntry(EntryHost* host = nullptr);

    // --- The handlers of this row (by their control and event names) ---
    void txtCall_KeyPress(int& KeyAscii) override;
    void txtCall_Change() override;
    void txtCall_LostFocus() override;
    void txtCntry_KeyPress(int& KeyAscii);
    // Also run by the window after a change of band or mode (the "New" marker follows the band).
    void txtCntry_Change();
    void txtCntry_GotFocus();
    void txtSec_GotFocus() override;
    void txtRSTS_KeyPress(int& KeyAscii) override;

    // The country of the call field (run by its change handler): writes G.LookupCall, the state
    // field and its selection, the continent, bearing and miles.
    void CountryLookup();
    // The bearing and miles from the own station to a position (degrees, longitude west).
    void ShowBearingDistance(float latitude, float longitude);

protected:
    bool handleKey(Field f, int& KeyAscii) override;
    void changed(Field f) override;
    void entered(Field f) override;
    bool pasteKey(Field f, int key) override;

private:
    // The state field's rules for a character that stays in it: a key at the start empties it
    // first, capitals for the first two characters, a third one lower-cases the second, then
    // the country type-ahead (which writes the continent, bearing and miles). True when the key
    // is a Space no country continues with, which moves on to the county (KeyAscii then 0).
    bool stateCharacter(int& KeyAscii);
};

}   // namespace Entry
