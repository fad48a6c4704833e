#pragma once
// The US states and Canadian provinces and territories the in-state window counts as multipliers.
// The row number (1 to 63) is their identity everywhere: the row of the multiplier matrix, the
// worked-states grid label Label10(row) and the range of the state check at logging. The order
// groups the states by call area, as the grid shows them, with Canada last; the contest state
// ("IN", row 41) is in the table but never counts as a multiplier.
#include <QString>

#include <array>

namespace StateProvinces {

struct Row {
    const char* abbrev;
    const char* name;
};

constexpr int Count = 63;
// Slots 0 to 100 of G.StateProvinceTable / G.StateProvinceNames; only rows 1 to Count are filled.
constexpr int TableSize = 101;

// The 63 rows in order; rows()[0] is row 1.
const std::array<Row, Count>& rows();

// Fills G.StateProvinceTable and G.StateProvinceNames with TableSize entries each (row 0 and rows
// 64 to 100 empty, so index = row) and sets G.StateProvinceCount to 63. The in-state window's load
// calls it; an out-of-state run leaves the table empty.
void FillStateProvinceTable();

}   // namespace StateProvinces
