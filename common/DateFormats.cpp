#include "DateFormats.h"

#include "EngineText.h"
#include "MyUtil.h"

#include <QLocale>
#include <QRegularExpression>

namespace orbelune {

TDateFormats DateFormats;

QString DelphiDateFormatFromQt(const QString& QtFormat) {
    QString result;
    bool quoted = false;
    for (const QChar c : QtFormat) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            result += c;
        } else if (quoted || !c.isLetter()) {
            result += c;
        } else if (c == QLatin1Char('d') || c == QLatin1Char('y')) {
            result += c;
        } else if (c == QLatin1Char('M')) {
            result += QLatin1Char('m');
        } else {
            result += QLatin1Char('"') + c + QLatin1Char('"');
        }
    }
    return result;
}

QString WidenShortDateFormat(const QString& Format) {
    const QString upper = Format.toUpper();
    if (upper == QLatin1String("M/D/YYYY")) return QStringLiteral("mm/dd/yyyy");
    if (upper == QLatin1String("D/M/YYYY")) return QStringLiteral("dd/mm/yyyy");
    return Format;
}

QString TwoDigitYearFormat(const QString& Format) {
    QString result = Format;
    const int at = result.indexOf(QLatin1String("yyyy"), 0, Qt::CaseInsensitive);
    if (at >= 0) result.replace(at, 4, QStringLiteral("yy"));
    return result;
}

QString FourDigitYearFormat(const QString& Format) {
    static const QRegularExpression twoDigits(QStringLiteral("(?<![yY])[yY]{2}(?![yY])"));
    if (Format.contains(QLatin1String("yyyy"), Qt::CaseInsensitive)) return Format;
    QString result = Format;
    const QRegularExpressionMatch match = twoDigits.match(result);
    if (match.hasMatch()) result.replace(match.capturedStart(), 2, QStringLiteral("yyyy"));
    return result;
}

TDateFormats DateFormatsFrom(const QString& SystemShort, const QString& SystemLong) {
    TDateFormats formats;
    formats.Long = SystemLong;
    formats.Short = WidenShortDateFormat(SystemShort);
    formats.ShortYY = TwoDigitYearFormat(formats.Short);
    return formats;
}

TDateFormats LocaleDateFormats(const QLocale& Locale) {
    TDateFormats formats = DateFormatsFrom(
        FourDigitYearFormat(DelphiDateFormatFromQt(Locale.dateFormat(QLocale::ShortFormat))),
        DelphiDateFormatFromQt(Locale.dateFormat(QLocale::LongFormat)));
    TFormatSettings& names = formats.Names;
    for (int m = 1; m <= 12; ++m) {
        names.ShortMonthNames[m - 1] = ToEngineText(Locale.monthName(m, QLocale::ShortFormat));
        names.LongMonthNames[m - 1] = ToEngineText(Locale.monthName(m, QLocale::LongFormat));
    }
    // The run-time library counts the days from Sunday, Qt from Monday (1) to Sunday (7).
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d;
        names.ShortDayNames[d] = ToEngineText(Locale.dayName(qtDay, QLocale::ShortFormat));
        names.LongDayNames[d] = ToEngineText(Locale.dayName(qtDay, QLocale::LongFormat));
    }
    return formats;
}

QString FormatLocaleDateTime(const QString& Format, TDateTime DateTime) {
    return FromEngineText(DateTimeToStringSafe(ToEngineText(Format), DateTime, DateFormats.Names));
}

}  // namespace orbelune
