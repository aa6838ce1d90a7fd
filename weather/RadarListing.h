#pragma once
// Reading the radar server's directory listings: pages with one file per line, its
// name somewhere on the line between double quotes (an HTML index: <a href="NAME">).
// The newest N names are the last N in sorted order, since every name carries its
// time stamp (SITE_YYYYMMDD_HHMM...).

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace orbelune {

// The 1-based number of the double-quote-separated word (empty words not counted) that
// holds a file name: in the last line that has a double quote, the first word that
// contains Text1 or Text2 (any case; an empty text matches nothing). 0 when no line
// has a quote or no word matches.
int FindQuotedFieldIndex(const QStringList& Lines, const QString& Text1, const QString& Text2);

// Whether a name from a listing may go into a request path: letters, digits, "_", "-"
// and ".", not empty, not beginning with "." and without "..".
bool IsSafeListingName(const QString& Name);

// The newest Count names of a listing, oldest first: the lines that contain Prefix and
// Filter (any case; an empty one is no condition), sorted, each giving its name from
// the word FindQuotedFieldIndex finds (the second when none). Lines whose name is not
// safe are skipped. Nothing when fewer than Count names remain.
std::optional<QStringList> ListingNames(const QByteArray& Reply, const QString& Prefix,
                                        const QString& Filter, int Count);

}  // namespace orbelune
