#include "DateFormats.h"

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

TDateFormats DateFormatsFrom(const QString& SystemShort, const QString& SystemLong) {
    TDateFormats formats;
    formats.Long = SystemLong;
    formats.Short = WidenShortDateFormat(SystemShort);
    formats.ShortYY = TwoDigitYearFormat(formats.Short);
    return formats;
}

}  // namespace orbelune
