// The clock window's first-start place guess.
#include "ClockForm.h"

#include "Astronomy.h"
#include "ClockState.h"
#include "LocationGuess.h"
#include "LocationTabTexts.h"
#include "PlatformSeams.h"
#include "Settings.h"
#include "WeatherState.h"

namespace orbelune {

// A well-known city of the computer's time zone, by the zone's offset without daylight
// saving; its latitude also decides the hemisphere the moon is drawn for.
void TForm1::GuessLatLon() {
    const TTimeZoneState zone = TimeZoneAt(Platform().Clock->Now());
    const TGuessedLocation guess =
        orbelune::GuessLatLon(static_cast<double>(zone.BaseUTCOffsetHours));
    Settings.CityName = guess.CityName;
    if (guess.Latitude) Settings.Latitude = *guess.Latitude;
    if (guess.Longitude) Settings.Longitude = *guess.Longitude;
    Settings.SouthernHemisphere = Settings.Latitude < 0;
    Settings.WeatherStationCode = WeatherState.CurrentStationCode = guess.StationCode;
    // The station is the city's own, so it takes the city's name.
    Settings.WeatherStationName = WeatherState.CurrentStationName = guess.PlaceName;
    if (guess.AltitudeFeet) Settings.Altitude = *guess.AltitudeFeet;
    Settings.StateName = guess.StateName;
    Settings.CountryName = guess.CountryName;
    Settings.PlaceName = guess.PlaceName;
    SettingsCopies = StoredLocationCopies(Settings);
}

}  // namespace orbelune
