#pragma once
// Facts read out of a decoded station report: one field after (or the word before) a
// keyword, the temperature, and the short summary shown in the tray hint. Pure
// functions of the text; nothing here raises.

#include <QString>

#include <optional>

namespace orbelune {

// The report's value for "no temperature".
inline constexpr double NoTemperature = -200.0;
inline constexpr double MinPlausibleF = -130.0;
inline constexpr double MaxPlausibleF = 140.0;

// The field at the first occurrence of Keyword (any case) in Text; with Mode 2, at the
// second occurrence. Forward: the rest of that line, from the second character after
// the keyword. Backward: the word that ends one character before the keyword. The
// result is trimmed of blanks and control characters; empty when nothing is found.
QString GetReportField(int Mode, const QString& Keyword, const QString& Text, bool Forward);

// Degrees Fahrenheit from the "Temperature:" line: the number it begins with (up to
// three digits, '.' as the decimal point whatever the user's locale), followed by "F",
// a blank, "(" or the end; NoTemperature when absent, unreadable or outside the
// temperatures met on Earth (MinPlausibleF to MaxPlausibleF).
double GetReportTemperature(const QString& Text);

struct TWeatherSummary {
    QString Sky;   // the sky conditions, proper-cased
    QString Tray;  // the longest leading run of items within 64 characters; empty: keep the old one
};

// Sky conditions, weather, wind, humidity and the report's age, joined by a blank and
// a carriage return; without an age (the report's time was not valid) that piece is
// left out. TemperatureUnits 'C' gives the wind in Kph, anything else in Mph.
TWeatherSummary BuildWeatherSummary(const QString& Text, std::optional<int> AgeMinutes,
                                    char TemperatureUnits);

// "N mins ago" above one minute, else "N min ago".
QString AgeText(int AgeMinutes);

}  // namespace orbelune
