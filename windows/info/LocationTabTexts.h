#pragma once
// The Set tab's location page without widgets: the values its controls show, taken
// from the stored location or from a place of the place list, and what saving them
// writes into the settings. A choice stays on the page until it is saved: nothing is
// stored before "Save", so closing the window without saving keeps the location whole.

#include "PlaceList.h"
#include "Settings.h"
#include "SiteRecord.h"

#include <QString>

namespace orbelune {

// What the location controls show.
struct TLocationForm {
    QString PlaceName;     // PlaceNameEd
    QString Zip;           // ZipEd
    TDmsLabels Latitude;   // the three labels; Negative: "South" (item 1)
    TDmsLabels Longitude;  // Negative: "West" (item 1)
    QString AltitudeText;  // AltitudeEd
    bool Metres = false;   // FeetMeterBox on "Meters" (item 1)
    // The city, state and country of the place shown, stored with it.
    QString City;
    QString State;
    QString Country;
};

// The labels of a signed angle: whole degrees, minutes and seconds of its absolute
// value; negative angles are south or west.
TDmsLabels AngleLabels(long double Degrees);

// The altitude edit's text for Feet: whole metres when Metres, else the feet.
QString AltitudeEditText(int Feet, bool Metres);

// The controls for the stored location.
TLocationForm LocationFormFromSettings(const TSettings& Source);

// What choosing a place changes on Form: its name, position, city, state, country and
// zip, and the altitude from its elevation, or else from the elevation of its station;
// with neither the altitude stays as it is.
void ApplyPlaceChoice(const TPlaceChoice& Choice, TLocationForm& Form);

// The position the labels show; false when either does not parse.
bool FormPosition(const TLocationForm& Form, TLatLon& Position);

// Stores the location Form shows into Target and the stored copies: the position
// (with the hemisphere) when it parses, the place, zip, city, state and country (each
// at most 128 characters), the forecast page's place text, the altitude when the edit
// holds a whole number (metres converted to feet; otherwise it stays) and the distance
// unit. False when the position did not parse and was left as it was.
bool StoreLocation(const TLocationForm& Form, TSettings& Target, TSettingsCopies& Copies);

// The location strings of Source as the stored copies hold them once it is saved.
TSettingsCopies StoredLocationCopies(const TSettings& Source);

// The text below the place controls when a zip code is not found.
QString ZipNotFoundText(const QString& Typed);

}  // namespace orbelune
