#pragma once
// The lines of a decoded station report: splitting a reply, the observation time
// stamp, wrapping for display, and the request path of a station. Pure functions.

#include "StDate.h"

#include <QString>
#include <QStringList>

#include <utility>

namespace orbelune {

inline constexpr int ReportWrapMargin = 50;

// More combining marks on one character than this are dropped: a stack of them would be
// drawn over the lines above and below.
inline constexpr int MaxCombiningMarks = 2;

// The reply as text: UTF-8 decoded and composed (NFC), with every character that could
// disturb a caption, a tray hint or a memo taken out: control characters but the line
// breaks LF and CR LF (a tab or a CR on its own becomes a blank), format characters such
// as bidirectional overrides and zero-width marks, combining marks past
// MaxCombiningMarks on one character, and what could not be decoded.
QString CleanReportText(const QByteArray& Reply);

// The reply split at LF or CR LF (a CR alone does not end a line); a final line break
// ends the last line rather than starting an empty one.
QStringList SplitReportLines(const QString& Reply);

// True for a reply that is a web page instead of a report ("<html" in any case first).
bool IsHtmlReply(const QString& Reply);

// True for lines in the shape of a decoded report: a station line with a letter in it,
// then a time line whose part after the "/" begins with a "yyyy.mm.dd hhnn" stamp
// (which need not be a valid date).
bool LooksLikeReport(const QStringList& Lines);

// The observation time (UTC) from the stamp after the "/" of the second line,
// "yyyy.mm.dd hhnn"; false, and ReportTimeUtc untouched, when there is no second
// line or the stamp is not a valid date and time.
bool ParseReportTime(const QStringList& Lines, TDateTime& ReportTimeUtc);

// The local time text before the "/" of the second line, blanks kept; empty when the
// report has no second line.
QString ReportLocalTimeText(const QStringList& Lines);

// Line cut once at a word at or before column Margin (hard at Margin when the first
// word is longer): the head, and the rest from its first non-blank character.
std::pair<QString, QString> SplitAtMargin(const QString& Line, int Margin);

// Every line split once at the margin, each tail kept whole on the line after its head.
QStringList WrapReportLines(const QStringList& Lines, int Margin = ReportWrapMargin);

// Lines without the last two (the raw coded report and the cycle number).
QStringList DropLastTwoLines(QStringList Lines);

// The station to fetch: four ASCII letters or digits, upper-cased; anything else
// (too short, too long, or with characters that do not belong in a path) is "KNYC".
QString StationForRequest(const QString& Code);

// "/data/observations/metar/decoded/" + station + ".TXT".
QString ReportPath(const QString& Station);

// Whole minutes from the observation to NowUtc, truncated; 0 for an observation in the
// future or when that is not a number of a sane size.
int ReportAgeMinutes(TDateTime NowUtc, TDateTime ReportTimeUtc);

}  // namespace orbelune
