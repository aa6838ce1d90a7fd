#pragma once
// The Graph tab's one-year chart of sunrise and sunset at a place, without widgets:
// the points of every day of the year (clock time and compass direction of both
// events), the night regions between the curves and the frame, the date lines, the
// scale, the month marks, the footer and the labels of the chosen day. Built once per
// date or option change; the painter only draws what it holds.
//
// Coordinates are the chart's pixels: day n of the year (1 = 1 January) is the column
// Left + n, and a value v of the vertical scale (0 .. 480 for 24 hours or 360 degrees)
// is drawn at y = Bottom - v. Clock times are local, by the zone's rules for each day
// (or its standard offset all year when daylight saving is switched off).

#include "StDate.h"

#include <QLine>
#include <QPen>
#include <QPoint>
#include <QPolygon>
#include <QRegion>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace orbelune {

inline constexpr int GraphTop = 10;
inline constexpr int GraphHeight = 480;
inline constexpr int GraphBottom = GraphTop + GraphHeight;
// Below the plot: a strip for the month names, then the footer box.
inline constexpr int GraphMonthStrip = 20;
inline constexpr int GraphFooterBottom = GraphBottom + 80;
// Room for the widest left edge, the 366 days and the footer box.
inline constexpr QSize GraphSize(440, GraphFooterBottom + 12);

// The left edge: 40 with 24-hour scale texts, else 60 (room for "hh:mm AM/PM" and
// for the compass texts of the position scale).
int GraphLeft(bool UseMilitaryTime, bool PositionMode);

struct TGraphRequest {
    TDateTime GraphDate = 0;  // the calendar's date; its year is charted
    TDateTime Now = 0;        // the local time marked by the date lines
    long double Latitude = 0;
    long double Longitude = 0;
    int AltitudeFeet = 0;
    bool PositionMode = false;  // compass directions instead of clock times
    bool DaylightSaving = true;
    bool ShowDateLines = true;
    bool UseMilitaryTime = false;
    // As the Set tab shows them.
    QString PlaceName;
    QString LatitudeText;
    QString LongitudeText;
};

// The labels beside the chart for the graph date's day: the event's time, the name of
// the zone time it is given in, and the bearing.
struct TGraphLabels {
    QString SunRiseLab1, SunRiseLab2, SunRiseLab3;
    QString SunSetLab1, SunSetLab2, SunSetLab3;
    QString DayHoursLab;
};

// A text whose top-left corner is At.
struct TGraphText {
    QPoint At;
    QString Text;
};

struct TGraphGridLine {
    QLine Line;
    bool EastWest = false;  // the 90 and 270 degree lines of the position scale
};

struct TGraph {
    int Year = 0;
    int Days = 365;
    TDateTime FirstDay = 0;  // 1 January
    int Left = 60;
    int Right = 426;
    bool PositionMode = false;
    QString Title;  // the group box's caption

    // One point per day.
    QPolygon RiseTimes, SetTimes, RiseBearings, SetBearings;
    const QPolygon& RiseCurve() const { return PositionMode ? RiseBearings : RiseTimes; }
    const QPolygon& SetCurve() const { return PositionMode ? SetBearings : SetTimes; }

    std::vector<QLine> Frame;
    // The pixels that filling from the night's seed points up to the frame and the
    // curves reaches.
    QRegion Night;

    // Empty when the date lines are off: the day's line, the present time's line and
    // its cross (red), and the lines to the day's sunrise and sunset points (blue).
    std::vector<QLine> DateLines;
    std::vector<QLine> EventLines;

    std::vector<TGraphText> ScaleTexts;
    std::vector<TGraphGridLine> GridLines;
    std::vector<TGraphText> MonthNames;
    std::vector<QLine> MonthLines;
    std::vector<TGraphText> Footer;

    TGraphLabels Labels;
};

// The pen of the two curves: black, two pixels wide.
QPen GraphCurvePen();

TGraph BuildGraph(const TGraphRequest& Request);

// The date a left click at X selects: 1 January at Left + 1 up to the year's last day;
// nothing at or left of Left or right of the last day.
std::optional<TDateTime> GraphClickDate(const TGraph& Graph, int X);

// " Tue  January 2, 2024 ": the caption of the labels' group for the graph date.
QString GraphSunGroupCaption(TDateTime Date);

}  // namespace orbelune
