#include "RadarListing.h"

#include <algorithm>

namespace orbelune {

namespace {

constexpr QChar Quote = u'"';

bool Holds(const QString& Text, const QString& Part) {
    return !Part.isEmpty() && Text.contains(Part, Qt::CaseInsensitive);
}

QStringList QuotedWords(const QString& Line) {
    return Line.split(Quote, Qt::SkipEmptyParts);
}

}  // namespace

int FindQuotedFieldIndex(const QStringList& Lines, const QString& Text1, const QString& Text2) {
    for (qsizetype i = Lines.size() - 1; i >= 0; --i) {
        if (!Lines[i].contains(Quote)) continue;
        const QStringList words = QuotedWords(Lines[i]);
        for (qsizetype w = 0; w < words.size(); ++w)
            if (Holds(words[w], Text1) || Holds(words[w], Text2)) return int(w) + 1;
        return 0;
    }
    return 0;
}

bool IsSafeListingName(const QString& Name) {
    // "." is the folder itself and a leading dot a hidden file: neither is a frame.
    if (Name.isEmpty() || Name.startsWith(u'.') || Name.contains(QLatin1String(".."))) return false;
    return std::all_of(Name.begin(), Name.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               c == u'_' || c == u'-' || c == u'.';
    });
}

std::optional<QStringList> ListingNames(const QByteArray& Reply, const QString& Prefix,
                                        const QString& Filter, int Count) {
    if (Reply.isEmpty() || Count < 1) return std::nullopt;
    QStringList lines = QString::fromLatin1(Reply).split(u'\n');
    for (QString& line : lines)
        if (line.endsWith(u'\r')) line.chop(1);
    if (!Prefix.isEmpty() || !Filter.isEmpty())
        lines.removeIf([&](const QString& line) {
            return (!Prefix.isEmpty() && !Holds(line, Prefix)) ||
                   (!Filter.isEmpty() && !Holds(line, Filter));
        });
    lines.sort(Qt::CaseInsensitive);

    int field = FindQuotedFieldIndex(lines, Prefix, Filter);
    if (field == 0) field = 2;
    QStringList names;
    for (const QString& line : lines) {
        const QStringList words = QuotedWords(line);
        const QString name = field <= words.size() ? words[field - 1] : QString();
        if (IsSafeListingName(name)) names << name;
    }
    if (names.size() < Count) return std::nullopt;
    return names.mid(names.size() - Count);
}

}  // namespace orbelune
