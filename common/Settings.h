#pragma once
// The program's settings: one member per stored key, named as the key, holding the
// built-in default until the store is read.

#include "StDate.h"

#include <QString>

#include <cstdint>

namespace orbelune {

inline constexpr const char* DefaultTimeServer = "pool.ntp.org";
inline constexpr const char* DefaultWeatherServer = "tgftp.nws.noaa.gov";
inline constexpr const char* RetiredWeatherServer = "WEATHER.NOAA.GOV";
inline constexpr const char* DefaultRadarServer = "radar.weather.gov";
// The time and weather schedules run every 1 to 1440 minutes (at least once a day).
inline constexpr int MinScheduleMinutes = 1;
inline constexpr int MaxScheduleMinutes = 1440;

struct TSettings {
    int WindowTop = 50;
    int WindowLeft = 30;
    int InfoFormTop = 0;
    int InfoFormLeft = 260;
    int InfoFormHeight = 730;
    int InfoFormWidth = 750;
    bool InfoFormMaximized = false;
    int DisplayLevel = 4;
    bool StayOnTop = true;
    bool ShowHints = true;
    char TrayType = 'T';
    bool MinimizeToTrayOn = false;
    long double Latitude = 0.0L;
    long double Longitude = 0.0L;
    QString PlaceName;
    QString CityName;
    QString StateName;
    QString CountryName;
    QString ZipCode;
    QString SaveURL;
    int MapSiteIndex = 0;
    bool AutoOpenMap = false;
    bool UseLocalTime = true;
    bool UseMilitaryTime = false;
    bool SouthernHemisphere = false;
    bool ShowWeekNumbers = false;
    bool UpdateClock = false;
    bool UpdateClockOnStartup = false;
    bool UpdateClockPerSchedule = false;
    int UpdateClockMinutes = 60;
    QString TimeServer = QString::fromLatin1(DefaultTimeServer);
    QString WeatherServer = QString::fromLatin1(DefaultWeatherServer);
    QString LastWeatherTimeStampStr;
    bool UpdateWeatherOnStartup = true;
    bool UpdateWeatherPerSchedule = true;
    int UpdateWeatherMinutes = 20;
    QString WeatherStationCode = QStringLiteral("KNYC");
    QString WeatherStationName = QStringLiteral("New York");
    char TemperatureUnits = 'F';
    char DistanceUnits = 'F';
    int StateBoxItemIndex = 33;
    int CountryBoxItemIndex = 0;
    int CityBoxItemIndex = 0;
    int WeatherSourceBoxItemIndex = 0;
    bool ShowBigCalendarFormAtStartup = false;
    bool ShowInfoFormAtStartup = true;
    int LastInfoFormTabIndex = 6;
    int LastSetSheetTabIndex = 0;
    bool StartMinimized = false;
    bool SaveOnExit = true;
    bool EarthSurfaceCoords = true;
    bool AnimateMoon = false;
    bool AnimateRadar = false;
    bool RepeatRadar = true;
    int StateMaxImages = 10;
    int NationalMaxImages = 8;
    int SpeedUpDownPosition = 50;
    bool AnimateSatellite = false;
    bool RepeatSatellite = true;
    bool TopoBoxChecked = true;
    bool RadarBoxChecked = true;
    bool CountiesBoxChecked = true;
    bool RiversBoxChecked = true;
    bool HighwaysBoxChecked = true;
    bool CitiesBoxChecked = true;
    bool WarningsBoxChecked = true;
    bool RangeRingBoxChecked = true;
    bool LegendBoxChecked = true;
    bool WarningsTextBoxChecked = true;
    bool ShowSitesBoxChecked = true;
    bool RadarHintsBoxChecked = true;
    bool LoopRadar = true;
    int LeftClickGroupIndex = 0;
    int WeekStart = 7;
    int JumpBackMinutes = 5;
    TDateTime LastTimeStamp = 0.0;
    double LastTimeAdjust = 0.0;
    bool ShowHolidays = true;
    bool ShowTinyMoons = true;
    bool EclipseSummaryView = true;
    long double NumberInCalculator = 0.0L;
    bool UseProxyServer = false;
    QString ProxyServer;
    int ProxyPort = 80;
    QString ProxyUserName;
    QString ProxyPassword;
    int Altitude = 0;
    int SatelliteLocationBoxIndex = 0;
    int SatelliteTypeBoxIndex = 0;
    int SatelliteColorBoxIndex = 0;
    int RadarLocationBoxIndex = 120;
    int RadarReflectivityBoxIndex = 1;
    QString CityStateZipEdText;
    bool RunWhenWindowsStarts = true;
    QString LastSaveFolder;
    std::int32_t TrayForeColor = 0;
    std::int32_t TrayBackColor = static_cast<std::int32_t>(0xFF00000FU);
    bool TrayColorsInit = true;
    bool TrayBackTransparent = true;
    int TimePositionBoxIndex = 0;
    bool DaylightSavingBoxChecked = true;
    bool ShowDateLinesBoxChecked = true;
    QString RadarServer = QString::fromLatin1(DefaultRadarServer);
};

// What reading the store hands out besides the settings: the location strings as
// stored (the start-up decides on them whether to guess a place).
struct TSettingsCopies {
    QString PlaceName;
    QString CityName;
    QString StateName;
    QString CountryName;
    QString ZipCode;
};

// The program-wide settings, owned by the user-interface thread.
extern TSettings Settings;

}  // namespace orbelune
