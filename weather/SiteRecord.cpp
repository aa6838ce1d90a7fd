#include "SiteRecord.h"

#include "Astronomy.h"
#include "MyUtil.h"

#include <algorithm>

namespace orbelune {

namespace {

std::string Word(const std::string& Text, int N) {
    return ExtractField(static_cast<uint8_t>(N), Text, "-", true);
}

TDmsLabels SplitDms(const QString& Text) {
    const std::string Plain = Text.toStdString();
    TDmsLabels Labels;
    Labels.Degrees = QString::fromStdString(DigitsOnly(Word(Plain, 1)));
    Labels.Minutes = QString::fromStdString(DigitsOnly(Word(Plain, 2)));
    Labels.Seconds = QString::fromStdString(DigitsOnly(Word(Plain, 3)));
    return Labels;
}

bool ParseLabels(const TDmsLabels& Labels, bool Latitude, long double& Degrees) {
    if (!ParseDMS(Labels.Degrees.toStdString(), Labels.Minutes.toStdString(),
                  Labels.Seconds.toStdString(), Latitude, Degrees))
        return false;
    if (Labels.Negative) Degrees = -Degrees;
    return true;
}

}  // namespace

QStringView SiteFieldView(QStringView Record, int N) {
    int Field = 0;
    qsizetype I = 0;
    const qsizetype Size = Record.size();
    while (I < Size) {
        while (I < Size && Record[I] == QLatin1Char(';')) ++I;
        if (I == Size) break;
        const qsizetype Start = I;
        while (I < Size && Record[I] != QLatin1Char(';')) ++I;
        if (++Field == N) return Record.sliced(Start, I - Start);
    }
    return {};
}

QString SiteField(QStringView Record, int N) {
    return SiteFieldView(Record, N).toString();
}

QString SiteZip(QStringView Record) {
    return SiteField(Record, 9).rightJustified(5, QLatin1Char('0'));
}

bool ParseDmsText(const QString& Text, long double& Degrees) {
    // Without a digit the parts would all read as 0: a missing position is no 0 N 0 E.
    if (!std::any_of(Text.begin(), Text.end(), [](QChar C) { return C.isDigit(); })) return false;
    const QString Upper = Text.toUpper();
    TDmsLabels Labels = SplitDms(Upper);
    const bool Latitude = Upper.contains(QLatin1Char('N')) || Upper.contains(QLatin1Char('S'));
    Labels.Negative = Upper.contains(QLatin1Char('W')) || Upper.contains(QLatin1Char('S'));
    return ParseLabels(Labels, Latitude, Degrees);
}

bool GetSiteLatLon(QStringView Record, long double& Latitude, long double& Longitude) {
    long double Lat = 0, Lon = 0;
    if (!ParseDmsText(SiteField(Record, 5), Lat) || !ParseDmsText(SiteField(Record, 6), Lon))
        return false;
    Latitude = Lat;
    Longitude = Lon;
    return true;
}

TDmsLabels LatitudeLabels(const QString& Text) {
    TDmsLabels Labels = SplitDms(Text);
    Labels.Negative = Text.toUpper().contains(QLatin1Char('S'));
    return Labels;
}

TDmsLabels LongitudeLabels(const QString& Text) {
    TDmsLabels Labels = SplitDms(Text);
    Labels.Negative = !Text.toUpper().contains(QLatin1Char('E'));
    return Labels;
}

bool GetLatLon(const TDmsLabels& Latitude, const TDmsLabels& Longitude, long double& Lat,
               long double& Lon) {
    long double NewLat = 0, NewLon = 0;
    if (!ParseLabels(Latitude, true, NewLat) || !ParseLabels(Longitude, false, NewLon))
        return false;
    Lat = NewLat;
    Lon = NewLon;
    return true;
}

}  // namespace orbelune
