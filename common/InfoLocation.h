#pragma once
// The information window's location: the settings' one at its creation, later the place
// list's choice. The Moon tab shows it; the place list rewrites it.

#include "Settings.h"

#include <QString>

namespace orbelune {

struct TInfoLocation {
    int Altitude = 0;  // feet
    long double Latitude = 0;
    long double Longitude = 0;
    QString PlaceName;
    QString CountryName;
    QString StateName;
    QString CityName;
};

TInfoLocation InfoLocationFromSettings(const TSettings& Source);

// The program's one location (user-interface thread).
extern TInfoLocation InfoLocation;

}  // namespace orbelune
