#pragma once
// Fields and positions of the place list's records, and the degree-minute-second texts
// of the Set tab's position labels.
//
// A record is ";"-separated: 1 name, 2 state abbreviation (United States) or country
// code, 3 country, 4 station code, 5 latitude ("40-45-02N"), 6 longitude
// ("073-59-50W"), 7 elevation in metres, 8 forecast zone number, 9 zip code. Fields are
// read as words: empty fields do not count, so a record never leaves a field empty
// before one that is used.

#include <QString>
#include <QStringView>

namespace orbelune {

// Word N (from 1) of Record with ";" as the separator; empty when there is none.
QStringView SiteFieldView(QStringView Record, int N);
QString SiteField(QStringView Record, int N);

// Field 9 filled up on the left with "0" to 5 characters.
QString SiteZip(QStringView Record);

// Degrees from "DD-MM-SS" followed by N, S, E or W: the first three "-"-separated
// words reduced to their digits (a missing one reads as 0); a latitude (0 .. 90) when
// the text holds N or S, else a longitude (0 .. 180); negative when it holds W or S.
// False when out of range, and for a text without any digit (an empty field).
bool ParseDmsText(const QString& Text, long double& Degrees);

// Latitude and longitude of a record's fields 5 and 6; false when either fails.
bool GetSiteLatLon(QStringView Record, long double& Latitude, long double& Longitude);

// The three position labels and the hemisphere box of one coordinate.
struct TDmsLabels {
    QString Degrees;
    QString Minutes;
    QString Seconds;
    bool Negative = false;  // south, or west: item 1 of the hemisphere box
};

// The labels for a latitude text: its "-"-separated words reduced to their digits;
// south when the text holds "S", else north.
TDmsLabels LatitudeLabels(const QString& Text);
// The labels for a longitude text; east when the text holds "E", else west.
TDmsLabels LongitudeLabels(const QString& Text);

// The position the labels show (latitude 0 .. 90, longitude 0 .. 180 degrees, negated
// for south and west); false when either does not parse.
bool GetLatLon(const TDmsLabels& Latitude, const TDmsLabels& Longitude, long double& Lat,
               long double& Lon);

}  // namespace orbelune
