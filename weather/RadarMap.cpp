#include "RadarMap.h"

#include "Astronomy.h"
#include "MyUtil.h"

#include <cmath>
#include <cstdlib>

namespace orbelune {

namespace {

constexpr int Kohala = 58;
constexpr int Molokai = 59;
constexpr int SouthHawaii = 60;
constexpr int SouthKauai = 61;
constexpr int Guam = 57;
constexpr int SanJuan = 133;
constexpr int AlaskaMosaic = 12;
constexpr int HawaiiMosaic = 13;

bool IsAlaskaSite(int Location) {
    return Location >= 14 && Location <= 20;
}
bool IsHawaiiSite(int Location) {
    return Location >= Kohala && Location <= SouthKauai;
}

// Neighbours of the Hawaii sites by button tag 1..8; the islands are too few and too
// close for the nearest-site search to give sensible directions.
int HawaiiNeighbour(int Location, int Tag) {
    struct TNeighbour {
        int From, Tag, To;
    };
    static constexpr TNeighbour Table[] = {
        {Kohala, 1, Molokai},         {Kohala, 4, SouthHawaii}, {Kohala, 8, SouthKauai},
        {Molokai, 4, SouthHawaii},    {Molokai, 5, Kohala},     {Molokai, 8, SouthKauai},
        {SouthHawaii, 1, Molokai},    {SouthHawaii, 2, Kohala}, {SouthHawaii, 8, SouthKauai},
        {SouthKauai, 4, SouthHawaii}, {SouthKauai, 5, Kohala},  {SouthKauai, 6, Molokai},
    };
    for (const TNeighbour& n : Table)
        if (n.From == Location && n.Tag == Tag) return n.To;
    return -1;
}

// A candidate that leaves the region of the current location is not offered.
bool CandidateAllowed(int Location, int Candidate) {
    if (Candidate == Guam || Candidate == SanJuan) return false;
    if (IsAlaskaSite(Location) && !IsAlaskaSite(Candidate)) return false;
    if (!IsAlaskaSite(Location) && Location != AlaskaMosaic && IsAlaskaSite(Candidate))
        return false;
    if (Location == AlaskaMosaic && !IsAlaskaSite(Candidate)) return false;
    if (IsHawaiiSite(Candidate) && Location != HawaiiMosaic) return false;
    if (Location == HawaiiMosaic && !IsHawaiiSite(Candidate)) return false;
    return true;
}

QString DegreesText(long double Degrees) {
    return QString::number(static_cast<double>(Degrees), 'f', 6) + QChar(0x00B0);
}

// Round half to even of a distance, as a whole number.
QString WholeText(long double Value) {
    return QString::number(static_cast<long long>(std::nearbyint(Value)));
}

}  // namespace

TLonLatTexts LonLatTexts(const QString& Name, long double Lat, long double Lon) {
    TLonLatTexts texts;
    texts.SiteName = Name;
    if (Lon >= -180.0L && Lon <= 180.0L) {
        texts.HasLon = true;
        texts.Lon = DegreesText(Lon);
        // The engine writes its degree sign as the single byte 176.
        texts.LonDMS = QString::fromLatin1(FormatDMS(Lon));
    }
    if (Lat >= -90.0L && Lat <= 90.0L) {
        texts.HasLat = true;
        texts.Lat = DegreesText(Lat);
        texts.LatDMS = QString::fromLatin1(FormatDMS(Lat));
    }
    return texts;
}

TLonLatTexts LocationTexts(int Location, int Product) {
    const TMapSize size = GetMapSize(Location);
    const TLonLat centre = WHToLonLat(size.Width, size.Height, GetScaleLonLat(Location, Product));
    return LonLatTexts(RadarLocationName(Location), centre.Lat, centre.Lon);
}

TDirectionPanel DirectionButtons(int Location, int Product, long double Zoom) {
    TDirectionPanel panel;
    if (Location == 0 || Location == 1 || Location == Guam || Location == SanJuan ||
        !IsRadarLocation(Location))
        return panel;
    panel.Visible = true;
    for (int tag = 1; tag <= DirectionButtonCount; ++tag) {
        TDirectionButton& button = panel.Buttons[tag - 1];
        int target = -1;
        if (IsHawaiiSite(Location)) {
            target = HawaiiNeighbour(Location, tag);
        } else {
            const TClosestRadar c = GetClosestRadarInQuadrant(tag, Location, Product, Zoom);
            if (c.Found && CandidateAllowed(Location, c.Location)) target = c.Location;
        }
        if (target < 0) continue;
        button.Visible = true;
        button.Target = target;
        button.Hint = RadarLocationName(target);
    }
    return panel;
}

int DirectionTarget(int Location, int Tag, int Product, long double Zoom) {
    if (Tag < 1 || Tag > DirectionButtonCount || !IsRadarLocation(Location)) return -1;
    if (IsHawaiiSite(Location)) return HawaiiNeighbour(Location, Tag);
    const TClosestRadar c = GetClosestRadarInQuadrant(Tag, Location, Product, Zoom);
    return c.Found ? c.Location : -1;
}

THoverOutcome RadarMapHover(TRadarMapState& State, const TRadarMapView& View, int X, int Y,
                            bool Busy) {
    THoverOutcome outcome;
    if (Busy || !IsRadarLocation(View.Location)) return outcome;
    outcome.Show = true;
    const TLonLat place = XYtoLonLat(X, Y, GetScaleLonLat(View.Location, View.Product), View.Zoom);
    if (View.LeftClickGroupIndex == LeftClickDistance) {
        outcome.Texts = LonLatTexts(QString(), place.Lat, place.Lon);
        return outcome;
    }
    const TClosestRadar nearest = FindClosestRadar(0, place, View.Product);
    outcome.Texts = LonLatTexts(nearest.Name, place.Lat, place.Lon);
    // The hint follows the mouse only once it has moved two pixels, so it does not
    // flicker with every small movement.
    if (std::abs(X - State.LastHintX) > 1 || std::abs(Y - State.LastHintY) > 1) {
        State.LastHintX = X;
        State.LastHintY = Y;
        outcome.MoveHint = true;
        outcome.Hint = nearest.Name;
        outcome.HintAt = QPoint(X, Y + 5);
    }
    return outcome;
}

TClickOutcome RadarMapClick(TRadarMapState& State, const TRadarMapView& View, int X, int Y,
                            bool LeftButton, bool Busy) {
    using TKind = TClickOutcome::TKind;
    TClickOutcome outcome;
    if (!LeftButton || Busy || !IsRadarLocation(View.Location)) return outcome;
    const TLonLat place = XYtoLonLat(X, Y, GetScaleLonLat(View.Location, View.Product), View.Zoom);
    if (View.LeftClickGroupIndex != LeftClickDistance) {
        const TClosestRadar nearest = FindClosestRadar(0, place, View.Product);
        outcome.Kind = TKind::MoveRadar;
        outcome.Location = nearest.Location;
        outcome.Name = nearest.Name;
        return outcome;
    }
    if (State.DistanceStartPending) {
        State.DistanceStartPending = false;
        State.DistanceStartLon = place.Lon;
        State.DistanceStartLat = place.Lat;
        outcome.Kind = TKind::DistanceStart;
        return outcome;
    }
    State.DistanceStartPending = true;
    outcome.Kind = TKind::Distance;
    const long double miles =
        GreatCircleMiles(State.DistanceStartLat, State.DistanceStartLon, place.Lat, place.Lon);
    if (miles > 0.0L) {
        outcome.MilesText = WholeText(miles) + QStringLiteral(" Miles");
        outcome.KmText =
            WholeText(MilesToKm(static_cast<double>(miles))) + QStringLiteral(" Kilometers");
        outcome.Hint = outcome.KmText + QStringLiteral(" = ") + outcome.MilesText;
        outcome.HintAt = QPoint(X, Y + 5);
    }
    return outcome;
}

TZoomOutcome ZoomButClick(int Location, long double Zoom) {
    TZoomOutcome outcome;
    outcome.Zoom = Zoom;
    if (Location == 1) return outcome;
    outcome.Changed = true;
    if (Zoom != 1.0L) {
        outcome.Zoom = 1.0L;
        outcome.Caption = QStringLiteral("Zoom In");
    } else {
        outcome.Zoom = 2.0L;
        outcome.Caption = QStringLiteral("Zoom Out");
    }
    return outcome;
}

}  // namespace orbelune
