#include "InfoLocation.h"

namespace orbelune {

TInfoLocation InfoLocation;

TInfoLocation InfoLocationFromSettings(const TSettings& Source) {
    TInfoLocation location;
    location.Altitude = Source.Altitude;
    location.Latitude = Source.Latitude;
    location.Longitude = Source.Longitude;
    location.PlaceName = Source.PlaceName;
    location.CountryName = Source.CountryName;
    location.StateName = Source.StateName;
    location.CityName = Source.CityName;
    return location;
}

}  // namespace orbelune
