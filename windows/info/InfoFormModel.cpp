#include "InfoFormModel.h"

#include <algorithm>

namespace orbelune {

namespace {

// Radar locations below this index are the national mosaics.
constexpr int FirstSingleSiteIndex = 14;
constexpr int MinRadarFrames = 1;
constexpr int MaxRadarFrames = 30;

}  // namespace

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

int TakeRadarFrameCount(TSettings& Target) {
    int& stored = Target.RadarLocationBoxIndex < FirstSingleSiteIndex ? Target.NationalMaxImages
                                                                      : Target.StateMaxImages;
    stored = std::clamp(stored, MinRadarFrames, MaxRadarFrames);
    return stored;
}

QPoint TabCaptionOffset(int RectWidth, int RectHeight, int TextWidth, int TextHeight) {
    return {RectWidth / 2 - TextWidth / 2, RectHeight / 2 - TextHeight / 2};
}

}  // namespace orbelune
