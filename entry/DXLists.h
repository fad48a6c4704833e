#pragma once
// The DX countries the in-state window has worked: one list of every distinct country of the log
// (List1, shown with its count under "DX All - "), and per band the countries worked on that band
// (G.BandDXLists, for 160, 80, 40, 20, 15, 10 and 6 m only). The per-band lists decide the "New"
// marker beside the state field: a country not yet worked on the current band.
//
// A DX country is any state/province/country entry longer than two characters (two letters are
// a US state or a Canadian province); texts are compared ignoring case and kept as first logged.
// The lists are rebuilt from the log at every reload and grow with each logged contact; both
// paths test membership the same way, so they always agree.
#include <QString>
#include <QStringList>

namespace DXLists {

// Room in each band's list; a country beyond it is not stored (and stays "New" on that band).
constexpr int BandListCapacity = 1000;

// The index of a band's list in G.BandDXLists, -1 for a band without one.
int bandIndex(const QString& band);

// Whether a state/province/country entry is a DX country (longer than two characters).
bool isDX(const QString& spc);

// Whether the "New" marker shows for the state field's text on `band`: a DX country that is none
// of "Not Found", "Hawaii", "Alaska", "Canada" and "USA" and not in the band's list. On a band
// without a list every such country is new.
bool isNewOnBand(const QString& text, const QString& band);

// The per-band lists from records 1 to G.QSOCount.
void RebuildBandDXLists();

// Record `record`, just logged, into its band's list unless the list holds its country already.
void addToBand(int record);

// List1 and its header lblStation(5).
class Model {
public:
    QStringList entries;                     // sorted, ignoring case
    QString header = QStringLiteral("DX");   // design caption until the first fill

    // Every distinct DX country of records 1 to G.QSOCount.
    void FillDXList();
    // Record `record`, just logged: its country when it is a DX country not yet listed.
    void add(int record);
    // After a logged contact: both of the above (band list and List1).
    void AddBandDX(int record);

private:
    void setHeader();
};

}   // namespace DXLists
