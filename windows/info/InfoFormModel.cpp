#include "InfoFormModel.h"

#include <algorithm>

namespace orbelune {

namespace {

// Radar locations below this index are the national mosaics.
constexpr int FirstSingleSiteIndex = 14;
constexpr int MinRadarFrames = 1;
constexpr int MaxRadarFrames = 30;

}  // namespace

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
