#include "RadarTimeLine.h"

#include "Astronomy.h"
#include "DateTimeRtl.h"
#include "TimeValue.h"

namespace orbelune {

namespace {

// Width digits at Start of Text as a number, or -1.
int Digits(const QString& Text, int Start, int Width) {
    if (Text.size() < Start + Width) return -1;
    int value = 0;
    for (int i = Start; i < Start + Width; ++i) {
        if (Text[i] < u'0' || Text[i] > u'9') return -1;
        value = value * 10 + (Text[i].unicode() - u'0');
    }
    return value;
}

QString Formatted(const char* Format, TDateTime Value) {
    return QString::fromStdString(DateTimeToString(Format, Value));
}

}  // namespace

bool GetRadarFileTimeStamp(const QString& Name, TDateTime& TimeUtc) {
    TimeUtc = -1.0;
    const QStringList fields = Name.split(u'_', Qt::SkipEmptyParts);
    if (fields.size() < 3) return false;
    const QString date = fields[1].trimmed();
    const QString time = fields[2].trimmed();
    const int year = Digits(date, 0, 4);
    const int month = Digits(date, 4, 2);
    const int day = Digits(date, 6, 2);
    const int hour = Digits(time, 0, 2);
    const int minute = Digits(time, 2, 2);
    if (year < 0 || month < 0 || day < 0 || hour < 0 || minute < 0) return false;
    TDateTime value = 0;
    if (!TryEncodeDateTime(year, month, day, hour, minute, 0, 0, value)) return false;
    TimeUtc = value;
    return true;
}

TRadarTimeLine RadarTimeLine(int Frame, const QString& Prefix, bool Show, std::int32_t Color,
                             const QStringList& RadarFileList, TDateTime LastRadarDownloadTime,
                             TDateTime NowLocal, bool UseMilitaryTime) {
    TRadarTimeLine line;
    line.Visible = Show;
    line.Color = Color;
    if (!Show) return line;
    TDateTime utc = LocalToUTC(LastRadarDownloadTime);
    TDateTime named = 0;
    if (Frame >= 0 && Frame < RadarFileList.size() &&
        GetRadarFileTimeStamp(RadarFileList[Frame], named))
        utc = named;
    const TDateTime local = UTCToLocal(utc);
    const int minutes =
        TruncToInt((DateTimeToLinear(NowLocal) - DateTimeToLinear(local)) * 1440.0L) + 1;
    line.SetText = true;
    line.Text = Prefix + QStringLiteral("  ") + QString::number(minutes) +
                QStringLiteral("  mins ago at ") +
                Formatted(UseMilitaryTime ? "h:mm" : "h:mm AM/PM", local) + QStringLiteral("   (") +
                Formatted("mm/dd/yyyy", utc) + u' ' + Formatted("hh:mm", utc) +
                QStringLiteral(" UTC )");
    return line;
}

QString LoadingFramePrefix(int Frame) {
    return QStringLiteral("Loading ") + QString::number(Frame + 1) + QString(14, u' ');
}

QString FrameNumberText(int Frame) {
    return QString::number(Frame + 1).rightJustified(2, u' ');
}

}  // namespace orbelune
