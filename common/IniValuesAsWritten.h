#pragma once
// The values of one section of an INI file read as a person wrote them. QSettings reads a
// value with a comma as a list ("pa,ss" comes back as "pa, ss"), drops a backslash it
// does not know ("pa\ss" reads "pass") and lets one stray double quote swallow every line
// after it; a settings file edited by hand must not change that way.
//
// In: the file's bytes (UTF-8) and the section's name. Out: each line "key=value" of the
// section whose key is a plain name (letters, digits, "_"), in file order, with the value
// taken as follows. Blanks around it are dropped. A value in double quotes, as QSettings
// writes one holding a comma, a semicolon, an "=" or blanks at an end, is what stands
// between them; any other value is the whole text, quotes, commas and semicolons
// included, where a leading "@@" stands for "@". In both, the backslash escapes QSettings
// writes (\a \b \t \n \v \f \r \" \' \\ \? and \x with up to four hexadecimal digits)
// are decoded, and a backslash before anything else is kept. So every string QSettings
// writes reads back as it was, and a hand-made value reads as typed.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace orbelune {

QList<QPair<QString, QString>> IniValuesAsWritten(const QByteArray& Text, const QString& Section);

}  // namespace orbelune
