#pragma once
// What the radar map's controls mean, apart from the widgets that show them: the
// position and site-name texts, the eight direction buttons (which show, where each
// leads, their hints), what hovering over or clicking a pixel of the map does, and the
// zoom button. The Radar tab wires its widgets to these and acts on the answers.

#include "RadarGeometry.h"

#include <QPoint>
#include <QString>

#include <array>

namespace orbelune {

// The texts of the site name and position labels. A longitude outside -180..180 or a
// latitude outside -90..90 leaves its two labels as they were (Has... false).
struct TLonLatTexts {
    QString SiteName;
    bool HasLon = false;
    QString Lon;     // "-73.123456°"
    QString LonDMS;  // degrees, minutes and seconds
    bool HasLat = false;
    QString Lat;
    QString LatDMS;
};
TLonLatTexts LonLatTexts(const QString& Name, long double Lat, long double Lon);

// The name and centre of a location as its map is being prepared.
TLonLatTexts LocationTexts(int Location, int Product);

// ---- Direction buttons -------------------------------------------------------------

// Button tags 1..8 are N, NE, E, SE, S, SW, W, NW; index Tag - 1 below.
inline constexpr int DirectionButtonCount = 8;

struct TDirectionButton {
    bool Visible = false;
    int Target = -1;  // location index the button leads to
    QString Hint;     // the target's list text
};

struct TDirectionPanel {
    bool Visible = false;
    std::array<TDirectionButton, DirectionButtonCount> Buttons;
};

// The buttons shown at a location: the fixed neighbours at the Hawaii sites, none at
// the national maps, Guam and San Juan, elsewhere the nearest site in each direction
// that stays within the same region (Alaska with Alaska, Hawaii with Hawaii, never Guam
// or San Juan).
TDirectionPanel DirectionButtons(int Location, int Product, long double Zoom);

// The location a direction button leads to, -1 for none.
int DirectionTarget(int Location, int Tag, int Product, long double Zoom);

// ---- Hover and click on the map ----------------------------------------------------

// LeftClickGroupIndex: 0 "Move Radar", 1 "Distance".
inline constexpr int LeftClickMoveRadar = 0;
inline constexpr int LeftClickDistance = 1;

// The map's pointer state, kept by the tab from one event to the next.
struct TRadarMapState {
    bool DistanceStartPending = true;
    long double DistanceStartLon = 0;
    long double DistanceStartLat = 0;
    int LastHintX = 0;
    int LastHintY = 0;
};

// What the map shows at a pixel under the mouse.
struct TRadarMapView {
    int Location = -1;
    int Product = 1;
    long double Zoom = 1.0L;
    int LeftClickGroupIndex = LeftClickMoveRadar;
};

struct THoverOutcome {
    bool Show = false;  // false: the map ignores the mouse (busy, no location)
    TLonLatTexts Texts;
    bool MoveHint = false;  // give the map the hint below at HintAt (map pixels)
    QString Hint;
    QPoint HintAt;
};
THoverOutcome RadarMapHover(TRadarMapState& State, const TRadarMapView& View, int X, int Y,
                            bool Busy);

struct TClickOutcome {
    enum class TKind {
        None,           // ignored
        MoveRadar,      // Location becomes the radar location; fetch it
        DistanceStart,  // the first point is kept; the distance labels and hint emptied
        Distance,       // the distance texts (all empty when the points coincide)
    };
    TKind Kind = TKind::None;
    int Location = -1;
    QString Name;
    QString MilesText;  // "12 Miles"
    QString KmText;     // "19 Kilometers"
    QString Hint;       // "19 Kilometers = 12 Miles", shown at HintAt when not empty
    QPoint HintAt;
};
TClickOutcome RadarMapClick(TRadarMapState& State, const TRadarMapView& View, int X, int Y,
                            bool LeftButton, bool Busy);

// ---- Buttons -------------------------------------------------------------------------

// "USA Map" shows this location.
inline constexpr int UsaMapLocation = 0;

struct TZoomOutcome {
    bool Changed = false;  // when set, fetch the radar again at the new zoom
    long double Zoom = 1.0L;
    QString Caption;
};
// The large national map has no zoom; elsewhere 1 and 2 alternate.
TZoomOutcome ZoomButClick(int Location, long double Zoom);

}  // namespace orbelune
