// The engine work of the program's start: the information window's first refresh (the
// month's phases, the day's moonrise and moonset, the seasons, the Moon and Sun panels,
// the planets and the year's eclipses), the month grid's holidays and the first clock
// update, as the windows make these calls for one date and place.
#include "AstroExtras.h"
#include "Astronomy.h"
#include "DateTimeRtl.h"
#include "Holidays.h"
#include "MyUtil.h"
#include "StAstro.h"
#include "StAstroP.h"
#include "StEclpse.h"
#include "moon.h"

#include <benchmark/benchmark.h>

#include <string>

#include "UseZone.h"

namespace orbelune {
namespace {

struct TPlace {
    double Latitude = 40.7, Longitude = -74.0;
    int32_t AltitudeFeet = 30;
};

TDayTimeRec ToDayTime(TDateTime U) {
    return {DateTimeToDayNumber(U), DateTimeToDaySeconds(U)};
}

TDateTime ToUniversal(TDateTime T) {
    return AddSignedHours(static_cast<double>(-GetUTCOffset(T)), T);
}

// Altitude and azimuth of the Sun or the Moon at the UT instant U.
void SunOrMoonAltAz(bool IsSun, TDateTime U, const TPlace& Place) {
    const TDayTimeRec rec = ToDayTime(U);
    double ra = 0, dec = 0, parallax = 0;
    if (IsSun) {
        const TRADecRec sun = SunRADec(rec);
        ra = sun.RA;
        dec = sun.Dec;
    } else {
        const TMoonPosRec moon = MoonPositionChecked(rec);
        ra = moon.RA;
        dec = moon.Dec;
        parallax = moon.Parallax;
    }
    double alt = 0, az = 0;
    EquatorialToAltAz(alt, az, Place.AltitudeFeet, parallax, dec, ra, Place.Latitude,
                      Place.Longitude, U);
    benchmark::DoNotOptimize(alt);
    benchmark::DoNotOptimize(az);
}

void SunTimes(TDateTime T, const TPlace& Place) {
    int year = 0, month = 0, day = 0;
    DecodeDate(T, year, month, day);
    const long double metres = Place.AltitudeFeet * 0.3048L;
    benchmark::DoNotOptimize(
        SunRiseSetUT(day, month, year, Place.Latitude, Place.Longitude, metres, true));
    benchmark::DoNotOptimize(
        SunRiseSetUT(day, month, year, Place.Latitude, Place.Longitude, metres, false));
}

void HolidaysOfDay(TDateTime Day) {
    int32_t index = 1;
    std::string name;
    GetHolidayName(index, Day, name);
    if (!name.empty()) {
        ++index;
        GetHolidayName(index, Day, name);
    }
}

// The information window's first refresh for the local time T.
void InformationWindow(TDateTime T, const TPlace& Place) {
    const TDayNumber day = DateTimeToDayNumber(T);
    // Moon phases of the month and its neighbours, each shown in local time.
    for (const TDayNumber month :
         {day, AddMonthsClamped(day, -1, 0), AddMonthsClamped(day, 1, 0)}) {
        for (int phase = 0; phase < 4; ++phase) {
            for (const TDayTimeRec& at : PhaseDatesInMonth(month, phase))
                if (at.D >= 0) benchmark::DoNotOptimize(GetUTCOffset(DayNumberToDateTime(at.D)));
        }
    }
    // Moonrise and moonset of the day and its neighbours.
    for (TDayNumber d = day - 1; d <= day + 1; ++d)
        benchmark::DoNotOptimize(
            MoonRiseSet(d, Place.AltitudeFeet, Place.Longitude, Place.Latitude));
    // The year's equinoxes and solstices.
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(T, year, month, dayOfMonth);
    for (const char* event : {"MAR", "JUN", "SEP", "DEC"})
        benchmark::DoNotOptimize(GetUTCOffset(EquinoxSolsticeDate(year, event)));
    // The Moon panel: picture, icon, illumination, phase angle, bearings of the rise and
    // set, the Sun's times and bearings, and the places now.
    const TDateTime u = ToUniversal(T);
    benchmark::DoNotOptimize(MoonPhaseAngle(T));
    benchmark::DoNotOptimize(MoonIconShade(ToDayTime(T)));
    benchmark::DoNotOptimize(MoonIllumination(u));
    benchmark::DoNotOptimize(MoonPhaseAngle(u));
    SunOrMoonAltAz(false, u - 0.2, Place);
    SunOrMoonAltAz(false, u + 0.3, Place);
    SunTimes(T, Place);
    SunOrMoonAltAz(true, u - 0.25, Place);
    SunOrMoonAltAz(true, u + 0.25, Place);
    benchmark::DoNotOptimize(TimeZoneAt(T));
    SunOrMoonAltAz(true, u, Place);
    SunOrMoonAltAz(false, u, Place);
    // The Planet tab: Sun, Moon and planets with their altitudes, and the year's eclipses.
    const TDayTimeRec rec = ToDayTime(u);
    const TRADecRec sun = SunRADec(rec);
    const TMoonPosRec moon = MoonPositionChecked(rec);
    TPlanetPosArray planets{};
    PlanetsPosition(DayNumberToJD(rec.D) + rec.T / 86400.0, planets);
    benchmark::DoNotOptimize(sun);
    benchmark::DoNotOptimize(moon);
    for (const TPlanetPos& planet : planets) {
        double alt = 0, az = 0;
        EquatorialToAltAz(alt, az, Place.AltitudeFeet, 0, planet.Dec, planet.RA, Place.Latitude,
                          Place.Longitude, u);
        benchmark::DoNotOptimize(alt);
    }
    TStEclipses eclipses;
    eclipses.SearchYear(year);
    benchmark::DoNotOptimize(eclipses.Count());
}

// The month grid's holidays and the first clock update.
void MonthGridAndClock(TDateTime T, const TPlace& Place) {
    int year = 0, month = 0, day = 0;
    DecodeDate(T, year, month, day);
    const TDateTime first = SafeEncodeDate(year, month, 1);
    for (int d = 0; d < 31; ++d) HolidaysOfDay(first + d);

    SunTimes(T, Place);
    const TDateTime u = ToUniversal(T);
    benchmark::DoNotOptimize(MoonIconShade(ToDayTime(T)));
    SunOrMoonAltAz(true, u, Place);
    SunOrMoonAltAz(false, u, Place);
    SunOrMoonAltAz(true, u, Place);
    SunOrMoonAltAz(false, u, Place);
    benchmark::DoNotOptimize(LocalSiderealDeg(Place.Longitude, u));
    HolidaysOfDay(T);
    HolidaysOfDay(T + 1);
}

// Each iteration starts the program on another date (about 13 months later, within
// 1950..2150), so nothing one start computed serves the next.
void StartupEngineWork(benchmark::State& State) {
    UseZone("America/New_York");
    const TPlace place;
    const TDateTime firstDay = SafeEncodeDateTime(1950, 3, 15, 9, 30, 0, 0);
    TDateTime now = firstDay;
    for (auto _ : State) {
        InformationWindow(now, place);
        MonthGridAndClock(now, place);
        now += 397.3;
        if (now > firstDay + 200 * 365.25) now -= 200 * 365.25;
    }
}
BENCHMARK(StartupEngineWork)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbelune
