#include "LocationGuess.h"

#include "SiteRecord.h"

#include <cmath>

namespace orbelune {

// City centres from GeoNames; the stations are the cities' airports or weather offices.
const std::array<const char*, 31> LatLonMemo = {
    "  7.0897;-171.3803;PKMJ;   2;Majuro;Marshall Islands",
    "-13.8333; 171.7667;NSAP;   2;Apia;Samoa",
    " 21.3069; 157.8583;PHNL;   3;Honolulu;HI",
    " 61.2181; 149.9003;PANC;  44;Anchorage;AK",
    " 34.0522; 118.2411;KLAX;  38;Los Angeles;CA",
    " 39.7392; 104.9847;KDNR;1626;Denver;CO",
    " 39.0997;  94.5786;KMKC; 231;Kansas City;MO",
    " 40.7517;  73.9942;KNYC;  47;New York;NY",
    " 44.6464;  63.5729;CYHZ; 145;Halifax;Canada",
    " 47.5649;  52.7093;CXSW; 114;St. John's;Canada",
    "-15.7797;  47.9297;SBBR;1061;Brasilia;Brazil",
    " 37.7395;  25.6687;LPLA;  52;Sao Miguel;Azores",
    " 51.5000;   0.0000;EGLL;  24;London;UK",
    " 52.3740;  -4.8897;EHAM;  -4;Amsterdam;Netherlands",
    " 44.4323; -26.1063;LRBS;  90;Bucharest;Romania",
    " 55.7522; -37.6156;UUDD; 179;Moscow;Russia",
    " 35.6944; -51.4215;OIII;1204;Tehran;Iran",
    " 24.4512; -54.3970;OMAA;  16;Abu Dhabi;UAE",
    " 24.8608; -67.0104;OPKC;  21;Karachi;Pakistan",
    " 28.6358; -77.2245;VIDD; 211;New Delhi;India",
    " 27.7017; -85.3206;VNKT;1337;Katmandu;Nepal",
    " 55.0415; -82.9346;UNNN; 177;Novosibirsk;Russia",
    " 16.8053; -96.1561;VYYY;  14;Rangoon;Burma",
    " 13.7540;-100.5014;VTBD;   4;Bangkok;Thailand",
    " 39.9075;-116.3972;ZBAA;  55;Beijing;China",
    " 35.6895;-139.6917;RJTT;   5;Tokyo;Japan",
    "-34.9287;-138.5986;YPAD;   6;Adelaide;Australia",
    "-27.4679;-153.0281;YBBN;   4;Brisbane;Australia",
    " -9.4333;-159.9500;AGGH;   8;Honiara;Solomon Islands",
    "-36.8485;-174.7635;NZAA;   7;Auckland;New Zealand",
    "-21.1394; 175.2018;NFTF;  38;Nuku'Alofa;Tonga",
};

namespace {

// Upper bounds (inclusive) of the offsets of lines 0 .. 30.
constexpr std::array<double, 31> UpperBounds = {-12, -11, -10, -9, -8,  -7,  -6, -5, -4,  -3.5, -3,
                                                -1,  0,   1,   2,  3,   3.5, 4,  5,  5.5, 5.75, 6,
                                                6.5, 7,   8,   9,  9.5, 10,  11, 12, 13};
constexpr int NewYorkLine = 7;
constexpr int FirstUsLine = 2;
constexpr int LastUsLine = 7;

std::optional<long double> Number(QStringView Text) {
    bool Ok = false;
    const double Value = Text.trimmed().toDouble(&Ok);
    if (!Ok || !std::isfinite(Value)) return std::nullopt;
    return Value;
}

}  // namespace

int GuessLineIndex(double BaseUtcOffsetHours) {
    for (std::size_t I = 0; I < UpperBounds.size(); ++I)
        if (BaseUtcOffsetHours <= UpperBounds[I]) return static_cast<int>(I);
    return NewYorkLine;
}

TGuessedLocation GuessLatLon(double BaseUtcOffsetHours) {
    const int Line = GuessLineIndex(BaseUtcOffsetHours);
    const QString Memo = QString::fromLatin1(LatLonMemo[static_cast<std::size_t>(Line)]);
    TGuessedLocation Guess;
    Guess.CityName = SiteField(Memo, 5);
    Guess.Latitude = Number(SiteFieldView(Memo, 1));
    if (const auto West = Number(SiteFieldView(Memo, 2))) Guess.Longitude = -*West;
    Guess.StationCode = SiteField(Memo, 3).toUpper();
    if (const auto Metres = Number(SiteFieldView(Memo, 4)); Metres && std::fabs(*Metres) < 1e6)
        Guess.AltitudeFeet = static_cast<int>(std::nearbyint(*Metres / 0.3048L));
    const QString Region = SiteField(Memo, 6);
    const bool UnitedStates = Line >= FirstUsLine && Line <= LastUsLine;
    Guess.StateName = UnitedStates ? Region : QString();
    Guess.CountryName = UnitedStates ? QStringLiteral("United States") : Region;
    Guess.PlaceName = Guess.CityName + QLatin1Char(' ') + Region;
    return Guess;
}

}  // namespace orbelune
