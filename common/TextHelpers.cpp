#include "TextHelpers.h"

#include "GeoTables.h"

#include <array>

namespace orbelune {

namespace {

struct TSeparator {
    std::uint64_t Above;  // a separator goes in when the magnitude exceeds this
    int Position;         // 1-based character it goes in front of
};

// From the right, so earlier insertions do not move the later positions.
constexpr std::array<TSeparator, 6> Separators = {{
    {999ULL, 17},
    {999'999ULL, 14},
    {999'999'999ULL, 11},
    {999'999'999'999ULL, 8},
    {999'999'999'999'999ULL, 5},
    {999'999'999'999'999'999ULL, 2},
}};

}  // namespace

QString FormatInt64Thousands(std::int64_t Value) {
    // Unsigned, so that the magnitude of the most negative value is exact.
    const std::uint64_t magnitude =
        Value < 0 ? 0ULL - static_cast<std::uint64_t>(Value) : static_cast<std::uint64_t>(Value);
    QString text = QString::number(magnitude).rightJustified(19, QLatin1Char(' '));
    for (const TSeparator& s : Separators)
        if (magnitude > s.Above) text.insert(s.Position - 1, QLatin1Char(','));
    return Value < 0 ? QLatin1Char('-') + text : text;
}

QString RightAlignText(const QString& Text, int Width) {
    return Text.rightJustified(Width, QLatin1Char(' '));
}

QString StateAbbrevToName(const QString& Text) {
    const QString abbrev = Text.trimmed().toUpper();
    for (const TUsState& s : UsStateTable)
        if (abbrev == QLatin1String(s.Abbrev)) return QString::fromLatin1(s.Name);
    return {};
}

QString DeleteAllSubStr(const QString& SubStr, const QString& Text) {
    QString result = Text;
    if (SubStr.isEmpty()) return result;
    for (qsizetype at = result.indexOf(SubStr); at >= 0; at = result.indexOf(SubStr))
        result.remove(at, SubStr.size());
    return result;
}

}  // namespace orbelune
