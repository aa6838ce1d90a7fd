// Sunrise and sunset by the almanac method of the U.S. Naval Observatory's "Almanac
// for Computers" (1990): the sun's mean anomaly, true longitude and declination at an
// approximate time, then the local hour angle at which the sun's centre reaches the
// zenith distance 90 deg 50' (refraction and semi-diameter), deepened by the dip of the
// horizon from a height. One pass, no iteration: within a few minutes of the true
// instant outside the polar regions, worse where the sun grazes the horizon.
#include "Astronomy.h"

#include <cmath>

namespace orbelune {

namespace {

constexpr long double StandardZenith = 90.833333333333333336L;
// Degrees of horizon dip per square root of a metre of height.
constexpr long double DipPerRootMetre = 0.0195L;
constexpr long double RadToDeg = 57.295779513082320877L;

}  // namespace

long double SunRiseSetUT(int Day, int Month, int Year, long double Latitude, long double Longitude,
                         long double Elevation, bool Rising) {
    const long double zenith = Elevation >= 0
                                   ? StandardZenith + DipPerRootMetre * std::sqrt(Elevation)
                                   : StandardZenith - DipPerRootMetre * std::sqrt(-Elevation);
    const long double m = Month, y = Year;
    const long double dayOfYear =
        std::floor(275.0L * m / 9.0L) -
        std::floor((m + 9.0L) / 12.0L) *
            (1.0L + std::floor((y - 4.0L * std::floor(y / 4.0L) + 2.0L) / 3.0L)) +
        Day - 30.0L;
    const long double lngHour = Longitude / 15.0L;
    const long double t = dayOfYear + ((Rising ? 6.0L : 18.0L) - lngHour) / 24.0L;

    const long double meanAnomaly = 0.9856L * t - 3.289L;
    long double trueLongitude =
        meanAnomaly + 1.916L * DSin(meanAnomaly) + 0.020L * DSin(2.0L * meanAnomaly) + 282.634L;
    if (std::fabs(trueLongitude) > 360.0L) trueLongitude -= 360.0L;

    long double rightAscension = std::atan(0.91764L * DTan(trueLongitude)) * RadToDeg;
    if (std::fabs(rightAscension) > 360.0L) rightAscension -= 360.0L;
    // Into the quadrant of the true longitude.
    rightAscension +=
        std::floor(trueLongitude / 90.0L) * 90.0L - std::floor(rightAscension / 90.0L) * 90.0L;
    const long double rightAscensionHours = rightAscension / 15.0L;

    const long double sinDeclination = 0.39782L * DSin(trueLongitude);
    const long double cosDeclination = std::cos(std::asin(sinDeclination));
    // The cosine of a latitude is never negative; at exactly 90 degrees it comes out as a
    // tiny number of either sign, and a negative one would turn the pole's midsummer
    // "never sets" into "never rises", unlike the latitudes beside it.
    const long double cosLatitude = std::fabs(DCos(Latitude));
    const long double cosHourAngle =
        (DCos(zenith) - sinDeclination * DSin(Latitude)) / (cosDeclination * cosLatitude);
    if (cosHourAngle > 1.0L) return SunNeverRises;
    if (cosHourAngle < -1.0L) return SunNeverSets;

    const long double hourAngle = std::acos(cosHourAngle) * RadToDeg;
    const long double h = (Rising ? 360.0L - hourAngle : hourAngle) / 15.0L;
    const long double localMeanTime = h + rightAscensionHours - 0.06571L * t - 6.622L;
    long double ut = localMeanTime - lngHour;
    if (ut > 24.0L) ut -= 24.0L;
    if (ut < 0.0L) ut += 24.0L;
    return ut;
}

}  // namespace orbelune
