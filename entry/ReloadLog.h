#pragma once
// The log reload of both main windows: every change that can alter what is counted or shown
// (the window's first display, band, mode, list filter, colours, an edit, a deletion, a restore,
// a new log, Open) reads log.txt back whole and recomputes the tallies here. The window then
// shows the result in one place (score labels, rate labels, worked-states grid) and rebuilds
// its lists from G.ContactArrays.
#include "entry/Tallies.h"

#include <QVector>

#include <optional>

namespace LogReload {

struct Result {
    // False when log.txt could not be read: Module2::LoadLog has reported it and ended the
    // program; the window shows nothing further.
    bool loaded = false;
    Tallies::Figures figures;
    Tallies::ScoreTexts scoreTexts;   // lblTotCon, lblsectogo, lblTotSec, lblTotScore
    // lblAQSO60 / lblAQSO20; no value when a record's date or time cannot be read (the rate
    // labels then keep what they show).
    std::optional<Tallies::Rates> rates;
    // In-state window: the grid labels Label10(row) to show in WorkedColor (index = row, 1 to
    // G.StateProvinceCount); every other label shows UnworkedColor. Empty rows only in an
    // out-of-state run, whose state table is empty.
    QVector<bool> workedGrid;
};

// Module2::LoadLog, then Recount; `view` is the in-state window's view button (Command1),
// the rates use the contest clock now.
Result ReloadLog(Tallies::GridView view = Tallies::GridView::AllModes);

// Recounts the log already in memory (G.ContactArrays, records 1 to G.QSOCount) and returns
// the figures to show; `now` is the contest clock for the rates.
Result Recount(Tallies::GridView view, const QDateTime& now);

}   // namespace LogReload
