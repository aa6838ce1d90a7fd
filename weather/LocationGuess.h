#pragma once
// The location guessed at the first start, when none is stored: a well-known city of
// the computer's time zone, picked by the zone's offset from UTC without daylight
// saving.

#include <QString>

#include <array>
#include <optional>

namespace orbelune {

// One line per zone: latitude (north positive); longitude (WEST positive); station
// code; altitude in metres; city; state (United States) or country.
extern const std::array<const char*, 31> LatLonMemo;

// The line for a base UTC offset in hours: the first bucket whose upper bound
// (inclusive) holds it; beyond +13 the New York line.
int GuessLineIndex(double BaseUtcOffsetHours);

struct TGuessedLocation {
    QString CityName;
    QString StateName;  // empty outside the United States
    QString CountryName;
    QString PlaceName;  // city + " " + state or country
    QString StationCode;
    std::optional<long double> Latitude;   // each only when its text converts
    std::optional<long double> Longitude;  // east positive
    std::optional<int> AltitudeFeet;
};

TGuessedLocation GuessLatLon(double BaseUtcOffsetHours);

}  // namespace orbelune
