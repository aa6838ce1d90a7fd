#pragma once
// Lets GoogleTest print QString and QStringList values in failure messages.

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toUtf8().replace('\r', "\\r").constData() << '"';
}

inline void PrintTo(const QStringList& lines, std::ostream* out) {
    *out << '{';
    for (const QString& line : lines) {
        PrintTo(line, out);
        *out << ", ";
    }
    *out << '}';
}
