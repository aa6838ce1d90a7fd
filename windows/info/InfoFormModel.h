#pragma once
// The information window's frame without widgets: its tabs, the radar frame count it takes from the
// settings and the placing of a tab caption.

#include "Settings.h"

#include <QPoint>
#include <QString>

#include <array>

namespace orbelune {

// The tabs of the information window, in the order the page control shows them.
struct TInfoTab {
    const char* SheetName;  // object name of the page
    const char* Caption;
};

inline constexpr std::array<TInfoTab, 13> InfoFormTabs = {{
    {"MoonSheet", "Moon"},
    {"PlanetSheet", "Planet"},
    {"WeatherSheet", "Weather"},
    {"RadarSheet", "Radar"},
    {"SatelliteSheet", "Satellite"},
    {"TimeSheet", "Time"},
    {"SetSheet", " Set"},
    {"YearSheet", "Year"},
    {"ToolsSheet", "Tools"},
    {"GraphSheet", "Graph"},
    {"HolidaySheet", "Holiday"},
    {"MapsSheet", "Maps"},
    {"AboutSheet", "About"},
}};

enum TInfoTabIndex : int {
    MoonTab = 0,
    PlanetTab = 1,
    WeatherTab = 2,
    RadarTab = 3,
    SatelliteTab = 4,
    TimeTab = 5,
    SetTab = 6,
    YearTab = 7,
    ToolsTab = 8,
    GraphTab = 9,
    HolidayTab = 10,
    MapsTab = 11,
    AboutTab = 12,
};

// The pages of the Set tab's own page control.
inline constexpr std::array<const char*, 2> SetSheetPages = {"Settings1", "Settings2"};

// The radar frame count for the saved radar location: the national mosaics (locations
// below 14) keep theirs in NationalMaxImages, single sites in StateMaxImages. The count
// is clamped to 1 .. 30 and written back to the setting it came from.
int TakeRadarFrameCount(TSettings& Target);

// The top-left corner of a caption of TextWidth x TextHeight centred in a tab of
// RectWidth x RectHeight, halves rounded toward zero.
QPoint TabCaptionOffset(int RectWidth, int RectHeight, int TextWidth, int TextHeight);

}  // namespace orbelune
