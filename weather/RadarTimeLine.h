#pragma once
// The radar's time line ("... 7  mins ago at 3:05 PM   (06/01/2024 19:05 UTC )") and
// the time stamp in a radar file name (SITE_YYYYMMDD_HHMM_..., Universal Time).

#include "StDate.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace orbelune {

// The UTC time of a file name whose second "_" field begins with 8 digits of date and
// third with 4 digits of time, forming a valid moment; otherwise false and -1.0.
bool GetRadarFileTimeStamp(const QString& Name, TDateTime& TimeUtc);

inline constexpr std::int32_t RadarTimeRed = 0x0000FF;  // Windows colour values
inline constexpr std::int32_t RadarTimeBlack = 0x000000;

// What the time label shows. A hidden label keeps its text (SetText false).
struct TRadarTimeLine {
    bool Visible = false;
    std::int32_t Color = RadarTimeBlack;
    bool SetText = false;
    QString Text;
};

// The line for frame Frame: the frame's time from its name in RadarFileList, or the
// download time (local) when the list is empty or the name has no time stamp; then
// Prefix, the age in whole minutes plus one, the local time ("h:mm" or "h:mm AM/PM")
// and the UTC date and time. Time-zone conversions use the program's zone state.
TRadarTimeLine RadarTimeLine(int Frame, const QString& Prefix, bool Show, std::int32_t Color,
                             const QStringList& RadarFileList, TDateTime LastRadarDownloadTime,
                             TDateTime NowLocal, bool UseMilitaryTime);

// "Loading 3" followed by 14 blanks: the prefix of the line while frame 2 loads.
QString LoadingFramePrefix(int Frame);
// A frame's number as the frame label shows it: Frame + 1, blanks in front to 2 places.
QString FrameNumberText(int Frame);

}  // namespace orbelune
