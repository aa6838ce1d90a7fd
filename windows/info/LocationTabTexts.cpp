#include "LocationTabTexts.h"

#include "Astronomy.h"

#include <cmath>
#include <limits>

namespace orbelune {

namespace {

constexpr int MaxLocationLength = 128;
constexpr long double FeetPerMetre = 1.0L / 0.3048L;

}  // namespace

TDmsLabels AngleLabels(long double Degrees) {
    const THMS dms = HoursToHMS(std::fabs(Degrees));
    TDmsLabels Labels;
    Labels.Degrees = QString::number(dms.Hours);
    Labels.Minutes = QString::number(dms.Minutes);
    Labels.Seconds = QString::number(dms.Seconds);
    Labels.Negative = Degrees < 0;
    return Labels;
}

QString AltitudeEditText(int Feet, bool Metres) {
    // Whole metres rounded half away from zero, as the "0" format shows them.
    return Metres ? QString::number(std::round(Feet * 0.3048), 'f', 0) : QString::number(Feet);
}

TLocationForm LocationFormFromSettings(const TSettings& Source) {
    TLocationForm Form;
    Form.PlaceName = Source.PlaceName;
    Form.Zip = Source.ZipCode;
    Form.Latitude = AngleLabels(Source.Latitude);
    Form.Longitude = AngleLabels(Source.Longitude);
    Form.Metres = Source.DistanceUnits == 'M';
    Form.AltitudeText = AltitudeEditText(Source.Altitude, Form.Metres);
    Form.City = Source.CityName;
    Form.State = Source.StateName;
    Form.Country = Source.CountryName;
    return Form;
}

void ApplyPlaceChoice(const TPlaceChoice& Choice, TLocationForm& Form) {
    Form.PlaceName = Choice.PlaceName;
    Form.Latitude = Choice.Latitude;
    Form.Longitude = Choice.Longitude;
    Form.City = Choice.City;
    Form.State = Choice.State;
    Form.Country = Choice.Country;
    Form.Zip = Choice.Zip;
    // The place's own elevation, else its station's; a place the list knows none for
    // keeps the altitude shown, which rise and set times would otherwise lose to 0.
    if (Choice.Altitude.Converted)
        Form.AltitudeText = Choice.Altitude.EditText;
    else if (Choice.Station.Altitude.Converted)
        Form.AltitudeText = Choice.Station.Altitude.EditText;
}

bool FormPosition(const TLocationForm& Form, TLatLon& Position) {
    return GetLatLon(Form.Latitude, Form.Longitude, Position.Latitude, Position.Longitude);
}

bool StoreLocation(const TLocationForm& Form, TSettings& Target, TSettingsCopies& Copies) {
    TLatLon Position;
    const bool Parsed = FormPosition(Form, Position);
    if (Parsed) {
        Target.Latitude = Position.Latitude;
        Target.Longitude = Position.Longitude;
        Target.SouthernHemisphere = Position.Latitude < 0;
    }
    Target.PlaceName = Form.PlaceName.left(MaxLocationLength);
    Target.ZipCode = Form.Zip.left(MaxLocationLength);
    Target.CityStateZipEdText = Target.PlaceName;
    Target.CityName = Form.City.left(MaxLocationLength);
    Target.StateName = Form.State.left(MaxLocationLength);
    Target.CountryName = Form.Country.left(MaxLocationLength);

    // An edit that holds no whole number (an empty one included) says nothing about the
    // altitude: the stored one stays.
    bool IsNumber = false;
    const int Value = Form.AltitudeText.trimmed().toInt(&IsNumber);
    if (IsNumber) {
        const long double Feet = Form.Metres ? Value * FeetPerMetre : Value;
        if (std::fabs(Feet) < std::numeric_limits<int>::max())
            Target.Altitude = static_cast<int>(std::nearbyint(Feet));
    }
    Target.DistanceUnits = Form.Metres ? 'M' : 'F';

    Copies = StoredLocationCopies(Target);
    return Parsed;
}

TSettingsCopies StoredLocationCopies(const TSettings& Source) {
    return {Source.PlaceName, Source.CityName, Source.StateName, Source.CountryName,
            Source.ZipCode};
}

QString ZipNotFoundText(const QString& Typed) {
    const QString Zip = Typed.trimmed();
    bool IsNumber = false;
    Zip.toInt(&IsNumber);
    if (!IsNumber) return QStringLiteral("Type a zip code of the United States, such as 10001.");
    return QStringLiteral("No place has the zip code %1.").arg(Zip);
}

}  // namespace orbelune
