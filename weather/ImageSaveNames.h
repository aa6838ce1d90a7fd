#pragma once
// The names the save dialog offers and the filters it shows. In: the location and type
// texts of the imagery tabs as shown, and the local time of the last download. Out:
// "radar - <location> - <time>.jpg", "animated radar - ... .gif", "satellite -
// <location> - <type> - <time>.jpg", "graph.jpg", "calendar.jpg", with the time as
// "h;mm AM/PM - mmm dd, yyyy" and every character that cannot stand in a file name on
// the desktops the program runs on replaced.

#include "StDate.h"

#include <QString>

namespace orbelune {

// The dialog's filters, "Description|pattern" pairs joined by "|", in filter-index
// order: stills (JPEG, bitmap, GIF) and the radar animation (GIF).
inline const QString StillImageFilter = QStringLiteral(
    "JPEG Image File (*.jpg)|*.jpg|Bitmap Image File (*.bmp)|*.bmp|"
    "GIF Image File (*.gif)|*.gif");
inline const QString AnimationFilter = QStringLiteral("GIF Image File (*.gif)|*.gif");
inline const QString GraphSaveName = QStringLiteral("graph.jpg");
inline const QString CalendarSaveName = QStringLiteral("calendar.jpg");

// Text with every From replaced by To.
QString ReplaceChar(QString Text, QChar From, QChar To);

// Text with / \ : * ? " < > | and control characters replaced by "-" ("TX -
// Midland/Odessa" becomes "TX - Midland-Odessa").
QString FileNameSafe(const QString& Text);

// "2;05 PM - Mar 07, 2026": a time for a file name, without a colon.
QString SaveTimeStamp(TDateTime Local);

QString RadarSaveName(const QString& Location, TDateTime Local);
QString AnimatedRadarSaveName(const QString& Location, TDateTime Local);
QString SatelliteSaveName(const QString& Location, const QString& Type, TDateTime Local);

}  // namespace orbelune
