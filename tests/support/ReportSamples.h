#pragma once
// Decoded station reports written for the tests in the layout the report servers use:
// station line, local / UTC time line, facts, the coded report and the cycle.

namespace orbelune::test {

inline constexpr const char* NewYorkReport =
    "NEW YORK CITY CENTRAL PARK, NY, United States (KNYC) 40-47N 073-58W 48M\n"
    "Dec 09, 2026 - 12:51 AM EST / 2026.12.09 0551 UTC\n"
    "Wind: from the NW (310 degrees) at 12 MPH (10 KT):0\n"
    "Visibility: 10 mile(s):0\n"
    "Sky conditions: overcast\n"
    "Temperature: 37.9 F (3.3 C)\n"
    "Dew Point: 28.9 F (-1.7 C)\n"
    "Relative Humidity: 69%\n"
    "Pressure (altimeter): 30.05 in. Hg (1017 hPa)\n"
    "ob: KNYC 090551Z 31010KT 10SM OVC050 03/M02 A3005 RMK AO2 SLP175 T00331017\n"
    "cycle: 6\n";

// Below zero, with weather, a gust and CR LF line ends.
inline constexpr const char* MontrealReport =
    "Montreal / Pierre Elliott Trudeau International, Canada (CYUL) 45-28N 073-45W 36M\r\n"
    "Dec 09, 2026 - 12:00 AM EST / 2026.12.09 0500 UTC\r\n"
    "Wind: from the WSW (250 degrees) at 17 MPH (15 KT) gusting to 28 MPH (24 KT):0\r\n"
    "Visibility: 3 mile(s):0\r\n"
    "Sky conditions: mostly cloudy\r\n"
    "Weather: light snow\r\n"
    "Temperature: -4.0 F (-20.0 C)\r\n"
    "Windchill: -22 F (-30 C):1\r\n"
    "Dew Point: -9.0 F (-22.8 C)\r\n"
    "Relative Humidity: 79%\r\n"
    "Pressure (altimeter): 30.21 in. Hg (1023 hPa)\r\n"
    "ob: CYUL 090500Z 25015G24KT 3SM -SN BKN030 M20/M23 A3021 RMK SC7 SLP238\r\n"
    "cycle: 5\r\n";

// Calm wind, whole degrees, two kinds of weather.
inline constexpr const char* HeathrowReport =
    "London / Heathrow Airport, United Kingdom (EGLL) 51-29N 000-27W 24M\n"
    "Dec 09, 2026 - 05:50 AM GMT / 2026.12.09 0550 UTC\n"
    "Wind: Calm:0\n"
    "Visibility: 2 mile(s):0\n"
    "Sky conditions: overcast\n"
    "Weather: mist; light drizzle\n"
    "Temperature: 46 F (8 C)\n"
    "Dew Point: 45 F (7 C)\n"
    "Relative Humidity: 93%\n"
    "Pressure (altimeter): 30.12 in. Hg (1020 hPa)\n"
    "ob: EGLL 090550Z 00000KT 3500 -DZ BR OVC004 08/07 Q1020\n"
    "cycle: 6\n";

// An automatic station whose thermometer is out: no temperature, sky or humidity.
inline constexpr const char* NoTemperatureReport =
    "MARFA MUNICIPAL AIRPORT, TX, United States (KMRF) 30-22N 104-01W 1478M\n"
    "Dec 08, 2026 - 11:15 PM CST / 2026.12.09 0515 UTC\n"
    "Wind: from the S (180 degrees) at 6 MPH (5 KT):0\n"
    "Visibility: 10 mile(s):0\n"
    "ob: KMRF 090515Z AUTO 18005KT 10SM A3002 RMK AO2 TSNO\n"
    "cycle: 5\n";

}  // namespace orbelune::test
