#pragma once
// Number and text helpers of the windows.

#include <QString>

#include <cstdint>

namespace orbelune {

// The magnitude right-aligned in 19 characters with "," between groups of three
// digits; a negative value gets "-" ahead of the whole field, blanks included.
QString FormatInt64Thousands(std::int64_t Value);

// Text with blanks in front up to Width; longer text unchanged.
QString RightAlignText(const QString& Text, int Width);

// The full name of a two-letter state abbreviation (trimmed, any case); empty when
// there is none.
QString StateAbbrevToName(const QString& Text);

// Text with every occurrence of SubStr removed, searching again from the start after
// each removal (so removing "ab" from "aabb" leaves nothing).
QString DeleteAllSubStr(const QString& SubStr, const QString& Text);

}  // namespace orbelune
