#include "ImageSaveNames.h"

#include "DateTimeRtl.h"

namespace orbelune {

namespace {

const QString Dash = QStringLiteral(" - ");

}  // namespace

QString ReplaceChar(QString Text, QChar From, QChar To) {
    return Text.replace(From, To);
}

QString FileNameSafe(const QString& Text) {
    QString safe = Text;
    for (QChar c : QStringLiteral("/\\:*?\"<>|")) safe = ReplaceChar(safe, c, QLatin1Char('-'));
    for (QChar& c : safe)
        if (c.category() == QChar::Other_Control) c = QLatin1Char('-');
    return safe;
}

QString SaveTimeStamp(TDateTime Local) {
    return QString::fromStdString(DateTimeToString("h;mm AM/PM - mmm dd, yyyy", Local));
}

QString RadarSaveName(const QString& Location, TDateTime Local) {
    return FileNameSafe(QStringLiteral("radar - ") + Location + Dash + SaveTimeStamp(Local) +
                        QStringLiteral(".jpg"));
}

QString AnimatedRadarSaveName(const QString& Location, TDateTime Local) {
    return FileNameSafe(QStringLiteral("animated radar - ") + Location + Dash +
                        SaveTimeStamp(Local) + QStringLiteral(".gif"));
}

QString SatelliteSaveName(const QString& Location, const QString& Type, TDateTime Local) {
    return FileNameSafe(QStringLiteral("satellite - ") + Location + Dash + Type + Dash +
                        SaveTimeStamp(Local) + QStringLiteral(".jpg"));
}

}  // namespace orbelune
