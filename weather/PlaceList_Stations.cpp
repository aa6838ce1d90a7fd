// The station nearest a position, and what choosing a place fills in.
#include "PlaceList.h"

#include "Astronomy.h"
#include "MyUtil.h"

#include <cmath>
#include <limits>

namespace orbelune {

namespace {

constexpr long double FeetPerMetre = 1.0L / 0.3048L;
constexpr long double NoStationBeyondMiles = 25000.0L;

QString StationName(const QString& Record, bool UnitedStates) {
    return SiteField(Record, UnitedStates ? 2 : 3) + QLatin1Char(' ') + SiteField(Record, 1);
}

}  // namespace

TAltitudeFill AltitudeFromElevation(QStringView Elevation, bool Metres) {
    TAltitudeFill Fill;
    bool Ok = false;
    const double M = Elevation.trimmed().toDouble(&Ok);
    const long double Feet = M * FeetPerMetre;
    if (!Ok || !std::isfinite(M) || std::fabs(Feet) >= std::numeric_limits<int>::max()) return Fill;
    Fill.Converted = true;
    Fill.Feet = static_cast<int>(std::nearbyint(Feet));
    // The metres show as a whole number rounded half away from zero.
    Fill.EditText = Metres ? QString::number(std::round(M), 'f', 0) : QString::number(Fill.Feet);
    return Fill;
}

QString DistanceText(const TLatLon& FromPosition, const QString& FromPlace,
                     const TLatLon& ToPosition, const QString& ToPlace) {
    const long double Miles = GreatCircleMiles(FromPosition.Latitude, FromPosition.Longitude,
                                               ToPosition.Latitude, ToPosition.Longitude);
    const auto Whole = [](long double Value) {
        return static_cast<long long>(std::nearbyint(Value));
    };
    const long long WholeMiles = Whole(Miles);
    const long long WholeKm = Whole(MilesToKm(static_cast<double>(Miles)));
    // Places a few hundred metres apart would read "0 Miles (0 Kilometers)".
    if (WholeMiles == 0 && WholeKm == 0) return {};
    return QStringLiteral("%1 Miles (%2 Kilometers) from [%3] to [%4]")
        .arg(QString::number(WholeMiles), QString::number(WholeKm), FromPlace, ToPlace);
}

TStationChoice TPlaceList::FindClosest(const std::optional<TLatLon>& Position, bool UnitedStates,
                                       bool Metres) const {
    TStationChoice Choice;
    if (!Position || !Hold()) return Choice;
    long double Best = NoStationBeyondMiles;
    QString Winner;
    for (int I = LastForeignPlace + 1, Last = LastLine(LastUsStation); I <= Last; ++I) {
        QString Line = RecordAt(I);
        long double Lat = 0, Lon = 0;
        if (!GetSiteLatLon(Line, Lat, Lon)) continue;
        const long double Miles =
            GreatCircleMiles(Position->Latitude, Position->Longitude, Lat, Lon);
        if (Miles < Best) {
            Best = Miles;
            Winner = std::move(Line);
        }
    }
    if (Winner.isNull()) return Choice;
    Choice.Found = true;
    Choice.Name = StationName(Winner, UnitedStates);
    Choice.Code = SiteField(Winner, 4);
    Choice.Altitude = AltitudeFromElevation(SiteFieldView(Winner, 7), Metres);
    return Choice;
}

// The station a record names in field 4, with the name and elevation of its own record
// when the list has one.
TStationChoice TPlaceList::StationOf(const QString& Record, bool UnitedStates, bool Metres) const {
    TStationChoice Choice;
    Choice.Found = true;
    Choice.Code = SiteField(Record, 4);
    Choice.Name = SiteField(Record, 1);
    if (!Hold()) return Choice;
    for (int I = LastForeignPlace + 1, Last = LastLine(LastUsStation); I <= Last; ++I) {
        const QString Line = RecordAt(I);
        if (SiteFieldView(Line, 4) == Choice.Code) {
            Choice.Name = StationName(Line, UnitedStates);
            Choice.Altitude = AltitudeFromElevation(SiteFieldView(Line, 7), Metres);
            break;
        }
    }
    return Choice;
}

TPlaceChoice TPlaceList::ChoosePlace(const QString& Record, bool UnitedStates, bool Metres) const {
    TPlaceChoice Choice;
    Choice.PlaceName = SiteField(Record, 1);
    Choice.Latitude = LatitudeLabels(SiteField(Record, 5));
    Choice.Longitude = LongitudeLabels(SiteField(Record, 6));
    Choice.City = Choice.PlaceName;
    Choice.State = SiteField(Record, 2);
    Choice.Country = UnitedStates ? QStringLiteral("United States") : SiteField(Record, 3);
    if (UnitedStates) Choice.Zip = SiteZip(Record);
    Choice.Altitude = AltitudeFromElevation(SiteFieldView(Record, 7), Metres);

    // The labels of a record without a position would show 0 N 0 E; the record says
    // whether there is one.
    TLatLon Position;
    if (GetSiteLatLon(Record, Position.Latitude, Position.Longitude)) Choice.Position = Position;
    Choice.Station = SiteFieldView(Record, 4).isEmpty()
                         ? FindClosest(Choice.Position, UnitedStates, Metres)
                         : StationOf(Record, UnitedStates, Metres);
    return Choice;
}

}  // namespace orbelune
