#pragma once
// Great-circle bearing and distance from the operator's station to another one, shown beside the
// entry fields of both main windows (Label22 the bearing in degrees, Label23 statute miles).
// Positions are degrees in single precision, latitude positive north and longitude positive west;
// the arithmetic after them is in double precision.
#include <QString>

#include <optional>

namespace Bearing {

struct Result {
    double bearing = 0;   // degrees clockwise from north, 0 to 360
    double miles = 0;     // statute miles
};

// Every finite position gives a value: cosines that rounding pushes outside -1..1 (a point due
// north or south, the own position, the antipode) are clamped, and where the direction is
// undefined (the own position, the antipode) the bearing is north (360). No value only for
// positions that are not numbers.
std::optional<Result> compute(float ownLatitude, float ownLongitude, float latitude, float longitude);

struct Captions {
    QString Label22;   // the bearing rounded to whole degrees and a blank; empty on failure
    QString Label23;   // the miles as a whole number, thousands grouped, and a blank
};
// ShowBearingDistance: the captions from the own position of the station profile
// (G.OwnLatitude, G.OwnLongitude) to the given one. A value that rounds to 0 shows only the blank.
Captions ShowBearingDistance(float latitude, float longitude);

}   // namespace Bearing
