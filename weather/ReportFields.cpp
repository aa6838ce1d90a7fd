#include "ReportFields.h"

#include "EngineText.h"
#include "MyUtil.h"

#include <QRegularExpression>

#include <cmath>

namespace orbelune {

namespace {

constexpr int TraySummaryWidth = 64;
constexpr double MetresPerMile = 1609.344;

bool IsBlankOrControl(QChar c) {
    return c.unicode() <= 32;
}

QString TrimBlanksAndControls(const QString& s) {
    qsizetype first = 0;
    qsizetype last = s.size();
    while (first < last && IsBlankOrControl(s[first])) ++first;
    while (last > first && IsBlankOrControl(s[last - 1])) --last;
    return s.mid(first, last - first);
}

QString Proper(const QString& s) {
    return FromEngineText(ProperCase(ToEngineText(s)));
}

QString FieldAfter(const QString& keyword, const QString& text) {
    return GetReportField(1, keyword, text, true);
}

// The speed in kilometres per hour when the text is a readable number of a sane size;
// otherwise the text as it came.
QString MphToKph(const QString& speed) {
    bool ok = false;
    const double mph = speed.toDouble(&ok);
    if (!ok || !std::isfinite(mph) || std::fabs(mph) > 1e6) return speed;
    const double kph = std::nearbyint(mph * MetresPerMile / 1000.0);
    return QString::number(kph, 'f', 0);
}

QString WindText(const QString& text, char units) {
    // The speed is the word before "MPH" on the wind line: a station name such as
    // MEMPHIS holds those letters too.
    const QString windLine = FieldAfter(QStringLiteral("WIND:"), text);
    QString speed = GetReportField(1, QStringLiteral("MPH"), windLine, false);
    if (!speed.isEmpty()) {
        const char unit = units == 'C' ? 'K' : 'M';
        if (unit == 'K') speed = MphToKph(speed);
        return speed + QLatin1Char(' ') + QLatin1Char(unit) + QStringLiteral("ph");
    }
    const QString wind = Proper(windLine);
    if (wind.toUpper().contains(QLatin1String("CALM"))) return QStringLiteral("Calm");
    return wind;
}

}  // namespace

QString GetReportField(int Mode, const QString& Keyword, const QString& Text, bool Forward) {
    if (Text.isEmpty() || Keyword.isEmpty()) return {};
    qsizetype at = Text.indexOf(Keyword, 0, Qt::CaseInsensitive);
    if (at < 0) return {};
    if (Mode == 2) {
        at = Text.indexOf(Keyword, at + Keyword.size() + 1, Qt::CaseInsensitive);
        if (at < 0) return {};
    }
    QString field;
    if (Forward) {
        const qsizetype from = at + Keyword.size() + 1;
        if (from < Text.size()) {
            const qsizetype lineEnd = Text.indexOf(QLatin1Char('\n'), from);
            field = Text.mid(from, lineEnd < 0 ? -1 : lineEnd - from);
        }
    } else {
        qsizetype from = at - 2;
        qsizetype start = from + 1;
        while (from >= 0 && Text[from] != QLatin1Char(' ') && Text[from] != QLatin1Char('\n'))
            start = from--;
        field = Text.mid(start, at - 1 - start);
    }
    return TrimBlanksAndControls(field);
}

double GetReportTemperature(const QString& Text) {
    static const QRegularExpression number(QStringLiteral(
        "^\\s*+([-+]?\\d{1,3}(?:\\.\\d++)?+)\\s*+(?:F(?![A-Za-z]))?+(?![A-Za-z0-9.])"));
    if (Text.isEmpty()) return NoTemperature;
    const QRegularExpressionMatch found =
        number.match(FieldAfter(QStringLiteral("TEMPERATURE:"), Text));
    if (!found.hasMatch()) return NoTemperature;
    bool ok = false;
    const double value = found.captured(1).toDouble(&ok);  // always '.' as decimal point
    return ok && value >= MinPlausibleF && value <= MaxPlausibleF ? value : NoTemperature;
}

QString AgeText(int AgeMinutes) {
    return QString::number(AgeMinutes) +
           (AgeMinutes > 1 ? QStringLiteral(" mins ago") : QStringLiteral(" min ago"));
}

TWeatherSummary BuildWeatherSummary(const QString& Text, std::optional<int> AgeMinutes,
                                    char TemperatureUnits) {
    TWeatherSummary result;
    if (Text.isEmpty()) return result;
    const QString weather = Proper(FieldAfter(QStringLiteral("WEATHER:"), Text));
    result.Sky = Proper(FieldAfter(QStringLiteral("SKY CONDITIONS:"), Text));
    const QString wind = WindText(Text, TemperatureUnits);
    const QString humidity = Proper(FieldAfter(QStringLiteral("HUMIDITY:"), Text));

    const QString items[] = {
        result.Sky,
        weather,
        wind,
        humidity.isEmpty() ? QString() : QStringLiteral("Hum: ") + humidity,
        AgeMinutes ? AgeText(*AgeMinutes) : QString(),
    };
    QString summary;
    for (const QString& item : items) {
        if (!item.isEmpty())
            summary = summary.isEmpty() ? item : summary + QStringLiteral(" \r") + item;
        if (summary.size() <= TraySummaryWidth) result.Tray = summary;
    }
    return result;
}

}  // namespace orbelune
