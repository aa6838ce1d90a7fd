#include "SettingsTable.h"

#include <cstring>

namespace orbelune {

namespace {

using K = TSettingKind;
using R = TReadRule;

constexpr TSettingEntry Int(const char* key, int TSettings::*m, R rule = R::Plain,
                            int min = INT_MIN, int max = INT_MAX) {
    return {key, K::Integer, m, rule, min, max};
}

// An index into a list of `count` items.
constexpr TSettingEntry Index(const char* key, int TSettings::*m, int count) {
    return {key, K::Integer, m, R::Clamp, 0, count - 1};
}

constexpr TSettingEntry Bool(const char* key, bool TSettings::*m, R rule = R::Plain) {
    return {key, K::Boolean, m, rule};
}

constexpr TSettingEntry Str(const char* key, QString TSettings::*m, R rule = R::Plain) {
    return {key, K::String, m, rule};
}

constexpr TSettingEntry Char(const char* key, char TSettings::*m) {
    return {key, K::Character, m};
}

// An angle kept within -limit..limit degrees.
constexpr TSettingEntry Angle(const char* key, long double TSettings::*m, int limit) {
    return {key, K::Extended, m, R::Clamp, -limit, limit};
}

using S = TSettings;

}  // namespace

constexpr std::array<TSettingEntry, SettingsCount> SettingsTable = {{
    Int("WindowTop", &S::WindowTop),
    Int("WindowLeft", &S::WindowLeft),
    Int("InfoFormTop", &S::InfoFormTop),
    Int("InfoFormLeft", &S::InfoFormLeft),
    Int("InfoFormHeight", &S::InfoFormHeight),
    Int("InfoFormWidth", &S::InfoFormWidth),
    Bool("InfoFormMaximized", &S::InfoFormMaximized),
    Int("DisplayLevel", &S::DisplayLevel),
    Bool("StayOnTop", &S::StayOnTop),
    Bool("ShowHints", &S::ShowHints),
    Char("TrayType", &S::TrayType),
    Bool("MinimizeToTrayOn", &S::MinimizeToTrayOn),
    Angle("Latitude", &S::Latitude, 90),
    Angle("Longitude", &S::Longitude, 180),
    Str("PlaceName", &S::PlaceName, R::Location),
    Str("CityName", &S::CityName, R::Location),
    Str("StateName", &S::StateName, R::Location),
    Str("CountryName", &S::CountryName, R::Location),
    Str("ZipCode", &S::ZipCode, R::Location),
    Str("SaveURL", &S::SaveURL),
    Int("MapSiteIndex", &S::MapSiteIndex, R::Clamp, -1, 19),
    Bool("AutoOpenMap", &S::AutoOpenMap),
    Bool("UseLocalTime", &S::UseLocalTime, R::DefaultTrue),
    Bool("UseMilitaryTime", &S::UseMilitaryTime, R::DefaultFalse),
    Bool("SouthernHemisphere", &S::SouthernHemisphere, R::SouthOfEquator),
    Bool("ShowWeekNumbers", &S::ShowWeekNumbers),
    Bool("UpdateClock", &S::UpdateClock),
    Bool("UpdateClockOnStartup", &S::UpdateClockOnStartup),
    Bool("UpdateClockPerSchedule", &S::UpdateClockPerSchedule),
    Int("UpdateClockMinutes", &S::UpdateClockMinutes, R::Clamp, MinScheduleMinutes,
        MaxScheduleMinutes),
    Str("TimeServer", &S::TimeServer, R::Cut128),
    Str("WeatherServer", &S::WeatherServer, R::WeatherServer),
    Str("LastWeatherTimeStampStr", &S::LastWeatherTimeStampStr, R::Cut128),
    Bool("UpdateWeatherOnStartup", &S::UpdateWeatherOnStartup),
    Bool("UpdateWeatherPerSchedule", &S::UpdateWeatherPerSchedule),
    Int("UpdateWeatherMinutes", &S::UpdateWeatherMinutes, R::Clamp, MinScheduleMinutes,
        MaxScheduleMinutes),
    Str("WeatherStationCode", &S::WeatherStationCode, R::StationCode),
    Str("WeatherStationName", &S::WeatherStationName, R::StationName),
    Char("TemperatureUnits", &S::TemperatureUnits),
    Char("DistanceUnits", &S::DistanceUnits),
    Index("StateBoxItemIndex", &S::StateBoxItemIndex, 54),
    Index("CountryBoxItemIndex", &S::CountryBoxItemIndex, 213),
    Int("CityBoxItemIndex", &S::CityBoxItemIndex, R::Clamp, 0),
    Index("WeatherSourceBoxItemIndex", &S::WeatherSourceBoxItemIndex, 29),
    Bool("ShowBigCalendarFormAtStartup", &S::ShowBigCalendarFormAtStartup),
    Bool("ShowInfoFormAtStartup", &S::ShowInfoFormAtStartup),
    Index("LastInfoFormTabIndex", &S::LastInfoFormTabIndex, 13),
    Index("LastSetSheetTabIndex", &S::LastSetSheetTabIndex, 2),
    Bool("StartMinimized", &S::StartMinimized),
    Bool("SaveOnExit", &S::SaveOnExit),
    Bool("EarthSurfaceCoords", &S::EarthSurfaceCoords),
    Bool("AnimateMoon", &S::AnimateMoon),
    Bool("AnimateRadar", &S::AnimateRadar),
    Bool("RepeatRadar", &S::RepeatRadar),
    Int("StateMaxImages", &S::StateMaxImages, R::Clamp, 1, 30),
    Int("NationalMaxImages", &S::NationalMaxImages, R::Clamp, 1, 30),
    Int("SpeedUpDownPosition", &S::SpeedUpDownPosition, R::Clamp, 1, 99),
    Bool("AnimateSatellite", &S::AnimateSatellite),
    Bool("RepeatSatellite", &S::RepeatSatellite),
    Bool("TopoBoxChecked", &S::TopoBoxChecked),
    Bool("RadarBoxChecked", &S::RadarBoxChecked),
    Bool("CountiesBoxChecked", &S::CountiesBoxChecked),
    Bool("RiversBoxChecked", &S::RiversBoxChecked),
    Bool("HighwaysBoxChecked", &S::HighwaysBoxChecked),
    Bool("CitiesBoxChecked", &S::CitiesBoxChecked),
    Bool("WarningsBoxChecked", &S::WarningsBoxChecked),
    Bool("RangeRingBoxChecked", &S::RangeRingBoxChecked),
    Bool("LegendBoxChecked", &S::LegendBoxChecked),
    Bool("WarningsTextBoxChecked", &S::WarningsTextBoxChecked),
    Bool("ShowSitesBoxChecked", &S::ShowSitesBoxChecked),
    Bool("RadarHintsBoxChecked", &S::RadarHintsBoxChecked),
    Bool("LoopRadar", &S::LoopRadar),
    Index("LeftClickGroupIndex", &S::LeftClickGroupIndex, 2),
    Int("WeekStart", &S::WeekStart, R::WeekStart),
    Int("JumpBackMinutes", &S::JumpBackMinutes, R::Clamp, 0),
    {"LastTimeStamp", K::DateTime, &S::LastTimeStamp},
    {"LastTimeAdjust", K::Double, &S::LastTimeAdjust},
    Bool("ShowHolidays", &S::ShowHolidays),
    Bool("ShowTinyMoons", &S::ShowTinyMoons),
    Bool("EclipseSummaryView", &S::EclipseSummaryView),
    {"NumberInCalculator", K::Extended, &S::NumberInCalculator},
    Bool("UseProxyServer", &S::UseProxyServer),
    Str("ProxyServer", &S::ProxyServer, R::Cut128),
    Int("ProxyPort", &S::ProxyPort, R::Clamp, 0, 65535),
    Str("ProxyUserName", &S::ProxyUserName, R::Cut128),
    Str("ProxyPassword", &S::ProxyPassword, R::Cut128),
    Int("Altitude", &S::Altitude),
    Index("SatelliteLocationBoxIndex", &S::SatelliteLocationBoxIndex, 22),
    Index("SatelliteTypeBoxIndex", &S::SatelliteTypeBoxIndex, 3),
    Index("SatelliteColorBoxIndex", &S::SatelliteColorBoxIndex, 5),
    Index("RadarLocationBoxIndex", &S::RadarLocationBoxIndex, 169),
    Index("RadarReflectivityBoxIndex", &S::RadarReflectivityBoxIndex, 7),
    Str("CityStateZipEdText", &S::CityStateZipEdText),
    Bool("RunWhenWindowsStarts", &S::RunWhenWindowsStarts),
    Str("LastSaveFolder", &S::LastSaveFolder),
    Int("TrayForeColor", &S::TrayForeColor),
    Int("TrayBackColor", &S::TrayBackColor),
    Bool("TrayColorsInit", &S::TrayColorsInit),
    Bool("TrayBackTransparent", &S::TrayBackTransparent),
    Index("TimePositionBoxIndex", &S::TimePositionBoxIndex, 2),
    Bool("DaylightSavingBoxChecked", &S::DaylightSavingBoxChecked),
    Bool("ShowDateLinesBoxChecked", &S::ShowDateLinesBoxChecked),
    Str("RadarServer", &S::RadarServer, R::Cut128),
    Str("SatelliteServer", &S::SatelliteServer, R::Cut128),
}};

constexpr std::array<const char*, 3> AlwaysSavedKeys = {"SaveOnExit", "LastTimeStamp",
                                                        "RunWhenWindowsStarts"};

constexpr std::array<const char*, SettingsCount - 4> SavedOnExitKeys = {
    "WindowTop",
    "WindowLeft",
    "InfoFormTop",
    "InfoFormLeft",
    "InfoFormHeight",
    "InfoFormWidth",
    "InfoFormMaximized",
    "DisplayLevel",
    "StayOnTop",
    "ShowHints",
    "TrayType",
    "MinimizeToTrayOn",
    "Latitude",
    "Longitude",
    "PlaceName",
    "CityName",
    "StateName",
    "CountryName",
    "ZipCode",
    "MapSiteIndex",
    "AutoOpenMap",
    "UseLocalTime",
    "UseMilitaryTime",
    "SouthernHemisphere",
    "ShowWeekNumbers",
    "UpdateClock",
    "UpdateClockOnStartup",
    "UpdateClockPerSchedule",
    "UpdateClockMinutes",
    "TimeServer",
    "WeatherServer",
    "LastWeatherTimeStampStr",
    "UpdateWeatherOnStartup",
    "UpdateWeatherPerSchedule",
    "UpdateWeatherMinutes",
    "WeatherStationCode",
    "WeatherStationName",
    "TemperatureUnits",
    "DistanceUnits",
    "StateBoxItemIndex",
    "CountryBoxItemIndex",
    "CityBoxItemIndex",
    "WeatherSourceBoxItemIndex",
    "ShowBigCalendarFormAtStartup",
    "ShowInfoFormAtStartup",
    "LastInfoFormTabIndex",
    "LastSetSheetTabIndex",
    "StateMaxImages",
    "NationalMaxImages",
    "SpeedUpDownPosition",
    "StartMinimized",
    "EarthSurfaceCoords",
    "AnimateMoon",
    "AnimateRadar",
    "RepeatRadar",
    "AnimateSatellite",
    "RepeatSatellite",
    "TopoBoxChecked",
    "RadarBoxChecked",
    "CountiesBoxChecked",
    "RiversBoxChecked",
    "HighwaysBoxChecked",
    "CitiesBoxChecked",
    "WarningsBoxChecked",
    "RangeRingBoxChecked",
    "LegendBoxChecked",
    "WarningsTextBoxChecked",
    "ShowSitesBoxChecked",
    "RadarHintsBoxChecked",
    "LoopRadar",
    "LeftClickGroupIndex",
    "WeekStart",
    "JumpBackMinutes",
    "LastTimeAdjust",
    "ShowHolidays",
    "ShowTinyMoons",
    "EclipseSummaryView",
    "NumberInCalculator",
    "UseProxyServer",
    "ProxyServer",
    "ProxyPort",
    "ProxyUserName",
    "ProxyPassword",
    "Altitude",
    "SatelliteLocationBoxIndex",
    "SatelliteTypeBoxIndex",
    "SatelliteColorBoxIndex",
    "RadarLocationBoxIndex",
    "RadarReflectivityBoxIndex",
    "CityStateZipEdText",
    "LastSaveFolder",
    "TrayForeColor",
    "TrayBackColor",
    "TrayColorsInit",
    "TrayBackTransparent",
    "TimePositionBoxIndex",
    "DaylightSavingBoxChecked",
    "ShowDateLinesBoxChecked",
    "RadarServer",
    "SatelliteServer"};

const TSettingEntry* FindSetting(const char* Key) {
    for (const TSettingEntry& e : SettingsTable)
        if (std::strcmp(e.Key, Key) == 0) return &e;
    return nullptr;
}

}  // namespace orbelune
